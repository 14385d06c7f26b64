#include "render/face_background.h"

#include "render/face_3d.h"
#include "render/menu_part.h"

namespace brixel {

void FillTheBackground(Canvas& canvas, const Rect& rect, bool after_click, const PaintModel& m) {
    canvas.FillRect(rect, Brush::Solid(Resolve(m, SelectBackColor(m.props, m.state))));
    // An open split button shows the down colour only on its menu part.
    if (IsSplitButton(m) && m.state.menu_open) {
        canvas.FillRect(GetMenuButtonBounds(rect, m.props).main, Brush::Solid(Resolve(m, m.props.BackColor)));
    }
    Draw3DBackgroundLook(canvas, rect, Choose3DBackgroundLook(m, after_click), m);
}

}  // namespace brixel
