// The 3D bevels and the flat borders drawn by real GDI into DIB sections:
// the canvas lines must land on the pixels the portable rules say.
#include "gdi_test_support.h"
#include "native/render/paint_model_support.h"
#include "render/face_3d.h"
#include "render/face_flat.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

constexpr Rgb kUpper{250, 250, 250};
constexpr Rgb kLower{128, 128, 128};

struct Pixel {
    Point at;
    Rgb colour;
};

class FacePixels : public GdiFixture {
protected:
    void ExpectPixels(const Surface& s, std::initializer_list<Pixel> pixels, const char* name) {
        for (const Pixel& p : pixels)
            EXPECT_EQ(s.GetPixel(p.at), p.colour) << name << " at " << p.at.x << "," << p.at.y;
    }
};

TEST_F(FacePixels, RaisedAndPressedBevels) {
    struct Case {
        const char* name;
        bool pressed;
        BevelLook look;
        std::initializer_list<Pixel> pixels;
    };
    const Case cases[] = {
        {"raised, width 1", false, {1, kUpper, kLower, false, false},
         {{{0, 0}, kUpper}, {{0, 23}, kUpper}, {{85, 0}, kUpper}, {{86, 0}, kBlack}, {{86, 24}, kBlack},
          {{0, 24}, kBlack}, {{85, 23}, kLower}, {{1, 23}, kLower}, {{85, 1}, kLower}, {{1, 1}, kUntouched}}},
        {"raised, width 3", false, {3, kUpper, kLower, false, false},
         {{{2, 2}, kUpper}, {{2, 21}, kUpper}, {{3, 3}, kUntouched}, {{83, 21}, kLower}, {{85, 3}, kLower},
          {{86, 24}, kBlack}}},
        {"raised cool, width 1: no black", false, {1, kUpper, kLower, true, false},
         {{{0, 0}, kUpper}, {{86, 24}, kLower}, {{86, 1}, kLower}, {{1, 24}, kLower}, {{85, 23}, kUntouched}}},
        {"pressed, width 1", true, {1, kUpper, kLower, false, false},
         {{{0, 0}, kBlack}, {{0, 24}, kBlack}, {{86, 0}, kBlack}, {{1, 1}, kLower}, {{86, 1}, kUpper},
          {{1, 24}, kUpper}, {{86, 24}, kUpper}, {{2, 2}, kUntouched}}},
        {"pressed cool, width 3", true, {3, kUpper, kLower, true, false},
         {{{0, 0}, kLower}, {{2, 2}, kLower}, {{3, 3}, kUntouched}, {{86, 24}, kUpper}, {{84, 22}, kUpper}}},
        {"raised default button, width 0: only the frame", false, {0, kUpper, kLower, false, true},
         {{{0, 0}, kBlack}, {{86, 24}, kBlack}, {{1, 1}, kUntouched}, {{85, 23}, kUntouched}}},
        {"pressed default button, width 1", true, {1, kUpper, kLower, false, true},
         {{{0, 0}, kBlack}, {{1, 1}, kBlack}, {{2, 2}, kLower}, {{85, 23}, kUpper}, {{86, 24}, kBlack},
          {{3, 3}, kUntouched}}},
    };
    for (const auto& c : cases) {
        auto s = MakeSurface({87, 25}, true, kUntouched);
        ASSERT_NE(s, nullptr);
        if (c.pressed) {
            DrawPressedButton(*s, {0, 0, 87, 25}, c.look);
        } else {
            DrawRaisedButton(*s, {0, 0, 87, 25}, c.look);
        }
        ExpectPixels(*s, c.pixels, c.name);
    }
}

TEST_F(FacePixels, FlatBordersAndCorners) {
    constexpr Rgb kBorder{0, 60, 116};
    struct Case {
        const char* name;
        void (*setup)(PaintModel&);
        std::initializer_list<Pixel> pixels;
    };
    const Case cases[] = {
        {"solid, larger rounded corners", [](PaintModel& m) { m.props.CornerStyle = u"1;1;1;1"; },
         {{{0, 0}, kBorder}, {{86, 24}, kBorder}, {{2, 1}, kBorder}, {{3, 1}, kBorder}, {{1, 3}, kBorder},
          {{1, 1}, kUntouched}, {{83, 23}, kBorder}, {{85, 21}, kBorder}, {{85, 23}, kUntouched}}},
        {"double line, square corners", [](PaintModel& m) { m.props.BorderStyle = kvnDoubleLine; },
         {{{2, 2}, kBorder}, {{4, 2}, kBorder}, {{2, 12}, kBorder}, {{40, 22}, kBorder}, {{84, 22}, kBorder},
          {{1, 1}, kUntouched}, {{3, 3}, kUntouched}}},
        {"double line, smaller rounded corners: bevelled", [](PaintModel& m) {
             m.props.BorderStyle = kvnDoubleLine;
             m.props.CornerStyle = u"1;1;1;1";
             m.props.CornerRoundingLevel = u"0;0;0;0";
         },
         {{{3, 3}, kBorder}, {{2, 2}, kUntouched}, {{83, 21}, kBorder}, {{84, 22}, kUntouched}}},
        {"shown as default: black frame, border one pixel in", [](PaintModel& m) { m.display_as_default = true; },
         {{{0, 0}, kBlack}, {{86, 24}, kBlack}, {{1, 1}, kBorder}, {{85, 23}, kBorder}, {{2, 2}, kUntouched}}},
        {"no border style: nothing", [](PaintModel& m) {
             m.props.BorderStyle = kvnNone;
             m.props.CornerStyle = u"1;1;1;1";
         },
         {{{0, 0}, kUntouched}, {{2, 1}, kUntouched}, {{86, 24}, kUntouched}}},
    };
    for (const auto& c : cases) {
        PaintModel m = DefaultModel();
        m.props.Appearance = kvnFlat;
        m.props.ShowDefaultBorder = true;
        m.props.Active = true;
        c.setup(m);
        auto s = MakeSurface({87, 25}, true, kUntouched);
        ASSERT_NE(s, nullptr);
        DrawFlatBorderAndRoundedCorners(*s, {0, 0, 87, 25}, m);
        ExpectPixels(*s, c.pixels, c.name);
    }
}

TEST_F(FacePixels, DottedBorderLeavesGaps) {
    PaintModel m = DefaultModel();
    m.props.Appearance = kvnFlat;
    m.props.BorderStyle = kvnDots;
    auto s = MakeSurface({87, 25}, true, kUntouched);
    ASSERT_NE(s, nullptr);
    DrawFlatBorderAndRoundedCorners(*s, {0, 0, 87, 25}, m);
    int drawn = 0;
    for (int x = 0; x < 87; ++x) drawn += s->GetPixel({x, 24}) == Rgb{0, 60, 116} ? 1 : 0;
    EXPECT_GT(drawn, 10);
    EXPECT_LT(drawn, 80);
    EXPECT_EQ(s->GetPixel({40, 12}), kUntouched);
}

}  // namespace
}  // namespace brixel::testing
