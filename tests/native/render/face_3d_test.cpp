#include "render/face_3d.h"
#include "render/face_background.h"

#include "traced_pixel_canvas.h"
#include "paint_model_support.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

constexpr Rgb kUpper{250, 250, 250};
constexpr Rgb kLower{128, 128, 128};
constexpr Rgb kBack{200, 200, 190};
constexpr Rgb kDownBack{90, 180, 90};

Art BevelArt(const TracedPixelCanvas& canvas) {
    return canvas.Art({{kUpper, 'U'}, {kLower, 'L'}, {kBlack, 'K'}, {kUntouched, '.'}, {kBack, 'B'}, {kDownBack, 'D'}});
}

struct BevelCase {
    const char* name;
    bool pressed;
    BevelLook look;
    Size size;
    Art expected;
};

// U upper shade, L lower shade, K black, . untouched.
TEST(Bevel, RaisedAndPressedPixels) {
    const BevelCase cases[] = {
        {"raised, width 1: black shadow outside the lower shade", false, {1, kUpper, kLower, false, false}, {7, 6},
         {"UUUUUUK", "U....LK", "U....LK", "U....LK", "ULLLLLK", "KKKKKKK"}},
        {"raised cool, width 2: no black, the lower shade reaches the edge", false, {2, kUpper, kLower, true, false},
         {7, 6}, {"UUUUUUL", "UUUUULL", "UU...LL", "UU...LL", "ULLLLLL", "LLLLLLL"}},
        {"raised default button: black frame, bevel one pixel in", false, {1, kUpper, kLower, false, true}, {8, 7},
         {"KKKKKKKK", "KUUUUUKK", "KU...LKK", "KU...LKK", "KULLLLKK", "KKKKKKKK", "KKKKKKKK"}},
        {"pressed, width 1: black along the top and left", true, {1, kUpper, kLower, false, false}, {7, 6},
         {"KKKKKKK", "KLLLLLU", "KL....U", "KL....U", "KL....U", "KUUUUUU"}},
        {"pressed cool, width 2", true, {2, kUpper, kLower, true, false}, {7, 6},
         {"LLLLLLL", "LLLLLLU", "LL...UU", "LL...UU", "LLUUUUU", "LUUUUUU"}},
        {"pressed default button", true, {1, kUpper, kLower, false, true}, {8, 7},
         {"KKKKKKKK", "KKKKKKKK", "KKLLLLUK", "KKL...UK", "KKL...UK", "KKUUUUUK", "KKKKKKKK"}},
        {"raised, width 0: nothing", false, {0, kUpper, kLower, false, false}, {4, 3}, {"....", "....", "...."}},
        {"pressed, width 0: nothing", true, {0, kUpper, kLower, false, false}, {4, 3}, {"....", "....", "...."}},
        {"raised default button, width 0: only the frame", false, {0, kUpper, kLower, false, true}, {4, 4},
         {"KKKK", "K..K", "K..K", "KKKK"}},
        {"pressed default button, width 0: only the frame", true, {0, kUpper, kLower, false, true}, {4, 4},
         {"KKKK", "K..K", "K..K", "KKKK"}},
    };
    for (const auto& c : cases) {
        TracedPixelCanvas canvas(c.size.width, c.size.height);
        const Rect r{0, 0, c.size.width, c.size.height};
        if (c.pressed) {
            DrawPressedButton(canvas, r, c.look);
        } else {
            DrawRaisedButton(canvas, r, c.look);
        }
        EXPECT_EQ(BevelArt(canvas), c.expected) << c.name << "\n" << Show(BevelArt(canvas));
    }
}

TEST(Bevel, WidthWiderThanThePartStaysInsideIt) {
    // A split button's narrow menu part: a wide bevel must not reach the
    // main part beside it, and a huge one costs no more than the part's size.
    for (const bool pressed : {false, true}) {
        for (const int width : {7, 12, 32767}) {
            TracedPixelCanvas canvas(20, 30);
            const Rect part{5, 5, 14, 25};  // 9 x 20
            const BevelLook look{width, kUpper, kLower, false, true};
            if (pressed) {
                DrawPressedButton(canvas, part, look);
            } else {
                DrawRaisedButton(canvas, part, look);
            }
            const Art art = BevelArt(canvas);
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 20; ++x) {
                    const bool inside = x >= part.left && x < part.right && y >= part.top && y < part.bottom;
                    if (inside) continue;
                    EXPECT_EQ(art[y][x], '.') << pressed << " width " << width << " at " << x << "," << y;
                }
            EXPECT_LE(canvas.calls.size(), 100u) << pressed << " width " << width;
        }
    }
}

TEST(Bevel, EachLookIsWipedByItsRemoval) {
    // Over a face in the back colour, drawing a look and then removing it
    // must leave nothing but the back colour (the default frame aside).
    for (const bool cool : {false, true}) {
        for (const int width : {1, 3}) {
            for (const BevelForm form : {BevelForm::Raised, BevelForm::Pressed}) {
                PaintModel m = DefaultModel();
                m.props.Appearance = kvn3D;
                m.props.BackColor = 0xBEC8C8;  // kBack
                m.props.Bevel = static_cast<std::int16_t>(width);
                m.props.CoolButton = cool;
                TracedPixelCanvas canvas(10, 8);
                const Rect r{0, 0, 10, 8};
                canvas.FillRect(r, Brush::Solid(kBack));
                const BevelLook look = BevelOf(m);
                if (form == BevelForm::Raised) {
                    DrawRaisedButton(canvas, r, look);
                } else {
                    DrawPressedButton(canvas, r, look);
                }
                Remove3DBorder(canvas, r, form, m);
                EXPECT_EQ(BevelArt(canvas), Art(8, std::string(10, 'B')))
                    << "cool " << cool << " width " << width << " form " << int(form) << "\n"
                    << Show(BevelArt(canvas));
            }
        }
    }
}

PaintModel ThreeD() {
    PaintModel m = DefaultModel();
    m.props.Appearance = kvn3D;
    m.props.BackColor = 0xBEC8C8;  // kBack
    m.props.DownBackColor = 0x5AB45A;  // kDownBack
    m.props.BevelUpperShade = 0xFAFAFA;
    m.props.BevelLowerShade = 0x808080;
    m.props.Bevel = 1;
    return m;
}

void SplitButton(PaintModel& m) {
    m.props.Menu = true;
    m.props.MenuButtonStyle = kvnMenuButtonStylePushButtonAndDropDown;
    m.props.MenuButtonWidth = 5;
}

struct LookCase {
    const char* name;
    void (*setup)(PaintModel&);
    bool after_click;
    Background3DLook expected;
};

TEST(FillTheBackground, ChoosesThe3DLookByState) {
    const LookCase cases[] = {
        {"at rest", [](PaintModel&) {}, false, Background3DLook::None},
        {"after a click: released", [](PaintModel&) {}, true, Background3DLook::Released},
        {"held down", [](PaintModel& m) { m.state.pressed = true; }, true, Background3DLook::Pressed},
        {"latched toggle", [](PaintModel& m) {
             m.props.ToggleButton = true;
             m.state.toggled = true;
         }, true, Background3DLook::Pressed},
        {"toggled state without ToggleButton is not latched", [](PaintModel& m) { m.state.toggled = true; }, false,
         Background3DLook::None},
        {"drop-down button with its menu open", [](PaintModel& m) {
             m.props.Menu = true;
             m.props.MenuButtonStyle = kvnMenuButtonStyleDropDown;
             m.state.menu_open = true;
         }, false, Background3DLook::Pressed},
        {"split button with its menu open, even while held", [](PaintModel& m) {
             SplitButton(m);
             m.state.menu_open = true;
             m.state.pressed = true;
         }, false, Background3DLook::SplitMenuOpen},
        {"latched toggle wins over the open split menu", [](PaintModel& m) {
             SplitButton(m);
             m.state.menu_open = true;
             m.props.ToggleButton = true;
             m.state.toggled = true;
         }, false, Background3DLook::Pressed},
        {"flat face: no 3D look", [](PaintModel& m) {
             m.props.Appearance = kvnFlat;
             m.state.pressed = true;
         }, true, Background3DLook::None},
        {"3D with the mouse, mouse inside: the 3D face", [](PaintModel& m) {
             m.props.Appearance = kvn3DWithMouse;
             m.state.mouse_in = true;
             m.state.pressed = true;
         }, false, Background3DLook::Pressed},
    };
    for (const auto& c : cases) {
        PaintModel m = ThreeD();
        c.setup(m);
        EXPECT_EQ(Choose3DBackgroundLook(m, c.after_click), c.expected) << c.name;
    }
}

TEST(FillTheBackground, PressedLookShowsTheSunkenBevelOnTheStateColour) {
    PaintModel m = ThreeD();
    m.props.EnableDownProperties = true;
    m.state.pressed = true;
    TracedPixelCanvas canvas(7, 6);
    FillTheBackground(canvas, {0, 0, 7, 6}, false, m);
    EXPECT_EQ(BevelArt(canvas), (Art{"KKKKKKK", "KLLLLLU", "KLDDDDU", "KLDDDDU", "KLDDDDU", "KUUUUUU"}))
        << Show(BevelArt(canvas));
}

TEST(FillTheBackground, CoolPressedLookLeavesTheNormalColourInsideTheBevel) {
    PaintModel m = ThreeD();
    m.props.CoolButton = true;
    m.props.EnableDownProperties = true;
    m.state.pressed = true;
    TracedPixelCanvas canvas(7, 6);
    FillTheBackground(canvas, {0, 0, 7, 6}, false, m);
    EXPECT_EQ(BevelArt(canvas), (Art{"LLLLLLL", "LBBBBBU", "LBDDDDU", "LBDDDDU", "LBDDDDU", "LUUUUUU"}))
        << Show(BevelArt(canvas));
}

TEST(FillTheBackground, ReleasedLookRaisesTheFaceAgain) {
    PaintModel m = ThreeD();
    TracedPixelCanvas canvas(7, 6);
    FillTheBackground(canvas, {0, 0, 7, 6}, true, m);
    EXPECT_EQ(BevelArt(canvas), (Art{"UUUUUUK", "UBBBBLK", "UBBBBLK", "UBBBBLK", "ULLLLLK", "KKKKKKK"}))
        << Show(BevelArt(canvas));
}

TEST(FillTheBackground, OpenSplitMenuSinksOnlyTheMenuPart) {
    PaintModel m = ThreeD();
    SplitButton(m);
    m.props.EnableDownProperties = true;
    m.state.menu_open = true;
    TracedPixelCanvas canvas(12, 6);
    FillTheBackground(canvas, {0, 0, 12, 6}, false, m);
    // Main part 0..6 raised on the normal colour, menu part 7..11 sunk on the down colour.
    EXPECT_EQ(BevelArt(canvas), (Art{"UUUUUUUKKKKK", "UBBBBBBKLLLU", "UBBBBBBKLDDU", "UBBBBBBKLDDU",
                                    "ULLLLLLKLDDU", "KKKKKKKKUUUU"}))
        << Show(BevelArt(canvas));
}

TEST(FillTheBackground, OpenSplitMenuPartTakesTheDownThenTheHotThenTheNormalColour) {
    constexpr Rgb kHot{240, 200, 40};
    struct Case {
        const char* name;
        bool enable_down, enable_mouse_in, mouse_in;
        Rgb expected;
    } const cases[] = {
        {"down properties on", true, true, true, kDownBack},
        {"hot properties on, mouse inside", false, true, true, kHot},
        {"hot properties on, mouse outside", false, true, false, kBack},
        {"neither", false, false, true, kBack},
    };
    for (const auto& c : cases) {
        PaintModel m = ThreeD();
        SplitButton(m);
        m.props.MouseInBackColor = 0x28C8F0;  // kHot
        m.props.EnableDownProperties = c.enable_down;
        m.props.EnableMouseInProperties = c.enable_mouse_in;
        m.state.mouse_in = c.mouse_in;
        m.state.menu_open = true;
        TracedPixelCanvas canvas(12, 6);
        FillTheBackground(canvas, {0, 0, 12, 6}, false, m);
        EXPECT_EQ(canvas.At(9, 3), c.expected) << c.name;
        EXPECT_EQ(canvas.At(3, 3), kBack) << c.name << ": the main part keeps the normal colour";
    }
}

TEST(Draw3DState, PicksRaisedOrPressedForTheWholeFaceOrItsParts) {
    struct Case {
        const char* name;
        void (*setup)(PaintModel&);
        Point black_corner;  // pixel black only in the chosen look
        Point not_black;
    } const cases[] = {
        {"at rest: raised", [](PaintModel&) {}, {11, 5}, {0, 0}},
        {"held: pressed", [](PaintModel& m) { m.state.pressed = true; }, {0, 0}, {11, 5}},
        {"latched toggle: pressed", [](PaintModel& m) {
             m.props.ToggleButton = true;
             m.state.toggled = true;
         }, {0, 0}, {11, 5}},
        {"open split menu: main raised, menu pressed", [](PaintModel& m) {
             SplitButton(m);
             m.state.menu_open = true;
         }, {6, 5}, {11, 5}},
    };
    for (const auto& c : cases) {
        PaintModel m = ThreeD();
        c.setup(m);
        TracedPixelCanvas canvas(12, 6);
        Draw3DState(canvas, {0, 0, 12, 6}, m);
        EXPECT_EQ(canvas.At(c.black_corner.x, c.black_corner.y), kBlack) << c.name << "\n" << Show(BevelArt(canvas));
        EXPECT_NE(canvas.At(c.not_black.x, c.not_black.y), kBlack) << c.name << "\n" << Show(BevelArt(canvas));
    }
    // The open split menu's pressed part starts at the menu part's edge.
    PaintModel m = ThreeD();
    SplitButton(m);
    m.state.menu_open = true;
    TracedPixelCanvas canvas(12, 6);
    Draw3DState(canvas, {0, 0, 12, 6}, m);
    EXPECT_EQ(canvas.At(7, 0), kBlack);
    EXPECT_EQ(canvas.At(8, 1), kLower);
}

TEST(Draw3DState, DefaultButtonGetsTheBlackFrame) {
    PaintModel m = ThreeD();
    m.props.ShowDefaultBorder = true;
    m.props.Active = true;
    m.display_as_default = true;
    TracedPixelCanvas canvas(8, 7);
    Draw3DState(canvas, {0, 0, 8, 7}, m);
    EXPECT_EQ(BevelArt(canvas), (Art{"KKKKKKKK", "KUUUUUKK", "KU...LKK", "KU...LKK", "KULLLLKK", "KKKKKKKK",
                                    "KKKKKKKK"}))
        << Show(BevelArt(canvas));
}

}  // namespace
}  // namespace brixel::testing
