#include "render/face_cache.h"

#include "render/paint_profile.h"
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
    // As the host answers them now: a host that keeps them must forget
    // them when the desktop's colours change.
    for (int i = 0; i < kSystemColourCount; ++i) c.system_colours[static_cast<std::size_t>(i)] = SystemColour(m, i);
    c.dpi = extras.dpi;
    c.face_dpi = m.dpi;
    c.caption_rules = m.caption_rules;
    c.caption_by_host = m.caption_by_host;
    return c;
}

FaceKey FaceKeyOf(const PaintModel& m, Size size, bool after_click, const FaceKeyExtras& extras) {
    return FaceKey{m.props, FaceConditionsOf(m, size, after_click, extras)};
}

PaintResult FaceCache::Paint(Canvas& target, const Rect& rect, bool after_click, const PaintModel& m,
                             const FaceKeyExtras& extras) {
    if (WaitsForCapture(m) || rect.IsEmpty()) return {};
    BRIXEL_PAINT_BEGIN();
    const FaceConditions conditions = FaceConditionsOf(m, {rect.Width(), rect.Height()}, after_click, extras);
    const PaintModel* kept = Kept(m.props, conditions, m);
    BRIXEL_PAINT_LAP(Key);
    if (kept != nullptr) return PresentFinishedFace(target, *memory_, rect, *kept);
    return Compose(target, rect, after_click, m, conditions);
}

PaintResult FaceCache::Paint(Canvas& target, const Rect& rect, bool after_click, PaintModel& m,
                             const ButtonProperties& props, const FaceKeyExtras& extras) {
    if (rect.IsEmpty()) return {};
    BRIXEL_PAINT_BEGIN();
    const FaceConditions conditions = FaceConditionsOf(m, {rect.Width(), rect.Height()}, after_click, extras);
    const PaintModel* kept = Kept(props, conditions, m);
    BRIXEL_PAINT_LAP(Key);
    if (kept != nullptr) return PresentFinishedFace(target, *memory_, rect, *kept);
    m.props = props;
    BRIXEL_PAINT_LAP(Key);
    if (WaitsForCapture(m)) return {};
    return Compose(target, rect, after_click, m, conditions);
}

// The kept face's model when nothing that composed it has changed. A kept
// face never waits for a capture: it was composed with one.
const PaintModel* FaceCache::Kept(const ButtonProperties& props, const FaceConditions& conditions,
                                  const PaintModel& m) {
    if (!kept_ || memory_ == nullptr || !(conditions_ == conditions) || !(kept_->props == props)) return nullptr;
    const Size held = memory_->size();
    if (held.width < conditions.size.width || held.height < conditions.size.height) return nullptr;
    kept_->system_colours = m.system_colours;
    kept_->captured_background = m.captured_background;
    return &*kept_;
}

PaintResult FaceCache::Compose(Canvas& target, const Rect& rect, bool after_click, const PaintModel& m,
                               const FaceConditions& conditions) {
    const Size size = conditions.size;
    const Size held = memory_ != nullptr ? memory_->size() : Size{};
    kept_.reset();  // a composition cut short by an exception leaves no stale key
    if (held.width < size.width || held.height < size.height) {
        memory_ = target.CreateSurface(size, SurfaceFormat::Colour);
        if (memory_ == nullptr) return {};
    } else {
        // A new memory image starts black; the faces that leave a pixel
        // alone must find it as they would in one.
        memory_->FillRect({0, 0, held.width, held.height}, Brush::Solid(kBlack));
    }
    BRIXEL_PAINT_LAP(Surface);
    ComposeFinishedFace(target, *memory_, rect, after_click, m);
    ++compositions_;
    kept_ = m;
    conditions_ = conditions;
    BRIXEL_PAINT_LAP(Key);
    return PresentFinishedFace(target, *memory_, rect, m);
}

void FaceCache::Clear() noexcept {
    kept_.reset();
    memory_.reset();
}

}  // namespace brixel
