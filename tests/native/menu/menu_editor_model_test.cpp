#include "menu/menu_editor_model.h"

#include "menu/menu_messages.h"
#include "menu/menu_tree.h"
#include "menu/shortcut_registry.h"
#include "native/menu/menu_fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace brixel {
namespace {

using testing::Narrow;
using testing::RecordingMessageBox;
using testing::ShownMessage;
namespace msg = menu_messages;
namespace page_msg = menu_messages;

ShownMessage Exclaim(std::u16string_view text) { return {std::u16string(text), MessageBoxIcon::Exclamation}; }

// Shortcut codes of the table: 1 is "Ctrl+A", 2 is "Ctrl+B".
constexpr std::int16_t kCtrlA = 1;
constexpr std::int16_t kCtrlB = 2;

class MenuEditorModelTest : public ::testing::Test {
protected:
    // File (1) > Open (2) > Recent (3); Edit (4); Help (5)
    void ThreeLevels() {
        tree.AddItem(1, kTopLevel);
        tree.AddItem(2, 1);
        tree.AddItem(3, 2);
        tree.AddItem(4, kTopLevel);
        tree.AddItem(5, kTopLevel);
        const char16_t* captions[] = {u"File", u"Open", u"Recent", u"Edit", u"Help"};
        for (std::int16_t id = 1; id <= 5; ++id) tree.SetCaption(id, captions[id - 1]);
    }
    void FillModel() {
        model.Fill(tree);
        box.shown.clear();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < model.LineCount(); ++i) out.push_back(Narrow(model.LineText(i)));
        return out;
    }
    // The tree as "id@depth" in menu order.
    std::vector<std::string> Shape() const {
        std::vector<std::string> out;
        ForEachPreOrder(tree.Items(), [&](const MenuItemRecord& r) {
            out.push_back(std::to_string(r.id) + "@" + std::to_string(r.Depth()));
        });
        return out;
    }
    void SelectId(std::int16_t id) {
        for (std::size_t i = 0; i < model.LineCount(); ++i) {
            if (model.Line(i).fields.id == id) return model.Select(i);
        }
        FAIL() << "no line with ID " << id;
    }

    RecordingMessageBox box;
    MenuTree tree{box};
    MenuEditorModel model{box};
};

// --- Filling ---------------------------------------------------------------------------

TEST_F(MenuEditorModelTest, FillListsTheTreeInMenuOrderWithDotPrefixesAndABlankLine) {
    ThreeLevels();
    tree.SetSeparator(4, true);
    FillModel();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"File", "....Open", "........Recent", "----------", "Help", ""}));
    EXPECT_EQ(model.Selected(), 0u);
    EXPECT_EQ(model.Line(5).fields.id, 6) << "the blank line takes the next free ID";
    EXPECT_FALSE(model.Dirty());
}

TEST_F(MenuEditorModelTest, UnfilledModelHoldsJustTheBlankLineAndAppliesAnEmptyTree) {
    MenuEditorModel fresh{box};
    ASSERT_EQ(fresh.LineCount(), 1u);
    EXPECT_FALSE(fresh.Delete());
    EXPECT_EQ(fresh.Current().id, 0);
    tree.AddItem(9, kTopLevel);
    EXPECT_TRUE(fresh.Apply(tree));
    EXPECT_EQ(tree.CountAll(), 0u) << "the page's list is the whole tree";
}

TEST_F(MenuEditorModelTest, NegativeIdShowsEmptyAndWarnsOnceWhenShown) {
    auto stored = std::make_unique<MenuItemRecord>(std::int16_t{-5});
    tree.AppendLoaded(std::move(stored));
    FillModel();
    EXPECT_EQ(model.CurrentIdText(), u"");
    EXPECT_TRUE(model.WarnNegativeIds());
    EXPECT_FALSE(model.WarnNegativeIds());
    EXPECT_EQ(box.shown, (std::vector<ShownMessage>{Exclaim(
                             u"Negative menu item IDs were detected and deleted. \nCheck your data and enter new values.")}));
    EXPECT_FALSE(model.Apply(tree));
    EXPECT_EQ(box.shown.back(), Exclaim(page_msg::kEditorEmptyId));
}

TEST_F(MenuEditorModelTest, NewIdIsOneAboveTheLargestOrTheLowestFreeOnceTheTopIsTaken) {
    struct Row {
        const char* name;
        std::vector<std::int16_t> ids;
        std::int16_t expected;
    };
    const Row rows[] = {
        {"empty tree", {}, 0},
        {"gaps are not filled", {0, 7, 3}, 8},
        {"largest ID taken", {32767, 0, 1, 3}, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tree.DeleteAll();
        for (std::int16_t id : row.ids) tree.AddItem(id, kTopLevel);
        FillModel();
        EXPECT_EQ(model.Line(model.LineCount() - 1).fields.id, row.expected);
        EXPECT_TRUE(model.Apply(tree)) << "a fresh blank line must never block apply";
    }
}

// --- Level moves and line operations ------------------------------------------------------

TEST_F(MenuEditorModelTest, LevelMovesStopAtTheLimits) {
    struct Row {
        const char* name;
        std::int16_t start_level;
        bool indent;
        bool changed;
        std::int16_t level_after;
    };
    const Row rows[] = {
        {"--> at level 4 does nothing", 4, true, false, 4},
        {"--> at level 3 reaches 4", 3, true, true, 4},
        {"<-- at level 0 does nothing", 0, false, false, 0},
        {"<-- at level 1 reaches 0", 1, false, true, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tree.DeleteAll();
        tree.AddItem(0, kTopLevel);
        for (std::int16_t id = 1; id <= row.start_level; ++id) tree.AddItem(id, static_cast<std::int16_t>(id - 1));
        FillModel();
        model.Select(static_cast<std::size_t>(row.start_level));
        const std::u16string before = model.LineText(model.Selected());
        EXPECT_EQ(row.indent ? model.Indent() : model.Outdent(), row.changed);
        EXPECT_EQ(model.Current().level, row.level_after);
        EXPECT_EQ(model.LineText(model.Selected()).size(), before.size() + (row.level_after - row.start_level) * 4);
        EXPECT_EQ(model.Dirty(), row.changed);
    }
}

TEST_F(MenuEditorModelTest, EditingTheBlankLineKeepsANewBlankLineLast) {
    FillModel();
    ASSERT_EQ(model.LineCount(), 1u);
    model.SetCaption(u"First");
    ASSERT_EQ(model.LineCount(), 2u);
    EXPECT_EQ(model.Line(1).fields.caption, u"");
    EXPECT_EQ(model.Line(1).fields.id, 1);
    model.SetCaption(u"First again");  // a real line now: no further blank line
    EXPECT_EQ(model.LineCount(), 2u);
}

TEST_F(MenuEditorModelTest, InsertPlacesANewSelectedLineWithTheDefaults) {
    ThreeLevels();
    FillModel();
    SelectId(4);
    model.Insert();
    EXPECT_EQ(model.Selected(), 3u);
    const MenuItemFields& f = model.Current();
    EXPECT_EQ(f.id, 7) << "one above the blank line's 6";
    EXPECT_EQ(f.caption, u"");
    EXPECT_EQ(f.shortcut, u"None");
    EXPECT_EQ(f.level, 0);
    EXPECT_TRUE(f.enabled && f.visible);
    EXPECT_FALSE(f.separator || f.hyperlink);
    EXPECT_TRUE(model.Line(3).created);
}

TEST_F(MenuEditorModelTest, TheBlankLineCannotBeDeleted) {
    ThreeLevels();
    FillModel();
    model.Select(model.LineCount() - 1);
    EXPECT_FALSE(model.Delete());
    EXPECT_EQ(model.LineCount(), 6u);
    EXPECT_EQ(model.Selected(), 4u) << "the selection moves up";
}

TEST_F(MenuEditorModelTest, IdFieldTextIsStoredAsTheIdOrAsInvalid) {
    struct Row {
        const char* name;
        std::u16string text;
        std::int16_t id;
    };
    const Row rows[] = {
        {"empty field", u"", 0}, {"number", u"123", 123}, {"largest", u"32767", 32767},
        {"too large", u"32768", -1}, {"far too large", u"99999999999", -1}, {"not a number", u"1a", -1},
    };
    ThreeLevels();
    FillModel();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        model.SetIdText(row.text);
        EXPECT_EQ(model.Current().id, row.id);
    }
}

TEST_F(MenuEditorModelTest, SeparatorLeavesOnlyTheIdEditableAndDrawsAsDashes) {
    ThreeLevels();
    FillModel();
    SelectId(5);
    model.SetSeparator(true);
    EXPECT_FALSE(model.ItemFieldsEnabled());
    EXPECT_EQ(model.LineText(model.Selected()), kSeparatorLineText);
    model.SetSeparator(false);
    EXPECT_TRUE(model.ItemFieldsEnabled());
    EXPECT_EQ(model.LineText(model.Selected()), u"Help");
}

// --- Checks ---------------------------------------------------------------------------------

// Each row breaks one rule; rows that break several expect the earliest rule's
// message, which pins the order of the checks.
TEST_F(MenuEditorModelTest, ChecksRefuseInTheirOrderAndApplyNothing) {
    using Setup = std::function<void(MenuEditorModel&)>;
    auto select = [this](std::int16_t id) { return [this, id](MenuEditorModel&) { SelectId(id); }; };
    auto seq = [](std::vector<Setup> steps) {
        return [steps](MenuEditorModel& m) {
            for (const Setup& s : steps) s(m);
        };
    };
    struct Row {
        const char* name;
        Setup setup;
        std::u16string_view message;
    };
    const Row rows[] = {
        {"empty ID, before a duplicate", seq({select(4), [](auto& m) { m.SetIdText(u"x"); },
                                              select(5), [](auto& m) { m.SetIdText(u"1"); }}),
         page_msg::kEditorEmptyId},
        {"duplicate ID, before a skipped level", seq({select(4), [](auto& m) { m.SetIdText(u"5"); },
                                                      [](auto& m) { m.Select(0); m.Indent(); }}),
         msg::kDuplicateId},
        {"indenting the first line skips a level", [](auto& m) { m.Select(0); m.Indent(); }, page_msg::kEditorSkippedLevel},
        {"skipped level, before a separator parent",
         seq({select(1), [](auto& m) { m.SetSeparator(true); }, select(5), [](auto& m) { m.Indent(); m.Indent(); }}),
         page_msg::kEditorSkippedLevel},
        {"sub-item under a separator", seq({select(4), [](auto& m) { m.SetSeparator(true); }, select(5),
                                            [](auto& m) { m.Indent(); }}),
         msg::kSubMenuOnSeparator},
        {"separator parent, before a parent shortcut",
         seq({select(1), [](auto& m) { m.SetSeparator(true); m.SetShortcutCode(kCtrlA); }}),
         msg::kSubMenuOnSeparator},
        {"parent with a shortcut", seq({select(2), [](auto& m) { m.SetShortcutCode(kCtrlA); }}),
         page_msg::kEditorShortcutOnParent},
        {"parent with a hyperlink", seq({select(1), [](auto& m) { m.SetHyperlink(true); }}),
         page_msg::kEditorHyperlinkOnParent},
        {"parent shortcut, before a parent hyperlink",
         seq({select(2), [](auto& m) { m.SetHyperlink(true); m.SetShortcutCode(kCtrlA); }}),
         page_msg::kEditorShortcutOnParent},
        {"parent shortcut, before a duplicate shortcut",
         seq({select(2), [](auto& m) { m.SetShortcutCode(kCtrlB); }, select(4),
              [](auto& m) { m.SetShortcutCode(kCtrlB); }}),
         page_msg::kEditorShortcutOnParent},
        {"duplicate shortcut", seq({select(4), [](auto& m) { m.SetShortcutCode(kCtrlA); }, select(5),
                                    [](auto& m) { m.SetShortcutCode(kCtrlA); }}),
         msg::kShortcutTaken},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tree.DeleteAll();
        ThreeLevels();
        FillModel();
        const auto shape = Shape();
        row.setup(model);
        EXPECT_FALSE(model.Apply(tree));
        EXPECT_EQ(box.shown, (std::vector<ShownMessage>{Exclaim(row.message)}));
        EXPECT_EQ(Shape(), shape) << "a refused apply changes nothing";
    }
}

TEST_F(MenuEditorModelTest, DuplicateIdPutsBackTheEditedLinesId) {
    struct Row {
        const char* name;
        std::int16_t edited;
        std::int16_t other;
    };
    // Whether the edited line comes before or after the line it now clashes with.
    const Row rows[] = {{"edited line later", 5, 1}, {"edited line earlier", 1, 5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tree.DeleteAll();
        ThreeLevels();
        FillModel();
        SelectId(row.edited);
        const std::size_t edited_line = model.Selected();
        model.SetIdText(std::u16string(1, static_cast<char16_t>(u'0' + row.other)));
        model.Select(0);
        EXPECT_FALSE(model.Apply(tree));
        EXPECT_EQ(model.Line(edited_line).fields.id, row.edited);
        EXPECT_EQ(model.Selected(), edited_line) << "the restored ID is shown";
        EXPECT_TRUE(model.Apply(tree)) << "with the ID back the next apply passes";
    }
}

TEST_F(MenuEditorModelTest, DeletingAParentLineReattachesItsSubItemsOrFailsTheLevelCheck) {
    ThreeLevels();
    tree.AddItem(6, 4);  // Edit > Cut
    FillModel();
    SelectId(4);
    ASSERT_TRUE(model.Delete());
    ASSERT_TRUE(model.Apply(tree)) << "Cut joins File, the nearest earlier line one level up";
    EXPECT_EQ(Shape(), (std::vector<std::string>{"1@0", "2@1", "3@2", "6@1", "5@0"}));
    EXPECT_EQ(tree.FindItem(4), nullptr);

    SelectId(1);
    ASSERT_TRUE(model.Delete());
    EXPECT_FALSE(model.Apply(tree));
    EXPECT_EQ(box.shown.back(), Exclaim(page_msg::kEditorSkippedLevel));
}

// --- Apply and cancel -------------------------------------------------------------------------

TEST_F(MenuEditorModelTest, ApplyRebuildsTheTreeExactlyFromTheLines) {
    ThreeLevels();
    FillModel();
    const MenuItemRecord* help = tree.FindItem(5);
    SelectId(4);
    model.SetCaption(u"Edit more");
    model.Indent();  // Edit joins File, after Open
    SelectId(3);
    ASSERT_TRUE(model.Delete());
    model.Select(model.LineCount() - 1);
    model.SetCaption(u"New");  // the blank line becomes item 6
    model.Indent();
    ASSERT_TRUE(model.Apply(tree));
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(Shape(), (std::vector<std::string>{"1@0", "2@1", "4@1", "5@0", "6@1"}));
    EXPECT_EQ(tree.FindItem(3), nullptr);
    EXPECT_EQ(tree.FindItem(5), help) << "records of kept lines are reused";
    const MenuItemRecord* edit = tree.FindItem(4);
    EXPECT_EQ(edit->caption, u"Edit more");
    EXPECT_EQ(edit->level, 1);
    EXPECT_EQ(edit->parent_id, 1);
    EXPECT_EQ(edit->parent_index, 0) << "the parent's index in its own list";
    EXPECT_EQ(tree.FindItem(6)->parent_index, 1);
    EXPECT_FALSE(tree.FindItem(2)->has_sub_items) << "Open lost its only sub-item";
    EXPECT_TRUE(tree.FindItem(5)->has_sub_items);
    EXPECT_EQ(tree.CountAll(), 5u);
    EXPECT_FALSE(model.Dirty());
    for (std::size_t i = 0; i + 1 < model.LineCount(); ++i) EXPECT_FALSE(model.Line(i).created);
}

TEST_F(MenuEditorModelTest, CancelledEditsNeverReachTheTreeAndRevertRestoresTheLines) {
    ThreeLevels();
    tree.SetShortcut(4, u"Ctrl+A");
    FillModel();
    const auto texts = Texts();
    SelectId(4);
    model.SetCaption(u"Changed");
    model.SetShortcutCode(0);
    model.Insert();
    SelectId(1);
    model.Delete();
    EXPECT_EQ(Shape(), (std::vector<std::string>{"1@0", "2@1", "3@2", "4@0", "5@0"}));
    EXPECT_EQ(tree.FindItem(4)->caption, u"Edit");
    EXPECT_EQ(tree.FindItem(4)->shortcut, u"Ctrl+A");
    model.Revert();
    EXPECT_EQ(Texts(), texts);
    EXPECT_FALSE(model.Dirty());
    SelectId(4);
    EXPECT_EQ(model.CurrentShortcutCode(), kCtrlA);
    EXPECT_EQ(model.LineCount(), 6u) << "the inserted line is gone";
}

TEST_F(MenuEditorModelTest, ApplyRefreshesShortcutRegistrationsAndDropsDeletedItems) {
    ShortcutRegistry registry;
    ThreeLevels();
    tree.SetShortcut(3, u"F5");
    tree.SetShortcut(4, u"Ctrl+A");
    registry.RegisterShortcuts(WindowHandle{7}, tree);
    ASSERT_EQ(registry.Entries().size(), 2u);
    FillModel();
    SelectId(4);
    model.SetShortcutCode(0);
    SelectId(5);
    model.SetShortcutCode(kCtrlA);  // the shortcut moves from Edit to Help
    SelectId(3);
    model.Delete();  // Recent and its F5 go
    ASSERT_TRUE(model.Apply(tree));
    ASSERT_EQ(registry.Entries().size(), 1u);
    const ShortcutRegistration entry = registry.Entries()[0];
    EXPECT_EQ(entry.record, tree.FindItem(5));
    EXPECT_EQ(entry.key, 0x41);
    EXPECT_TRUE(entry.ctrl);
    EXPECT_EQ(entry.window, WindowHandle{7});
}

}  // namespace
}  // namespace brixel
