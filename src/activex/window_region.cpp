#include "activex/window_region.h"

namespace brixel::win {
namespace {

UniqueRegion CreatePiece(const RegionPiece& piece) {
    const Rect& r = piece.rect;
    if (piece.ellipse.width == 0 && piece.ellipse.height == 0) {
        return UniqueRegion(::CreateRectRgn(r.left, r.top, r.right, r.bottom));
    }
    return UniqueRegion(
        ::CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, piece.ellipse.width, piece.ellipse.height));
}

}  // namespace

UniqueRegion CreateRegionFromShape(const RegionShape& shape) {
    UniqueRegion result(::CreateRectRgn(0, 0, 0, 0));
    if (!result) return {};
    for (const RegionPiece& piece : shape.pieces) {
        const UniqueRegion part = CreatePiece(piece);
        // A union missing a piece would cut a corner that should stay.
        if (!part || ::CombineRgn(result.get(), result.get(), part.get(), RGN_OR) == ERROR) return {};
    }
    return result;
}

bool ApplyWindowRegion(HWND window, const ButtonProperties& p, const InteractionState& s, bool user_mode,
                       bool win9x, int dpi) {
    RECT client{};
    if (window == nullptr || !::GetClientRect(window, &client)) return false;
    const Rect rect{client.left, client.top, client.right, client.bottom};
    UniqueRegion region = CreateRegionFromShape(ControlRegionShape(p, s, user_mode, rect, win9x, dpi));
    if (!region) return false;
    if (::SetWindowRgn(window, region.get(), TRUE) == 0) return false;
    // The window owns the region from here on and deletes it itself.
    region.release();
    return true;
}

}  // namespace brixel::win
