#include "core/xp_scheme_detection.h"

#include "core/enums.h"
#include "core/xp_schemes.h"

#include <array>

namespace brixel {
namespace {

std::optional<std::u16string> ReadText(const ThemeSettingsReader& reader, std::u16string_view name) {
    std::array<std::uint8_t, kThemeValueBytes> buffer{};
    const std::optional<std::size_t> count = reader.ReadThemeValue(name, buffer);
    if (!count) return std::nullopt;
    return ThemeValueText(buffer, *count);
}

}  // namespace

std::u16string ThemeValueText(std::span<const std::uint8_t> bytes, std::size_t count) {
    // A reader that claims more than the buffer holds is not believed.
    if (count > bytes.size()) count = bytes.size();
    std::u16string text;
    for (std::size_t i = 0; i + 1 < count; i += 2) {
        const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == u'\0') break;
        text.push_back(unit);
    }
    return text;
}

// "ColorName" matters only while a theme is active, so it is not read
// otherwise.
std::int16_t GetSystemXPColorScheme(const ThemeSettingsReader& reader) {
    const std::optional<std::u16string> active = ReadText(reader, u"ThemeActive");
    if (active != u"1") return kvnXPBlueScheme;
    const std::optional<std::u16string> colour = ReadText(reader, u"ColorName");
    if (!colour) return kvnXPBlueScheme;
    return SchemeFromThemeValues(std::u16string_view(*active), std::u16string_view(*colour));
}

Rgb XPBorderColourOfScheme(std::int16_t scheme, bool disabled) {
    const XPSchemeColours& c = SchemeColours(scheme);
    const OleColor colour = disabled ? c.disabled_border : c.border;
    return {static_cast<std::uint8_t>(colour & 0xFF), static_cast<std::uint8_t>((colour >> 8) & 0xFF),
            static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
}

Rgb GetXPBorderColor(const ThemeSettingsReader& reader, bool disabled) {
    return XPBorderColourOfScheme(GetSystemXPColorScheme(reader), disabled);
}

}  // namespace brixel
