// Keeps the type library's dispatch interface and the member table in step:
// the interface text can be generated from the table, and a written one is
// checked against it member by member.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/property_table.h"

namespace brixel {

// The declaration of one member inside a dispinterface, without the
// trailing semicolon; a menu item property gives its get and put pair.
std::vector<std::string> IdlDeclarations(const MemberInfo& member);
// The whole `properties:` / `methods:` body of the dispatch interface.
std::string GenerateDispinterfaceBody();

struct IdlCheck {
    std::vector<std::string> mismatches;       // declared differently from the table
    std::vector<std::string_view> undeclared;  // table members the interface lacks
};

// The IDL text with its // comments removed.
std::string StripIdlComments(std::string_view idl);

// Checks the dispinterface `interface_name` found in `idl`.
IdlCheck CheckDispinterface(std::string_view idl, std::string_view interface_name);

}  // namespace brixel
