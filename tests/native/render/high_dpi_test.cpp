// The face's fixed sizes on screens denser than 96 dpi.
#include "core/dpi_scale.h"
#include "render/draw_button.h"
#include "render/edge_scaled_canvas.h"
#include "render/face_flat.h"
#include "render/face_xp.h"
#include "render/focus.h"
#include "render/menu_part.h"
#include "render/region_shape.h"

#include "paint_model_support.h"
#include "traced_pixel_canvas.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

TEST(ScaleForDpi, RoundsToTheNearestPixelWithHalvesAwayFromZero) {
    struct Case {
        int pixels, dpi, expected;
    };
    const Case cases[] = {
        {1, 96, 1},   {7, 96, 7},      {1, 144, 2},    {4, 144, 6},   {7, 144, 11},  {21, 144, 32},
        {3, 120, 4},  {1, 120, 1},     {4, 192, 8},    {0, 144, 0},   {-11, 144, -17}, {-4, 144, -6},
        {5, 0, 5},    {5, -10, 5},     {75, 144, 113}, {32767, 480, 163835},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleForDpi(c.pixels, c.dpi), c.expected) << c.pixels << " px at " << c.dpi << " dpi";
}

TEST(ScaledSpan, ConsecutiveDesignPixelsTileWithoutGapOrOverlap) {
    for (const int dpi : {96, 110, 120, 144, 168, 192, 240}) {
        int covered = 0;
        for (int offset = 0; offset < 40; ++offset) {
            const PixelSpan span = ScaledSpan(offset, dpi);
            EXPECT_EQ(span.from, covered) << "offset " << offset << " at " << dpi;
            EXPECT_GE(span.Length(), 1) << "offset " << offset << " at " << dpi;
            covered = span.to;
        }
        EXPECT_EQ(covered, ScaleForDpi(40, dpi)) << dpi;
    }
}

TEST(ArrowGlyph, KeepsItsShapeAtEveryResolution) {
    EXPECT_EQ(ArrowGlyphSize(96), (Size{7, 4}));
    EXPECT_EQ(ArrowGlyphSize(120), (Size{9, 5}));
    EXPECT_EQ(ArrowGlyphSize(144), (Size{11, 6}));
    EXPECT_EQ(ArrowGlyphSize(192), (Size{15, 8}));
}

TEST(ArrowGlyph, DrawnAt144DpiIsATriangleSixRowsHighCentredInThePart) {
    PaintModel m = DefaultModel();
    m.dpi = 144;
    m.props.Menu = true;
    m.props.MenuButtonTriangleColor = 0x0000FF;  // red
    TracedPixelCanvas canvas(26, 38);
    DrawMenuArrow(canvas, {0, 0, 26, 38}, m);
    const Rgb red{255, 0, 0};
    // Box 26 x 38: x = 26 - (26 - 11) / 2 - 11 = 8, y = (38 - 6) / 2 = 16.
    for (int y = 0; y < 38; ++y)
        for (int x = 0; x < 26; ++x) {
            const int row = y - 16;
            const bool set = row >= 0 && row < 6 && x >= 8 + row && x < 19 - row;
            EXPECT_EQ(canvas.At(x, y) == red, set) << x << "," << y;
        }
}

TEST(ArrowGlyph, DropDownStripGrowsWithTheResolution) {
    ButtonProperties p = DefaultModel().props;
    p.Menu = true;
    p.MenuButtonStyle = kvnMenuButtonStyleDropDown;
    const Rect client{0, 0, 130, 38};
    EXPECT_EQ(MenuArrowBox(client, p, 144), (Rect{98, 0, 130, 38}));
    p.MenuButtonAlignment = kvnMenuButtonAlignmentLeft;
    EXPECT_EQ(MenuArrowBox(client, p, 144), (Rect{0, 0, 32, 38}));
    // The split part is MenuButtonWidth pixels, the user's own size.
    p.MenuButtonStyle = kvnMenuButtonStylePushButtonAndDropDown;
    EXPECT_EQ(MenuArrowBox({110, 0, 130, 38}, p, 144), (Rect{110, 0, 130, 38}));
}

TEST(FlatBorder, EveryLineIsTwoPixelsWideAt144Dpi) {
    struct Case {
        const char* name;
        std::int16_t style;
        bool shown_as_default;
        std::vector<std::pair<int, Rgb>> column;  // x along the middle row, and its colour
    };
    const Rgb green{0, 255, 0};
    const Case cases[] = {
        {"solid", kvnSolid, false, {{0, green}, {1, green}, {2, kUntouched}}},
        // Two design pixels in, two wide: x 3 and 4 (the scaled span of offset 2).
        {"double line", kvnDoubleLine, false, {{0, green}, {1, green}, {2, kUntouched}, {3, green}, {4, green},
                                               {5, kUntouched}}},
        {"shown as default", kvnSolid, true, {{0, kBlack}, {1, kBlack}, {2, green}, {3, green}, {4, kUntouched}}},
    };
    for (const Case& c : cases) {
        PaintModel m = DefaultModel();
        m.dpi = 144;
        m.props.Appearance = kvnFlat;
        m.props.BorderStyle = c.style;
        m.props.BorderColor = 0x00FF00;
        m.props.CornerStyle = u"0;0;0;0";
        m.props.ShowDefaultBorder = c.shown_as_default;
        m.display_as_default = c.shown_as_default;
        TracedPixelCanvas canvas(130, 38);
        DrawFlatBorderAndRoundedCorners(canvas, {0, 0, 130, 38}, m);
        for (const auto& [x, colour] : c.column) {
            EXPECT_EQ(canvas.At(x, 19), colour) << c.name << " left x=" << x;
            EXPECT_EQ(canvas.At(129 - x, 19), colour) << c.name << " right x=" << 129 - x;
        }
    }
}

TEST(FlatBorder, RoundedCornerPatternScalesIntoBlocks) {
    PaintModel m = DefaultModel();
    m.dpi = 144;
    m.props.Appearance = kvnFlat;
    m.props.BorderStyle = kvnSolid;
    m.props.BorderColor = 0x00FF00;
    m.props.CornerStyle = u"1;1;1;1";
    m.props.CornerRoundingLevel = u"0;0;0;0";
    TracedPixelCanvas canvas(60, 30);
    DrawFlatBorderAndRoundedCorners(canvas, {0, 0, 60, 30}, m);
    const Rgb green{0, 255, 0};
    // At 1.5 times the design pixels alternate two and one pixels wide:
    // offset 0 covers 0..1 (the outline), offset 1 covers 2 (the rounding).
    for (const Point p : {Point{2, 2}, Point{57, 2}, Point{2, 27}, Point{57, 27}})
        EXPECT_EQ(canvas.At(p.x, p.y), green) << p.x << "," << p.y;
    for (const Point p : {Point{3, 3}, Point{3, 2}, Point{2, 3}, Point{56, 26}})
        EXPECT_EQ(canvas.At(p.x, p.y), kUntouched) << p.x << "," << p.y;
}

TEST(FocusRect, InsetsGrowWithTheResolutionButTheBevelStaysTheUsers) {
    PaintModel m = DefaultModel();
    m.dpi = 144;
    m.props.Appearance = kvnFlat;
    m.props.BorderStyle = kvnSolid;
    const Rect client{0, 0, 130, 38};
    EXPECT_EQ(CalculateFocusRect(client, m), client.Deflated(5)) << "flat: 3 design pixels";
    m.props.Appearance = kvnXPStyleAPB;
    EXPECT_EQ(CalculateFocusRect(client, m), client.Deflated(5)) << "XP: 3 design pixels";
    m.props.Appearance = kvn3D;
    m.props.Bevel = 2;
    EXPECT_EQ(CalculateFocusRect(client, m), (Rect{5, 5, 130 - 7, 38 - 7})) << "3D: bevel + 3 and bevel + 5";
}

TEST(ControlRegion, FlatPiecesAndEllipsesScaleAt144Dpi) {
    ButtonProperties p = DefaultModel().props;
    p.Appearance = kvnFlat;
    p.CornerStyle = u"1;0;0;0";
    p.CornerRoundingLevel = u"0;0;0;0";
    const Rect client{0, 0, 130, 38};
    const RegionShape shape = ControlRegionShape(p, {}, true, client, false, 144);
    const std::vector<RegionPiece> expected{
        {{0, 0, 124, 32}, {6, 6}},  // the rounded top-left piece: inset 6, a 6 x 6 ellipse
        {{0, 6, 124, 38}, {}},
        {{6, 0, 130, 32}, {}},
        {{6, 6, 130, 38}, {}},
    };
    EXPECT_EQ(shape.pieces, expected);

    p.Appearance = kvnXPStyleAPB;
    EXPECT_EQ(ControlRegionShape(p, {}, true, client, false, 144).pieces,
              (std::vector<RegionPiece>{{{0, 0, 131, 39}, {3, 3}}}));
}

TEST(ControlRegion, LevelTwoWidthRuleAndMinimumSizeScale) {
    EXPECT_EQ(CornerEllipse(true, false, false, 114, 144), (Size{14, 14})) << "114 > 113: the narrower 9";
    EXPECT_EQ(CornerEllipse(true, false, false, 113, 144), (Size{15, 14})) << "113 is not wider than 75 scaled";
    ButtonProperties p = DefaultModel().props;
    p.Appearance = kvnFlat;
    p.CornerStyle = u"1;1;1;1";
    EXPECT_EQ(EnforceMinimumSize(p, {10, 10}, 144), (Size{24, 26}));
}

TEST(EdgeScaledCanvas, CoordinatesKeepTheirDistanceFromTheNearerEdge) {
    TracedPixelCanvas target(130, 38);
    const EdgeScaledCanvas scaled(target, {130, 38}, 144);
    EXPECT_EQ(scaled.DesignFace(), (Rect{0, 0, 87, 25}));
    struct Case {
        int design, device;
    };
    for (const Case c : {Case{0, 0}, Case{1, 2}, Case{2, 3}, Case{43, 65}, Case{44, 130 - 65}, Case{86, 128},
                         Case{87, 130}})
        EXPECT_EQ(scaled.MapX(c.design), c.device) << c.design;
    EXPECT_EQ(scaled.MapY(24), 38 - 2);
}

Rgb DpiPixel(const pixel::PixelCanvas& canvas, int x, int y) { return canvas.GetPixel({x, y}); }

TEST(XPFrame, At144DpiEachOfItsLinesIsTwoPixelsAndHugsTheEdges) {
    PaintModel m = DefaultModel();
    m.props.Appearance = kvnXPStyleAPB;
    m.props.Caption = u"";
    m.parent_back_colour = {9, 9, 9};
    pixel::PixelCanvas design({87, 25});
    DrawTheButton(design, {0, 0, 87, 25}, false, m);
    m.dpi = 144;
    pixel::PixelCanvas dense({130, 38});
    DrawTheButton(dense, {0, 0, 130, 38}, false, m);
    // Down the middle row, the outer design pixels 0, 1, 2 of the frame
    // become the device columns 0-1, 2 and 3-4, in the same colours.
    const int y96 = 12, y144 = 19;
    EXPECT_EQ(DpiPixel(dense, 0, y144), DpiPixel(design, 0, y96));
    EXPECT_EQ(DpiPixel(dense, 1, y144), DpiPixel(design, 0, y96));
    EXPECT_EQ(DpiPixel(dense, 2, y144), DpiPixel(design, 1, y96));
    EXPECT_EQ(DpiPixel(dense, 3, y144), DpiPixel(design, 2, y96));
    EXPECT_EQ(DpiPixel(dense, 129, y144), DpiPixel(design, 86, y96));
    EXPECT_EQ(DpiPixel(dense, 128, y144), DpiPixel(design, 86, y96));
    EXPECT_EQ(DpiPixel(dense, 127, y144), DpiPixel(design, 85, y96));
    EXPECT_NE(DpiPixel(design, 0, y96), DpiPixel(design, 1, y96)) << "the columns differ, so the test can tell them apart";
}

TEST(XPSeparator, At144DpiBothLinesAreTwoPixelsWithTheirInsetsScaled) {
    struct Case {
        const char* name;
        std::int16_t alignment;
        std::vector<std::pair<int, Rgb>> row;  // x along the middle row, and its colour
    };
    const Rgb border{10, 20, 30}, white{255, 255, 255};
    // The menu part spans x 20 to 40 in both cases.
    const Case cases[] = {
        {"menu part on the right", kvnMenuButtonAlignmentRight,
         {{19, kUntouched}, {20, border}, {21, border}, {22, white}, {23, white}, {24, kUntouched}}},
        {"menu part on the left", kvnMenuButtonAlignmentLeft,
         {{35, kUntouched}, {36, white}, {37, white}, {38, border}, {39, border}, {40, kUntouched}}},
    };
    for (const Case& c : cases) {
        TracedPixelCanvas canvas(60, 38);
        DrawXPMenuSeparatorLine(canvas, {20, 0, 40, 38}, kvnXPBlueScheme, true, border, c.alignment, true, 144);
        for (const auto& [x, colour] : c.row) EXPECT_EQ(canvas.At(x, 19), colour) << c.name << " x=" << x;
        const int x = c.row[1].first;
        EXPECT_EQ(canvas.At(x, 2), kUntouched) << c.name << ": three pixels clear at the top";
        EXPECT_EQ(canvas.At(x, 3), canvas.At(x, 19)) << c.name;
        EXPECT_EQ(canvas.At(x, 34), canvas.At(x, 19)) << c.name;
        EXPECT_EQ(canvas.At(x, 35), kUntouched) << c.name << ": and at the bottom";
    }
}

}  // namespace
}  // namespace brixel::testing
