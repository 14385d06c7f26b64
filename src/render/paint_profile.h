// Where one paint's time goes, step by step. Only a build that defines
// BRIXEL_PAINT_PROFILE (the benchmarks' own copy of the painter) records
// anything; everywhere else each mark is an empty statement and the
// shipping painter carries no clock.
//
// A paint is a row of laps: BRIXEL_PAINT_BEGIN starts a row, and each
// BRIXEL_PAINT_LAP(Step) adds the time since the previous mark to that step
// of the row. Marks run in the order the painter runs, so nested routines
// may mark too.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace brixel {

enum class PaintStep : std::size_t {
    Key,         // the kept face's key built and compared, or kept
    Surface,     // the memory image created, or cleared for reuse
    Gradient,    // the gradient background
    Background,  // the plain or XP background, and the blend under the face
    Picture,
    Face,        // the drop-down arrow, the split separator and the border
    Caption,
    Blit,        // the composed face copied or blended to the target
    Focus,
    Count
};

inline constexpr std::array<const char*, static_cast<std::size_t>(PaintStep::Count)> kPaintStepNames = {
    "key", "surface", "gradient", "background", "picture", "face", "caption", "blit", "focus"};

// Microseconds per step, one row per paint.
using PaintLaps = std::array<double, static_cast<std::size_t>(PaintStep::Count)>;

#if defined(BRIXEL_PAINT_PROFILE)

class PaintProfile {
public:
    // The profile of this thread's paints (painting runs on one thread).
    static PaintProfile& Current();

    void Begin();
    void Lap(PaintStep step);
    // The rows recorded since the last call, which starts anew.
    std::vector<PaintLaps> Take();

private:
    std::vector<PaintLaps> rows_;
    long long last_ = 0;  // nanoseconds, steady clock
};

#define BRIXEL_PAINT_BEGIN() ::brixel::PaintProfile::Current().Begin()
#define BRIXEL_PAINT_LAP(step) ::brixel::PaintProfile::Current().Lap(::brixel::PaintStep::step)

#else

#define BRIXEL_PAINT_BEGIN() static_cast<void>(0)
#define BRIXEL_PAINT_LAP(step) static_cast<void>(0)

#endif

}  // namespace brixel
