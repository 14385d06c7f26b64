#include "render/menu_part.h"

#include <algorithm>
#include <array>

namespace brixel {
namespace {

// The triangle one glyph row at a time: row i starts i pixels in and is
// 7 - 2i pixels long.
void PaintGlyph(Canvas& canvas, Point origin, Rgb colour) {
    for (int row = 0; row < kArrowHeight; ++row) {
        const Rect line{origin.x + row, origin.y + row, origin.x + kArrowWidth - row, origin.y + row + 1};
        canvas.FillRect(line, Brush::Solid(colour));
    }
}

// The system's embossed rendering of a disabled monochrome image: the glyph
// in the highlight colour one pixel right and down, then in the shadow
// colour in place.
void PaintEmbossedGlyph(Canvas& canvas, Point origin, const PaintModel& m) {
    PaintGlyph(canvas, {origin.x + 1, origin.y + 1}, SystemColour(m, kColourBtnHighlight));
    PaintGlyph(canvas, origin, SystemColour(m, kColourBtnShadow));
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

Rect MenuArrowBox(const Rect& rect, const ButtonProperties& p) {
    if (p.MenuButtonStyle != kvnMenuButtonStyleDropDown) return rect;
    if (MenuPartOnLeft(p)) return {rect.left, rect.top, rect.left + kDropDownStripWidth, rect.bottom};
    return {rect.right - kDropDownStripWidth, rect.top, rect.right, rect.bottom};
}

std::optional<Point> MenuArrowOrigin(const Rect& rect, const ButtonProperties& p) {
    if (rect.Width() <= 0 || !p.ShowMenuButtonTriangle) return std::nullopt;
    const Rect box = MenuArrowBox(rect, p);
    const int y = box.top + (box.Height() - kArrowHeight) / 2;
    // The enabled glyph is placed from the right edge, the embossed one from
    // the left: on an even box they sit one pixel apart.
    if (p.Enabled) return Point{box.right - (box.Width() - kArrowWidth) / 2 - kArrowWidth, y};
    return Point{box.left + (box.Width() - kArrowWidth) / 2, y};
}

void DrawMenuArrow(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    const std::optional<Point> origin = MenuArrowOrigin(rect, m.props);
    if (!origin) return;
    if (m.props.Enabled) {
        PaintGlyph(canvas, *origin, Resolve(m, m.props.MenuButtonTriangleColor));
    } else {
        PaintEmbossedGlyph(canvas, *origin, m);
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
    const int x = left ? menu_part.right - 1 : menu_part.left;
    if (style != kvnDoubleLine) {
        VerticalLine(canvas, x, menu_part.top, menu_part.bottom, pen);
        return;
    }
    // The second line lies toward the menu part's inside.
    const int second = left ? menu_part.right - 3 : menu_part.left + 2;
    VerticalLine(canvas, x, menu_part.top + 3, menu_part.bottom - 3, pen);
    VerticalLine(canvas, second, menu_part.top + 3, menu_part.bottom - 3, pen);
}

void Draw3DMenuSeparatorLine(Canvas& canvas, const Rect& menu_part, const PaintModel& m) {
    const int x = MenuPartOnLeft(m.props) ? menu_part.right - 2 : menu_part.left;
    const int top = menu_part.top + 2;
    const int bottom = menu_part.bottom - 2;
    VerticalLine(canvas, x, top, bottom, Pen{Resolve(m, m.props.BevelLowerShade), PenStyle::Solid});
    VerticalLine(canvas, x + 1, top, bottom, Pen{kWhite, PenStyle::Solid});
}

}  // namespace brixel
