// The XP face: which routine each state draws, the gradients each scheme
// fills, and the pixels the routines set themselves.
#include "render/face_xp.h"

#include "paint_model_support.h"
#include "recording_canvas.h"
#include "render/xp_colours.h"
#include "traced_pixel_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace brixel {
namespace {

using testing::RecordingCanvas;
using testing::TracedPixelCanvas;

constexpr Rect kButton{0, 0, 87, 25};  // the face rectangle deflated by 1 is (1, 1, 86, 24)
constexpr Rgb kContainer{9, 8, 7};
constexpr Rgb kBlueBorder{0, 60, 116};
constexpr Rgb kOliveBorder{55, 98, 6};

XPFaceInput Input(std::int16_t scheme, FastPrimitives fast = FastPrimitives::Allowed) {
    XPFaceInput in;
    in.scheme = scheme;
    in.parent_back = kContainer;
    in.border = scheme == kvnXPOliveGreenScheme ? kOliveBorder : kBlueBorder;
    in.scheme_border = in.border;
    in.fast = fast;
    return in;
}

struct Grad {
    Rect rect;
    Rgb start, end;
    bool vertical;
    friend bool operator==(const Grad&, const Grad&) = default;
};

std::vector<Grad> Gradients(const RecordingCanvas& canvas) {
    std::vector<Grad> out;
    for (const auto& c : canvas.CallsNamed("GradientFillRect")) out.push_back({c.rect, c.colour, c.colour2, c.flag});
    return out;
}

std::string Describe(const std::vector<Grad>& grads) {
    std::string s;
    for (const Grad& g : grads) {
        char line[120];
        std::snprintf(line, sizeof line, "(%d,%d,%d,%d) %d,%d,%d -> %d,%d,%d %s\n", g.rect.left, g.rect.top,
                      g.rect.right, g.rect.bottom, g.start.r, g.start.g, g.start.b, g.end.r, g.end.g, g.end.b,
                      g.vertical ? "v" : "h");
        s += line;
    }
    return s;
}

// --- Which routine ---------------------------------------------------------------------

TEST(XPFaceChoice, FirstMatchingStateWins) {
    struct Case {
        const char* name;
        void (*setup)(PaintModel&);
        XPFaceChoice face;
        XPBorderChoice border;
    };
    const Case cases[] = {
        {"at rest", [](PaintModel&) {}, XPFaceChoice::Default, XPBorderChoice::Plain},
        {"focused", [](PaintModel& m) { m.has_focus = true; }, XPFaceChoice::FocusRect, XPBorderChoice::Focused},
        {"shown as default",
         [](PaintModel& m) {
             m.props.ShowDefaultBorder = m.props.Active = true;
             m.display_as_default = true;
         },
         XPFaceChoice::FocusRect, XPBorderChoice::Focused},
        {"mouse inside, focused",
         [](PaintModel& m) { m.state.mouse_in = m.has_focus = true; },
         XPFaceChoice::MouseOver, XPBorderChoice::MouseOver},
        {"pressed with the mouse inside",
         [](PaintModel& m) { m.state.pressed = m.state.mouse_in = true; },
         XPFaceChoice::Pressed, XPBorderChoice::Plain},
        {"toggled down, mouse inside: pressed face under the hot frame",
         [](PaintModel& m) {
             m.props.ToggleButton = true;
             m.state.toggled = m.state.mouse_in = true;
         },
         XPFaceChoice::Pressed, XPBorderChoice::MouseOver},
        {"toggled without ToggleButton is not down",
         [](PaintModel& m) { m.state.toggled = true; }, XPFaceChoice::Default, XPBorderChoice::Plain},
        {"drop-down-only menu open",
         [](PaintModel& m) {
             m.props.Menu = true;
             m.props.MenuButtonStyle = kvnMenuButtonStyleDropDown;
             m.state.menu_open = true;
         },
         XPFaceChoice::Pressed, XPBorderChoice::Plain},
        {"split menu open, even when pressed",
         [](PaintModel& m) {
             m.props.Menu = true;
             m.props.MenuButtonStyle = kvnMenuButtonStylePushButtonAndDropDown;
             m.state.menu_open = m.state.pressed = m.has_focus = true;
         },
         XPFaceChoice::SplitMenuDropped, XPBorderChoice::Plain},
        {"disabled before anything else",
         [](PaintModel& m) {
             m.props.Enabled = false;
             m.state.pressed = m.state.mouse_in = true;
         },
         XPFaceChoice::Disabled, XPBorderChoice::Disabled},
    };
    for (const Case& c : cases) {
        PaintModel m = testing::DefaultModel();
        m.props.Appearance = kvnXPStyleAPB;
        c.setup(m);
        EXPECT_EQ(ChooseXPFace(m), c.face) << c.name;
        EXPECT_EQ(ChooseXPBorder(m), c.border) << c.name;
    }
}

// --- The gradients of each face, by scheme -------------------------------------------------

TEST(XPFaceGradients, EachSchemeAndFace) {
    struct Case {
        const char* name;
        void (*draw)(Canvas&, const Rect&, const XPFaceInput&);
        std::int16_t scheme;
        std::vector<Grad> expected;  // leading gradients, in order
    };
    const Case cases[] = {
        {"blue at rest", DrawXPButtonDefault, kvnXPBlueScheme,
         {{{1, 1, 86, 20}, {252, 252, 252}, {240, 240, 233}, true},
          {{1, 20, 86, 23}, {236, 235, 230}, {203, 195, 181}, true},
          {{83, 2, 85, 21}, {241, 240, 234}, {233, 230, 224}, false}}},
        {"olive green at rest", DrawXPButtonDefault, kvnXPOliveGreenScheme,
         {{{1, 1, 86, 20}, {255, 255, 246}, {246, 243, 224}, true},
          {{1, 20, 86, 23}, {243, 238, 219}, {227, 209, 184}, true},
          {{83, 2, 85, 21}, {246, 242, 223}, {242, 234, 212}, false}}},
        {"silver at rest", DrawXPButtonDefault, kvnXPSilverScheme,
         {{{1, 1, 86, 20}, {255, 255, 255}, {236, 237, 249}, true},
          {{1, 20, 86, 23}, {236, 237, 249}, {202, 201, 220}, true}}},
        {"blue pressed", DrawXPButtonPressed, kvnXPBlueScheme,
         {{{1, 4, 86, 21}, {229, 228, 221}, {226, 226, 218}, true},
          {{1, 1, 86, 4}, {209, 204, 193}, {229, 228, 221}, true},
          {{1, 20, 86, 23}, {226, 226, 218}, {249, 249, 247}, true},
          {{1, 1, 4, 24}, {216, 214, 204}, {226, 225, 217}, false}}},
        {"olive green pressed", DrawXPButtonPressed, kvnXPOliveGreenScheme,
         {{{1, 4, 86, 21}, {238, 230, 210}, {236, 228, 206}, true},
          {{1, 1, 86, 4}, {223, 205, 180}, {238, 230, 210}, true},
          {{1, 20, 86, 23}, {236, 228, 206}, {248, 244, 228}, true},
          {{1, 1, 4, 24}, {228, 215, 192}, {234, 222, 200}, false}}},
        // k = (23 / 3) * 2 = 14, not 23 * 2 / 3 = 15.
        {"silver pressed: split at two thirds, truncated first", DrawXPButtonPressed, kvnXPSilverScheme,
         {{{1, 2, 86, 15}, {172, 171, 189}, {238, 239, 246}, true},
          {{1, 15, 86, 24}, {238, 239, 246}, {255, 255, 255}, true}}},
        {"blue focused: rest face, frame strips, smaller face", DrawXPButtonFocusRect, kvnXPBlueScheme,
         {{{1, 1, 86, 20}, {252, 252, 252}, {240, 240, 233}, true},
          {{1, 20, 86, 23}, {236, 235, 230}, {203, 195, 181}, true},
          {{83, 2, 85, 21}, {241, 240, 234}, {233, 230, 224}, false},
          {{2, 3, 4, 22}, {188, 212, 246}, {137, 173, 228}, true},
          {{83, 3, 85, 22}, {188, 212, 246}, {137, 173, 228}, true},
          {{4, 4, 83, 21}, {252, 252, 251}, {236, 235, 229}, true}}},
        {"olive green hot: frame strips and smaller face", DrawXPButtonMouseOver, kvnXPOliveGreenScheme,
         {{{1, 1, 86, 20}, {255, 255, 246}, {246, 243, 224}, true},
          {{1, 20, 86, 23}, {243, 238, 219}, {227, 209, 184}, true},
          {{83, 2, 85, 21}, {246, 242, 223}, {242, 234, 212}, false},
          {{2, 3, 4, 22}, {235, 184, 139}, {227, 145, 79}, true},
          {{83, 3, 85, 22}, {235, 184, 139}, {227, 145, 79}, true},
          {{4, 4, 83, 21}, {254, 255, 242}, {243, 238, 219}, true}}},
        // The halves meet at m = top + height / 2 = 1 + 23 / 2 = 12.
        {"silver focused: two halves", DrawXPButtonFocusRect, kvnXPSilverScheme,
         {{{1, 1, 86, 20}, {255, 255, 255}, {236, 237, 249}, true},
          {{1, 20, 86, 23}, {236, 237, 249}, {202, 201, 220}, true},
          {{83, 2, 85, 21}, {230, 231, 243}, {214, 213, 229}, false},
          {{2, 3, 4, 22}, {188, 212, 246}, {137, 173, 228}, true},
          {{83, 3, 85, 22}, {188, 212, 246}, {137, 173, 228}, true},
          {{4, 4, 83, 12}, {255, 255, 255}, {227, 229, 240}, true},
          {{4, 12, 83, 21}, {227, 229, 240}, {205, 204, 223}, true}}},
        {"silver hot: two halves", DrawXPButtonMouseOver, kvnXPSilverScheme,
         {{{1, 1, 86, 20}, {255, 255, 255}, {236, 237, 249}, true},
          {{1, 20, 86, 23}, {236, 237, 249}, {202, 201, 220}, true},
          {{83, 2, 85, 21}, {230, 231, 243}, {214, 213, 229}, false},
          {{2, 3, 4, 22}, {253, 216, 137}, {248, 178, 48}, true},
          {{83, 3, 85, 22}, {253, 216, 137}, {248, 178, 48}, true},
          {{4, 4, 83, 12}, {255, 255, 255}, {244, 245, 252}, true},
          {{4, 12, 83, 21}, {244, 245, 252}, {205, 204, 223}, true}}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas(true);
        c.draw(canvas, kButton, Input(c.scheme));
        std::vector<Grad> got = Gradients(canvas);
        if (std::string(c.name) == "silver at rest") {
            ASSERT_GE(got.size(), 3u) << c.name;
            got.resize(2);  // the silver strip is our own choice
        }
        EXPECT_EQ(got, c.expected) << c.name << "\n" << Describe(got);
    }
}

TEST(XPFaceGradients, OpenMenuPartTakesThePressedColours) {
    PaintModel m = testing::DefaultModel();
    m.props.Appearance = kvnXPStyleAPB;
    m.props.XPColorScheme = kvnXPOliveGreenScheme;
    m.props.Menu = true;
    m.props.MenuButtonStyle = kvnMenuButtonStylePushButtonAndDropDown;
    m.props.MenuButtonWidth = 17;
    m.state.menu_open = true;
    m.fast_primitives = true;
    RecordingCanvas canvas(true);
    DrawXPAppearance(canvas, kButton, m);
    const std::vector<Grad> got = Gradients(canvas);
    ASSERT_EQ(got.size(), 7u) << Describe(got);
    // The menu part (70, 0, 87, 25) deflated by 1.
    EXPECT_EQ(got[3], (Grad{{71, 4, 86, 21}, {238, 230, 210}, {236, 228, 206}, true}));
    EXPECT_EQ(got[6], (Grad{{71, 1, 74, 24}, {228, 215, 192}, {234, 222, 200}, false}));
}

// --- Pixels the routines set -----------------------------------------------------------

struct PixelCheck {
    Point at;
    Rgb colour;
};

void ExpectPixels(const TracedPixelCanvas& canvas, std::initializer_list<PixelCheck> checks, const char* name) {
    for (const PixelCheck& c : checks) {
        const Rgb got = canvas.At(c.at.x, c.at.y);
        EXPECT_EQ(got, c.colour) << name << " at " << c.at.x << "," << c.at.y << ": got " << int(got.r) << ","
                                 << int(got.g) << "," << int(got.b);
    }
}

TEST(XPBorder, OutlinesRoundTheirCornersByTheirEllipse) {
    constexpr Rgb ink{50, 60, 70}, none{1, 2, 3};
    TracedPixelCanvas canvas(30, 20);
    DrawXPOutline(canvas, {2, 2, 12, 18}, ink);
    DrawXPSmallOutline(canvas, {16, 2, 26, 18}, ink);
    ExpectPixels(canvas,
                 {// 4 by 8: two pixels off each side at the corner, one on the diagonal
                  {{2, 2}, none}, {{3, 2}, none}, {{2, 3}, none}, {{4, 2}, ink}, {{3, 3}, ink}, {{2, 4}, ink},
                  {{10, 3}, ink}, {{11, 4}, ink}, {{11, 3}, none}, {{3, 16}, ink}, {{10, 16}, ink},
                  {{11, 17}, none}, {{9, 17}, ink}, {{4, 4}, none},
                  // 4 by 4: only the corner pixel is left out
                  {{16, 2}, none}, {{17, 2}, ink}, {{16, 3}, ink}, {{17, 3}, none}, {{25, 17}, none},
                  {{24, 17}, ink}},
                 "outlines");
}

TEST(XPBorder, SchemeOutlineCornersAndContainer) {
    struct Case {
        const char* name;
        std::int16_t scheme;
        Rgb outline, ring_outer, ring_inner;
    };
    const Case cases[] = {
        {"blue", kvnXPBlueScheme, kBlueBorder, {120, 148, 167}, {37, 87, 131}},
        {"olive green", kvnXPOliveGreenScheme, kOliveBorder, {117, 137, 91}, {76, 111, 35}},
        {"silver", kvnXPSilverScheme, kBlueBorder, {120, 148, 167}, {37, 87, 131}},
    };
    for (const Case& c : cases) {
        TracedPixelCanvas canvas(87, 25);
        DrawXPButtonDefault(canvas, kButton, Input(c.scheme, FastPrimitives::Avoid));
        ExpectPixels(canvas,
                     {{{40, 1}, c.outline}, {{1, 12}, c.outline}, {{85, 12}, c.outline}, {{40, 23}, c.outline},
                      // two rings at each corner of the outline
                      {{2, 1}, c.ring_outer}, {{1, 2}, c.ring_outer}, {{2, 2}, c.ring_inner},
                      {{84, 1}, c.ring_outer}, {{85, 2}, c.ring_outer}, {{84, 2}, c.ring_inner},
                      {{1, 22}, c.ring_outer}, {{2, 23}, c.ring_outer}, {{2, 22}, c.ring_inner},
                      {{85, 22}, c.ring_outer}, {{84, 23}, c.ring_outer}, {{84, 22}, c.ring_inner},
                      // outside the rounded corners: the container, and the sheen
                      {{0, 0}, kContainer}, {{1, 0}, kContainer}, {{0, 1}, kContainer}, {{1, 1}, kContainer},
                      {{86, 0}, kContainer}, {{85, 1}, kContainer}, {{0, 24}, kContainer}, {{1, 23}, kContainer},
                      {{86, 24}, kContainer}, {{85, 24}, kContainer}, {{86, 23}, kContainer},
                      {{85, 23}, kXPBottomRightSheen}},
                     c.name);
    }
}

TEST(XPBorder, UserColourDrawsOutlineAndCornersAlike) {
    struct Case {
        const char* name;
        Rgb state_border;
        Rgb desktop_border;
        std::int16_t scheme;
        bool scheme_look;
    };
    const Case cases[] = {
        {"a colour of the user's", {200, 10, 10}, kBlueBorder, kvnXPBlueScheme, false},
        // The comparison is with the desktop's scheme, not the control's.
        {"olive green set on a blue desktop", kOliveBorder, kBlueBorder, kvnXPOliveGreenScheme, false},
        {"blue set on a silver desktop", kBlueBorder, kBlueBorder, kvnXPBlueScheme, true},
    };
    for (const Case& c : cases) {
        XPFaceInput in = Input(c.scheme, FastPrimitives::Avoid);
        in.border = c.state_border;
        in.scheme_border = c.desktop_border;
        TracedPixelCanvas canvas(87, 25);
        DrawXPButtonBorder(canvas, kButton, in, kXPBorderPlain);
        const XPLook& look = XPLookOf(c.scheme);
        ExpectPixels(canvas,
                     {{{40, 1}, c.scheme_look ? look.border : c.state_border},
                      {{2, 1}, c.scheme_look ? look.ring_outer : c.state_border},
                      {{2, 2}, c.scheme_look ? look.ring_inner : c.state_border},
                      {{0, 0}, kContainer}},
                     c.name);
    }
}

TEST(XPBorder, OuterShadowTellsTheFourModesApart) {
    for (std::int16_t scheme = kvnXPBlueScheme; scheme <= kvnXPSilverScheme; ++scheme) {
        std::vector<std::pair<Rgb, Rgb>> seen;
        for (int mode = kXPBorderPlain; mode <= kXPBorderPressed; ++mode) {
            TracedPixelCanvas canvas(87, 25);
            DrawXPButtonOuterShadow(canvas, kButton, scheme, mode);
            const XPShadowColours& s = XPLookOf(scheme).shadow[mode];
            // One pixel outside the outline on every side, clear of the corners.
            EXPECT_EQ(canvas.At(2, 0), s.top_left) << scheme << "/" << mode;
            EXPECT_EQ(canvas.At(0, 12), s.top_left) << scheme << "/" << mode;
            EXPECT_EQ(canvas.At(84, 24), s.bottom_right) << scheme << "/" << mode;
            EXPECT_EQ(canvas.At(86, 2), s.bottom_right) << scheme << "/" << mode;
            EXPECT_EQ(canvas.At(1, 0), (Rgb{1, 2, 3})) << "corners are left to the container";
            const std::pair<Rgb, Rgb> pair{s.top_left, s.bottom_right};
            EXPECT_EQ(std::count(seen.begin(), seen.end(), pair), 0) << scheme << "/" << mode;
            seen.push_back(pair);
        }
    }
}

TEST(XPFacePixels, CornerSofteningByScheme) {
    struct Case {
        const char* name;
        void (*draw)(Canvas&, const Rect&, const XPFaceInput&);
        std::int16_t scheme;
        std::optional<Rgb> top, bottom;
    };
    const Case cases[] = {
        {"blue at rest", DrawXPButtonDefault, kvnXPBlueScheme, Rgb{191, 199, 202}, Rgb{191, 199, 202}},
        {"olive green at rest", DrawXPButtonDefault, kvnXPOliveGreenScheme, Rgb{228, 221, 180}, Rgb{215, 200, 179}},
        {"silver at rest: top only", DrawXPButtonDefault, kvnXPSilverScheme, Rgb{192, 207, 221}, std::nullopt},
        {"blue pressed", DrawXPButtonPressed, kvnXPBlueScheme, Rgb{157, 168, 172}, Rgb{178, 193, 203}},
        {"olive green pressed", DrawXPButtonPressed, kvnXPOliveGreenScheme, Rgb{201, 178, 164}, Rgb{201, 196, 176}},
        {"silver pressed", DrawXPButtonPressed, kvnXPSilverScheme, Rgb{160, 171, 177}, Rgb{178, 193, 203}},
        {"blue focused", DrawXPButtonFocusRect, kvnXPBlueScheme, Rgb{191, 199, 202}, Rgb{191, 199, 202}},
    };
    const Point top[] = {{3, 2}, {2, 3}, {83, 2}, {84, 3}};
    const Point bottom[] = {{2, 21}, {3, 22}, {84, 21}, {83, 22}};
    for (const Case& c : cases) {
        for (const bool custom : {false, true}) {
            XPFaceInput in = Input(c.scheme, FastPrimitives::Avoid);
            in.custom_border = custom;
            TracedPixelCanvas canvas(87, 25);
            c.draw(canvas, kButton, in);
            for (const Point p : top) {
                if (custom || !c.top)
                    EXPECT_NE(canvas.At(p.x, p.y), c.top.value_or(Rgb{1, 2, 3})) << c.name << " custom " << custom;
                else
                    EXPECT_EQ(canvas.At(p.x, p.y), *c.top) << c.name;
            }
            for (const Point p : bottom) {
                if (!c.bottom) continue;
                if (custom)
                    EXPECT_NE(canvas.At(p.x, p.y), *c.bottom) << c.name << " custom";
                else
                    EXPECT_EQ(canvas.At(p.x, p.y), *c.bottom) << c.name;
            }
        }
    }
}

TEST(XPFacePixels, SilverPressedInnerWhiteOutline) {
    TracedPixelCanvas canvas(87, 25);
    DrawXPButtonPressed(canvas, kButton, Input(kvnXPSilverScheme, FastPrimitives::Avoid));
    ExpectPixels(canvas,
                 {{{3, 3}, kWhite}, {{83, 3}, kWhite}, {{40, 2}, kWhite}, {{2, 12}, kWhite}, {{84, 12}, kWhite},
                  {{40, 22}, kWhite}},
                 "silver pressed");
}

TEST(XPFacePixels, FrameLines) {
    struct Case {
        const char* name;
        void (*draw)(Canvas&, const Rect&, const XPFaceInput&);
        std::int16_t scheme;
        Rgb lines[4];
        Rgb strip_top;
    };
    const Case cases[] = {
        {"blue focus", DrawXPButtonFocusRect, kvnXPBlueScheme,
         {{206, 231, 255}, {188, 212, 246}, {137, 173, 228}, {105, 130, 231}}, {188, 212, 246}},
        {"silver focus", DrawXPButtonFocusRect, kvnXPSilverScheme,
         {{206, 231, 255}, {188, 212, 246}, {137, 173, 228}, {105, 130, 231}}, {188, 212, 246}},
        {"olive green focus", DrawXPButtonFocusRect, kvnXPOliveGreenScheme,
         {{194, 209, 143}, {177, 203, 128}, {144, 193, 84}, {168, 167, 102}}, {177, 203, 128}},
        {"blue hot", DrawXPButtonMouseOver, kvnXPBlueScheme,
         {{255, 240, 207}, {253, 216, 137}, {248, 179, 48}, {229, 151, 0}}, {253, 216, 137}},
        {"olive green hot", DrawXPButtonMouseOver, kvnXPOliveGreenScheme,
         {{252, 197, 149}, {237, 190, 150}, {227, 145, 79}, {207, 114, 37}}, {235, 184, 139}},
    };
    for (const Case& c : cases) {
        TracedPixelCanvas canvas(87, 25);
        c.draw(canvas, kButton, Input(c.scheme, FastPrimitives::Avoid));
        ExpectPixels(canvas, {{{40, 2}, c.lines[0]}, {{40, 3}, c.lines[1]}, {{40, 21}, c.lines[2]},
                              {{40, 22}, c.lines[3]}},
                     c.name);
        // The strips cross the second line (their corner pixels aside).
        ExpectPixels(canvas, {{{3, 3}, c.strip_top}, {{83, 3}, c.strip_top}, {{4, 3}, c.lines[1]}}, c.name);
    }
}

TEST(XPFacePixels, SilverFocusedFaceHasWhiteSideLines) {
    for (const bool focused : {true, false}) {
        TracedPixelCanvas canvas(87, 25);
        DrawXPButtonShrinked(canvas, kButton.Deflated(1), kvnXPSilverScheme, focused, FastPrimitives::Avoid);
        EXPECT_EQ(canvas.At(3, 10) == kWhite && canvas.At(83, 10) == kWhite, focused) << focused;
        EXPECT_EQ(canvas.At(3, 21), (Rgb{1, 2, 3})) << "the lines end at bottom - 3";
    }
}

TEST(XPFacePixels, DisabledFaceAndBorderBlendIntoTheContainer) {
    struct Case {
        const char* name;
        std::int16_t scheme;
        Rgb fill, shade1, shade2;
    };
    const Case cases[] = {
        {"blue", kvnXPBlueScheme, {245, 244, 234}, {222, 222, 214}, {234, 234, 222}},
        {"olive green", kvnXPOliveGreenScheme, {246, 242, 233}, {202, 196, 184}, {231, 231, 221}},
        {"silver", kvnXPSilverScheme, {241, 241, 237}, {221, 221, 218}, {230, 230, 226}},
    };
    const Rgb border{201, 199, 186};
    for (const Case& c : cases) {
        TracedPixelCanvas canvas(87, 25);
        XPFaceInput in = Input(c.scheme, FastPrimitives::Avoid);
        DrawXPButtonDisabled(canvas, kButton, in);
        EXPECT_EQ(canvas.CallsNamed("GradientFillRect").size(), 0u) << c.name;
        EXPECT_EQ(canvas.At(3, 2), c.shade2) << c.name;
        DrawXPButtonDisabledBorder(canvas, kButton, c.scheme, kContainer, border);
        ExpectPixels(canvas,
                     {{{40, 12}, c.fill}, {{40, 1}, border}, {{1, 12}, border},
                      {{2, 1}, c.shade1}, {{1, 2}, c.shade1}, {{84, 23}, c.shade1}, {{85, 22}, c.shade1},
                      {{3, 2}, c.shade2}, {{83, 22}, c.shade2},
                      {{40, 0}, kContainer}, {{0, 12}, kContainer}, {{86, 12}, kContainer}, {{40, 24}, kContainer},
                      {{0, 0}, kContainer}, {{1, 0}, kContainer}, {{0, 1}, kContainer}, {{1, 1}, kContainer},
                      {{85, 23}, kContainer}, {{86, 24}, kContainer}},
                     c.name);
    }
}

TEST(XPFacePixels, TinyRectanglesDrawWithinBounds) {
    for (const Rect r : {Rect{0, 0, 0, 0}, Rect{0, 0, 1, 1}, Rect{0, 0, 4, 3}, Rect{0, 0, 7, 9}, Rect{5, 5, 2, 2}}) {
        for (std::int16_t scheme = 0; scheme < 3; ++scheme) {
            TracedPixelCanvas canvas(10, 10);
            const XPFaceInput in = Input(scheme, FastPrimitives::Avoid);
            DrawXPButtonDefault(canvas, r, in);
            DrawXPButtonPressed(canvas, r, in);
            DrawXPButtonFocusRect(canvas, r, in);
            DrawXPButtonMouseOver(canvas, r, in);
            DrawXPButtonDisabled(canvas, r, in);
            for (const auto& call : canvas.CallsNamed("FillRect"))
                EXPECT_FALSE(call.rect.IsEmpty()) << "an inverted fill for " << r.right << "x" << r.bottom;
        }
    }
}

}  // namespace
}  // namespace brixel
