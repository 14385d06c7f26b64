#include "activex/parent_colour.h"

#include "gdi/raii.h"

namespace brixel::activex {
namespace {

Rgb FromColorRef(COLORREF c) { return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)}; }

constexpr COLORREF kNewDcBackColour = RGB(255, 255, 255);

}  // namespace

Rgb GetParentBackColor(HWND parent, bool parent_dc_kept, Rgb button_face) {
    if (parent == nullptr) return button_face;
    // A window without a DC of its own (or of its class) hands out a fresh
    // one each time, whose background colour is the default white: no need
    // to fetch one on every paint to learn that.
    if (!parent_dc_kept) return FromColorRef(kNewDcBackColour);
    win::WindowDc dc(parent);
    if (!dc) return button_face;
    const COLORREF colour = ::GetBkColor(dc.get());
    return colour == CLR_INVALID ? button_face : FromColorRef(colour);
}

bool KeepsItsDc(HWND window) {
    return (::GetClassLongPtrW(window, GCL_STYLE) & (CS_OWNDC | CS_CLASSDC)) != 0;
}

}  // namespace brixel::activex
