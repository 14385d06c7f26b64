// The drawing backend's own creation and deletion of GDI objects. Every pen,
// brush, region, bitmap, font and memory DC the canvas makes goes through
// these wrappers, which keep a count of the objects alive, so a test can
// prove that thousands of paints leave nothing behind (the system's own
// per-process count is not available everywhere).
#pragma once

#include "gdi/raii.h"

namespace brixel::win {

// Objects created through the wrappers below and not yet deleted.
long LiveGdiObjects() noexcept;

namespace counted {
HBRUSH CreateSolidBrush(COLORREF colour) noexcept;
HBRUSH CreatePatternBrush(HBITMAP pattern) noexcept;
HPEN CreatePen(int style, int width, COLORREF colour) noexcept;
HRGN CreatePolygonRgn(const POINT* points, int count, int fill_mode) noexcept;
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bits_per_pixel, const void* bits) noexcept;
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, void** bits) noexcept;
HFONT CreateFontIndirect(const LOGFONTW* font) noexcept;
HDC CreateCompatibleDC(HDC dc) noexcept;
void DeleteObject(HGDIOBJ object) noexcept;
void DeleteDC(HDC dc) noexcept;
}  // namespace counted

// The owners of what the wrappers above create: the same owner family as
// every other GDI object, deleting through the counting wrappers.
struct LeakCounted {
    static void Delete(HGDIOBJ object) noexcept { counted::DeleteObject(object); }
    static void Delete(HDC memory_dc) noexcept { counted::DeleteDC(memory_dc); }
};
template <typename T>
using CountedGdi = UniqueGdi<T, LeakCounted>;
using CountedBrush = CountedGdi<HBRUSH>;
using CountedPen = CountedGdi<HPEN>;
using CountedRegion = CountedGdi<HRGN>;
using CountedBitmap = CountedGdi<HBITMAP>;
using CountedFont = CountedGdi<HFONT>;
using CountedMemoryDc = CountedGdi<HDC>;

// A scoped DC setting: sets a value and puts the previous one back on scope
// exit, unless setting failed (`Failed` is what the setter then returns).
template <typename Value, auto Set, Value Failed>
class DcSettingScope {
public:
    DcSettingScope(HDC dc, Value value) noexcept : dc_(dc), old_(Set(dc, value)) {}
    DcSettingScope(const DcSettingScope&) = delete;
    DcSettingScope& operator=(const DcSettingScope&) = delete;
    ~DcSettingScope() {
        if (old_ != Failed) Set(dc_, old_);
    }

private:
    HDC dc_;
    Value old_;
};

using TextColourScope = DcSettingScope<COLORREF, &::SetTextColor, CLR_INVALID>;
using BackColourScope = DcSettingScope<COLORREF, &::SetBkColor, CLR_INVALID>;
using BackModeScope = DcSettingScope<int, &::SetBkMode, 0>;
using StretchModeScope = DcSettingScope<int, &::SetStretchBltMode, 0>;

// Text drawing may move the current position (an underlined mnemonic is a
// line); this puts it back.
class PositionScope {
public:
    explicit PositionScope(HDC dc) noexcept : dc_(dc) { ::GetCurrentPositionEx(dc, &old_); }
    PositionScope(const PositionScope&) = delete;
    PositionScope& operator=(const PositionScope&) = delete;
    ~PositionScope() { ::MoveToEx(dc_, old_.x, old_.y, nullptr); }

private:
    HDC dc_;
    POINT old_{};
};

// msimg32's GradientFill and AlphaBlend, looked up by name at run time: both
// are optional, and the callers fall back to their own drawing without them.
class Msimg32 {
public:
    using GradientFillFn = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

    // Loads the module; a missing module or entry point leaves that
    // primitive unavailable.
    static Msimg32 Load() noexcept;
    // No module at all: every primitive unavailable (the fallbacks' tests).
    Msimg32() = default;

    GradientFillFn gradient_fill() const noexcept { return gradient_fill_; }
    AlphaBlendFn alpha_blend() const noexcept { return alpha_blend_; }

private:
    UniqueModule module_;
    GradientFillFn gradient_fill_ = nullptr;
    AlphaBlendFn alpha_blend_ = nullptr;
};

}  // namespace brixel::win
