#include "render/menu_entry.h"

#include "traced_pixel_canvas.h"
#include "text_canvas.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

constexpr Rect kEntry{0, 0, 120, 20};

MenuEntryModel Model() {
    MenuEntryModel m;
    m.caption = u"Open";
    m.colours = MenuEntryColours{{250, 250, 250}, {200, 200, 220}, {128, 128, 128}, {10, 10, 10},
                                 {180, 200, 240}, {0, 0, 90},      {140, 140, 140}, {212, 208, 200},
                                 {255, 255, 254}, {64, 64, 64}};
    m.font = FontRef{7};
    return m;
}

// Text metrics of the fake: 6 pixels per character.
class EntryCanvas : public TextCanvas {
public:
    Size picture_size{16, 16};
    Size PicturePixelSize(const PictureRef&) const override { return picture_size; }
};

TEST(MenuEntryLayout, StripContentTextAndPictureCell) {
    struct Case {
        const char* name;
        bool sidebar, rtl;
        MenuEntryGeometry g;
    };
    const Case cases[] = {
        {"plain", false, false, {{0, 0, 22, 20}, {0, 0, 120, 20}, {6, 0, 126, 20}, {1, 1, 21, 19}}},
        {"sidebar", true, false, {{0, 0, 22, 20}, {22, 0, 120, 20}, {28, 0, 126, 20}, {1, 1, 21, 19}}},
        {"plain right-to-left", false, true, {{98, 0, 120, 20}, {0, 0, 120, 20}, {-6, 0, 114, 20}, {99, 1, 119, 19}}},
        {"sidebar right-to-left", true, true, {{98, 0, 120, 20}, {0, 0, 98, 20}, {-6, 0, 92, 20}, {99, 1, 119, 19}}},
    };
    for (const auto& c : cases) {
        const MenuEntryGeometry g = LayoutMenuEntry(kEntry, c.sidebar, c.rtl);
        EXPECT_EQ(g.strip, c.g.strip) << c.name;
        EXPECT_EQ(g.content, c.g.content) << c.name;
        EXPECT_EQ(g.text, c.g.text) << c.name;
        EXPECT_EQ(g.picture_cell, c.g.picture_cell) << c.name;
    }
}

TEST(MenuEntryPaint, WholeEntryFillsBackgroundAndSidebar) {
    MenuEntryModel m = Model();
    m.sidebar = true;
    TracedPixelCanvas canvas(120, 20);
    DrawMenuEntry(canvas, kEntry, m, true, false);
    EXPECT_EQ(canvas.At(0, 0), m.colours.sidebar);
    EXPECT_EQ(canvas.At(21, 19), m.colours.sidebar);
    EXPECT_EQ(canvas.At(22, 0), m.colours.back);
    EXPECT_EQ(canvas.At(119, 19), m.colours.back);
}

// Which colour the caption and shortcut take, by the kind of drawing and
// whether the entry is enabled.
TEST(MenuEntryPaint, TextColours) {
    struct Case {
        const char* name;
        bool whole, selected, enabled;
        Rgb MenuEntryColours::*expected;
    };
    const Case cases[] = {
        {"whole", true, false, true, &MenuEntryColours::font},
        {"whole and selected ends in the selection colour", true, true, true, &MenuEntryColours::selection_font},
        {"highlight", false, true, true, &MenuEntryColours::selection_font},
        {"un-highlight", false, false, true, &MenuEntryColours::font},
        {"disabled whole", true, false, false, &MenuEntryColours::grey_text},
        {"disabled highlight", false, true, false, &MenuEntryColours::grey_text},
        {"disabled un-highlight", false, false, false, &MenuEntryColours::grey_text},
    };
    for (const auto& c : cases) {
        MenuEntryModel m = Model();
        m.shortcut = u"Ctrl+O";
        m.enabled = c.enabled;
        EntryCanvas canvas;
        DrawMenuEntry(canvas, kEntry, m, c.whole, c.selected);
        ASSERT_GE(canvas.texts.size(), 2u) << c.name;
        const auto& caption = canvas.texts[canvas.texts.size() - 2];
        const auto& shortcut = canvas.texts.back();
        EXPECT_EQ(caption.text, u"Open") << c.name;
        EXPECT_EQ(caption.colour, m.colours.*c.expected) << c.name;
        EXPECT_EQ(shortcut.text, u"Ctrl+O") << c.name;
        EXPECT_EQ(shortcut.colour, m.colours.*c.expected) << c.name;
    }
}

TEST(MenuEntryPaint, HighlightFramesInNavyAndFillsInside) {
    MenuEntryModel m = Model();
    m.sidebar = true;
    EntryCanvas canvas;
    DrawMenuEntry(canvas, kEntry, m, false, true);
    const auto frames = canvas.CallsNamed("FrameRect");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].rect, kEntry);
    EXPECT_EQ(frames[0].colour, (Rgb{0, 0, 128}));
    const auto fills = canvas.CallsNamed("FillRect");
    ASSERT_FALSE(fills.empty());
    // The highlight covers the icon strip too.
    EXPECT_EQ(fills[0].rect, (Rect{1, 1, 119, 19}));
    EXPECT_EQ(fills[0].colour, m.colours.selection_back);
}

TEST(MenuEntryPaint, UnhighlightRestoresStripAndContent) {
    MenuEntryModel m = Model();
    m.sidebar = true;
    TracedPixelCanvas canvas(120, 20);
    DrawMenuEntry(canvas, kEntry, m, false, true);
    DrawMenuEntry(canvas, kEntry, m, false, false);
    for (int x : {0, 21}) EXPECT_EQ(canvas.At(x, 0), m.colours.sidebar) << x;
    for (int x : {22, 60, 119}) EXPECT_EQ(canvas.At(x, 19), m.colours.back) << x;
}

TEST(MenuEntryPaint, ShortcutBoxSitsTwentyPixelsInsideTheTrailingEdge) {
    struct Case {
        const char* name;
        bool sidebar, rtl;
        Rect box;
    };
    // "Ctrl+O" measures 36 pixels in the fake.
    const Case cases[] = {
        {"plain", false, false, {70, 0, 106, 20}},
        {"sidebar", true, false, {70, 0, 106, 20}},
        {"right-to-left: from the entry's left edge", true, true, {20, 0, 56, 20}},
    };
    for (const auto& c : cases) {
        MenuEntryModel m = Model();
        m.shortcut = u"Ctrl+O";
        m.sidebar = c.sidebar;
        m.right_to_left = c.rtl;
        EntryCanvas canvas;
        DrawMenuEntry(canvas, kEntry, m, true, false);
        ASSERT_EQ(canvas.texts.size(), 2u) << c.name;
        EXPECT_EQ(canvas.texts[1].bounds, c.box) << c.name;
        const std::uint32_t caption_align = c.rtl ? kTextRight : kTextLeft;
        EXPECT_EQ(canvas.texts[0].format, kTextSingleLine | kTextVCenter | caption_align) << c.name;
    }
}

TEST(MenuEntryPaint, NoShortcutTextDrawsTheCaptionOnly) {
    EntryCanvas canvas;
    DrawMenuEntry(canvas, kEntry, Model(), true, false);
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].bounds, (Rect{6, 0, 126, 20}));
}

TEST(MenuEntryPaint, LeadingSpaceWidensTheLeadingSide) {
    struct Case {
        const char* name;
        bool rtl;
        Rect box;
    };
    const Case cases[] = {
        {"left to right", false, {4, 0, 126, 20}},
        {"right to left", true, {-6, 0, 116, 20}},
    };
    for (const auto& c : cases) {
        MenuEntryModel m = Model();
        m.caption = u"Workspace";
        m.leading_space = true;
        m.right_to_left = c.rtl;
        EntryCanvas canvas;
        DrawMenuEntry(canvas, kEntry, m, true, false);
        ASSERT_EQ(canvas.texts.size(), 1u) << c.name;
        EXPECT_EQ(canvas.texts[0].text, u" Workspace") << c.name;
        EXPECT_EQ(canvas.texts[0].bounds, c.box) << c.name;
    }
}

TEST(MenuEntryPaint, LeadingSpaceWidensByTwoPixelsAtTheScreensResolution) {
    for (const int dpi : {96, 144}) {
        Rect boxes[2];
        for (const bool leading : {false, true}) {
            MenuEntryModel m = Model();
            m.dpi = dpi;
            m.caption = u"Workspace";
            m.leading_space = leading;
            EntryCanvas canvas;
            DrawMenuEntry(canvas, kEntry, m, true, false);
            ASSERT_EQ(canvas.texts.size(), 1u);
            boxes[leading ? 1 : 0] = canvas.texts[0].bounds;
        }
        EXPECT_EQ(boxes[0].left - boxes[1].left, dpi == 96 ? 2 : 3) << dpi << " dpi";
        EXPECT_EQ(boxes[0].right, boxes[1].right) << dpi << " dpi";
    }
}

TEST(MenuEntryPaint, SeparatorIsOneLineAndNeverSelected) {
    struct Case {
        const char* name;
        bool sidebar, rtl;
        Rect line;  // from and to as left/top, right/bottom
    };
    const Case cases[] = {
        {"plain", false, false, {3, 3, 118, 3}},
        {"sidebar", true, false, {25, 3, 118, 3}},
        {"sidebar right-to-left", true, true, {2, 3, 95, 3}},
    };
    for (const auto& c : cases) {
        MenuEntryModel m = Model();
        m.separator = true;
        m.sidebar = c.sidebar;
        m.right_to_left = c.rtl;
        m.picture = PictureRef{PictureKind::Icon, 1, {}};
        EntryCanvas canvas;
        DrawMenuEntry(canvas, Rect{0, 0, 120, 6}, m, true, true);
        const auto lines = canvas.CallsNamed("DrawLine");
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(lines[0].rect, c.line) << c.name;
        EXPECT_EQ(lines[0].colour, m.colours.separator) << c.name;
        EXPECT_TRUE(canvas.texts.empty()) << c.name;
        EXPECT_TRUE(canvas.CallsNamed("FrameRect").empty()) << c.name;
        EXPECT_TRUE(canvas.CallsNamed("DrawIcon").empty()) << c.name;
    }
    // A selection change alone paints nothing on a separator.
    MenuEntryModel m = Model();
    m.separator = true;
    EntryCanvas canvas;
    DrawMenuEntry(canvas, Rect{0, 0, 120, 6}, m, false, true);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(MenuEntryLayout, StripAndIndentGrowWithTheScreensResolution) {
    const Rect entry{0, 0, 180, 30};
    const MenuEntryGeometry g = LayoutMenuEntry(entry, true, false, 144);
    EXPECT_EQ(g.strip, (Rect{0, 0, 33, 30}));
    EXPECT_EQ(g.content, (Rect{33, 0, 180, 30}));
    EXPECT_EQ(g.text, (Rect{42, 0, 189, 30}));
    EXPECT_EQ(g.picture_cell, (Rect{2, 2, 31, 28}));
}

TEST(MenuEntryPaint, SeparatorAt144DpiIsTwoRowsThickFiveRowsDown) {
    MenuEntryModel m = Model();
    m.separator = true;
    m.dpi = 144;
    EntryCanvas canvas;
    DrawMenuEntry(canvas, Rect{0, 0, 180, 9}, m, true, false);
    const auto lines = canvas.CallsNamed("DrawLine");
    ASSERT_EQ(lines.size(), 2u);
    // Three design pixels down is 4.5, rounded to 5; one thick is two rows.
    EXPECT_EQ(lines[0].rect, (Rect{5, 5, 177, 5}));
    EXPECT_EQ(lines[1].rect, (Rect{5, 6, 177, 6}));
}

TEST(MenuEntryPaint, PictureOnlyWithSidebarCentredAndClippedToTheCell) {
    struct Case {
        const char* name;
        bool sidebar, rtl;
        Size size;
        int icons;
        Rect dest;
    };
    const Case cases[] = {
        {"no sidebar: no picture", false, false, {16, 16}, 0, {}},
        {"centred in the cell", true, false, {16, 16}, 1, {3, 2, 19, 18}},
        {"larger than the cell, still centred", true, false, {32, 32}, 1, {-5, -6, 27, 26}},
        {"right-to-left cell", true, true, {16, 16}, 1, {101, 2, 117, 18}},
    };
    for (const auto& c : cases) {
        MenuEntryModel m = Model();
        m.sidebar = c.sidebar;
        m.right_to_left = c.rtl;
        m.picture = PictureRef{PictureKind::Icon, 1, {}};
        EntryCanvas canvas;
        canvas.picture_size = c.size;
        DrawMenuEntry(canvas, kEntry, m, true, false);
        const auto icons = canvas.CallsNamed("DrawIcon");
        ASSERT_EQ(static_cast<int>(icons.size()), c.icons) << c.name;
        if (c.icons == 0) continue;
        EXPECT_EQ(icons[0].rect, c.dest) << c.name;
        const auto clips = canvas.CallsNamed("PushClip");
        ASSERT_EQ(clips.size(), 1u) << c.name;
        EXPECT_EQ(clips[0].rect, LayoutMenuEntry(kEntry, true, c.rtl).picture_cell) << c.name;
    }
}

TEST(MenuEntryPaint, DisabledBitmapIsEmbossedOnTheButtonFace) {
    MenuEntryModel m = Model();
    m.sidebar = true;
    m.enabled = false;
    m.picture = PictureRef{PictureKind::Bitmap, 1, {}};
    EntryCanvas canvas;
    DrawMenuEntry(canvas, kEntry, m, true, false);
    bool face_patch = false;
    for (const auto& fill : canvas.CallsNamed("FillRect")) {
        face_patch |= fill.rect == (Rect{1, 1, 21, 19}) && fill.colour == m.colours.button_face;
    }
    EXPECT_TRUE(face_patch) << canvas.Transcript();
}

}  // namespace
}  // namespace brixel::testing
