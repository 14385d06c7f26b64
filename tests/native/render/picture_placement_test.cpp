#include "render/picture_placement.h"

#include <gtest/gtest.h>

#include <string>

#include "core/enums.h"

namespace brixel {
namespace {

struct PlaceCase {
    const char* name;
    std::int16_t h, v;
    Size picture;
    Point origin;
    Size shown;
};

class Placement : public ::testing::TestWithParam<PlaceCase> {};

// The area 10..51 x 4..25: 41 wide, 21 high, so centring truncates.
constexpr Rect kArea{10, 4, 51, 25};

TEST_P(Placement, AlignsTheClippedSize) {
    const PlaceCase& c = GetParam();
    const PicturePlacement got = PlacePicture(kArea, c.picture, c.h, c.v);
    EXPECT_EQ(got.origin, c.origin);
    EXPECT_EQ(got.shown, c.shown);
    EXPECT_EQ(got.area, kArea);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Placement,
    ::testing::Values(
        PlaceCase{"LeftTop", kvnLeftJustify, kvnTopJustify, {16, 16}, {10, 4}, {16, 16}},
        PlaceCase{"LeftCentre", kvnLeftJustify, kvnVCenter, {16, 16}, {10, 6}, {16, 16}},
        PlaceCase{"LeftBottom", kvnLeftJustify, kvnBottomJustify, {16, 16}, {10, 9}, {16, 16}},
        PlaceCase{"CentreTop", kvnHCenter, kvnTopJustify, {16, 16}, {22, 4}, {16, 16}},
        PlaceCase{"CentreCentre", kvnHCenter, kvnVCenter, {16, 16}, {22, 6}, {16, 16}},
        PlaceCase{"CentreBottom", kvnHCenter, kvnBottomJustify, {16, 16}, {22, 9}, {16, 16}},
        PlaceCase{"RightTop", kvnRightJustify, kvnTopJustify, {16, 16}, {35, 4}, {16, 16}},
        PlaceCase{"RightCentre", kvnRightJustify, kvnVCenter, {16, 16}, {35, 6}, {16, 16}},
        PlaceCase{"RightBottom", kvnRightJustify, kvnBottomJustify, {16, 16}, {35, 9}, {16, 16}},
        // Larger than the area: placed as if it were the area's size.
        PlaceCase{"OversizedRightBottom", kvnRightJustify, kvnBottomJustify, {60, 40}, {10, 4}, {41, 21}},
        PlaceCase{"OversizedCentred", kvnHCenter, kvnVCenter, {60, 40}, {10, 4}, {41, 21}},
        PlaceCase{"OversizedOneWayOnly", kvnRightJustify, kvnBottomJustify, {60, 8}, {10, 17}, {41, 8}},
        PlaceCase{"UnknownAlignmentTakesTheNearEdge", 7, -1, {16, 16}, {10, 4}, {16, 16}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureArea, MarginsDeflateEachSide) {
    EXPECT_EQ(PictureArea({0, 0, 87, 25}, u"6;6;6;6"), (Rect{6, 6, 81, 19}));
    EXPECT_EQ(PictureArea({0, 0, 87, 25}, u"1;2;3;4"), (Rect{1, 2, 84, 21}));
    // A field that is not there reads as -1 and widens its side by one.
    EXPECT_EQ(PictureArea({0, 0, 87, 25}, u"5;5"), (Rect{5, 5, 88, 26}));
    EXPECT_EQ(PictureArea({10, 10, 20, 20}, u""), (Rect{9, 9, 21, 21}));
}

TEST(PictureArea, MarginsWiderThanTheFaceLeaveAnEmptyArea) {
    EXPECT_TRUE(PictureArea({0, 0, 30, 20}, u"20;0;20;0").IsEmpty());
}

TEST(PoppedUp, MovesAreaAndPictureTwoUpAndLeftKeepingTheSize) {
    const PicturePlacement p = PoppedUp(PlacePicture(kArea, {16, 16}, kvnHCenter, kvnVCenter));
    EXPECT_EQ(p.area, kArea.Offset(-2, -2));
    EXPECT_EQ(p.origin, (Point{20, 4}));
    EXPECT_EQ(p.shown, (Size{16, 16}));
}

}  // namespace
}  // namespace brixel
