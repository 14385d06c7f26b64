#include "core/state_selection.h"

#include "core/enums.h"

namespace brixel {
namespace {

bool DisabledInForce(const ButtonProperties& p) { return !p.Enabled && p.EnableDisabledProperties; }
bool PressedOrToggled(const InteractionState& s) { return s.pressed || s.toggled; }
bool SplitMenuOpen(const ButtonProperties& p, const InteractionState& s) {
    return s.menu_open && IsMenuStyleBushDropEnabled(p);
}

// Only the three effects have a drawing of their own; any other stored value
// draws the picture plainly rather than being mistaken for a state picture.
int EffectMode(std::int16_t effect) {
    return effect >= kvnPopup && effect <= kvnDarker ? effect : kPicturePlain;
}

std::optional<StateVariant> NormalGradient(const ButtonProperties& p) {
    if (p.Gradient) return StateVariant::Normal;
    return std::nullopt;
}

std::optional<StateVariant> MouseInGradient(const ButtonProperties& p) {
    if (p.EnableMouseInProperties) {
        if (p.MouseInGradient) return StateVariant::MouseIn;
        return std::nullopt;
    }
    if (p.Appearance == kvnXPStyleAPB) return std::nullopt;
    return NormalGradient(p);
}

std::optional<StateVariant> DownGradient(const ButtonProperties& p) {
    if (p.EnableDownProperties) {
        if (p.DownGradient) return StateVariant::Down;
        return std::nullopt;
    }
    if (p.Appearance == kvnXPStyleAPB) return std::nullopt;
    return MouseInGradient(p);
}

}  // namespace

StateVariant SelectStateSet(const ButtonProperties& p, const InteractionState& s) {
    if (DisabledInForce(p)) return StateVariant::Disabled;
    if (PressedOrToggled(s) && p.EnableDownProperties) return StateVariant::Down;
    if (s.mouse_in && p.EnableMouseInProperties) return StateVariant::MouseIn;
    return StateVariant::Normal;
}

bool IsMenuStyleBushDropEnabled(const ButtonProperties& p) {
    return p.Menu && p.MenuButtonStyle == kvnMenuButtonStylePushButtonAndDropDown;
}

bool IsDropDownOnlyMenu(const ButtonProperties& p) {
    return p.Menu && p.MenuButtonStyle == kvnMenuButtonStyleDropDown;
}

bool IsXPPopupApplicable(const ButtonProperties& p, const InteractionState& s, bool user_mode) {
    return p.Appearance == kvnXPWithMouse && s.mouse_in && user_mode && p.Enabled;
}

bool IsPopupApplicable(const ButtonProperties& p, const InteractionState& s, bool user_mode) {
    return p.Appearance == kvn3DWithMouse && s.mouse_in && user_mode && p.Enabled;
}

FaceKind EffectiveFace(const ButtonProperties& p, const InteractionState& s, bool user_mode) {
    if (p.Appearance == kvnXPStyleAPB || IsXPPopupApplicable(p, s, user_mode)) return FaceKind::XP;
    if (p.Appearance == kvn3D || IsPopupApplicable(p, s, user_mode)) return FaceKind::ThreeD;
    return FaceKind::Flat;
}

OleColor SelectBackColor(const ButtonProperties& p, const InteractionState& s) {
    if (DisabledInForce(p)) return p.DisabledBackColor;
    if ((PressedOrToggled(s) || s.menu_open) && p.EnableDownProperties) return p.DownBackColor;
    if (s.mouse_in && p.EnableMouseInProperties) return p.MouseInBackColor;
    return p.BackColor;
}

OleColor GetButtonBorderColor(const ButtonProperties& p, const InteractionState& s) {
    if (DisabledInForce(p)) return p.DisabledBorderColor;
    if (SplitMenuOpen(p, s) && p.EnableDownProperties) return p.BorderColor;
    if (PressedOrToggled(s) && p.EnableDownProperties) return p.DownBorderColor;
    if (s.mouse_in && p.EnableMouseInProperties) return p.MouseInBorderColor;
    return p.BorderColor;
}

bool StateBorderColourIsCustom(const ButtonProperties& p, const InteractionState& s) {
    if (!p.Enabled) return true;
    if (SplitMenuOpen(p, s) && p.EnableDownProperties) return p.CustomBorderColor;
    if (PressedOrToggled(s) && p.EnableDownProperties) return p.CustomBackBorderColor;
    if (s.mouse_in && p.EnableMouseInProperties) return p.CustomMouseInBorderColor;
    return p.CustomBorderColor;
}

CaptionStyle SelectCaption(const ButtonProperties& p, const InteractionState& s) {
    if (DisabledInForce(p)) return {StateVariant::Disabled, p.DisabledFont, p.DisabledFontColor};
    // The main part of an open split button keeps the normal look.
    if (SplitMenuOpen(p, s)) return {StateVariant::Normal, p.Font, p.FontColor};
    if ((PressedOrToggled(s) || s.menu_open) && p.EnableDownProperties) {
        return {StateVariant::Down, p.DownFont, p.DownFontColor};
    }
    if (s.mouse_in && p.EnableMouseInProperties)
        return {StateVariant::MouseIn, p.MouseInFont, p.MouseInFontColor};
    return {StateVariant::Normal, p.Font, p.FontColor};
}

std::int16_t GetBorderStyle(const ButtonProperties& p, const InteractionState& s) {
    const bool down = PressedOrToggled(s) || (s.menu_open && IsDropDownOnlyMenu(p));
    if (down && p.EnableDownProperties) return p.DownBorderStyle;
    if (SplitMenuOpen(p, s)) return p.BorderStyle;
    if (s.mouse_in && p.EnableMouseInProperties) return p.MouseInBorderStyle;
    return p.BorderStyle;
}

GradientChoice SelectGradient(const ButtonProperties& p, const InteractionState& s, bool user_mode) {
    if (DisabledInForce(p)) {
        if (p.DisabledGradient) return {StateVariant::Disabled, std::nullopt};
        return {};
    }
    const bool xp_style =
        p.GradientStyle == kvnGradientStyleXPStyle1 || p.GradientStyle == kvnGradientStyleXPStyle2;
    if (EffectiveFace(p, s, user_mode) == FaceKind::XP && p.Gradient && xp_style) {
        return {StateVariant::Normal, std::nullopt};
    }
    if (SplitMenuOpen(p, s)) return {NormalGradient(p), DownGradient(p)};
    if (PressedOrToggled(s) || s.menu_open) return {DownGradient(p), std::nullopt};
    if (s.mouse_in) return {MouseInGradient(p), std::nullopt};
    return {NormalGradient(p), std::nullopt};
}

int ChoosePictureMode(const ButtonProperties& p, const InteractionState& s) {
    const bool picture = HoldsImage(p.Picture);
    if (DisabledInForce(p) && HoldsImage(p.DisabledPicture)) return kPictureDisabled;
    const bool pressed_or_toggled = PressedOrToggled(s);
    if (pressed_or_toggled || (s.menu_open && IsDropDownOnlyMenu(p))) {
        if (p.EnableDownProperties && HoldsImage(p.DownPicture)) return kPictureDown;
        if (picture && p.PictureEffectWhenMouseDown > 0) return EffectMode(p.PictureEffectWhenMouseDown);
    }
    if (s.mouse_in && p.EnableMouseInProperties && HoldsImage(p.MouseInPicture)) return kPictureMouseIn;
    if (!picture) return kPictureNone;
    if (pressed_or_toggled) return EffectMode(p.PictureEffectWhenMouseDown);
    if (s.mouse_in) return EffectMode(p.PictureEffectWhenMouseOver);
    return kPicturePlain;
}

std::optional<StateVariant> PictureModeSet(int mode) {
    switch (mode) {
        case kPictureNone: return std::nullopt;
        case kPictureDown: return StateVariant::Down;
        case kPictureMouseIn: return StateVariant::MouseIn;
        case kPictureDisabled: return StateVariant::Disabled;
        default: return StateVariant::Normal;
    }
}

}  // namespace brixel

namespace brixel {

bool IsButtonTransparent(const ButtonProperties& p, bool fast_primitives) {
    return p.TranslucentStyle == kvnAll && !(p.TranslucentLevel != 0 && fast_primitives);
}

bool ShownAsDefault(const ButtonProperties& p, bool display_as_default, bool fast_primitives) {
    return p.ShowDefaultBorder && p.Active && !IsButtonTransparent(p, fast_primitives) && display_as_default;
}

}  // namespace brixel
