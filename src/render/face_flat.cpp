#include "render/face_flat.h"

#include "render/menu_part.h"

namespace brixel {
namespace {

// A block of one design pixel is set as a pixel, so a 96 dpi face is drawn
// exactly as it always was.
void FillBlocks(Canvas& canvas, const std::vector<Rect>& blocks, Rgb colour) {
    for (const Rect& b : blocks) {
        if (b.Width() == 1 && b.Height() == 1) {
            canvas.SetPixel({b.left, b.top}, colour);
        } else {
            canvas.FillRect(b, Brush::Solid(colour));
        }
    }
}

void DrawCorners(Canvas& canvas, const Rect& rect, const CornerShapes& corners, Rgb colour, int dpi,
                 std::span<const CornerOffset> (*pattern)(bool larger)) {
    for (Corner c : kCorners) {
        const CornerShape shape = ShapeOf(corners, c);
        if (shape.rounded) FillBlocks(canvas, CornerBlocks(rect, c, pattern(shape.larger), dpi), colour);
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

// An outline as wide as one design pixel at `dpi`: nested one-pixel rings.
void DrawThickOutline(Canvas& canvas, const Rect& r, const Pen& pen, int dpi) {
    const int thickness = ScaledSpan(0, dpi).Length();
    for (int i = 0; i < thickness; ++i) {
        const Rect ring = r.Deflated(i);
        if (ring.IsEmpty()) return;
        DrawOutline(canvas, ring, pen);
    }
}

void DrawDoubleLineInnerOutline(Canvas& canvas, const Rect& r, Rgb colour, const CornerShapes& corners, int dpi) {
    if (!DoubleLineInnerOutlineFits(r, dpi)) return;
    const Pen pen{colour, PenStyle::Solid};
    // The lines lie two design pixels in and stop five short of each corner.
    const PixelSpan band = ScaledSpan(2, dpi);
    const int gap = ScaleForDpi(5, dpi);
    for (int i = band.from; i < band.to; ++i) {
        canvas.DrawLine({r.left + i, r.top + gap}, {r.left + i, r.bottom - gap}, pen);
        canvas.DrawLine({r.right - 1 - i, r.top + gap}, {r.right - 1 - i, r.bottom - gap}, pen);
        canvas.DrawLine({r.left + gap, r.top + i}, {r.right - gap, r.top + i}, pen);
        canvas.DrawLine({r.left + gap, r.bottom - 1 - i}, {r.right - gap, r.bottom - 1 - i}, pen);
    }
    for (Corner c : kCorners)
        FillBlocks(canvas, CornerBlocks(r, c, DoubleLineCornerPattern(ShapeOf(corners, c)), dpi), colour);
}

}  // namespace

bool ShowsFlatDefaultFrame(const PaintModel& m) {
    return (m.has_focus && m.props.ShowDefaultBorder) || ShownAsDefault(m);
}

bool DoubleLineInnerOutlineFits(const Rect& rect, int dpi) {
    const int smallest = ScaleForDpi(10, dpi);
    return rect.Width() >= smallest && rect.Height() >= smallest;
}

void DrawBorderStyle(Canvas& canvas, const Rect& rect, Rgb colour, std::int16_t border_style,
                     const CornerShapes& corners, int dpi) {
    const Pen pen{colour, PenStyleForBorderStyle(border_style)};
    if (pen.style == PenStyle::None || rect.IsEmpty()) return;
    DrawThickOutline(canvas, rect, pen, dpi);
    if (border_style == kvnDoubleLine) DrawDoubleLineInnerOutline(canvas, rect, colour, corners, dpi);
}

void DrawRoundedCorners(Canvas& canvas, const Rect& inner, Rgb colour, std::int16_t border_style,
                        const CornerShapes& corners, int dpi) {
    if (PenStyleForBorderStyle(border_style) == PenStyle::None) return;
    DrawCorners(canvas, inner, corners, colour, dpi, InnerCornerPattern);
}

std::optional<Rgb> DefaultCornerColour(const PaintModel& m) {
    if (ShowsFlatDefaultFrame(m)) return kBlack;
    if (PenStyleForBorderStyle(GetBorderStyle(m.props, m.state)) == PenStyle::None) return std::nullopt;
    return StateBorderColour(m);
}

void DrawDefaultRoundedCorners(Canvas& canvas, const Rect& outer, const PaintModel& m) {
    const std::optional<Rgb> colour = DefaultCornerColour(m);
    if (colour) DrawCorners(canvas, outer, ReadCornerShapes(m.props), *colour, m.dpi, DefaultCornerPattern);
}

void DrawFlatBorderAndRoundedCorners(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    const Rgb colour = StateBorderColour(m);
    const std::int16_t style = GetBorderStyle(m.props, m.state);
    const CornerShapes corners = ReadCornerShapes(m.props);
    if (!ShowsFlatDefaultFrame(m)) {
        DrawBorderStyle(canvas, rect, colour, style, corners, m.dpi);
        DrawDefaultRoundedCorners(canvas, rect, m);
        return;
    }
    DrawThickOutline(canvas, rect, Pen{kBlack, PenStyle::Solid}, m.dpi);
    const Rect inner = rect.Deflated(Px(m, 1));
    DrawBorderStyle(canvas, inner, colour, style, corners, m.dpi);
    DrawRoundedCorners(canvas, inner, colour, style, corners, m.dpi);
    DrawDefaultRoundedCorners(canvas, rect, m);
}

}  // namespace brixel
