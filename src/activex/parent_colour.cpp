#include "activex/parent_colour.h"

#include "gdi/raii.h"

namespace brixel::activex {
namespace {

Rgb FromColorRef(COLORREF c) { return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)}; }

constexpr COLORREF kNewDcBackColour = RGB(255, 255, 255);

}  // namespace

Rgb GetParentBackColor(HWND control_window) {
    const COLORREF fallback = ::GetSysColor(COLOR_BTNFACE);
    HWND parent = control_window != nullptr ? ::GetParent(control_window) : nullptr;
    if (parent == nullptr) return FromColorRef(fallback);
    // A window without a DC of its own (or of its class) hands out a fresh
    // one each time, whose background colour is the default white: no need
    // to fetch one on every paint to learn that.
    if ((::GetClassLongPtrW(parent, GCL_STYLE) & (CS_OWNDC | CS_CLASSDC)) == 0) return FromColorRef(kNewDcBackColour);
    win::WindowDc dc(parent);
    if (!dc) return FromColorRef(fallback);
    const COLORREF colour = ::GetBkColor(dc.get());
    return FromColorRef(colour == CLR_INVALID ? fallback : colour);
}

}  // namespace brixel::activex
