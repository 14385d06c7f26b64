#include "core/xp_schemes.h"

#include "core/enums.h"

namespace brixel {
namespace {

constexpr OleColor Rgb3(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return MakeOleColor(Rgb{r, g, b}); }

constexpr XPSchemeColours kSchemes[] = {
    // blue
    {Rgb3(0, 60, 116), Rgb3(201, 199, 186), Rgb3(203, 225, 252), Rgb3(125, 165, 224), Rgb3(0, 0, 128)},
    // olive green
    {Rgb3(55, 98, 6), Rgb3(202, 196, 184), Rgb3(234, 240, 207), Rgb3(177, 192, 140), Rgb3(63, 93, 56)},
    // silver
    {Rgb3(0, 60, 116), Rgb3(196, 195, 191), Rgb3(225, 226, 236), Rgb3(149, 147, 177), Rgb3(75, 75, 11)},
};

struct ColourName {
    std::u16string_view name;
    std::int16_t scheme;
};

// Exact, case-sensitive names, as the theme manager writes them.
constexpr ColourName kColourNames[] = {
    {u"NormalColor", kvnXPBlueScheme},
    {u"Metallic", kvnXPSilverScheme},
    {u"HomeStead", kvnXPOliveGreenScheme},
};

using P = ButtonProperties;
const RecordField kPresetFields[] = {
    &P::EnableDownProperties,
    &P::EnableMouseInProperties,
    &P::EnableDisabledProperties,
    &P::Gradient,
    &P::MouseInGradient,
    &P::DownGradient,
    &P::DisabledGradient,
    &P::GradientStyle,
    &P::MouseInGradientStyle,
    &P::DownGradientStyle,
    &P::DisabledGradientStyle,
    &P::GradientStyleVariant,
    &P::MouseInGradientStyleVariant,
    &P::DownGradientStyleVariant,
    &P::DisabledGradientStyleVariant,
    &P::GradientColor1,
    &P::GradientColor2,
    &P::DisabledGradientColor1,
    &P::DisabledGradientColor2,
    &P::MouseInGradientColor1,
    &P::MouseInGradientColor2,
    &P::DownGradientColor1,
    &P::DownGradientColor2,
    &P::BorderStyle,
    &P::MouseInBorderStyle,
    &P::DownBorderStyle,
    &P::MouseInBorderColor,
    &P::DownBorderColor,
    &P::DisabledFontColor,
};

}  // namespace

const XPSchemeColours& SchemeColours(std::int16_t scheme) {
    if (scheme < 0 || scheme > kvnXPSilverScheme) scheme = kvnXPBlueScheme;
    return kSchemes[scheme];
}

std::int16_t SchemeFromThemeValues(std::optional<std::u16string_view> theme_active,
                                   std::optional<std::u16string_view> color_name) {
    if (theme_active != u"1" || !color_name) return kvnXPBlueScheme;
    for (const ColourName& c : kColourNames) {
        if (c.name == *color_name) return c.scheme;
    }
    return kvnXPBlueScheme;
}

std::span<const RecordField> Office2003PresetFields() { return kPresetFields; }

void SetOffice2003LookDefaults(ButtonProperties& p, std::int16_t scheme) {
    const XPSchemeColours& c = SchemeColours(scheme);
    p.EnableDownProperties = p.EnableMouseInProperties = p.EnableDisabledProperties = true;
    p.Gradient = p.MouseInGradient = p.DownGradient = p.DisabledGradient = true;
    p.GradientStyle = p.MouseInGradientStyle = p.DownGradientStyle = p.DisabledGradientStyle =
        kvnGradientStyleHorizontal;
    p.GradientStyleVariant = p.MouseInGradientStyleVariant = p.DisabledGradientStyleVariant =
        kvnGradientStyleVariant1;
    p.DownGradientStyleVariant = kvnGradientStyleVariant2;
    p.GradientColor1 = p.DisabledGradientColor1 = c.office_light;
    p.GradientColor2 = p.DisabledGradientColor2 = c.office_mid;
    p.MouseInGradientColor1 = Rgb3(255, 255, 220);
    p.MouseInGradientColor2 = Rgb3(247, 192, 91);
    p.DownGradientColor1 = Rgb3(247, 218, 124);
    p.DownGradientColor2 = Rgb3(232, 127, 8);
    p.BorderStyle = kvnNone;
    p.MouseInBorderStyle = p.DownBorderStyle = kvnSolid;
    p.MouseInBorderColor = p.DownBorderColor = c.office_border;
    p.DisabledFontColor = Rgb3(172, 168, 153);
}

}  // namespace brixel
