#include "render/canvas.h"

#include "recording_canvas.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

TEST(Rect, EmptyMeansNothingCanBeDrawnInIt) {
    struct Case {
        const char* name;
        Rect r;
        bool empty;
    };
    const Case cases[] = {
        {"one pixel", {3, 3, 4, 4}, false},
        {"zero width", {3, 3, 3, 9}, true},
        {"zero height", {3, 3, 9, 3}, true},
        {"inverted", {9, 9, 3, 3}, true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.r.IsEmpty(), c.empty) << c.name;
}

TEST(Rect, IntersectionKeepsTheCommonPartOrComesOutEmpty) {
    EXPECT_EQ((Rect{0, 0, 10, 10}.Intersected({5, -5, 20, 6})), (Rect{5, 0, 10, 6}));
    EXPECT_TRUE((Rect{0, 0, 10, 10}.Intersected({10, 0, 20, 10})).IsEmpty());  // touching edges share nothing
    EXPECT_EQ((Rect{2, 2, 8, 8}.Deflated(1)), (Rect{3, 3, 7, 7}));
    EXPECT_EQ((Rect{2, 2, 8, 8}.Offset(1, -2)), (Rect{3, 0, 9, 6}));
}

TEST(Brush, TheCheckerboardAlternatesInBothDirections) {
    const Brush b = Brush::Checkerboard();
    ASSERT_TRUE(b.patterned);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool set = (b.pattern[y] >> (7 - x)) & 1;
            EXPECT_EQ(set, (x + y) % 2 == 0) << x << "," << y;
        }
    EXPECT_NE(b.colour, b.background);
}

TEST(ClipScope, PopsWhatItPushedWhenTheScopeEnds) {
    RecordingCanvas canvas;
    {
        ClipScope outer(canvas, {0, 0, 10, 10});
        ClipScope inner(canvas, {2, 2, 4, 4});
    }
    EXPECT_EQ(canvas.Ops(), (std::vector<std::string>{"PushClip", "PushClip", "PopClip", "PopClip"}));
    EXPECT_EQ(canvas.calls[1].rect, (Rect{2, 2, 4, 4}));
}

}  // namespace
}  // namespace brixel::testing
