// Off-screen GDI canvases for the backend's tests: a memory DC of the
// tests' own as the root, surfaces made from it, pixels read back.
#pragma once

#include "gdi/gdi_canvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace brixel::testing {

// What a surface is filled with first: a pixel still this colour was not painted.
inline constexpr Rgb kUntouched{1, 2, 3};

class GdiFixture : public ::testing::Test {
protected:
    win::Msimg32 msimg32_ = win::Msimg32::Load();
    win::Msimg32 without_;  // no module: the fallbacks
    win::UniqueMemoryDc root_dc_{::CreateCompatibleDC(nullptr)};

    // A colour surface filled with `background`.
    std::unique_ptr<Surface> MakeSurface(Size size, bool fast = true, Rgb background = kUntouched) {
        win::GdiCanvas root(root_dc_.get(), fast ? &msimg32_ : &without_);
        auto surface = root.CreateSurface(size, SurfaceFormat::Colour);
        if (surface) surface->FillRect({0, 0, size.width, size.height}, Brush::Solid(background));
        return surface;
    }
};

inline int ChannelDistance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

}  // namespace brixel::testing
