#include "core/idl_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace brixel {
namespace {

std::string Interface(const std::string& body) {
    return "library L {\n dispinterface _DBrixelDemo\n {\n" + body + "\n };\n};\n";
}

TEST(IdlCheck, TheGeneratedInterfaceMatchesTheTable) {
    const IdlCheck check = CheckDispinterface(Interface(GenerateDispinterfaceBody()), "_DBrixelDemo");
    EXPECT_TRUE(check.mismatches.empty()) << check.mismatches.front();
    EXPECT_TRUE(check.undeclared.empty()) << check.undeclared.front();
}

TEST(IdlCheck, GeneratedDeclarations) {
    EXPECT_EQ(IdlDeclarations(*FindMember(1)), std::vector<std::string>{"[id(1)] short Bevel"});
    EXPECT_EQ(IdlDeclarations(*FindMember(-515)), std::vector<std::string>{"[id(-515), readonly] long hWnd"});
    EXPECT_EQ(
        IdlDeclarations(*FindMember(133)),
        std::vector<std::string>{"[id(133)] short GetMenuItemIDFromIndex(short ParentID, short ItemIndex)"});
    EXPECT_EQ(IdlDeclarations(*FindMember(129)),
              (std::vector<std::string>{
                  "[id(129), propget] IPictureDisp* MenuItemPicture(short ItemID)",
                  "[id(129), propput] void MenuItemPicture(short ItemID, IPictureDisp* newValue)"}));
}

struct WrongCase {
    const char* name;
    const char* body;
};

class IdlMismatches : public ::testing::TestWithParam<WrongCase> {};

TEST_P(IdlMismatches, AreReported) {
    const IdlCheck check = CheckDispinterface(Interface(GetParam().body), "_DBrixelDemo");
    EXPECT_EQ(check.mismatches.size(), 1u) << GetParam().body;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdlMismatches,
    ::testing::Values(
        WrongCase{"WrongName", "properties: [id(1)] short Bevell; methods:"},
        WrongCase{"WrongType", "properties: [id(5)] long BorderColor; methods:"},
        WrongCase{"UnknownDispid", "properties: [id(777)] short Bevel; methods:"},
        WrongCase{"ReadOnlyMissing", "properties: [id(109)] long ControlPointer; methods:"},
        WrongCase{"PropertyAsMethod", "properties: methods: [id(1)] short Bevel();"},
        WrongCase{"MissingArgument", "properties: methods: [id(119)] void AddMenuItem(short ItemID);"},
        WrongCase{"WrongArgumentType", "properties: methods: [id(113)] void SetToggleState(short State);"},
        WrongCase{"WrongPutType",
                  "properties: methods: [id(122), propput] void MenuItemCaption(short ItemID, long v);"},
        WrongCase{"Unreadable", "properties: Bevel; methods:"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IdlCheck, AMissingInterfaceIsReported) {
    EXPECT_FALSE(CheckDispinterface("library L {};", "_DBrixelDemo").mismatches.empty());
}

TEST(IdlCheck, CommentsAndOtherInterfacesAreIgnored) {
    const std::string idl =
        "dispinterface _DBrixelDemoEvents { properties: methods: [id(-600)] void Click(); };\n" +
        Interface("properties:\n // [id(1)] long Bevel;\n [id(1)] short Bevel;\nmethods:\n");
    const IdlCheck check = CheckDispinterface(idl, "_DBrixelDemo");
    EXPECT_TRUE(check.mismatches.empty());
    EXPECT_EQ(std::count(check.undeclared.begin(), check.undeclared.end(), "Bevel"), 0);
}

// The type library source of the control, found from this file's place in the tree.
std::optional<std::string> ReadControlIdl() {
    const std::filesystem::path idl =
        std::filesystem::path(__FILE__).parent_path() / "../../../src/activex/brixeldemo.idl";
    std::ifstream in(idl);
    if (!in) return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(IdlCheck, TheControlsTypeLibraryAgreesWithTheTable) {
    const std::optional<std::string> idl = ReadControlIdl();
#ifdef _WIN32
    if (!idl) GTEST_SKIP() << "the source tree is not visible from here";
#endif
    ASSERT_TRUE(idl.has_value());
    const IdlCheck check = CheckDispinterface(*idl, "_DBrixelDemo");
    for (const std::string& m : check.mismatches) ADD_FAILURE() << m;
    for (std::string_view name : check.undeclared) ADD_FAILURE() << name << " is missing from the type library";
}

}  // namespace
}  // namespace brixel
