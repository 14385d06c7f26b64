#include "render/menu_entry.h"

#include "render/picture_effects.h"

namespace brixel {

MenuEntryGeometry LayoutMenuEntry(const Rect& r, bool sidebar, bool right_to_left, int dpi) {
    MenuEntryGeometry g;
    const int strip = ScaleForDpi(kMenuStripWidth, dpi);
    const int indent = ScaleForDpi(kMenuTextIndent, dpi);
    g.strip = right_to_left ? Rect{r.right - strip, r.top, r.right, r.bottom}
                            : Rect{r.left, r.top, r.left + strip, r.bottom};
    g.content = r;
    if (sidebar) {
        if (right_to_left) g.content.right = g.strip.left;
        else g.content.left = g.strip.right;
    }
    g.text = g.content.Offset(right_to_left ? -indent : indent, 0);
    g.picture_cell = g.strip.Deflated(ScaleForDpi(1, dpi));
    return g;
}

namespace {

// At its natural size, centred in the cell and clipped to it.
void DrawEntryPicture(Canvas& canvas, const Rect& cell, const MenuEntryModel& m) {
    if (!m.sidebar || m.separator || m.picture.kind == PictureKind::None || cell.IsEmpty()) return;
    const Size size = canvas.PicturePixelSize(m.picture);
    if (size.width <= 0 || size.height <= 0) return;
    const int left = cell.left + (cell.Width() - size.width) / 2;
    const int top = cell.top + (cell.Height() - size.height) / 2;
    const Rect dest{left, top, left + size.width, top + size.height};
    const ImageSource source{&m.picture, nullptr, {0, 0, size.width, size.height}};
    ClipScope clip(canvas, cell);
    switch (m.picture.kind) {
        case PictureKind::Bitmap:
            if (m.enabled) {
                TransparentBlt(canvas, dest, source, m.picture_transparent);
            } else {
                // The whole cell takes the face colour, not only the picture's patch.
                canvas.FillRect(cell, Brush::Solid(m.colours.button_face));
                DitherBlt(canvas, dest, source,
                          {m.colours.button_face, m.colours.button_highlight, m.colours.button_shadow});
            }
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
        const int widen = ScaleForDpi(2, m.dpi);
        if (m.right_to_left) caption_box.right += widen;
        else caption_box.left -= widen;
    }
    canvas.DrawText(caption, m.font, colour, caption_box, format);
    if (m.shortcut.empty()) return;
    const int width = canvas.MeasureText(m.shortcut, m.font, g.text, kTextSingleLine).Width();
    Rect box = g.text;
    const int inset = ScaleForDpi(kMenuShortcutInset, m.dpi);
    if (m.right_to_left) {
        box.left = r.left + inset;
        box.right = box.left + width;
    } else {
        box.right = g.text.right - inset;
        box.left = box.right - width;
    }
    canvas.DrawText(m.shortcut, m.font, colour, box, kTextSingleLine | kTextVCenter);
}

void DrawSeparatorLine(Canvas& canvas, const Rect& content, const MenuEntryModel& m) {
    const auto px = [&m](int v) { return ScaleForDpi(v, m.dpi); };
    // One design pixel thick, three down.
    const int top = content.top + px(3);
    const int from = content.left + px(m.right_to_left ? 2 : 3);
    const int to = content.right - px(m.right_to_left ? 3 : 2);
    for (int y = top; y < top + px(1); ++y)
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
    const MenuEntryGeometry g = LayoutMenuEntry(r, m.sidebar, m.right_to_left, m.dpi);
    if (whole) DrawWhole(canvas, r, g, m);
    if (m.separator) return;
    if (selected) DrawHighlight(canvas, r, g, m);
    else if (!whole) DrawUnhighlight(canvas, r, g, m);
}

}  // namespace brixel
