// How the picture of the state in force is drawn: which picture property, with
// whose alignment, style and transparent colour, with which effect, and
// whether in the embossed disabled form. Pure; the painter only carries it out.
#pragma once

#include <cstdint>

#include "core/colour.h"
#include "core/property_record.h"

namespace brixel {

enum class PictureEffect : std::uint8_t { None, Popup, Lighter, Darker };

// The alignment, style and transparent colour of one picture property.
struct PictureSettings {
    std::int16_t h_alignment = 0;
    std::int16_t v_alignment = 0;
    std::int16_t style = 0;
    OleColor transparent = 0;
};

struct PictureChoice {
    int mode = 0;  // as ChoosePictureMode; 0 draws nothing
    StateVariant set = StateVariant::Normal;  // the picture drawn and its settings
    PictureEffect effect = PictureEffect::None;
    // Disabled and not showing a disabled picture of its own.
    bool embossed = false;
};

PictureChoice ChoosePicture(const ButtonProperties& p, const InteractionState& s);
PictureSettings PictureSettingsFor(const ButtonProperties& p, StateVariant set);

}  // namespace brixel
