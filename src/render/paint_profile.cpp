#include "render/paint_profile.h"

#if defined(BRIXEL_PAINT_PROFILE)

#include <chrono>
#include <utility>

namespace brixel {
namespace {

long long Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

PaintProfile& PaintProfile::Current() {
    thread_local PaintProfile profile;
    return profile;
}

void PaintProfile::Begin() {
    rows_.push_back({});
    last_ = Now();
}

void PaintProfile::Lap(PaintStep step) {
    const long long now = Now();
    if (!rows_.empty()) rows_.back()[static_cast<std::size_t>(step)] += static_cast<double>(now - last_) / 1000.0;
    last_ = now;
}

std::vector<PaintLaps> PaintProfile::Take() { return std::exchange(rows_, {}); }

}  // namespace brixel

#endif
