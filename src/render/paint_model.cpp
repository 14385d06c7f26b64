#include "render/paint_model.h"

namespace brixel {
namespace {

// Without a host to ask, system colours read as black rather than failing.
class NoSystemColours final : public SystemColours {
public:
    Rgb SystemColour(int) const override { return {}; }
};

const SystemColours& ColoursOf(const PaintModel& m) {
    static const NoSystemColours none;
    return m.system_colours != nullptr ? *m.system_colours : none;
}

}  // namespace

Rgb Resolve(const PaintModel& m, OleColor colour) { return ResolveOleColor(colour, ColoursOf(m)); }

Rgb SystemColour(const PaintModel& m, int index) { return ColoursOf(m).SystemColour(index); }

std::int16_t EffectiveXPScheme(const PaintModel& m) {
    const std::int16_t scheme = m.props.XPColorScheme;
    if (scheme >= kvnXPBlueScheme && scheme <= kvnXPSilverScheme) return scheme;
    // AutoDetect, and any stored value no scheme answers to, follow the desktop.
    return m.detected_xp_scheme;
}

Rgb StateBorderColour(const PaintModel& m) { return Resolve(m, GetButtonBorderColor(m.props, m.state)); }

}  // namespace brixel
