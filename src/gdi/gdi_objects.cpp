#include "gdi/gdi_objects.h"

#include <atomic>

namespace brixel::win {
namespace {

std::atomic<long> g_live{0};

template <typename T>
T Counted(T handle) noexcept {
    if (handle != nullptr) ++g_live;
    return handle;
}

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) noexcept {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

long LiveGdiObjects() noexcept { return g_live.load(); }

namespace counted {

HBRUSH CreateSolidBrush(COLORREF colour) noexcept { return Counted(::CreateSolidBrush(colour)); }
HBRUSH CreatePatternBrush(HBITMAP pattern) noexcept { return Counted(::CreatePatternBrush(pattern)); }
HPEN CreatePen(int style, int width, COLORREF colour) noexcept { return Counted(::CreatePen(style, width, colour)); }
HRGN CreatePolygonRgn(const POINT* points, int count, int fill_mode) noexcept {
    return Counted(::CreatePolygonRgn(points, count, fill_mode));
}
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bits_per_pixel, const void* bits) noexcept {
    return Counted(::CreateBitmap(width, height, planes, bits_per_pixel, bits));
}
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, void** bits) noexcept {
    return Counted(::CreateDIBSection(dc, info, DIB_RGB_COLORS, bits, nullptr, 0));
}
HFONT CreateFontIndirect(const LOGFONTW* font) noexcept { return Counted(::CreateFontIndirectW(font)); }
HDC CreateCompatibleDC(HDC dc) noexcept { return Counted(::CreateCompatibleDC(dc)); }

void DeleteObject(HGDIOBJ object) noexcept {
    if (object != nullptr && ::DeleteObject(object)) --g_live;
}
void DeleteDC(HDC dc) noexcept {
    if (dc != nullptr && ::DeleteDC(dc)) --g_live;
}

}  // namespace counted

Msimg32 Msimg32::Load() noexcept {
    Msimg32 m;
    m.module_.reset(::LoadLibraryW(L"msimg32.dll"));
    m.gradient_fill_ = Lookup<GradientFillFn>(m.module_.get(), "GradientFill");
    m.alpha_blend_ = Lookup<AlphaBlendFn>(m.module_.get(), "AlphaBlend");
    return m;
}

}  // namespace brixel::win
