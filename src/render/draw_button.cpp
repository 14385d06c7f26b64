#include "render/draw_button.h"

#include "render/button_image.h"
#include "render/caption.h"
#include "render/face_3d.h"
#include "render/face_background.h"
#include "render/face_flat.h"
#include "render/face_xp.h"
#include "render/translucency.h"

namespace brixel {
namespace {

StateGradient StateGradientOf(const PaintModel& m, bool on, std::int16_t style, std::int16_t variant, OleColor c1,
                              OleColor c2) {
    return {on, style, variant, Resolve(m, c1), Resolve(m, c2)};
}

// --- The steps, in the order they run ------------------------------------------------

std::unique_ptr<Surface> CreateMemoryImage(const Canvas& target, const Rect& rect) {
    if (rect.IsEmpty()) return nullptr;
    return target.CreateSurface({rect.Width(), rect.Height()}, SurfaceFormat::Colour);
}

bool GradientBackgroundStep(Canvas& memory, const Rect& face, const PaintModel& m) {
    const GradientBackgroundInput in = GradientInputFor(m, GetMenuButtonBounds(face, m.props));
    const PlainPartPainter plain = [&m](Canvas& canvas, const Rect& part, bool is_menu_part) {
        PaintPlainSplitPart(canvas, part, is_menu_part, m);
    };
    return GradientBackground(memory, face, in, Fast(m), plain);
}

void FaceBackgroundStep(Canvas& memory, const Rect& face, bool after_click, const PaintModel& m) {
    if (Face(m) == FaceKind::XP) {
        DrawXPAppearance(memory, face, m);
    } else {
        FillTheBackground(memory, face, after_click, m);
    }
}

// Blending under everything that follows keeps the picture, the triangle,
// the border and the caption opaque.
void BlendBackgroundStep(Canvas& target, Canvas& memory, const Rect& rect, const PaintModel& m) {
    if (m.props.TranslucentStyle == kvnBackground && m.user_mode) DrawTransparentButton(target, memory, rect, m);
}

void PictureStep(Canvas& memory, const Rect& face, const MenuSplit& split, const PaintModel& m) {
    DrawButtonImage(memory, IsSplitButton(m) ? split.main : face, m);
}

void ArrowStep(Canvas& memory, const Rect& face, const MenuSplit& split, const PaintModel& m) {
    if (m.props.Menu) DrawMenuArrow(memory, IsSplitButton(m) ? split.menu : face, m);
}

void SeparatorStep(Canvas& memory, const MenuSplit& split, const PaintModel& m) {
    if (!IsSplitButton(m)) return;
    switch (Face(m)) {
        case FaceKind::XP:
            DrawXPMenuSeparatorLine(memory, split.menu, EffectiveXPScheme(m),
                                    StateBorderColourIsCustom(m.props, m.state), StateBorderColour(m),
                                    m.props.MenuButtonAlignment, m.props.Enabled);
            break;
        case FaceKind::ThreeD:
            // The open menu part is drawn pressed in: no etched line beside it.
            if (!m.state.menu_open) Draw3DMenuSeparatorLine(memory, split.menu, m);
            break;
        case FaceKind::Flat: DrawFlatMenuSeparatorLine(memory, split.menu, m); break;
    }
}

void BorderStep(Canvas& memory, const Rect& face, const PaintModel& m) {
    switch (Face(m)) {
        case FaceKind::ThreeD: Draw3DState(memory, face, m); break;
        case FaceKind::XP: DrawXPBorderAndFocusRects(memory, face, m); break;
        case FaceKind::Flat: DrawFlatBorderAndRoundedCorners(memory, face, m); break;
    }
}

void CaptionStep(Canvas& memory, const Rect& face, const MenuSplit& split, const PaintModel& m) {
    if (IsSplitButton(m)) {
        DrawButtonCaption(memory, split.main, m);
        return;
    }
    // A latched 3D toggle button shows its caption pressed in with the face.
    const bool shifted = ToggledDown(m) && Face(m) == FaceKind::ThreeD;
    DrawButtonCaption(memory, shifted ? face.Offset(1, 1) : face, m);
}

void OutputStep(Canvas& target, Canvas& memory, const Rect& rect, const PaintModel& m) {
    if (m.props.TranslucentStyle == kvnAll && m.user_mode) {
        DrawTransparentButton(target, memory, rect, m);
        return;
    }
    TransferRequest copy;
    copy.dest = rect;
    copy.source = &memory;
    copy.source_rect = {0, 0, rect.Width(), rect.Height()};
    target.Transfer(copy);
}

FocusOutcome FocusStep(Canvas& target, const Rect& rect, const PaintModel& m) {
    const bool show = m.has_focus && !m.state.menu_open && m.props.Active;
    return DrawFocusBorder(target, rect, show, m);
}

}  // namespace

PaintResult DrawTheButton(Canvas& target, const Rect& rect, bool after_click, const PaintModel& m) {
    if (WaitsForCapture(m)) return {};                                     //  1
    std::unique_ptr<Surface> memory = CreateMemoryImage(target, rect);    //  2
    if (memory == nullptr) return {};
    const Rect face{0, 0, rect.Width(), rect.Height()};
    const bool gradient = GradientBackgroundStep(*memory, face, m);        //  3
    if (!gradient) FaceBackgroundStep(*memory, face, after_click, m);      //  4
    BlendBackgroundStep(target, *memory, rect, m);                         //  5
    const MenuSplit split = GetMenuButtonBounds(face, m.props);            //  6
    PictureStep(*memory, face, split, m);                                  //  7
    ArrowStep(*memory, face, split, m);                                    //  8
    SeparatorStep(*memory, split, m);                                      //  9
    BorderStep(*memory, face, m);                                          // 10
    CaptionStep(*memory, face, split, m);                                  // 11
    OutputStep(target, *memory, rect, m);                                  // 12
    memory.reset();                                                        // 13
    return {true, FocusStep(target, rect, m)};                             // 14
}

GradientBackgroundInput GradientInputFor(const PaintModel& m, const MenuSplit& split) {
    const ButtonProperties& p = m.props;
    GradientBackgroundInput in;
    in.normal = StateGradientOf(m, p.Gradient, p.GradientStyle, p.GradientStyleVariant, p.GradientColor1,
                                p.GradientColor2);
    in.mouse_in = StateGradientOf(m, p.MouseInGradient, p.MouseInGradientStyle, p.MouseInGradientStyleVariant,
                                  p.MouseInGradientColor1, p.MouseInGradientColor2);
    in.down = StateGradientOf(m, p.DownGradient, p.DownGradientStyle, p.DownGradientStyleVariant,
                              p.DownGradientColor1, p.DownGradientColor2);
    in.disabled = StateGradientOf(m, p.DisabledGradient, p.DisabledGradientStyle, p.DisabledGradientStyleVariant,
                                  p.DisabledGradientColor1, p.DisabledGradientColor2);
    in.enable_mouse_in_properties = p.EnableMouseInProperties;
    in.enable_down_properties = p.EnableDownProperties;
    in.enable_disabled_properties = p.EnableDisabledProperties;
    in.enabled = p.Enabled;
    in.user_mode = m.user_mode;
    in.appearance = p.Appearance;
    in.xp_face = Face(m) == FaceKind::XP;
    in.mouse_inside = m.state.mouse_in;
    in.pressed = m.state.pressed;
    in.toggled = m.state.toggled;
    in.toggle_button = p.ToggleButton;
    in.menu_dropped = m.state.menu_open;
    in.split_button = IsSplitButton(m);
    in.drop_down_only = IsDropDownOnlyMenu(p);
    in.main_part = split.main;
    in.menu_part = split.menu;
    return in;
}

void PaintPlainSplitPart(Canvas& canvas, const Rect& part, bool is_menu_part, const PaintModel& m) {
    if (!is_menu_part && Face(m) == FaceKind::XP) {
        DrawXPButtonDefault(canvas, part, m);
        return;
    }
    // The menu part shows the state's (down) colour, the main part the normal one.
    const OleColor back = is_menu_part ? SelectBackColor(m.props, m.state) : m.props.BackColor;
    canvas.FillRect(part, Brush::Solid(Resolve(m, back)));
}

}  // namespace brixel
