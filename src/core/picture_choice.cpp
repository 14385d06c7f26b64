#include "core/picture_choice.h"

#include "core/enums.h"
#include "core/state_selection.h"

namespace brixel {
namespace {

// Effects belong to a button being pressed or pointed at. The mouse-down
// effect can also be chosen while a drop-down-only menu is open with the
// pointer elsewhere; the picture is then drawn as it is, whatever its kind.
bool EffectsShow(const InteractionState& s) { return s.pressed || s.toggled || s.mouse_in; }

PictureEffect EffectOfMode(int mode) {
    switch (mode) {
        case kvnPopup: return PictureEffect::Popup;
        case kvnLighter: return PictureEffect::Lighter;
        case kvnDarker: return PictureEffect::Darker;
        default: return PictureEffect::None;
    }
}

}  // namespace

PictureChoice ChoosePicture(const ButtonProperties& p, const InteractionState& s) {
    PictureChoice c;
    c.mode = ChoosePictureMode(p, s);
    if (c.mode == kPictureNone) return c;
    c.set = PictureModeSet(c.mode).value_or(StateVariant::Normal);
    if (EffectsShow(s)) c.effect = EffectOfMode(c.mode);
    c.embossed = !p.Enabled && c.mode != kPictureDisabled;
    return c;
}

PictureSettings PictureSettingsFor(const ButtonProperties& p, StateVariant set) {
    switch (set) {
        case StateVariant::MouseIn:
            return {p.MouseInPictureHAlignment, p.MouseInPictureVAlignment, p.MouseInPictureStyle,
                    p.MouseInPictureTransparentColor};
        case StateVariant::Down:
            return {p.DownPictureHAlignment, p.DownPictureVAlignment, p.DownPictureStyle,
                    p.DownPictureTransparentColor};
        case StateVariant::Disabled:
            return {p.DisabledPictureHAlignment, p.DisabledPictureVAlignment, p.DisabledPictureStyle,
                    p.DisabledPictureTransparentColor};
        case StateVariant::Normal: break;
    }
    return {p.PictureHAlignment, p.PictureVAlignment, p.PictureStyle, p.PictureTransparentColor};
}

}  // namespace brixel
