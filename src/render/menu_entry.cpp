#include "render/menu_entry.h"

namespace brixel {

MenuEntryGeometry LayoutMenuEntry(const Rect& r, bool sidebar, bool right_to_left) {
    MenuEntryGeometry g;
    g.strip = right_to_left ? Rect{r.right - kMenuStripWidth, r.top, r.right, r.bottom}
                            : Rect{r.left, r.top, r.left + kMenuStripWidth, r.bottom};
    g.content = r;
    if (sidebar) {
        if (right_to_left) g.content.right = g.strip.left;
        else g.content.left = g.strip.right;
    }
    g.text = g.content.Offset(right_to_left ? -kMenuTextIndent : kMenuTextIndent, 0);
    g.picture_cell = g.strip.Deflated(1);
    return g;
}

namespace {

struct Picture {
    const PictureRef& ref;
    Size size;
    Rect all() const { return {0, 0, size.width, size.height}; }
};

// The bitmap's pixels with `key` made transparent: a mask keeps the canvas
// where the key was, the keyed pixels of the copy are blackened and the two
// are combined.
void DrawBitmapTransparent(Canvas& canvas, const Picture& pic, const Rect& dest, Rgb key) {
    auto colour = canvas.CreateSurface(pic.size, SurfaceFormat::Colour);
    auto mask = canvas.CreateSurface(pic.size, SurfaceFormat::Monochrome);
    if (!colour || !mask) return;
    colour->CopyBitmap(pic.ref, pic.all(), pic.all());
    TransferRequest to_mask{pic.all(), colour.get(), pic.all(), RasterOp::SourceCopy};
    to_mask.mono_key = key;
    mask->Transfer(to_mask);
    TransferRequest blacken{pic.all(), mask.get(), pic.all(), RasterOp::SourceAnd};
    blacken.mono_zero = kWhite;
    blacken.mono_one = kBlack;
    colour->Transfer(blacken);
    TransferRequest hole{dest, mask.get(), pic.all(), RasterOp::SourceAnd};
    hole.mono_zero = kBlack;
    hole.mono_one = kWhite;
    canvas.Transfer(hole);
    canvas.Transfer(TransferRequest{dest, colour.get(), pic.all(), RasterOp::SourceOr});
}

// The disabled form: the bitmap's non-white pixels in the highlight colour
// one pixel down and right, then in the shadow colour in place.
void DrawBitmapEmbossed(Canvas& canvas, const Picture& pic, const Rect& dest, const Rect& cell,
                        const MenuEntryColours& c) {
    auto colour = canvas.CreateSurface(pic.size, SurfaceFormat::Colour);
    auto mask = canvas.CreateSurface(pic.size, SurfaceFormat::Monochrome);
    if (!colour || !mask) return;
    colour->CopyBitmap(pic.ref, pic.all(), pic.all());
    TransferRequest to_mask{pic.all(), colour.get(), pic.all(), RasterOp::SourceCopy};
    to_mask.mono_key = kWhite;
    mask->Transfer(to_mask);
    canvas.FillRect(cell, Brush::Solid(c.button_face));
    TransferRequest light{dest.Offset(1, 1), mask.get(), pic.all(), RasterOp::BrushWhereSourceZero};
    light.brush = c.button_highlight;
    canvas.Transfer(light);
    TransferRequest dark{dest, mask.get(), pic.all(), RasterOp::BrushWhereSourceZero};
    dark.brush = c.button_shadow;
    canvas.Transfer(dark);
}

// At its natural size, centred in the cell and clipped to it.
void DrawEntryPicture(Canvas& canvas, const Rect& cell, const MenuEntryModel& m) {
    if (!m.sidebar || m.separator || m.picture.kind == PictureKind::None || cell.IsEmpty()) return;
    const Picture pic{m.picture, canvas.PicturePixelSize(m.picture)};
    if (pic.size.width <= 0 || pic.size.height <= 0) return;
    const int left = cell.left + (cell.Width() - pic.size.width) / 2;
    const int top = cell.top + (cell.Height() - pic.size.height) / 2;
    const Rect dest{left, top, left + pic.size.width, top + pic.size.height};
    ClipScope clip(canvas, cell);
    switch (m.picture.kind) {
        case PictureKind::Bitmap:
            if (m.enabled) DrawBitmapTransparent(canvas, pic, dest, m.picture_transparent);
            else DrawBitmapEmbossed(canvas, pic, dest, cell, m.colours);
            break;
        case PictureKind::Icon:
        case PictureKind::Metafile:
            canvas.DrawIcon(m.picture, dest, m.enabled ? PictureForm::Normal : PictureForm::Disabled, nullptr);
            break;
        case PictureKind::None: break;
    }
}

void DrawEntryTexts(Canvas& canvas, const Rect& r, const MenuEntryGeometry& g, const MenuEntryModel& m,
                    Rgb colour) {
    if (!m.enabled) colour = m.colours.grey_text;
    const std::uint32_t format =
        kTextSingleLine | kTextVCenter | (m.right_to_left ? std::uint32_t{kTextRight} : std::uint32_t{kTextLeft});
    Rect caption_box = g.text;
    std::u16string caption = m.caption;
    if (m.leading_space) {
        caption.insert(caption.begin(), u' ');
        if (m.right_to_left) caption_box.right += 2;
        else caption_box.left -= 2;
    }
    canvas.DrawText(caption, m.font, colour, caption_box, format);
    if (m.shortcut.empty()) return;
    const int width = canvas.MeasureText(m.shortcut, m.font, g.text, kTextSingleLine).Width();
    Rect box = g.text;
    if (m.right_to_left) {
        box.left = r.left + kMenuShortcutInset;
        box.right = box.left + width;
    } else {
        box.right = g.text.right - kMenuShortcutInset;
        box.left = box.right - width;
    }
    canvas.DrawText(m.shortcut, m.font, colour, box, kTextSingleLine | kTextVCenter);
}

void DrawSeparatorLine(Canvas& canvas, const Rect& content, const MenuEntryModel& m) {
    const int y = content.top + 3;
    const int from = content.left + (m.right_to_left ? 2 : 3);
    const int to = content.right - (m.right_to_left ? 3 : 2);
    canvas.DrawLine(Point{from, y}, Point{to, y}, Pen{m.colours.separator, PenStyle::Solid});
}

void DrawWhole(Canvas& canvas, const Rect& r, const MenuEntryGeometry& g, const MenuEntryModel& m) {
    canvas.FillRect(r, Brush::Solid(m.colours.back));
    if (m.sidebar) canvas.FillRect(g.strip, Brush::Solid(m.colours.sidebar));
    if (m.separator) {
        DrawSeparatorLine(canvas, g.content, m);
        return;
    }
    DrawEntryPicture(canvas, g.picture_cell, m);
    DrawEntryTexts(canvas, r, g, m, m.colours.font);
}

void DrawHighlight(Canvas& canvas, const Rect& r, const MenuEntryGeometry& g, const MenuEntryModel& m) {
    canvas.FrameRect(r, Brush::Solid(kMenuHighlightFrame));
    canvas.FillRect(r.Deflated(1), Brush::Solid(m.colours.selection_back));
    DrawEntryPicture(canvas, g.picture_cell, m);
    DrawEntryTexts(canvas, r, g, m, m.colours.selection_font);
}

void DrawUnhighlight(Canvas& canvas, const Rect& r, const MenuEntryGeometry& g, const MenuEntryModel& m) {
    if (m.sidebar) canvas.FillRect(g.strip, Brush::Solid(m.colours.sidebar));
    DrawEntryPicture(canvas, g.picture_cell, m);
    canvas.FillRect(g.content, Brush::Solid(m.colours.back));
    DrawEntryTexts(canvas, r, g, m, m.colours.font);
}

}  // namespace

void DrawMenuEntry(Canvas& canvas, const Rect& r, const MenuEntryModel& m, bool whole, bool selected) {
    const MenuEntryGeometry g = LayoutMenuEntry(r, m.sidebar, m.right_to_left);
    if (whole) DrawWhole(canvas, r, g, m);
    if (m.separator) return;
    if (selected) DrawHighlight(canvas, r, g, m);
    else if (!whole) DrawUnhighlight(canvas, r, g, m);
}

}  // namespace brixel
