// One table of button faces painted through the real face routines, shared
// by the native pixel tests and the Windows test that paints each scene
// through both backends and compares them pixel for pixel.
#pragma once

#include "core/property_table.h"
#include "pixel/classic_colours.h"
#include "render/draw_button.h"

#include <array>
#include <cstdint>

namespace brixel::testing {

using pixel::kClassicColours;

inline constexpr Rect kSceneClient{0, 0, 87, 25};
inline constexpr FontRef kSceneFont{11};

struct Scene {
    const char* name;
    void (*setup)(PaintModel&);
};

inline void Xp(PaintModel& m, std::int16_t scheme) {
    m.props.Appearance = kvnXPStyleAPB;
    m.props.XPColorScheme = scheme;
}

inline void GradientOf(PaintModel& m, std::int16_t style, bool fast) {
    m.props.Gradient = true;
    m.props.GradientStyle = style;
    m.props.GradientColor1 = 0x0078E2FF;  // RGB(255, 226, 120)
    m.props.GradientColor2 = 0x00BE501E;  // RGB(30, 80, 190)
    m.fast_primitives = fast;
}

inline void SplitMenu(PaintModel& m) {
    m.props.Menu = true;
    m.props.MenuButtonStyle = kvnMenuButtonStylePushButtonAndDropDown;
}

// Names are test names: letters and digits only.
inline constexpr std::array<Scene, 22> kScenes{{
    {"ThreeD", [](PaintModel& m) { m.props.Appearance = kvn3D; }},
    {"ThreeDPressed", [](PaintModel& m) { m.props.Appearance = kvn3D; m.state.pressed = true; }},
    {"ThreeDFocused", [](PaintModel& m) { m.props.Appearance = kvn3D; m.has_focus = true; }},
    {"ThreeDDisabled", [](PaintModel& m) { m.props.Appearance = kvn3D; m.props.Enabled = false; }},
    {"Flat", [](PaintModel& m) { m.props.Appearance = kvnFlat; }},
    {"FlatDots", [](PaintModel& m) { m.props.Appearance = kvnFlat; m.props.BorderStyle = kvnDots; }},
    {"FlatDashes", [](PaintModel& m) { m.props.Appearance = kvnFlat; m.props.BorderStyle = kvnDashes; }},
    {"FlatDoubleRounded",
     [](PaintModel& m) {
         m.props.Appearance = kvnFlat;
         m.props.BorderStyle = kvnDoubleLine;
         m.props.CornerStyle = u"1;1;1;1";
         m.props.CornerRoundingLevel = u"2;1;2;1";
     }},
    {"FlatFocusedDefault",
     [](PaintModel& m) {
         m.props.Appearance = kvnFlat;
         m.has_focus = true;
         m.display_as_default = true;
     }},
    {"XpBlue", [](PaintModel& m) { Xp(m, kvnXPBlueScheme); }},
    {"XpOliveMouseIn", [](PaintModel& m) { Xp(m, kvnXPOliveGreenScheme); m.state.mouse_in = true; }},
    {"XpSilverPressed", [](PaintModel& m) { Xp(m, kvnXPSilverScheme); m.state.pressed = true; }},
    {"XpBlueFocused", [](PaintModel& m) { Xp(m, kvnXPBlueScheme); m.has_focus = true; }},
    {"XpDisabled", [](PaintModel& m) { Xp(m, kvnXPBlueScheme); m.props.Enabled = false; }},
    {"VerticalFast", [](PaintModel& m) { GradientOf(m, kvnGradientStyleVertical, true); }},
    {"VerticalFallback", [](PaintModel& m) { GradientOf(m, kvnGradientStyleVertical, false); }},
    {"DiagonalFast", [](PaintModel& m) { GradientOf(m, kvnGradientStyleDiagonalDown, true); }},
    {"DiagonalFallback", [](PaintModel& m) { GradientOf(m, kvnGradientStyleDiagonalDown, false); }},
    {"CornerFast", [](PaintModel& m) { GradientOf(m, kvnGradientStyleCorner, true); }},
    {"XpStyleGradient",
     [](PaintModel& m) {
         Xp(m, kvnXPBlueScheme);
         GradientOf(m, kvnGradientStyleXPStyle1, true);
     }},
    {"SplitThreeD", [](PaintModel& m) { m.props.Appearance = kvn3D; SplitMenu(m); }},
    {"SplitXpOpen",
     [](PaintModel& m) {
         Xp(m, kvnXPBlueScheme);
         SplitMenu(m);
         m.state.menu_open = true;
     }},
}};

// A running, enabled button with the new-control defaults and a caption.
inline PaintModel SceneModel(const Scene& scene, bool caption) {
    PaintModel m;
    m.props = NewControlProperties(u"Command1", SystemColourRef(kColourBtnFace));
    m.props.Caption = caption ? u"&Save as" : u"";
    m.user_mode = true;
    m.system_colours = &kClassicColours;
    m.fonts = {kSceneFont, kSceneFont, kSceneFont, kSceneFont};
    m.parent_back_colour = {236, 233, 216};
    scene.setup(m);
    return m;
}

}  // namespace brixel::testing
