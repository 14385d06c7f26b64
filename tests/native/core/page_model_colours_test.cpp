#include "core/colour.h"
#include "core/page_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace brixel {
namespace {

ColourPageModel LoadedPage() {
    ColourPageModel model;
    model.Load({{u"ForeColor", 0x80000012u}, {u"BackColor", 0x123456u}, {u"MenuBackColor", 255u}});
    return model;
}

TEST(ColourPageModel, ListsTheColoursByNameAndShowsTheFirstUnsigned) {
    const ColourPageModel model = LoadedPage();
    ASSERT_EQ(model.rows().size(), 3u);
    EXPECT_EQ(model.rows()[0].name, u"BackColor");
    EXPECT_EQ(model.rows()[1].name, u"ForeColor");
    EXPECT_EQ(model.rows()[2].name, u"MenuBackColor");
    EXPECT_EQ(model.selected(), 0);
    EXPECT_EQ(model.SelectedText(), u"1193046");
    EXPECT_EQ(model.rows()[1].text, u"2147483666") << "a system colour is not shown negative";
    EXPECT_FALSE(model.Dirty());
}

TEST(ColourPageModel, AnEmptyListSelectsNothingAndIgnoresEdits) {
    ColourPageModel model;
    model.Load({});
    EXPECT_EQ(model.selected(), -1);
    EXPECT_FALSE(model.Edit(u"12"));
    EXPECT_TRUE(model.SelectedText().empty());
    EXPECT_FALSE(model.Dirty());
}

TEST(ColourPageModel, OnlyChangedRowsAreWrittenAndEachKeepsItsOwnText) {
    ColourPageModel model = LoadedPage();
    model.Select(2);
    EXPECT_TRUE(model.Edit(u"65280"));
    EXPECT_FALSE(model.Edit(u"65280")) << "the same text is no change";
    model.Select(0);
    EXPECT_EQ(model.SelectedText(), u"1193046") << "another row shows its own value";
    model.Select(2);
    EXPECT_EQ(model.SelectedText(), u"65280");
    EXPECT_TRUE(model.Dirty());
    const auto writes = model.Writes();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].name, u"MenuBackColor");
    EXPECT_EQ(writes[0].value, 65280u);
    model.Applied();
    EXPECT_FALSE(model.Dirty());
    EXPECT_TRUE(model.Writes().empty());
}

TEST(ColourPageModel, EditingBackToTheLoadedValueIsNoChange) {
    ColourPageModel model = LoadedPage();
    model.Edit(u"1");
    model.Edit(u"1193046");
    EXPECT_FALSE(model.Dirty());
}

TEST(ColourPageModel, AChangedTextThatIsNoColourIsFoundBeforeAnythingIsWritten) {
    ColourPageModel model = LoadedPage();
    model.Select(1);
    model.Edit(u"blue");
    model.Select(2);
    model.Edit(u"7");
    EXPECT_EQ(model.FirstInvalid(), 1);
    model.Select(1);
    EXPECT_EQ(model.SelectedText(), u"blue") << "the slip is kept for the user to correct";
    model.Edit(u"4294967295");
    EXPECT_EQ(model.FirstInvalid(), std::nullopt);
    EXPECT_EQ(model.Writes().size(), 2u);
}

TEST(ColourPageModel, SelectingOutsideTheListSelectsNothing) {
    ColourPageModel model = LoadedPage();
    model.Select(3);
    EXPECT_EQ(model.selected(), -1);
    EXPECT_FALSE(model.Edit(u"5"));
    model.Select(-2);
    EXPECT_EQ(model.selected(), -1);
}

TEST(ColourPageModel, ApplyShowsATypedValueAsTheControlHoldsIt) {
    ColourPageModel model = LoadedPage();
    model.Edit(u" 42 ");
    ASSERT_EQ(model.Writes().size(), 1u);
    model.Applied();
    EXPECT_EQ(model.SelectedText(), u"42");
}

TEST(SystemColourNames, EachIndexOnceWithAName) {
    std::set<int> seen;
    for (const SystemColourName& entry : SystemColourNames()) {
        EXPECT_FALSE(entry.name.empty()) << entry.index;
        EXPECT_TRUE(seen.insert(entry.index).second) << entry.index;
        EXPECT_TRUE(IsSystemColour(SystemColourRef(entry.index)));
    }
    EXPECT_EQ(SystemColourNames()[15].name, "Button Face");
    EXPECT_EQ(SystemColourNames()[15].index, kColourBtnFace);
}

}  // namespace
}  // namespace brixel
