// The container's pixels under a translucent control. They are copied once
// and blended under (or over) every face until the control moves or resizes,
// translucency is switched off or the window goes; a fresh copy each paint
// would pick up the control's own face.
#pragma once

#include "gdi/gdi_objects.h"
#include "render/canvas.h"

#include <windows.h>

#include <cstdint>
#include <memory>

namespace brixel::activex {

class BackgroundCapture {
public:
    // Copies the pixels of `container`'s client area at `at` (the control's
    // rectangle there) unless a copy is already held.
    void CaptureIfNeeded(HWND container, const RECT& at, const win::Msimg32* msimg32) noexcept;
    void Release() noexcept { surface_.reset(); }
    const Surface* surface() const noexcept { return surface_.get(); }
    // Counts the copies taken, so a kept face knows which one it blended.
    std::uint64_t generation() const noexcept { return generation_; }

private:
    std::unique_ptr<Surface> surface_;
    std::uint64_t generation_ = 0;
};

// The control window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control) noexcept;

}  // namespace brixel::activex
