// Where one paint's time goes: the repaint benchmark's faces painted through
// the painter's profiling build (render/paint_profile.h), step by step, on
// whichever canvas the caller hands in: GDI under Wine in repaint_bench,
// the pixel canvas natively in paint_steps_bench. Three paths per face: the
// kept face composed again (its key changes every paint, the memory image
// is reused), the kept face unchanged, and DrawTheButton alone (a memory
// image created and deleted every paint).
#pragma once

#include "core/property_table.h"
#include "render/draw_button.h"
#include "render/face_cache.h"
#include "render/paint_profile.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace brixel::bench {

inline constexpr int kStepWidth = 87, kStepHeight = 25;

// What the backend provides for the faces that need more than properties.
struct StepAssets {
    PictureRef picture;                 // a 16 x 16 bitmap
    const Surface* capture = nullptr;   // the container's pixels, face sized
};

struct StepFace {
    const char* name;
    std::function<void(PaintModel&, const StepAssets&)> set_up;
};

// A picture property with an image: the painter takes the image itself from
// the model's picture reference.
class StepPicture final : public PictureObject {
public:
    bool HasImage() const override { return true; }
};

// The faces of the repaint benchmark, written into the model as the
// control's property writes leave them.
inline std::vector<StepFace> StepFaces() {
    return {
        {"default XP blue", [](PaintModel& m, const StepAssets&) { m.props.Caption.clear(); }},
        {"3D", [](PaintModel& m, const StepAssets&) { m.props.Appearance = kvn3D; }},
        {"flat + gradient",
         [](PaintModel& m, const StepAssets&) {
             m.props.Appearance = kvnFlat;
             m.props.Gradient = true;
             m.props.GradientStyle = 1;
             m.props.GradientColor1 = 0x00FFC080;
             m.props.GradientColor2 = 0x00402000;
         }},
        {"XP, caption, picture",
         [](PaintModel& m, const StepAssets& assets) {
             m.props.Caption = u"&Print";
             m.props.Picture = std::make_shared<StepPicture>();
             m.pictures[0] = assets.picture;
         }},
        {"translucent",
         [](PaintModel& m, const StepAssets& assets) {
             m.props.TranslucentStyle = kvnAll;
             m.props.TranslucentLevel = 128;
             m.captured_background = assets.capture;
         }},
        {"split menu",
         [](PaintModel& m, const StepAssets&) {
             m.props.Menu = true;
             m.props.MenuButtonStyle = kvnMenuButtonStylePushButtonAndDropDown;
         }},
    };
}

// Per step, the mean of the middle 80% of the paints: the clock ticks in
// tenths of a microsecond under Wine, so a median would round small steps
// away, and the trimming drops a shared machine's outliers.
inline PaintLaps MiddleMeans(const std::vector<PaintLaps>& rows) {
    PaintLaps result{};
    if (rows.empty()) return result;
    std::vector<double> column(rows.size());
    const std::size_t cut = rows.size() / 10;
    for (std::size_t step = 0; step < result.size(); ++step) {
        for (std::size_t i = 0; i < rows.size(); ++i) column[i] = rows[i][step];
        std::sort(column.begin(), column.end());
        double sum = 0;
        for (std::size_t i = cut; i < column.size() - cut; ++i) sum += column[i];
        result[step] = sum / static_cast<double>(column.size() - 2 * cut);
    }
    return result;
}

inline void PrintStepHeader(const char* backend, int paints) {
    std::printf("\nSteps of one paint, %s: microseconds, mean of the middle 80%% of %d paints each\n", backend, paints);
    std::printf("%-22s %-12s", "face", "path");
    for (const char* name : kPaintStepNames) std::printf(" %8s", name);
    std::printf(" %8s\n", "total");
}

inline void PrintStepRow(const char* face, const char* path, const PaintLaps& laps) {
    std::printf("%-22s %-12s", face, path);
    double total = 0;
    for (double us : laps) {
        std::printf(" %8.2f", us);
        total += us;
    }
    std::printf(" %8.2f\n", total);
}

// Profiles `m` on `target` along the three paths and prints a row for each.
inline void ProfileFace(Canvas& target, const PaintModel& m, const char* face, int paints) {
    PaintProfile& profile = PaintProfile::Current();
    const Rect full{0, 0, kStepWidth, kStepHeight};
    const Rect shorter{0, 0, kStepWidth, kStepHeight - 1};
    FaceCache cache;
    cache.Paint(target, shorter, false, m, {});
    profile.Take();
    for (int i = 0; i < paints; ++i) cache.Paint(target, i % 2 == 0 ? full : shorter, false, m, {});
    PrintStepRow(face, "composed", MiddleMeans(profile.Take()));
    cache.Paint(target, full, false, m, {});
    profile.Take();
    for (int i = 0; i < paints; ++i) cache.Paint(target, full, false, m, {});
    PrintStepRow("", "unchanged", MiddleMeans(profile.Take()));
    for (int i = 0; i < paints; ++i) DrawTheButton(target, full, false, m);
    PrintStepRow("", "new surface", MiddleMeans(profile.Take()));
}

}  // namespace brixel::bench
