// The last composed face, kept with everything that produced it. A repaint
// whose inputs have not changed copies the kept image to the target in one
// transfer; any change composes again into the same memory image, which is
// kept between paints rather than created for each one (a smaller face
// reuses a larger image; a larger one needs a new image).
#pragma once

#include "render/canvas.h"
#include "render/draw_button.h"
#include "render/paint_model.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace brixel {

// System colours a face can resolve: COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30).
inline constexpr int kSystemColourCount = 31;

// What the host knows about a paint beyond the model: values the model
// holds only as pointers or handles whose meaning can change under them.
struct FaceKeyExtras {
    // Bumped by the host each time it captures the container's pixels anew.
    std::uint64_t background_generation = 0;
    int dpi = 96;
};

// Every input of one composed face but the property record: small and
// plain, so a repaint builds it afresh and compares the record in place.
struct FaceConditions {
    InteractionState state;
    Size size;
    bool after_click = false;
    bool has_focus = false;
    bool user_mode = true;
    bool display_as_default = false;
    bool fast_primitives = false;
    bool captured = false;
    std::uint64_t background_generation = 0;
    bool windows_forms_host = false;
    Rgb parent_back_colour{};
    std::int16_t detected_xp_scheme = 0;
    PerState<FontRef> fonts{};
    PerState<PictureRef> pictures{};
    std::array<Rgb, kSystemColourCount> system_colours{};
    int dpi = 96;
    int face_dpi = 96;  // the model's: the fixed sizes the face was drawn at
    CaptionRules caption_rules = CaptionRules::ActiveX;
    bool caption_by_host = false;

    friend bool operator==(const FaceConditions&, const FaceConditions&) = default;
};

// Every input of one composed face. Two equal keys compose equal pixels.
struct FaceKey {
    ButtonProperties props;
    FaceConditions conditions;

    friend bool operator==(const FaceKey&, const FaceKey&) = default;
};

FaceConditions FaceConditionsOf(const PaintModel& m, Size size, bool after_click, const FaceKeyExtras& extras);
FaceKey FaceKeyOf(const PaintModel& m, Size size, bool after_click, const FaceKeyExtras& extras);

class FaceCache {
public:
    // DrawTheButton, with the composition skipped when the key has not
    // changed since the last paint.
    PaintResult Paint(Canvas& target, const Rect& rect, bool after_click, const PaintModel& m,
                      const FaceKeyExtras& extras);
    // The same, for a host whose model `m` lacks the property record:
    // `props` is compared where it lies and copied into `m` only when the
    // face must be composed, so an unchanged repaint copies nothing.
    PaintResult Paint(Canvas& target, const Rect& rect, bool after_click, PaintModel& m,
                      const ButtonProperties& props, const FaceKeyExtras& extras);
    // Forgets the face and the memory image (the next paint composes).
    void Clear() noexcept;
    // Paints that composed, for the host's diagnostics and the tests.
    std::uint64_t compositions() const noexcept { return compositions_; }

private:
    PaintResult Compose(Canvas& target, const Rect& rect, bool after_click, const PaintModel& m,
                        const FaceConditions& conditions);
    const PaintModel* Kept(const ButtonProperties& props, const FaceConditions& conditions, const PaintModel& m);

    std::unique_ptr<Surface> memory_;
    // The model the kept face was composed from (its property record is
    // the key's) and the rest of the key. The model's pointers are the
    // host's and are refreshed from each paint.
    std::optional<PaintModel> kept_;
    FaceConditions conditions_;
    std::uint64_t compositions_ = 0;
};

}  // namespace brixel
