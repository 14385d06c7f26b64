// The classic desktop palette for the system colour indexes the faces read.
// Hosts without a desktop to ask (native tests, the pixel gallery) use it, and
// so does any drawing that must come out the same whatever the desktop shows.
#pragma once

#include "core/colour.h"

namespace brixel::pixel {

class ClassicColours final : public SystemColours {
public:
    Rgb SystemColour(int index) const override {
        switch (index) {
            case 5: return {255, 255, 255};   // window
            case 8: return {0, 0, 0};         // window text
            case 15: return {212, 208, 200};  // button face
            case 16: return {128, 128, 128};  // button shadow
            case 18: return {0, 0, 0};        // button text
            case 20: return {255, 255, 255};  // button highlight
            case 21: return {64, 64, 64};     // dark shadow
            case 22: return {212, 208, 200};  // light
            default: return {192, 192, 192};
        }
    }
};

inline const ClassicColours kClassicColours;

}  // namespace brixel::pixel
