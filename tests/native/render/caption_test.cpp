#include "render/caption.h"

#include "paint_model_support.h"
#include "text_canvas.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

constexpr std::uint32_t kPlacement = kTextLeft | kTextCenter | kTextRight | kTextTop | kTextVCenter | kTextBottom;

PaintModel FlatModel() {
    PaintModel m = DefaultModel();
    m.props.Appearance = kvnFlat;
    m.props.CaptionMargins = u"6;6;6;6";
    return m;
}

const TextCall& OnlyText(const TextCanvas& canvas) {
    EXPECT_EQ(canvas.texts.size(), 1u) << canvas.Transcript();
    static const TextCall none{};
    return canvas.texts.empty() ? none : canvas.texts.front();
}

TEST(Caption, SingleLinePlacementFollowsBothAlignmentsWithinTheMargins) {
    struct Case {
        const char* name;
        std::int16_t h, v;
        std::uint32_t placement;
    };
    const Case cases[] = {
        {"left top", kvnLeftJustify, kvnTopJustify, kTextLeft | kTextTop},
        {"right bottom", kvnRightJustify, kvnBottomJustify, kTextRight | kTextBottom},
        {"centred", kvnHCenter, kvnVCenter, kTextCenter | kTextVCenter},
        {"unknown values draw left and top", 7, 9, kTextLeft | kTextTop},
    };
    for (const auto& c : cases) {
        PaintModel m = FlatModel();
        m.props.CaptionHAlignment = c.h;
        m.props.CaptionVAlignment = c.v;
        m.props.CaptionMargins = u"2;3;4;5";
        TextCanvas canvas;
        DrawButtonCaption(canvas, kClient, m);
        const TextCall& t = OnlyText(canvas);
        EXPECT_EQ(t.bounds, (Rect{2, 3, 83, 20})) << c.name;
        EXPECT_EQ(t.format & kPlacement, c.placement) << c.name;
        EXPECT_TRUE(t.format & kTextSingleLine) << c.name;
        EXPECT_FALSE(t.format & kTextNoPrefix) << c.name << ": ampersands mark the mnemonic";
        EXPECT_EQ(t.text, u"OK") << c.name;
    }
}

TEST(Caption, StateFontAndColourComeFromTheStateInForce) {
    struct Case {
        const char* name;
        bool enabled, pressed, mouse_in;
        FontRef font;
        OleColor colour;
    };
    const Case cases[] = {
        {"normal", true, false, false, kNormalFont, 0x000001},
        {"mouse inside", true, false, true, kMouseInFont, 0x000002},
        {"pressed", true, true, true, kDownFont, 0x000003},
        {"disabled flat face", false, false, false, kDisabledFont, 0x000004},
    };
    for (const auto& c : cases) {
        PaintModel m = FlatModel();
        m.props.FontColor = 0x000001;
        m.props.MouseInFontColor = 0x000002;
        m.props.DownFontColor = 0x000003;
        m.props.DisabledFontColor = 0x000004;
        m.props.Enabled = c.enabled;
        m.state.pressed = c.pressed;
        m.state.mouse_in = c.mouse_in;
        TextCanvas canvas;
        DrawButtonCaption(canvas, kClient, m);
        const TextCall& t = OnlyText(canvas);
        EXPECT_EQ(t.op, "DrawText") << c.name;
        EXPECT_EQ(t.font, c.font) << c.name;
        EXPECT_EQ(t.colour, (Rgb{static_cast<std::uint8_t>(c.colour), 0, 0})) << c.name;
    }
}

TEST(Caption, WrappedBlockIsCentredVerticallyWhateverTheVerticalAlignment) {
    for (const std::int16_t v : {kvnTopJustify, kvnBottomJustify, kvnVCenter}) {
        PaintModel m = FlatModel();
        m.props.CaptionWrap = true;
        m.props.CaptionVAlignment = v;
        m.props.CaptionHAlignment = kvnRightJustify;
        m.props.Caption = u"one two three four five";  // 88 px lines: "one two three" / "four five"
        TextCanvas canvas;
        DrawButtonCaption(canvas, {0, 0, 100, 60}, m);
        const TextCall& t = OnlyText(canvas);
        // Box 6..54 (48 high), block 26 high: top at 6 + 11.
        EXPECT_EQ(t.bounds, (Rect{6, 17, 94, 43})) << v;
        EXPECT_EQ(t.format & kPlacement, kTextRight) << v;
        EXPECT_TRUE(t.format & kTextWordBreak) << v;
        EXPECT_FALSE(t.format & kTextSingleLine) << v;
        EXPECT_EQ(canvas.Ops(), (std::vector<std::string>{"PushClip", "DrawText", "PopClip"})) << v;
        EXPECT_EQ(canvas.calls.front().rect, (Rect{6, 6, 94, 54})) << v;
    }
}

TEST(Caption, WrappedBlockTallerThanTheBoxStartsAboveItAndIsClipped) {
    PaintModel m = FlatModel();
    m.props.CaptionWrap = true;
    m.props.Caption = u"aaaa bbbb cccc dddd";  // four lines in a 30 px box
    TextCanvas canvas;
    DrawButtonCaption(canvas, {0, 0, 42, 25}, m);
    const TextCall& t = OnlyText(canvas);
    EXPECT_EQ(t.bounds, (Rect{6, 6 + (13 - 52) / 2, 36, 6 + (13 - 52) / 2 + 52}));
    EXPECT_EQ(canvas.calls.front().rect, (Rect{6, 6, 36, 19}));
}

TEST(Caption, SmallArialStartingWithWIsDrawnOneBlankInWithTheLeftMarginLess) {
    struct Case {
        const char* name;
        FontDescription font;
        std::u16string caption;
        std::int16_t h;
        bool special;
    };
    const Case cases[] = {
        {"8 point Arial", {u"Arial", -11, 400, false}, u"Wide", kvnLeftJustify, true},
        {"face compared without case", {u"aRIAL", -11, 400, false}, u"Wide", kvnLeftJustify, true},
        {"9 point bold Arial", {u"Arial", -12, 700, false}, u"Wide", kvnLeftJustify, true},
        {"9 point regular Arial", {u"Arial", -12, 400, false}, u"Wide", kvnLeftJustify, false},
        {"italic", {u"Arial", -11, 400, true}, u"Wide", kvnLeftJustify, false},
        {"lower-case w", {u"Arial", -11, 400, false}, u"wide", kvnLeftJustify, false},
        {"centred", {u"Arial", -11, 400, false}, u"Wide", kvnHCenter, false},
        {"another face", {u"Arial Black", -11, 400, false}, u"Wide", kvnLeftJustify, false},
        {"empty caption", {u"Arial", -11, 400, false}, u"", kvnLeftJustify, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetTheFontSpecialCase(c.font, c.caption, c.h), c.special) << c.name;
        if (c.caption.empty()) continue;
        PaintModel m = FlatModel();
        m.props.Caption = c.caption;
        m.props.CaptionHAlignment = c.h;
        TextCanvas canvas;
        canvas.fonts[kNormalFont.value] = c.font;
        DrawButtonCaption(canvas, kClient, m);
        const TextCall& t = OnlyText(canvas);
        EXPECT_EQ(t.text, c.special ? u" " + c.caption : c.caption) << c.name;
        EXPECT_EQ(t.bounds.left, c.special ? 4 : 6) << c.name;
    }
}

TEST(Caption, SmallArialRuleNamesSizesThatGrowWithTheScreensResolution) {
    struct Case {
        const char* name;
        int height, weight, dpi;
        bool special;
    };
    const Case cases[] = {
        {"8 points at 144 dpi", -16, 400, 144, true},
        {"8.25 points at 144 dpi", -17, 400, 144, true},
        {"9 points bold at 144 dpi", -18, 700, 144, true},
        {"9 points regular at 144 dpi", -18, 400, 144, false},
        {"the 96 dpi height at 144 dpi", -11, 400, 144, false},
        {"8 points at 120 dpi", -13, 400, 120, true},
        {"7 points at 120 dpi", -12, 400, 120, false},
        {"10 points at 144 dpi", -20, 400, 144, false},
        {"no resolution is 96 dpi", -11, 400, 0, true},
    };
    for (const auto& c : cases) {
        const FontDescription font{u"Arial", c.height, c.weight, false};
        EXPECT_EQ(GetTheFontSpecialCase(font, u"Wide", kvnLeftJustify, c.dpi), c.special) << c.name;
    }
    PaintModel m = FlatModel();
    m.props.Caption = u"Wide";
    m.props.CaptionHAlignment = kvnLeftJustify;
    m.dpi = 144;
    TextCanvas canvas;
    canvas.fonts[kNormalFont.value] = {u"Arial", -16, 400, false};
    DrawButtonCaption(canvas, kClient, m);
    const TextCall& t = OnlyText(canvas);
    EXPECT_EQ(t.text, u" Wide");
    EXPECT_EQ(t.bounds.left, 3) << "the left margin 3 pixels smaller at 144 dpi";
}

TEST(Caption, ShownHyperlinkDrawsTheAddressUnderlinedAndLiterally) {
    struct Case {
        const char* name;
        bool hyperlink, show;
        std::u16string address;
        std::u16string text;
        bool underlined;
    };
    const Case cases[] = {
        {"shown", true, true, u"a.htm?x=1&y=2", u"a.htm?x=1&y=2", true},
        {"not shown", true, false, u"a.htm", u"&Go", false},
        {"no hyperlink", false, true, u"a.htm", u"&Go", false},
        {"empty address", true, true, u"", u"&Go", false},
    };
    for (const auto& c : cases) {
        PaintModel m = FlatModel();
        m.props.Caption = u"&Go";
        m.props.Hyperlink = c.hyperlink;
        m.props.ShowHyperlink = c.show;
        m.props.HyperlinkAddress = c.address;
        TextCanvas canvas;
        DrawButtonCaption(canvas, kClient, m);
        const TextCall& t = OnlyText(canvas);
        EXPECT_EQ(t.text, c.text) << c.name;
        EXPECT_EQ(t.font.value, kNormalFont.value + (c.underlined ? kUnderlinedOffset : 0)) << c.name;
        EXPECT_EQ(bool(t.format & kTextNoPrefix), c.underlined) << c.name;
    }
}

TEST(Caption, HyperlinkWithoutAnUnderlinedFontFallsBackToTheStateFont) {
    struct NoUnderline : TextCanvas {
        std::unique_ptr<OwnedFont> CreateUnderlinedFont(FontRef) const override { return nullptr; }
    };
    PaintModel m = FlatModel();
    m.props.Hyperlink = m.props.ShowHyperlink = true;
    m.props.HyperlinkAddress = u"a.htm";
    NoUnderline canvas;
    DrawButtonCaption(canvas, kClient, m);
    EXPECT_EQ(OnlyText(canvas).font, kNormalFont);
}

TEST(Caption, DisabledThreeDFaceEmbossesTheSingleLineCentredVertically) {
    struct Case {
        const char* name;
        std::int16_t h, v;
        Point origin;
    };
    // "OK" is 12 x 13 in the 75 x 13 box at 6,6.
    const Case cases[] = {
        {"left", kvnLeftJustify, kvnTopJustify, {6, 6}},
        {"right", kvnRightJustify, kvnBottomJustify, {69, 6}},
        {"centred", kvnHCenter, kvnTopJustify, {6 + (75 - 12) / 2, 6}},
    };
    for (const auto& c : cases) {
        PaintModel m = FlatModel();
        m.props.Appearance = kvn3D;
        m.props.Enabled = false;
        m.props.CaptionHAlignment = c.h;
        m.props.CaptionVAlignment = c.v;
        TextCanvas canvas;
        DrawButtonCaption(canvas, kClient, m);
        const TextCall& t = OnlyText(canvas);
        EXPECT_EQ(t.op, "DrawDisabledText") << c.name;
        EXPECT_EQ(t.origin, c.origin) << c.name;
        EXPECT_EQ(t.font, kDisabledFont) << c.name;
    }
}

TEST(Caption, DisabledThreeDFaceEmbossesWrappedTextHighlightFirstThenShadow) {
    PaintModel m = FlatModel();
    m.props.Appearance = kvn3D;
    m.props.Enabled = false;
    m.props.CaptionWrap = true;
    m.props.Caption = u"one two three four five";
    TextCanvas canvas;
    DrawButtonCaption(canvas, {0, 0, 100, 60}, m);
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].colour, (Rgb{20, 20, 20}));  // button highlight
    EXPECT_EQ(canvas.texts[0].bounds, (Rect{7, 18, 95, 44}));
    EXPECT_EQ(canvas.texts[1].colour, (Rgb{16, 16, 16}));  // button shadow
    EXPECT_EQ(canvas.texts[1].bounds, (Rect{6, 17, 94, 43}));
}

TEST(Caption, NothingIsDrawnWhereTheMarginsLeaveNoRoom) {
    struct Case {
        const char* name;
        bool split;
        std::int16_t alignment;
        std::u16string margins;
        std::u16string caption;
        bool drawn;
    };
    // 40 px wide; a split button's 17 px menu part leaves a 23 px main part.
    const Case cases[] = {
        {"plain button, ordinary margins", false, kvnMenuButtonAlignmentRight, u"6;6;6;6", u"OK", true},
        {"plain button, margins wider than the face", false, kvnMenuButtonAlignmentRight, u"30;6;30;6", u"OK", false},
        {"plain button, margins taller than the face", false, kvnMenuButtonAlignmentRight, u"6;20;6;20", u"OK", false},
        {"split, menu right, room left", true, kvnMenuButtonAlignmentRight, u"6;6;6;6", u"OK", true},
        {"split, menu right, right margin past the main part", true, kvnMenuButtonAlignmentRight, u"-30;6;30;6",
         u"OK", false},
        {"split, menu left, left margin past the main part", true, kvnMenuButtonAlignmentLeft, u"30;6;-30;6", u"OK",
         false},
        {"empty caption", false, kvnMenuButtonAlignmentRight, u"6;6;6;6", u"", false},
    };
    for (const auto& c : cases) {
        PaintModel m = FlatModel();
        m.props.Menu = c.split;
        m.props.MenuButtonStyle = kvnMenuButtonStylePushButtonAndDropDown;
        m.props.MenuButtonWidth = 17;
        m.props.MenuButtonAlignment = c.alignment;
        m.props.CaptionMargins = c.margins;
        m.props.Caption = c.caption;
        const Rect main = c.alignment == kvnMenuButtonAlignmentLeft ? Rect{17, 0, 40, 25} : Rect{0, 0, 23, 25};
        TextCanvas canvas;
        DrawButtonCaption(canvas, c.split ? main : Rect{0, 0, 40, 25}, m);
        EXPECT_EQ(canvas.texts.size(), c.drawn ? 1u : 0u) << c.name;
    }
}

TEST(Caption, MissingMarginFieldsReadAsMinusOne) {
    PaintModel m = FlatModel();
    m.props.CaptionMargins = u"4;4";
    TextCanvas canvas;
    DrawButtonCaption(canvas, kClient, m);
    EXPECT_EQ(OnlyText(canvas).bounds, (Rect{4, 4, 88, 26}));
}

// --- The Windows Forms caption -------------------------------------------------------

PaintModel FormsModel() {
    PaintModel m = FlatModel();
    m.caption_rules = CaptionRules::WindowsForms;
    return m;
}

TEST(WindowsFormsCaption, TextRectangleIsTheMarginsLessTheFarColumnAndRowAdjustments) {
    struct Case {
        const char* name;
        std::int16_t h, v;
        bool wrap;
        Rect box;
        std::uint32_t format;
    };
    const Case cases[] = {
        {"middle centre", kvnHCenter, kvnVCenter, false, {6, 6, 81, 19}, kTextCenter | kTextVCenter},
        {"top left", kvnLeftJustify, kvnTopJustify, false, {6, 6, 81, 19}, kTextLeft | kTextTop},
        {"bottom right: right margin 2 and bottom margin 1 smaller", kvnRightJustify, kvnBottomJustify, false,
         {6, 6, 83, 20}, kTextRight | kTextBottom},
        {"wrapped text keeps its vertical alignment", kvnHCenter, kvnBottomJustify, true, {6, 6, 81, 20},
         kTextCenter | kTextBottom | kTextWordBreak},
    };
    for (const auto& c : cases) {
        PaintModel m = FormsModel();
        m.props.CaptionHAlignment = c.h;
        m.props.CaptionVAlignment = c.v;
        m.props.CaptionWrap = c.wrap;
        TextCanvas canvas;
        DrawButtonCaption(canvas, kClient, m);
        const TextCall& t = OnlyText(canvas);
        EXPECT_EQ(t.op, "DrawText") << c.name;
        EXPECT_EQ(t.bounds, c.box) << c.name;
        EXPECT_EQ(t.format, c.format) << c.name << ": no single-line flag, mnemonics shown";
        EXPECT_EQ(t.text, u"OK") << c.name;
    }
}

TEST(WindowsFormsCaption, SmallArialWIsKeptOffTheEdgeItTouches) {
    struct Case {
        const char* name;
        const char16_t* face;
        std::int64_t size;
        std::int16_t weight;
        bool italic;
        std::u16string text;
        std::int16_t h;
        int left, right;
    };
    const Case cases[] = {
        {"8.25 point, left", u"Arial", 82500, 400, false, u"Wide", kvnLeftJustify, 1, 0},
        {"9 point bold, left", u"Arial", 90000, 700, false, u"Wide", kvnLeftJustify, 1, 0},
        {"9 point regular, left", u"Arial", 90000, 400, false, u"Wide", kvnLeftJustify, 0, 0},
        {"8.25 point, right, ends with W", u"Arial", 82500, 400, false, u"NEW", kvnRightJustify, 0, 1},
        {"9 point bold, right", u"Arial", 90000, 700, false, u"NEW", kvnRightJustify, 0, 0},
        {"the face is compared exactly", u"arial", 82500, 400, false, u"Wide", kvnLeftJustify, 0, 0},
        {"italic", u"Arial", 82500, 400, true, u"Wide", kvnLeftJustify, 0, 0},
        {"centred", u"Arial", 82500, 400, false, u"WoW", kvnHCenter, 0, 0},
        {"left, ends with W only", u"Arial", 82500, 400, false, u"NEW", kvnLeftJustify, 0, 0},
        {"empty", u"Arial", 82500, 400, false, u"", kvnLeftJustify, 0, 0},
    };
    for (const auto& c : cases) {
        FontDesc font;
        font.face = c.face;
        font.size = c.size;
        font.weight = c.weight;
        font.italic = c.italic;
        const ArialWInset inset = WindowsFormsArialInset(font, c.text, c.h);
        EXPECT_EQ(inset.left, c.left) << c.name;
        EXPECT_EQ(inset.right, c.right) << c.name;
        if (c.text.empty()) continue;
        PaintModel m = FormsModel();
        m.props.Font = font;
        m.props.Caption = c.text;
        m.props.CaptionHAlignment = c.h;
        const CaptionPlan plan = PlanWindowsFormsCaption(kClient, m);
        const int right_margin = 6 - (c.h == kvnRightJustify ? 2 : 0) + c.right;
        EXPECT_EQ(plan.box, (Rect{6 + c.left, 6, 87 - right_margin, 19})) << c.name;
        EXPECT_EQ(plan.text, c.text) << c.name << ": no blank is put in front";
    }
}

TEST(WindowsFormsCaption, DisabledFaceDrawsFlatTextInTheDisabledFontAndColour) {
    PaintModel m = FormsModel();
    m.props.Appearance = kvn3D;
    m.props.Enabled = false;
    m.props.DisabledFontColor = 0x000004;
    TextCanvas canvas;
    DrawButtonCaption(canvas, kClient, m);
    const TextCall& t = OnlyText(canvas);
    EXPECT_EQ(t.op, "DrawText") << "no embossing";
    EXPECT_EQ(t.font, kDisabledFont);
    EXPECT_EQ(t.colour, (Rgb{4, 0, 0}));
    EXPECT_EQ(PlanWindowsFormsCaption(kClient, m).variant, StateVariant::Disabled);
}

TEST(WindowsFormsCaption, ShownAddressIsUnderlinedAndLiteral) {
    PaintModel m = FormsModel();
    m.props.Caption = u"&Go";
    m.props.Hyperlink = m.props.ShowHyperlink = true;
    m.props.HyperlinkAddress = u"a.htm?x=1&y=2";
    TextCanvas canvas;
    DrawButtonCaption(canvas, kClient, m);
    const TextCall& t = OnlyText(canvas);
    EXPECT_EQ(t.text, u"a.htm?x=1&y=2");
    EXPECT_EQ(t.font.value, kNormalFont.value + kUnderlinedOffset);
    EXPECT_TRUE(t.format & kTextNoPrefix);
}

TEST(WindowsFormsCaption, NothingIsDrawnWithoutWidthHeightOrText) {
    struct Case {
        const char* name;
        std::u16string margins, caption;
    };
    const Case cases[] = {
        {"no width", u"44;6;43;6", u"OK"},
        {"no height", u"6;12;6;13", u"OK"},
        {"inverted", u"60;6;60;6", u"OK"},
        {"no text", u"6;6;6;6", u""},
    };
    for (const auto& c : cases) {
        PaintModel m = FormsModel();
        m.props.CaptionMargins = c.margins;
        m.props.Caption = c.caption;
        TextCanvas canvas;
        DrawButtonCaption(canvas, kClient, m);
        EXPECT_TRUE(canvas.texts.empty()) << c.name;
        EXPECT_FALSE(PlanWindowsFormsCaption(kClient, m).draw) << c.name;
    }
}

}  // namespace
}  // namespace brixel::testing
