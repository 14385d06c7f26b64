#include "render/face_flat.h"

#include "render/menu_part.h"

namespace brixel {
namespace {

void SetPixels(Canvas& canvas, const std::vector<Point>& pixels, Rgb colour) {
    for (const Point& p : pixels) canvas.SetPixel(p, colour);
}

void DrawCorners(Canvas& canvas, const Rect& rect, const CornerShapes& corners, Rgb colour,
                 std::span<const CornerOffset> (*pattern)(bool larger)) {
    for (Corner c : kCorners) {
        const CornerShape shape = ShapeOf(corners, c);
        if (shape.rounded) SetPixels(canvas, CornerPixels(rect, c, pattern(shape.larger)), colour);
    }
}

void DrawOutline(Canvas& canvas, const Rect& r, const Pen& pen) {
    // A solid outline is exactly a one-pixel frame; only the broken styles
    // need the four lines, each starting its pattern at its own corner.
    if (pen.style == PenStyle::Solid) {
        canvas.FrameRect(r, Brush::Solid(pen.colour));
        return;
    }
    canvas.DrawLine({r.left, r.top}, {r.left, r.bottom}, pen);
    canvas.DrawLine({r.right - 1, r.top}, {r.right - 1, r.bottom}, pen);
    canvas.DrawLine({r.left, r.top}, {r.right, r.top}, pen);
    canvas.DrawLine({r.left, r.bottom - 1}, {r.right, r.bottom - 1}, pen);
}

void DrawDoubleLineInnerOutline(Canvas& canvas, const Rect& r, Rgb colour, const CornerShapes& corners) {
    if (!DoubleLineInnerOutlineFits(r)) return;
    const Pen pen{colour, PenStyle::Solid};
    canvas.DrawLine({r.left + 2, r.top + 5}, {r.left + 2, r.bottom - 5}, pen);
    canvas.DrawLine({r.right - 3, r.top + 5}, {r.right - 3, r.bottom - 5}, pen);
    canvas.DrawLine({r.left + 5, r.top + 2}, {r.right - 5, r.top + 2}, pen);
    canvas.DrawLine({r.left + 5, r.bottom - 3}, {r.right - 5, r.bottom - 3}, pen);
    for (Corner c : kCorners) SetPixels(canvas, CornerPixels(r, c, DoubleLineCornerPattern(ShapeOf(corners, c))), colour);
}

}  // namespace

bool ShowsFlatDefaultFrame(const PaintModel& m) {
    return (m.has_focus && m.props.ShowDefaultBorder) || ShownAsDefault(m);
}

bool DoubleLineInnerOutlineFits(const Rect& rect) { return rect.Width() >= 10 && rect.Height() >= 10; }

void DrawBorderStyle(Canvas& canvas, const Rect& rect, Rgb colour, std::int16_t border_style,
                     const CornerShapes& corners) {
    const Pen pen{colour, PenStyleForBorderStyle(border_style)};
    if (pen.style == PenStyle::None || rect.IsEmpty()) return;
    DrawOutline(canvas, rect, pen);
    if (border_style == kvnDoubleLine) DrawDoubleLineInnerOutline(canvas, rect, colour, corners);
}

void DrawRoundedCorners(Canvas& canvas, const Rect& inner, Rgb colour, std::int16_t border_style,
                        const CornerShapes& corners) {
    if (PenStyleForBorderStyle(border_style) == PenStyle::None) return;
    DrawCorners(canvas, inner, corners, colour, InnerCornerPattern);
}

std::optional<Rgb> DefaultCornerColour(const PaintModel& m) {
    if (ShowsFlatDefaultFrame(m)) return kBlack;
    if (PenStyleForBorderStyle(GetBorderStyle(m.props, m.state)) == PenStyle::None) return std::nullopt;
    return StateBorderColour(m);
}

void DrawDefaultRoundedCorners(Canvas& canvas, const Rect& outer, const PaintModel& m) {
    const std::optional<Rgb> colour = DefaultCornerColour(m);
    if (colour) DrawCorners(canvas, outer, ReadCornerShapes(m.props), *colour, DefaultCornerPattern);
}

void DrawFlatBorderAndRoundedCorners(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    const Rgb colour = StateBorderColour(m);
    const std::int16_t style = GetBorderStyle(m.props, m.state);
    const CornerShapes corners = ReadCornerShapes(m.props);
    if (!ShowsFlatDefaultFrame(m)) {
        DrawBorderStyle(canvas, rect, colour, style, corners);
        DrawDefaultRoundedCorners(canvas, rect, m);
        return;
    }
    canvas.FrameRect(rect, Brush::Solid(kBlack));
    const Rect inner = rect.Deflated(1);
    DrawBorderStyle(canvas, inner, colour, style, corners);
    DrawRoundedCorners(canvas, inner, colour, style, corners);
    DrawDefaultRoundedCorners(canvas, rect, m);
}

}  // namespace brixel
