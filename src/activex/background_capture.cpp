#include "activex/background_capture.h"

#include "gdi/gdi_canvas.h"
#include "gdi/raii.h"

namespace brixel::activex {

RECT RectInParent(HWND control) noexcept {
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void BackgroundCapture::CaptureIfNeeded(HWND container, const RECT& at, const win::Msimg32* msimg32) noexcept {
    if (surface_ || container == nullptr) return;
    const Size size{at.right - at.left, at.bottom - at.top};
    if (size.width <= 0 || size.height <= 0) return;
    try {
        win::WindowDc dc(container);
        if (!dc) return;
        win::GdiCanvas source(dc.get(), msimg32);
        auto copy = source.CreateSurface(size, SurfaceFormat::Colour);
        if (!copy) return;
        TransferRequest request;
        request.dest = {0, 0, size.width, size.height};
        request.source = &source;
        request.source_rect = {at.left, at.top, at.right, at.bottom};
        copy->Transfer(request);
        surface_ = std::move(copy);
        ++generation_;
    } catch (...) {
        // No memory for the copy: the face is drawn opaque until one is had.
    }
}

}  // namespace brixel::activex
