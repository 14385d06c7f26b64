#include "render/face_cache.h"

#include "render/translucency.h"


namespace brixel {

FaceConditions FaceConditionsOf(const PaintModel& m, Size size, bool after_click, const FaceKeyExtras& extras) {
    FaceConditions c;
    c.state = m.state;
    c.size = size;
    c.after_click = after_click;
    c.has_focus = m.has_focus;
    c.user_mode = m.user_mode;
    c.display_as_default = m.display_as_default;
    c.fast_primitives = m.fast_primitives;
    c.captured = m.captured_background != nullptr;
    c.background_generation = extras.background_generation;
    c.windows_forms_host = m.windows_forms_host;
    c.parent_back_colour = m.parent_back_colour;
    c.detected_xp_scheme = m.detected_xp_scheme;
    c.fonts = m.fonts;
    c.pictures = m.pictures;
    // Read now rather than trusted to a change notice: a child window is
    // not told when the user picks other system colours.
    for (int i = 0; i < kSystemColourCount; ++i) c.system_colours[static_cast<std::size_t>(i)] = SystemColour(m, i);
    c.dpi = extras.dpi;
    c.face_dpi = m.dpi;
    return c;
}

FaceKey FaceKeyOf(const PaintModel& m, Size size, bool after_click, const FaceKeyExtras& extras) {
    return FaceKey{m.props, FaceConditionsOf(m, size, after_click, extras)};
}

PaintResult FaceCache::Paint(Canvas& target, const Rect& rect, bool after_click, const PaintModel& m,
                             const FaceKeyExtras& extras) {
    if (WaitsForCapture(m) || rect.IsEmpty()) return {};
    const Size size{rect.Width(), rect.Height()};
    const FaceConditions conditions = FaceConditionsOf(m, size, after_click, extras);
    const Size held = memory_ != nullptr ? memory_->size() : Size{};
    if (held.width < size.width || held.height < size.height) {
        key_.reset();
        memory_ = target.CreateSurface(size, SurfaceFormat::Colour);
        if (memory_ == nullptr) return {};
    } else if (key_ && key_->conditions == conditions && key_->props == m.props) {
        return PresentFinishedFace(target, *memory_, rect, m);
    } else {
        // A new memory image starts black; the faces that leave a pixel
        // alone must find it as they would in one.
        memory_->FillRect({0, 0, held.width, held.height}, Brush::Solid(kBlack));
    }
    key_.reset();  // a composition cut short by an exception leaves no stale key
    ComposeFinishedFace(target, *memory_, rect, after_click, m);
    ++compositions_;
    key_ = FaceKey{m.props, conditions};
    return PresentFinishedFace(target, *memory_, rect, m);
}

void FaceCache::Clear() noexcept {
    key_.reset();
    memory_.reset();
}

}  // namespace brixel
