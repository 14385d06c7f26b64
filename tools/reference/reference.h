// Writes the reference manual from the member table, the enumeration tables,
// the shortcut table and the type library's source (for the events and the
// library's own help strings). Each surface of the product is one page; the
// index page lists them, so a further surface is one more page.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "member_notes.h"

namespace brixel::reference {

// One event of the event interface as declared in the IDL.
struct EventDecl {
    int dispid = 0;
    std::string name;
    std::vector<std::string> params;  // "short Button", as declared
};

// What the reference takes from the type library's source.
struct IdlFacts {
    std::string library;          // BRIXELDEMOLib
    std::string library_version;  // 3.2
    std::string library_help;     // the library's helpstring
    std::string events_help;      // the event interface's helpstring
    std::vector<EventDecl> events;
};

// Reads the library and its event interface `events_interface`. Problems
// (missing interface, a declaration it cannot read) go to `errors`.
IdlFacts ReadIdl(std::string_view idl, std::string_view events_interface, std::vector<std::string>& errors);

struct Page {
    std::string file;  // relative to docs/reference
    std::string text;
};

struct Notes {
    std::span<const MemberNote> members;
    std::span<const MemberNote> events;
};

// The pages of the manual, or nothing and the reasons in `errors` when the
// notes and the table (or the IDL's events) disagree.
std::vector<Page> GeneratePages(const IdlFacts& idl, const Notes& notes, std::vector<std::string>& errors);

// The Windows Forms page: written from the built assembly by its own tool,
// listed in the index by this one.
inline constexpr std::string_view kDotNetPage = "dotnet.md";

// Names of the pages in `pages` whose text differs from the file of that name
// under `directory`, and files of the manual found there that no page writes
// (the Windows Forms page has its own check).
std::vector<std::string> StalePages(const std::vector<Page>& pages, const std::string& directory);

}  // namespace brixel::reference
