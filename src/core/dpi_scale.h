// The face's own fixed sizes (border lines, corner patterns, insets, the
// triangle, the drop-down strip, the region's pieces, the menu's rows) are
// designed for a 96 dpi screen. On a denser screen they grow with the
// resolution, so that a border stays visible and the triangle keeps its
// size on the glass; at 96 dpi every value is the designed one. Sizes the user gives in pixels
// (MenuButtonWidth, Bevel, margins) are not scaled: they are the user's.
#pragma once

namespace brixel {

inline constexpr int kDesignDpi = 96;

// `pixels` designed at 96 dpi, at `dpi`, rounded to the nearest pixel (a
// half rounds away from zero, so a one-pixel line becomes two at 144 dpi).
// A resolution of 0 or less is taken as 96.
constexpr int ScaleForDpi(int pixels, int dpi) {
    if (dpi <= 0 || dpi == kDesignDpi) return pixels;
    const long long scaled = static_cast<long long>(pixels) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi : -((-scaled + half) / kDesignDpi));
}

// The span [from, to) that the one-pixel step at `offset` (designed at
// 96 dpi) covers at `dpi`. Consecutive offsets tile without gaps or overlap,
// so a pattern of single pixels scales into blocks that still touch.
struct PixelSpan {
    int from = 0, to = 1;
    constexpr int Length() const { return to - from; }
    friend bool operator==(const PixelSpan&, const PixelSpan&) = default;
};

constexpr PixelSpan ScaledSpan(int offset, int dpi) {
    return {ScaleForDpi(offset, dpi), ScaleForDpi(offset + 1, dpi)};
}

}  // namespace brixel
