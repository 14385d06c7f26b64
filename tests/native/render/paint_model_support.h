// A paint model with the new-control defaults, for the pipeline's tests.
#pragma once

#include "core/property_table.h"
#include "render/paint_model.h"

namespace brixel::testing {

// System colour i reads as grey level i, so each index is recognisable.
class GreySystemColours final : public SystemColours {
public:
    Rgb SystemColour(int index) const override {
        const auto v = static_cast<std::uint8_t>(index);
        return {v, v, v};
    }
};

inline const GreySystemColours kGreySystemColours;

inline constexpr FontRef kNormalFont{11};
inline constexpr FontRef kMouseInFont{12};
inline constexpr FontRef kDownFont{13};
inline constexpr FontRef kDisabledFont{14};

// A running, enabled, unfocused button 87 x 25 would be drawn in.
inline PaintModel DefaultModel() {
    PaintModel m;
    m.props = NewControlProperties(u"Command1", SystemColourRef(kColourBtnFace));
    m.props.Caption = u"OK";
    m.user_mode = true;
    m.system_colours = &kGreySystemColours;
    m.fonts = {kNormalFont, kMouseInFont, kDownFont, kDisabledFont};
    return m;
}

inline constexpr Rect kClient{0, 0, 87, 25};

// The defaults on a flat face with the corner texts given.
inline ButtonProperties FlatWithCorners(const char16_t* style, const char16_t* level) {
    ButtonProperties p = DefaultModel().props;
    p.Appearance = kvnFlat;
    p.CornerStyle = style;
    p.CornerRoundingLevel = level;
    return p;
}

}  // namespace brixel::testing
