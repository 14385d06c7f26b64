// The caption's four GDI fonts (Font, MouseInFont, DownFont, DisabledFont),
// made when a description or the screen's resolution changes and kept for
// the paints in between, instead of four creations and deletions per paint.
#pragma once

#include "core/property_record.h"
#include "gdi/raii.h"
#include "render/paint_model.h"

#include <array>

namespace brixel::activex {

class StateFonts {
public:
    // The fonts for `p` at `dpi`; valid until the next call or the end.
    const PerState<FontRef>& For(const ButtonProperties& p, int dpi) noexcept;
    // Font creations so far, for the tests.
    int creations() const noexcept { return creations_; }

private:
    std::array<FontDesc, 4> descs_{};
    std::array<win::UniqueFont, 4> fonts_{};
    PerState<FontRef> refs_{};
    int dpi_ = 0;  // none made yet
    int creations_ = 0;
};

}  // namespace brixel::activex
