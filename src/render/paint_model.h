// Everything one paint of the button face reads, as plain values. The
// ActiveX control and the Windows Forms control each fill it from their own
// objects (properties, ambient values, window state, platform look-ups); the
// painting routines read nothing else, so they know neither COM nor windows
// nor where a value came from.
#pragma once

#include "core/colour.h"
#include "core/enums.h"
#include "core/property_record.h"
#include "core/state_selection.h"
#include "render/canvas.h"
#include "core/dpi_scale.h"
#include "render/gradient_primitives.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace brixel {

// System colour indexes the caption, the arrow and the 3D separator use.
inline constexpr int kColourBtnShadow = 16;     // COLOR_BTNSHADOW
inline constexpr int kColourBtnHighlight = 20;  // COLOR_BTNHIGHLIGHT

// One entry per state set, indexed by StateVariant.
template <typename T>
using PerState = std::array<T, 4>;

constexpr std::size_t StateIndex(StateVariant v) { return static_cast<std::size_t>(v); }

// Whose caption rules lay the caption out: the ActiveX control's, or the
// Windows Forms control's (a System.Drawing text rectangle, no embossing).
enum class CaptionRules : std::uint8_t { ActiveX, WindowsForms };

struct PaintModel {
    // The property record as the control holds it (colours still OLE colours).
    ButtonProperties props;
    // mouse-in, pressed, toggled and the menu-open flag.
    InteractionState state;

    bool has_focus = false;  // the control's window has the keyboard focus
    // The container's ambient UserMode; a container that does not answer
    // runs the control, so the filler sets true then.
    bool user_mode = true;
    // The container's ambient DisplayAsDefault; no answer counts as false.
    bool display_as_default = false;

    // GradientFill and AlphaBlend were found by name in msimg32 and the
    // system version allows them. The canvas still says whether it offers
    // each primitive; both must agree before a fast path is taken.
    bool fast_primitives = false;

    // The container's pixels under the control, client sized, owned by the
    // control from the first translucent draw request until translucency is
    // switched off, the control moves or resizes, or the window goes. Null
    // while nothing is captured.
    const Surface* captured_background = nullptr;

    bool windows_forms_host = false;  // the container's windows are "WindowsForms..."
    Rgb parent_back_colour{};         // the container's background colour, resolved
    // The scheme the desktop theme shows now; stands in for kvnXPAutoDetect.
    std::int16_t detected_xp_scheme = kvnXPBlueScheme;

    // Font, MouseInFont, DownFont, DisabledFont as the canvas knows them.
    PerState<FontRef> fonts{};
    // Picture, MouseInPicture, DownPicture, DisabledPicture with their
    // HIMETRIC sizes; an empty one has kind None.
    PerState<PictureRef> pictures{};

    // Resolves system colour references; null resolves them to black.
    const SystemColours* system_colours = nullptr;

    // The resolution of the screen the face is shown on; the fixed sizes of
    // the face grow with it (core/dpi_scale.h).
    int dpi = kDesignDpi;

    CaptionRules caption_rules = CaptionRules::ActiveX;
    // The host draws the caption itself after the face (the Windows Forms
    // control on a window DC draws it with its own text API); the face is
    // then composed without it.
    bool caption_by_host = false;
};

// --- Small readings every layer shares -----------------------------------------

Rgb Resolve(const PaintModel& m, OleColor colour);
Rgb SystemColour(const PaintModel& m, int index);

// A fixed size of the face, designed at 96 dpi, at the face's resolution.
inline int Px(const PaintModel& m, int pixels) { return ScaleForDpi(pixels, m.dpi); }

inline FontRef FontFor(const PaintModel& m, StateVariant v) { return m.fonts[StateIndex(v)]; }
inline const PictureRef& PictureFor(const PaintModel& m, StateVariant v) { return m.pictures[StateIndex(v)]; }

inline FastPrimitives Fast(const PaintModel& m) {
    return m.fast_primitives ? FastPrimitives::Allowed : FastPrimitives::Avoid;
}

inline FaceKind Face(const PaintModel& m) { return EffectiveFace(m.props, m.state, m.user_mode); }
inline bool IsSplitButton(const PaintModel& m) { return IsMenuStyleBushDropEnabled(m.props); }
inline bool IsButtonTransparent(const PaintModel& m) { return IsButtonTransparent(m.props, m.fast_primitives); }
inline bool ShownAsDefault(const PaintModel& m) {
    return ShownAsDefault(m.props, m.display_as_default, m.fast_primitives);
}
// A toggle button latched down.
inline bool ToggledDown(const PaintModel& m) { return m.props.ToggleButton && m.state.toggled; }
// The menu part sits on the left only when asked; any other value keeps the
// usual right-hand part, as the control's hit test does.
inline bool MenuPartOnLeft(const ButtonProperties& p) {
    return p.MenuButtonAlignment == kvnMenuButtonAlignmentLeft;
}

// XPColorScheme with kvnXPAutoDetect replaced by the detected scheme.
std::int16_t EffectiveXPScheme(const PaintModel& m);

Rgb StateBorderColour(const PaintModel& m);

}  // namespace brixel
