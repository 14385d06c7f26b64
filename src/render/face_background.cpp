#include "render/face_background.h"

#include "render/menu_part.h"

namespace brixel {

// For now the plain state back colour; the 3D face's pressed and released
// looks join here.
void FillTheBackground(Canvas& canvas, const Rect& rect, bool after_click, const PaintModel& m) {
    (void)after_click;
    canvas.FillRect(rect, Brush::Solid(Resolve(m, SelectBackColor(m.props, m.state))));
    // An open split button shows the down colour only on its menu part.
    if (IsSplitButton(m) && m.state.menu_open) {
        canvas.FillRect(GetMenuButtonBounds(rect, m.props).main, Brush::Solid(Resolve(m, m.props.BackColor)));
    }
}

}  // namespace brixel
