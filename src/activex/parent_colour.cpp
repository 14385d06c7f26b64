#include "activex/parent_colour.h"

#include "gdi/raii.h"

namespace brixel::activex {
namespace {

Rgb FromColorRef(COLORREF c) { return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)}; }

}  // namespace

Rgb GetParentBackColor(HWND control_window) {
    const COLORREF fallback = ::GetSysColor(COLOR_BTNFACE);
    HWND parent = control_window != nullptr ? ::GetParent(control_window) : nullptr;
    if (parent == nullptr) return FromColorRef(fallback);
    win::WindowDc dc(parent);
    if (!dc) return FromColorRef(fallback);
    const COLORREF colour = ::GetBkColor(dc.get());
    return FromColorRef(colour == CLR_INVALID ? fallback : colour);
}

}  // namespace brixel::activex
