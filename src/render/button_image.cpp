#include "render/button_image.h"

#include "render/picture_draw.h"
#include "render/picture_placement.h"

namespace brixel {
namespace {

PictureDrawing DrawingFor(const PaintModel& m, const PictureChoice& choice) {
    const PictureSettings s = PictureSettingsFor(m.props, choice.set);
    PictureDrawing how;
    how.h_alignment = s.h_alignment;
    how.v_alignment = s.v_alignment;
    how.style = s.style;
    how.transparent = Resolve(m, s.transparent);
    how.effect = choice.effect;
    how.embossed = choice.embossed;
    how.emboss = {SystemColour(m, kColourBtnFace), SystemColour(m, kColourBtnHighlight),
                  SystemColour(m, kColourBtnShadow)};
    how.device_copy = m.windows_forms_host;
    return how;
}

}  // namespace

void DrawImage(Canvas& canvas, const Rect& rect, const PaintModel& m, const PictureChoice& choice,
               std::optional<Rect> visible) {
    PictureDrawing how = DrawingFor(m, choice);
    how.visible = visible;
    DrawPicture(canvas, PictureFor(m, choice.set), PictureArea(rect, m.props.PictureMargins), how);
}

void DrawButtonImage(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    // A latched toggle button on the 3D face shows its picture pushed in,
    // as its caption is.
    const bool shifted = ToggledDown(m) && Face(m) == FaceKind::ThreeD;
    const PictureChoice choice = ChoosePicture(m.props, m.state);
    if (choice.mode == kPictureNone) return;
    DrawImage(canvas, shifted ? rect.Offset(1, 1) : rect, m, choice, rect);
}

}  // namespace brixel
