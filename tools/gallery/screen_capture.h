// What a device shows, copied into an image for the PNG writer: the tools
// that photograph real windows (the pages, the dropped menu) share it.
#pragma once

#include "gdi/raii.h"
#include "png_writer.h"

#include <cstddef>

namespace brixel::tools {

// `size` pixels of `source` from `origin` on (a window's DC or the screen's).
inline RgbImage CaptureDc(HDC source, POINT origin, SIZE size) {
    RgbImage image;
    image.width = size.cx;
    image.height = size.cy;
    win::UniqueMemoryDc memory(::CreateCompatibleDC(source));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win::UniqueBitmap bitmap(::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return {};
    {
        win::SelectScope selected(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, image.width, image.height, source, origin.x, origin.y, SRCCOPY);
    }
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    image.pixels.reserve(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        image.pixels.insert(image.pixels.end(), {quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue});
    }
    return image;
}

}  // namespace brixel::tools
