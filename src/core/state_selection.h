// Which state variant, face and colours are in force: pure functions of the
// properties, the interaction state and the container's user mode. Painting
// and behaviour ask these and decide nothing of their own.
#pragma once

#include <cstdint>
#include <optional>

#include "core/property_record.h"

namespace brixel {

enum class FaceKind : std::uint8_t { Flat, ThreeD, XP };

// The state set in force: disabled, down, mouse-in, normal, each only while
// its switch is on.
StateVariant SelectStateSet(const ButtonProperties& p, const InteractionState& s);

// Split button: Menu with the push-button-and-drop-down style. "Bush" stands
// for "Push": the routine has long been known by this name, so it keeps it;
// IsSplitButton (render/paint_model.h) is the reading-friendly alias.
bool IsMenuStyleBushDropEnabled(const ButtonProperties& p);
bool IsDropDownOnlyMenu(const ButtonProperties& p);

bool IsXPPopupApplicable(const ButtonProperties& p, const InteractionState& s, bool user_mode);
bool IsPopupApplicable(const ButtonProperties& p, const InteractionState& s, bool user_mode);
FaceKind EffectiveFace(const ButtonProperties& p, const InteractionState& s, bool user_mode);

OleColor SelectBackColor(const ButtonProperties& p, const InteractionState& s);
OleColor GetButtonBorderColor(const ButtonProperties& p, const InteractionState& s);
// The border-colour-custom flag handed to the XP routines: that of the state
// whose border colour is in force, always set while disabled.
bool StateBorderColourIsCustom(const ButtonProperties& p, const InteractionState& s);

struct CaptionStyle {
    StateVariant variant;
    const FontDesc& font;
    OleColor colour;
};
CaptionStyle SelectCaption(const ButtonProperties& p, const InteractionState& s);

std::int16_t GetBorderStyle(const ButtonProperties& p, const InteractionState& s);

// The gradient sets that fill the face; a split button with its menu open
// fills its menu part with a set of its own.
struct GradientChoice {
    std::optional<StateVariant> face;
    std::optional<StateVariant> menu_part;
};
GradientChoice SelectGradient(const ButtonProperties& p, const InteractionState& s, bool user_mode);

// The picture drawn and how: 0 none; 1 to 3 the normal picture with that
// effect; 5 the normal picture; 6 down, 7 mouse-in, 8 disabled picture.
inline constexpr int kPictureNone = 0;
inline constexpr int kPicturePlain = 5;
inline constexpr int kPictureDown = 6;
inline constexpr int kPictureMouseIn = 7;
inline constexpr int kPictureDisabled = 8;
int ChoosePictureMode(const ButtonProperties& p, const InteractionState& s);
// The state set whose alignment, style and transparent colour the mode uses.
std::optional<StateVariant> PictureModeSet(int mode);

}  // namespace brixel

namespace brixel {

// The whole button is blended with its container and draws no default border.
bool IsButtonTransparent(const ButtonProperties& p, bool fast_primitives);
// The container wants the default-button look and the control can show it.
bool ShownAsDefault(const ButtonProperties& p, bool display_as_default, bool fast_primitives);

}  // namespace brixel
