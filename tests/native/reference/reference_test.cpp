#include "reference.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/property_table.h"

namespace brixel::reference {
namespace {

std::string RealIdl() {
    const auto path = std::filesystem::path(__FILE__).parent_path() / "../../../src/activex/brixeldemo.idl";
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

IdlFacts RealFacts() {
    std::vector<std::string> errors;
    IdlFacts facts = ReadIdl(RealIdl(), "_DBrixelDemoEvents", errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    return facts;
}

std::string ActiveXPage(const Notes& notes, std::vector<std::string>& errors) {
    const auto pages = GeneratePages(RealFacts(), notes, errors);
    for (const Page& p : pages) {
        if (p.file == "activex.md") return p.text;
    }
    return {};
}

// The text of one member's section, from its heading to the next heading.
std::string Section(const std::string& page, const std::string& heading) {
    const auto start = page.find("\n#### " + heading + "\n");
    if (start == std::string::npos) return {};
    const auto end = page.find("\n#", start + 1);
    return page.substr(start, end - start);
}

TEST(ReferenceIdl, ReadsTheLibraryAndEveryEvent) {
    const IdlFacts facts = RealFacts();
    EXPECT_EQ(facts.library, "BRIXELDEMOLib");
    EXPECT_EQ(facts.library_version, "3.2");
    EXPECT_FALSE(facts.library_help.empty());
    ASSERT_EQ(facts.events.size(), 15u);
    const EventDecl& clicked = facts.events[13];
    EXPECT_EQ(clicked.name, "MenuItemClicked");
    EXPECT_EQ(clicked.dispid, 6);
    EXPECT_EQ(clicked.params, std::vector<std::string>{"long ItemID"});
    EXPECT_EQ(facts.events[0].dispid, -600);
}

struct BrokenIdl {
    const char* name;
    const char* idl;
};

class ReferenceIdlErrors : public ::testing::TestWithParam<BrokenIdl> {};

TEST_P(ReferenceIdlErrors, AreReportedNotSkipped) {
    std::vector<std::string> errors;
    ReadIdl(GetParam().idl, "_E", errors);
    EXPECT_FALSE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReferenceIdlErrors,
    ::testing::Values(BrokenIdl{"no_library", "dispinterface _E { methods: [id(1)] void A(); };"},
                      BrokenIdl{"no_event_interface", "[version(1.0)] library L { };"},
                      BrokenIdl{"event_with_result", "library L { dispinterface _E { methods: [id(1)] long A(); }; };"},
                      BrokenIdl{"event_without_id", "library L { dispinterface _E { methods: void A(); }; };"}),
    [](const auto& info) { return std::string(info.param.name); });

// Notes that disagree with the table or the events stop the generator.
struct NotesCase {
    const char* name;
    const char* drop_member;  // a member whose note is left out
    const char* drop_event;
    const char* extra;        // a note that names nothing
};

class ReferenceNotes : public ::testing::TestWithParam<NotesCase> {};

TEST_P(ReferenceNotes, MustCoverExactlyTheTableAndTheEvents) {
    const NotesCase& row = GetParam();
    std::vector<MemberNote> members;
    for (const MemberNote& n : MemberNotes()) {
        if (n.name != row.drop_member) members.push_back(n);
    }
    std::vector<MemberNote> events;
    for (const MemberNote& n : EventNotes()) {
        if (n.name != row.drop_event) events.push_back(n);
    }
    if (*row.extra != '\0') members.push_back({row.extra, "help", ""});
    std::vector<std::string> errors;
    const auto pages = GeneratePages(RealFacts(), {members, events}, errors);
    EXPECT_TRUE(pages.empty());
    ASSERT_EQ(errors.size(), 1u);
    const std::string named = *row.drop_member ? row.drop_member : *row.drop_event ? row.drop_event : row.extra;
    EXPECT_NE(errors[0].find(named), std::string::npos) << errors[0];
}

INSTANTIATE_TEST_SUITE_P(Rows, ReferenceNotes,
                         ::testing::Values(NotesCase{"member_without_note", "MenuAutoDrop", "", ""},
                                           NotesCase{"stored_flag_without_note", "CustomBorderColor", "", ""},
                                           NotesCase{"event_without_note", "", "WhileMouseDown", ""},
                                           NotesCase{"note_for_no_member", "", "", "MenuAutoOpen"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReferencePage, HasASectionForEveryMemberOfTheTable) {
    std::vector<std::string> errors;
    const std::string page = ActiveXPage({MemberNotes(), EventNotes()}, errors);
    ASSERT_TRUE(errors.empty());
    for (const MemberInfo& m : MemberTable()) {
        if (m.kind == MemberKind::PersistedFlag) {
            EXPECT_NE(page.find("| \"" + std::string(m.persist_key) + "\" |"), std::string::npos) << m.name;
        } else {
            EXPECT_FALSE(Section(page, std::string(m.name)).empty()) << m.name;
        }
    }
}

struct FactRow {
    const char* member;
    const char* says;
};

class ReferenceFacts : public ::testing::TestWithParam<FactRow> {};

TEST_P(ReferenceFacts, AreTakenFromTheTable) {
    std::vector<std::string> errors;
    const std::string section = Section(ActiveXPage({MemberNotes(), EventNotes()}, errors), GetParam().member);
    EXPECT_NE(section.find(GetParam().says), std::string::npos) << section;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReferenceFacts,
    ::testing::Values(FactRow{"BackColor", "the system's button-face colour"},
                      FactRow{"Appearance", "| Integer | 2 (`kvnXPStyleAPB`) | 18 |"},
                      FactRow{"Appearance", "before version 2.0 without this value loads 0 (`kvnFlat`)"},
                      FactRow{"MouseInFont", "loads Arial, 8 pt"},
                      FactRow{"EnableDisabledProperties", "key \"EnableDisbaledProperties\""},
                      FactRow{"MenuAutoDrop", "Stored since data version 3.2"},
                      FactRow{"hWnd", "read-only"},
                      FactRow{"BorderColor", "`&H743C00`"},
                      FactRow{"DownFontColor", "down state set"},
                      FactRow{"GradientStyleVariant", "\"0 - Varient 1\""},
                      FactRow{"GetMenuItemIDFromIndex",
                              "`Function GetMenuItemIDFromIndex(ParentID As Integer, ItemIndex As Integer) As Integer`"},
                      FactRow{"MenuItemPicture", "`Property MenuItemPicture(ItemID As Integer) As StdPicture`"},
                      FactRow{"KeyDown", "(KeyCode As Integer, Shift As Integer)` · DISPID -602"}),
    [](const auto& info) { return std::string(info.param.member) + "_" + std::to_string(info.index); });

TEST(ReferenceCheck, NamesChangedAndStrayPages) {
    const auto dir = std::filesystem::temp_directory_path() / ("reference_check_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::vector<Page> pages = {{"README.md", "index\n"}, {"activex.md", "members\n"}};
    for (const Page& p : pages) std::ofstream(dir / p.file) << p.text;
    EXPECT_TRUE(StalePages(pages, dir.string()).empty());

    std::ofstream(dir / "activex.md") << "members, edited by hand\n";
    std::ofstream(dir / "old.md") << "a page nothing writes\n";
    std::ofstream(dir / "dotnet.md") << "written by the assembly's own tool\n";
    EXPECT_EQ(StalePages(pages, dir.string()), (std::vector<std::string>{"activex.md", "old.md"}));
    std::filesystem::remove(dir / "README.md");
    EXPECT_EQ(StalePages(pages, dir.string()), (std::vector<std::string>{"README.md", "activex.md", "old.md"}));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace brixel::reference
