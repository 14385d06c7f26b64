#include "render/region_shape.h"

#include "paint_model_support.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

TEST(RegionShape, CornerEllipsesBySystemLevelAndWidth) {
    struct Case {
        const char* name;
        bool larger, bottom, win9x;
        int width;
        Size expected;
    } const cases[] = {
        {"NT, smaller, top", false, false, false, 80, {4, 4}},
        {"NT, smaller, bottom", false, true, false, 80, {4, 4}},
        {"9x, smaller, top", false, false, true, 80, {6, 6}},
        {"9x, smaller, bottom", false, true, true, 80, {8, 8}},
        {"NT, larger, 80 wide", true, false, false, 80, {9, 9}},
        {"NT, larger, 76 wide", true, true, false, 76, {9, 9}},
        {"NT, larger, 75 wide is not wider than 75", true, false, false, 75, {10, 9}},
        {"NT, larger, 70 wide", true, true, false, 70, {10, 9}},
        {"9x, larger, top", true, false, true, 70, {11, 12}},
        {"9x, larger, bottom", true, true, true, 70, {14, 15}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CornerEllipse(c.larger, c.bottom, c.win9x, c.width), c.expected) << c.name;
}

TEST(RegionShape, FlatFaceIsFourOverlappingCornerPieces) {
    const Rect client{0, 0, 80, 30};
    // Top-left smaller, bottom-left square, top-right larger, bottom-right square.
    const RegionShape shape =
        ControlRegionShape(FlatWithCorners(u"1;0;1;0", u"0;0;1;0"), {}, true, client, false);
    const std::vector<RegionPiece> expected{
        {{0, 0, 76, 26}, {4, 4}},
        {{0, 4, 76, 30}, {}},
        {{4, 0, 81, 26}, {9, 9}},
        {{4, 4, 80, 30}, {}},
    };
    EXPECT_EQ(shape.pieces, expected);
}

TEST(RegionShape, RoundedPiecesReachPastTheirCornerOnly) {
    const Rect client{0, 0, 70, 40};
    const RegionShape shape = ControlRegionShape(FlatWithCorners(u"1;1;1;1", u"1;1;1;1"), {}, true, client, true);
    const std::vector<RegionPiece> expected{
        {{0, 0, 66, 36}, {11, 12}},
        {{0, 4, 66, 41}, {14, 15}},
        {{4, 0, 71, 36}, {11, 12}},
        {{4, 4, 71, 41}, {14, 15}},
    };
    EXPECT_EQ(shape.pieces, expected);
}

TEST(RegionShape, OtherFacesArePlainOrSoftlyRounded) {
    struct Case {
        const char* name;
        std::int16_t appearance;
        bool mouse_in;
        bool user_mode;
        std::vector<RegionPiece> expected;
    } const cases[] = {
        {"3D: the client rectangle", kvn3D, false, true, {{{0, 0, 60, 20}, {}}}},
        {"XP style: rounded, one pixel further right and down", kvnXPStyleAPB, false, true,
         {{{0, 0, 61, 21}, {2, 2}}}},
        {"XP with the mouse inside at run time", kvnXPWithMouse, true, true, {{{0, 0, 61, 21}, {2, 2}}}},
        {"XP with the mouse outside", kvnXPWithMouse, false, true, {{{0, 0, 60, 20}, {}}}},
        {"XP with the mouse at design time", kvnXPWithMouse, true, false, {{{0, 0, 60, 20}, {}}}},
        {"3D with the mouse keeps its corners square", kvn3DWithMouse, true, true, {{{0, 0, 60, 20}, {}}}},
    };
    for (const auto& c : cases) {
        ButtonProperties p = FlatWithCorners(u"1;1;1;1", u"1;1;1;1");
        p.Appearance = c.appearance;
        InteractionState s;
        s.mouse_in = c.mouse_in;
        EXPECT_EQ(ControlRegionShape(p, s, c.user_mode, {0, 0, 60, 20}, false).pieces, c.expected) << c.name;
    }
}

TEST(RegionShape, FlatControlTooSmallForThePiecesKeepsItsWholeRectangle) {
    for (const Size size : {Size{7, 30}, Size{30, 7}, Size{0, 0}}) {
        const Rect client{0, 0, size.width, size.height};
        const RegionShape shape = ControlRegionShape(FlatWithCorners(u"0;0;0;0", u"0;0;0;0"), {}, true, client, false);
        EXPECT_EQ(shape.pieces, (std::vector<RegionPiece>{{client, {}}})) << size.width << "x" << size.height;
    }
    // At eight pixels each way the pieces still meet in the middle.
    EXPECT_EQ(ControlRegionShape(FlatWithCorners(u"0;0;0;0", u"0;0;0;0"), {}, true, {0, 0, 8, 8}, false).pieces.size(),
              4u);
}

TEST(RegionShape, RoundedFlatControlKeepsItsMinimumSize) {
    struct Case {
        const char* name;
        std::int16_t appearance;
        const char16_t* corners;
        Size requested, expected;
    } const cases[] = {
        {"rounded flat, too small", kvnFlat, u"0;0;0;1", {10, 10}, {16, 17}},
        {"rounded flat, narrow only", kvnFlat, u"1;0;0;0", {5, 40}, {16, 40}},
        {"rounded flat, large enough", kvnFlat, u"1;1;1;1", {16, 17}, {16, 17}},
        {"square flat: no minimum", kvnFlat, u"0;0;0;0", {3, 4}, {3, 4}},
        {"rounded corners on the 3D face: no minimum", kvn3D, u"1;1;1;1", {3, 4}, {3, 4}},
    };
    for (const auto& c : cases) {
        ButtonProperties p = FlatWithCorners(c.corners, u"0;0;0;0");
        p.Appearance = c.appearance;
        EXPECT_EQ(EnforceMinimumSize(p, c.requested), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace brixel::testing
