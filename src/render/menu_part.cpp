#include "render/menu_part.h"

#include <algorithm>
#include <array>

namespace brixel {
namespace {

// The triangle one glyph row at a time: row i starts i pixels in and is
// width - 2i pixels long.
void PaintGlyph(Canvas& canvas, Point origin, Size glyph, Rgb colour) {
    for (int row = 0; row < glyph.height; ++row) {
        const Rect line{origin.x + row, origin.y + row, origin.x + glyph.width - row, origin.y + row + 1};
        canvas.FillRect(line, Brush::Solid(colour));
    }
}

// The system's embossed rendering of a disabled monochrome image: the glyph
// in the highlight colour one (scaled) pixel right and down, then in the
// shadow colour in place.
void PaintEmbossedGlyph(Canvas& canvas, Point origin, Size glyph, const PaintModel& m) {
    const int shift = Px(m, 1);
    PaintGlyph(canvas, {origin.x + shift, origin.y + shift}, glyph, SystemColour(m, kColourBtnHighlight));
    PaintGlyph(canvas, origin, glyph, SystemColour(m, kColourBtnShadow));
}


struct PenForStyle {
    std::int16_t border_style;
    PenStyle pen;
};

constexpr std::array<PenForStyle, 5> kPenForStyle{{
    {kvnNone, PenStyle::None},
    {kvnSolid, PenStyle::Solid},
    {kvnDots, PenStyle::Dotted},
    {kvnDashes, PenStyle::Dashed},
    {kvnDoubleLine, PenStyle::Solid},
}};

void VerticalLine(Canvas& canvas, int x, int top, int bottom, const Pen& pen) {
    canvas.DrawLine({x, top}, {x, bottom}, pen);
}

// A line `thickness` pixels wide: its first pixel column at `x`, the others
// toward the inside of the menu part (`step` +1 to the right, -1 left).
void ThickVerticalLine(Canvas& canvas, int x, int step, int thickness, int top, int bottom, const Pen& pen) {
    for (int i = 0; i < thickness; ++i) VerticalLine(canvas, x + i * step, top, bottom, pen);
}

}  // namespace

MenuSplit GetMenuButtonBounds(const Rect& client, std::int16_t menu_button_width, std::int16_t alignment) {
    const int width = std::clamp<int>(menu_button_width, 0, std::max(0, client.Width()));
    if (alignment == kvnMenuButtonAlignmentLeft) {
        return {{client.left, client.top, client.left + width, client.bottom},
                {client.left + width, client.top, client.right, client.bottom}};
    }
    return {{client.right - width, client.top, client.right, client.bottom},
            {client.left, client.top, client.right - width, client.bottom}};
}

MenuSplit GetMenuButtonBounds(const Rect& client, const ButtonProperties& p) {
    return GetMenuButtonBounds(client, p.MenuButtonWidth, MenuPartOnLeft(p) ? kvnMenuButtonAlignmentLeft
                                                                              : kvnMenuButtonAlignmentRight);
}

Size ArrowGlyphSize(int dpi) {
    const int height = std::max(1, ScaleForDpi(kArrowHeight, dpi));
    return {2 * height - 1, height};
}

Rect MenuArrowBox(const Rect& rect, const ButtonProperties& p, int dpi) {
    if (p.MenuButtonStyle != kvnMenuButtonStyleDropDown) return rect;
    const int strip = ScaleForDpi(kDropDownStripWidth, dpi);
    if (MenuPartOnLeft(p)) return {rect.left, rect.top, rect.left + strip, rect.bottom};
    return {rect.right - strip, rect.top, rect.right, rect.bottom};
}

std::optional<Point> MenuArrowOrigin(const Rect& rect, const ButtonProperties& p, int dpi) {
    if (rect.Width() <= 0 || !p.ShowMenuButtonTriangle) return std::nullopt;
    const Rect box = MenuArrowBox(rect, p, dpi);
    const Size glyph = ArrowGlyphSize(dpi);
    const int y = box.top + (box.Height() - glyph.height) / 2;
    // The enabled glyph is placed from the right edge, the embossed one from
    // the left: on an even box they sit one pixel apart.
    if (p.Enabled) return Point{box.right - (box.Width() - glyph.width) / 2 - glyph.width, y};
    return Point{box.left + (box.Width() - glyph.width) / 2, y};
}

void DrawMenuArrow(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    const std::optional<Point> origin = MenuArrowOrigin(rect, m.props, m.dpi);
    if (!origin) return;
    const Size glyph = ArrowGlyphSize(m.dpi);
    if (m.props.Enabled) {
        PaintGlyph(canvas, *origin, glyph, Resolve(m, m.props.MenuButtonTriangleColor));
    } else {
        PaintEmbossedGlyph(canvas, *origin, glyph, m);
    }
}

PenStyle PenStyleForBorderStyle(std::int16_t border_style) {
    for (const PenForStyle& entry : kPenForStyle)
        if (entry.border_style == border_style) return entry.pen;
    return PenStyle::Solid;
}

void DrawFlatMenuSeparatorLine(Canvas& canvas, const Rect& menu_part, const PaintModel& m) {
    const std::int16_t style = GetBorderStyle(m.props, m.state);
    const Pen pen{StateBorderColour(m), PenStyleForBorderStyle(style)};
    if (pen.style == PenStyle::None) return;
    const bool left = MenuPartOnLeft(m.props);
    // Lines grow toward the menu part's inside.
    const int step = left ? -1 : 1;
    const int edge = left ? menu_part.right - 1 : menu_part.left;
    const PixelSpan first = ScaledSpan(0, m.dpi);
    if (style != kvnDoubleLine) {
        ThickVerticalLine(canvas, edge, step, first.Length(), menu_part.top, menu_part.bottom, pen);
        return;
    }
    // The second line lies toward the menu part's inside.
    const PixelSpan second = ScaledSpan(2, m.dpi);
    const int top = menu_part.top + Px(m, 3);
    const int bottom = menu_part.bottom - Px(m, 3);
    ThickVerticalLine(canvas, edge, step, first.Length(), top, bottom, pen);
    ThickVerticalLine(canvas, edge + step * second.from, step, second.Length(), top, bottom, pen);
}

void Draw3DMenuSeparatorLine(Canvas& canvas, const Rect& menu_part, const PaintModel& m) {
    // The shade and the white line each take one scaled pixel; on the left
    // the pair ends one scaled pixel short of the menu part's right edge.
    const int line = Px(m, 1);
    const int x = MenuPartOnLeft(m.props) ? menu_part.right - Px(m, 2) : menu_part.left;
    const int top = menu_part.top + Px(m, 2);
    const int bottom = menu_part.bottom - Px(m, 2);
    ThickVerticalLine(canvas, x, 1, line, top, bottom, Pen{Resolve(m, m.props.BevelLowerShade), PenStyle::Solid});
    ThickVerticalLine(canvas, x + line, 1, line, top, bottom, Pen{kWhite, PenStyle::Solid});
}

}  // namespace brixel
