#include "render/draw_button.h"

#include "render/button_image.h"
#include "render/caption.h"
#include "render/edge_scaled_canvas.h"
#include "render/face_3d.h"
#include "render/face_background.h"
#include "render/face_flat.h"
#include "render/face_xp.h"
#include "render/paint_profile.h"
#include "render/translucency.h"

#include <cstddef>
#include <iterator>

namespace brixel {
namespace {

StateGradient StateGradientOf(const PaintModel& m, bool on, std::int16_t style, std::int16_t variant, OleColor c1,
                              OleColor c2) {
    return {on, style, variant, Resolve(m, c1), Resolve(m, c2)};
}

// --- The face families ----------------------------------------------------------------

// What differs between the flat, 3D and XP faces. The family is decided once
// per paint; every step that depends on it looks it up here.
struct FaceRoutines {
    // The face under everything when no gradient covers it.
    void (*background)(Canvas& memory, const Rect& face, bool after_click, const PaintModel& m);
    // The line between the main and the menu part of a split button.
    void (*separator)(Canvas& memory, const Rect& menu_part, const PaintModel& m);
    // The border, and for XP the focus rectangles inside it.
    void (*border)(Canvas& memory, const Rect& face, const PaintModel& m);
    // A latched toggle button shows its caption pressed in with the face.
    bool caption_follows_toggle;
    // The main part of an open split face that no gradient covers keeps the
    // face's own look instead of the plain back colour.
    bool plain_main_part_drawn_as_face;
};

void XPBackground(Canvas& memory, const Rect& face, bool, const PaintModel& m) { DrawXPAppearance(memory, face, m); }

void XPSeparator(Canvas& memory, const Rect& menu_part, const PaintModel& m) {
    DrawXPMenuSeparatorLine(memory, menu_part, EffectiveXPScheme(m), StateBorderColourIsCustom(m.props, m.state),
                            StateBorderColour(m), m.props.MenuButtonAlignment, m.props.Enabled, m.dpi);
}

void ThreeDSeparator(Canvas& memory, const Rect& menu_part, const PaintModel& m) {
    // The open menu part is drawn pressed in: no etched line beside it.
    if (!m.state.menu_open) Draw3DMenuSeparatorLine(memory, menu_part, m);
}

// Indexed by FaceKind.
constexpr FaceRoutines kFaceRoutines[] = {
    /* Flat   */ {FillTheBackground, DrawFlatMenuSeparatorLine, DrawFlatBorderAndRoundedCorners, false, false},
    /* ThreeD */ {FillTheBackground, ThreeDSeparator, Draw3DState, true, false},
    /* XP     */ {XPBackground, XPSeparator, DrawXPBorderAndFocusRects, false, true},
};
static_assert(std::size(kFaceRoutines) == static_cast<std::size_t>(FaceKind::XP) + 1);

const FaceRoutines& RoutinesOf(FaceKind kind) { return kFaceRoutines[static_cast<std::size_t>(kind)]; }

GradientBackgroundInput GradientInput(const PaintModel& m, const MenuSplit& split, FaceKind kind);
void PlainSplitPart(Canvas& canvas, const Rect& part, bool is_menu_part, FaceKind kind, const PaintModel& m);

// --- The steps, in the order they run ------------------------------------------------

std::unique_ptr<Surface> CreateMemoryImage(const Canvas& target, const Rect& rect) {
    if (rect.IsEmpty()) return nullptr;
    return target.CreateSurface({rect.Width(), rect.Height()}, SurfaceFormat::Colour);
}

bool GradientBackgroundStep(Canvas& memory, const Rect& face, FaceKind kind, const PaintModel& m) {
    const GradientBackgroundInput in = GradientInput(m, GetMenuButtonBounds(face, m.props), kind);
    const PlainPartPainter plain = [&m, kind](Canvas& canvas, const Rect& part, bool is_menu_part) {
        PlainSplitPart(canvas, part, is_menu_part, kind, m);
    };
    return GradientBackground(memory, face, in, Fast(m), plain);
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

void SeparatorStep(Canvas& memory, const MenuSplit& split, const FaceRoutines& look, const PaintModel& m) {
    if (IsSplitButton(m)) look.separator(memory, split.menu, m);
}

// The XP frame is a pattern of single pixels along the edges: on a denser
// screen it is drawn at its 96 dpi size and scaled from the edges.
void BorderStep(Canvas& memory, const Rect& face, FaceKind kind, const FaceRoutines& look, const PaintModel& m) {
    if (kind != FaceKind::XP || m.dpi == kDesignDpi) {
        look.border(memory, face, m);
        return;
    }
    EdgeScaledCanvas scaled(memory, {face.Width(), face.Height()}, m.dpi);
    look.border(scaled, scaled.DesignFace(), m);
}

// The caption's rectangle: the main part of a split button, or the face,
// one pixel down and right on a latched face that shows it.
Rect CaptionArea(const Rect& face, const MenuSplit& split, const FaceRoutines& look, const PaintModel& m) {
    if (IsSplitButton(m)) return split.main;
    const bool shifted = ToggledDown(m) && look.caption_follows_toggle;
    return shifted ? face.Offset(1, 1) : face;
}

void CaptionStep(Canvas& memory, const Rect& face, const MenuSplit& split, const FaceRoutines& look,
                 const PaintModel& m) {
    if (m.caption_by_host) return;
    DrawButtonCaption(memory, CaptionArea(face, split, look, m), m);
}

void CopyFace(Canvas& target, const Canvas& memory, const Rect& rect) {
    TransferRequest copy;
    copy.dest = rect;
    copy.source = &memory;
    copy.source_rect = {0, 0, rect.Width(), rect.Height()};
    target.Transfer(copy);
}

void OutputStep(Canvas& target, Canvas& memory, const Rect& rect, const PaintModel& m) {
    if (m.props.TranslucentStyle == kvnAll && m.user_mode) {
        DrawTransparentButton(target, memory, rect, m);
        return;
    }
    CopyFace(target, memory, rect);
}

FocusOutcome FocusStep(Canvas& target, const Rect& rect, const PaintModel& m) {
    const bool show = m.has_focus && !m.state.menu_open && m.props.Active;
    return DrawFocusBorder(target, rect, show, m);
}

}  // namespace

PaintResult DrawTheButton(Canvas& target, const Rect& rect, bool after_click, const PaintModel& m) {
    if (WaitsForCapture(m)) return {};                                     //  1
    BRIXEL_PAINT_BEGIN();
    std::unique_ptr<Surface> memory = CreateMemoryImage(target, rect);    //  2
    BRIXEL_PAINT_LAP(Surface);
    if (memory == nullptr) return {};
    ComposeFace(target, *memory, rect, after_click, m);                    //  3 to 11
    OutputStep(target, *memory, rect, m);                                  // 12
    BRIXEL_PAINT_LAP(Blit);
    memory.reset();                                                        // 13
    BRIXEL_PAINT_LAP(Surface);
    const FocusOutcome focus = FocusStep(target, rect, m);                 // 14
    BRIXEL_PAINT_LAP(Focus);
    return {true, focus};
}

void ComposeFace(Canvas& target, Canvas& memory, const Rect& rect, bool after_click, const PaintModel& m) {
    const Rect face{0, 0, rect.Width(), rect.Height()};
    const FaceKind kind = Face(m);
    const FaceRoutines& look = RoutinesOf(kind);
    const bool gradient = GradientBackgroundStep(memory, face, kind, m);   //  3
    BRIXEL_PAINT_LAP(Gradient);
    if (!gradient) look.background(memory, face, after_click, m);         //  4
    BlendBackgroundStep(target, memory, rect, m);                          //  5
    BRIXEL_PAINT_LAP(Background);
    const MenuSplit split = GetMenuButtonBounds(face, m.props);            //  6
    PictureStep(memory, face, split, m);                                   //  7
    BRIXEL_PAINT_LAP(Picture);
    ArrowStep(memory, face, split, m);                                     //  8
    SeparatorStep(memory, split, look, m);                                 //  9
    BorderStep(memory, face, kind, look, m);                               // 10
    BRIXEL_PAINT_LAP(Face);
    CaptionStep(memory, face, split, look, m);                             // 11
    BRIXEL_PAINT_LAP(Caption);
}

void ComposeFinishedFace(Canvas& target, Canvas& memory, const Rect& rect, bool after_click, const PaintModel& m) {
    ComposeFace(target, memory, rect, after_click, m);
    if (m.props.TranslucentStyle == kvnAll && m.user_mode) LayCaptureOver(memory, rect, m);
    BRIXEL_PAINT_LAP(Blit);
}

PaintResult PresentFinishedFace(Canvas& target, const Canvas& memory, const Rect& rect, const PaintModel& m) {
    CopyFace(target, memory, rect);
    BRIXEL_PAINT_LAP(Blit);
    const FocusOutcome focus = FocusStep(target, rect, m);
    BRIXEL_PAINT_LAP(Focus);
    return {true, focus};
}

CaptionPlan PlanFaceCaption(const Canvas& canvas, const Rect& rect, const PaintModel& m) {
    const Rect face{0, 0, rect.Width(), rect.Height()};
    CaptionPlan plan = PlanCaption(canvas, CaptionArea(face, GetMenuButtonBounds(face, m.props), RoutinesOf(Face(m)), m), m);
    plan.box = plan.box.Offset(rect.left, rect.top);
    return plan;
}

GradientBackgroundInput GradientInputFor(const PaintModel& m, const MenuSplit& split) {
    return GradientInput(m, split, Face(m));
}

void PaintPlainSplitPart(Canvas& canvas, const Rect& part, bool is_menu_part, const PaintModel& m) {
    PlainSplitPart(canvas, part, is_menu_part, Face(m), m);
}

namespace {

GradientBackgroundInput GradientInput(const PaintModel& m, const MenuSplit& split, FaceKind kind) {
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
    in.xp_face = kind == FaceKind::XP;
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

void PlainSplitPart(Canvas& canvas, const Rect& part, bool is_menu_part, FaceKind kind, const PaintModel& m) {
    if (!is_menu_part && RoutinesOf(kind).plain_main_part_drawn_as_face) {
        DrawXPButtonDefault(canvas, part, m);
        return;
    }
    // The menu part shows the state's (down) colour, the main part the normal one.
    const OleColor back = is_menu_part ? SelectBackColor(m.props, m.state) : m.props.BackColor;
    canvas.FillRect(part, Brush::Solid(Resolve(m, back)));
}

}  // namespace
}  // namespace brixel
