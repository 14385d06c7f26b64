#include "menu/popup_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace brixel {
namespace {

constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;

const char* Name(PopupHAlign a) { return a == PopupHAlign::Left ? "Left" : "Right"; }

TEST(PopupWidth, EstimateTakesTheWidestRowWithItsFloor) {
    const std::vector<int> narrow{10, 20};
    const std::vector<int> wide{10, 200};
    EXPECT_EQ(PopupWidthEstimate(narrow, false), 90 + 22);
    EXPECT_EQ(PopupWidthEstimate(wide, false), 200 + 25 + 22);
    EXPECT_EQ(PopupWidthEstimate(wide, true), 200 + 47 + 22);
    EXPECT_EQ(PopupWidthEstimate({}, true), 90 + 22);
    const std::vector<int> at_floor{43};
    EXPECT_EQ(PopupWidthEstimate(at_floor, true), 90 + 22);
}

TEST(PopupWidth, TextsJoinCaptionAndShortcut) {
    MenuItemRecord r(std::int16_t{1});
    r.caption = u"Save";
    EXPECT_TRUE(WidthEstimateText(r) == u"Save");
    EXPECT_TRUE(RowMeasureText(r) == u"Save");
    r.shortcut = u"Ctrl+S";
    EXPECT_TRUE(WidthEstimateText(r) == u"SaveCtrl+S");
    EXPECT_TRUE(RowMeasureText(r) == u"Save  Ctrl+S");
    r.shortcut = u"(None)";
    EXPECT_TRUE(RowMeasureText(r) == u"Save");
}

TEST(PopupRows, WidthAndHeight) {
    EXPECT_EQ(RowWidth(10), 90);
    EXPECT_EQ(RowWidth(43), 90);
    EXPECT_EQ(RowWidth(44), 91);
    EXPECT_EQ(RowHeight(true, 30), 6);
    EXPECT_EQ(RowHeight(false, 15), 20);
    EXPECT_EQ(RowHeight(false, 16), 20);
    EXPECT_EQ(RowHeight(false, 17), 21);
}

TEST(PopupRows, RowSizesGrowWithTheScreensResolution) {
    // The text is measured in a font of the screen's size already.
    EXPECT_EQ(RowWidth(10, 144), 135) << "the floor of 90";
    EXPECT_EQ(RowWidth(100, 144), 100 + 71) << "47 more";
    EXPECT_EQ(RowHeight(true, 30, 144), 9);
    EXPECT_EQ(RowHeight(false, 23, 144), 30) << "below 24 the row is 20 design pixels";
    EXPECT_EQ(RowHeight(false, 24, 144), 30) << "24 + 6";
    EXPECT_EQ(RowHeight(false, 25, 144), 31);
    const std::vector<int> wide{10, 200};
    EXPECT_EQ(PopupWidthEstimate(wide, false, 144), 200 + 38 + 33);
    EXPECT_EQ(PopupWidthEstimate({}, true, 144), 135 + 33);
}

TEST(PopupPlacementTest, Horizontal) {
    struct Row {
        const char* name;
        std::int16_t alignment;
        int left, right, popup_width;
        bool sidebar;
        int x;
        PopupHAlign h;
    } rows[] = {
        {"left, room", kvnMenuAlignmentLeft, 100, 200, 150, false, 100, PopupHAlign::Left},
        {"left, off the left edge", kvnMenuAlignmentLeft, -30, 70, 150, false, 0, PopupHAlign::Left},
        {"left, wide popup at the right edge", kvnMenuAlignmentLeft, 900, 1000, 300, false, kScreenW,
         PopupHAlign::Right},
        {"left, just inside the margin", kvnMenuAlignmentLeft, 853, 900, 150, false, 853, PopupHAlign::Left},
        {"left, touching the margin", kvnMenuAlignmentLeft, 854, 900, 150, false, kScreenW, PopupHAlign::Right},
        {"left, sidebar has no margin", kvnMenuAlignmentLeft, 854, 900, 150, true, 854, PopupHAlign::Left},
        {"right, room", kvnMenuAlignmentRight, 400, 600, 150, false, 600, PopupHAlign::Right},
        {"right, past the screen", kvnMenuAlignmentRight, 1000, 1100, 150, false, kScreenW, PopupHAlign::Right},
        {"right, no room on the left", kvnMenuAlignmentRight, 0, 160, 150, false, 0, PopupHAlign::Left},
        {"right, just enough room", kvnMenuAlignmentRight, 0, 171, 150, false, 171, PopupHAlign::Right},
        {"unknown alignment acts as left", 7, 100, 200, 150, false, 100, PopupHAlign::Left},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PopupPlacement p;
        PlaceHorizontally(row.alignment, {row.left, 10, row.right, 40}, kScreenW, row.popup_width, row.sidebar, p);
        EXPECT_EQ(p.x, row.x);
        EXPECT_STREQ(Name(p.h), Name(row.h));
    }
}

TEST(PopupPlacementTest, Vertical) {
    struct Row {
        const char* name;
        int top, bottom, menu_height;
        int y;
        PopupVAlign v;
    } rows[] = {
        {"room below", 100, 130, 200, 130, PopupVAlign::Top},
        {"just fits below", 100, 130, kScreenH - 130 - 6, 130, PopupVAlign::Top},
        {"bottom edge, room above", 700, 730, 300, 700, PopupVAlign::Bottom},
        {"bottom edge, too little room above", 306, 336, 437, 336, PopupVAlign::Centre},
        {"bottom edge, no room above", 200, 230, 600, 230, PopupVAlign::Centre},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PopupPlacement p;
        PlaceVertically({0, row.top, 50, row.bottom}, kScreenH, row.menu_height, p);
        EXPECT_EQ(p.y, row.y);
        EXPECT_EQ(static_cast<int>(p.v), static_cast<int>(row.v));
    }
}

TEST(PopupPlacementTest, BottomEdgeUsesTheRoomAboveExactly) {
    const MenuRect window{0, 706, 80, 736};
    PopupPlacement p;
    PlaceVertically(window, kScreenH, 700, p);  // 706 >= 700 + 6
    EXPECT_EQ(p.v, PopupVAlign::Bottom);
    PlaceVertically(window, kScreenH, 701, p);  // 706 < 701 + 6
    EXPECT_EQ(p.v, PopupVAlign::Centre);
    EXPECT_EQ(p.y, 736);
}

TEST(PopupPlacementTest, WholePlacementCombinesBothAxes) {
    PlacementInput in;
    in.alignment = kvnMenuAlignmentLeft;
    in.window = {950, 740, 1020, 760};
    in.screen_width = kScreenW;
    in.screen_height = kScreenH;
    in.popup_width = 200;
    in.menu_height = 100;
    const PopupPlacement p = PlacePopup(in);
    EXPECT_EQ(p, (PopupPlacement{kScreenW, 740, PopupHAlign::Right, PopupVAlign::Bottom}));
}

TEST(MenuLoop, SuppressionStaysOnlyForAClickOnTheDropPart) {
    EXPECT_TRUE(KeepDropSuppression(false, false, true));
    EXPECT_FALSE(KeepDropSuppression(true, false, true)) << "auto-drop";
    EXPECT_FALSE(KeepDropSuppression(false, true, true)) << "Escape or Enter";
    EXPECT_FALSE(KeepDropSuppression(false, false, false)) << "clicked elsewhere";
}

TEST(MenuLoop, DropPartDependsOnTheStyle) {
    const MenuRect client{0, 0, 100, 30};
    const MenuRect part{83, 0, 100, 30};
    EXPECT_TRUE(InDropPart(kvnMenuButtonStyleDropDown, client, part, {10, 10}));
    EXPECT_FALSE(InDropPart(kvnMenuButtonStylePushButtonAndDropDown, client, part, {10, 10}));
    EXPECT_TRUE(InDropPart(kvnMenuButtonStylePushButtonAndDropDown, client, part, {83, 10}));
    EXPECT_FALSE(InDropPart(kvnMenuButtonStylePushButtonAndDropDown, client, part, {100, 10})) << "right is exclusive";
    EXPECT_FALSE(InDropPart(kvnMenuButtonStyleDropDown, client, part, {-1, 10}));
}

TEST(AutoDropProbe, PointsSurviveThePackingIncludingNegativeOnes) {
    struct Row {
        const char* name;
        MenuPoint p;
    } rows[] = {{"origin", {0, 0}}, {"ordinary", {640, 480}}, {"left monitor", {-1280, 200}},
                {"above", {300, -20}}, {"both negative", {-1, -1}}, {"large", {32767, 32767}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MenuPoint back = UnpackProbePoint(PackProbePoint(row.p));
        EXPECT_EQ(back.x, row.p.x);
        EXPECT_EQ(back.y, row.p.y);
    }
    EXPECT_EQ(PackProbePoint({0x12, 0x34}), 0x00340012u) << "x low, y high";
}

TEST(AutoDropProbe, EveryConditionIsNeeded) {
    const AutoDropContext ready{true, true, true, true, true, true, true, false, true, true, true};
    EXPECT_TRUE(ShouldAutoDrop(ready));
    AutoDropContext suppressed = ready;
    suppressed.drop_suppressed = true;
    EXPECT_FALSE(ShouldAutoDrop(suppressed));
    bool AutoDropContext::*needed[] = {
        &AutoDropContext::user_mode, &AutoDropContext::menu_auto_drop, &AutoDropContext::active,
        &AutoDropContext::menu, &AutoDropContext::enabled, &AutoDropContext::window_visible,
        &AutoDropContext::active_window_is_own_top_level, &AutoDropContext::has_items,
        &AutoDropContext::any_visible, &AutoDropContext::point_in_drop_part};
    for (auto flag : needed) {
        AutoDropContext off = ready;
        off.*flag = false;
        EXPECT_FALSE(ShouldAutoDrop(off));
    }
}

TEST(MenuHyperlink, AddressRules) {
    EXPECT_TRUE(HyperlinkToOpen(true, u"http://x.invalid", true) == std::u16string(u"http://x.invalid"));
    EXPECT_TRUE(HyperlinkToOpen(true, u"me@x.invalid", true) == std::u16string(u"mailto:me@x.invalid"));
    EXPECT_FALSE(HyperlinkToOpen(false, u"http://x.invalid", true).has_value());
    EXPECT_FALSE(HyperlinkToOpen(true, u"", true).has_value());
    EXPECT_FALSE(HyperlinkToOpen(true, u"http://x.invalid", false).has_value());
}

struct Font {
    std::u16string_view face;
    int height;
    int weight;
    bool italic;
};

TEST(SmallFontCaption, WhichFontsAndCaptionsGetTheLeadingSpace) {
    struct Row {
        const char* name;
        Font font;
        std::u16string_view caption;
        bool expected;
        int dpi = 96;
    } rows[] = {
        {"Arial -11", {u"Arial", -11, 400, false}, u"Workspace", true},
        {"8 points at 144 dpi", {u"Arial", -16, 400, false}, u"Workspace", true, 144},
        {"9 points bold at 144 dpi", {u"Arial", -18, 700, false}, u"Workspace", true, 144},
        {"the 96 dpi height at 144 dpi", {u"Arial", -11, 400, false}, u"Workspace", false, 144},
        {"case of the face ignored", {u"ARIAL", -11, 400, false}, u"Workspace", true},
        {"mnemonic W", {u"Arial", -11, 400, false}, u"&Window", true},
        {"bold -12", {u"Arial", -12, 700, false}, u"Workspace", true},
        {"regular -12", {u"Arial", -12, 400, false}, u"Workspace", false},
        {"italic", {u"Arial", -11, 400, true}, u"Workspace", false},
        {"lower-case w", {u"Arial", -11, 400, false}, u"workspace", false},
        {"other letter", {u"Arial", -11, 400, false}, u"Open", false},
        {"empty caption", {u"Arial", -11, 400, false}, u"", false},
        {"other face", {u"Tahoma", -11, 400, false}, u"Workspace", false},
        {"face prefix only", {u"Arial Black", -11, 400, false}, u"Workspace", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FontDesc desc;
        desc.face = row.font.face;
        desc.weight = static_cast<std::int16_t>(row.font.weight);
        desc.italic = row.font.italic;
        EXPECT_EQ(NeedsLeadingSpace(desc, row.font.height, row.caption, row.dpi), row.expected);
    }
}

TEST(SmallFontCaption, LayoutWidensTheLeadingSide) {
    FontDesc arial;
    arial.face = u"Arial";
    const MenuRect t{28, 0, 120, 20};
    const CaptionLayout ltr = LayoutCaption(arial, -11, u"Workspace", t, false);
    EXPECT_TRUE(ltr.caption == u" Workspace");
    EXPECT_EQ(ltr.text_rect, (MenuRect{26, 0, 120, 20}));
    const CaptionLayout rtl = LayoutCaption(arial, -11, u"Workspace", t, true);
    EXPECT_EQ(rtl.text_rect, (MenuRect{28, 0, 122, 20}));
    const CaptionLayout plain = LayoutCaption(arial, -11, u"Open", t, false);
    EXPECT_TRUE(plain.caption == u"Open");
    EXPECT_EQ(plain.text_rect, t);
}

}  // namespace
}  // namespace brixel
