// What the reference manual says about each member in words: a one-sentence
// help string in the manner of a type library's, and an optional detail. Every
// fact the member table already holds (type, DISPID, default, category, change
// rule, stored key) is taken from the table, never written here; the generator
// refuses to run when a note names no member or a member has no note.
#pragma once

#include <span>
#include <string_view>

namespace brixel::reference {

struct MemberNote {
    std::string_view name;    // a member of the table, or an event of the IDL
    std::string_view help;    // one sentence
    std::string_view detail;  // optional: errors, messages, edge cases
};

// A message box text a property setter shows, and what shows it.
struct MessageNote {
    std::string_view text;
    std::string_view shown_by;
};

// Properties, methods, menu item properties and stored flags.
std::span<const MemberNote> MemberNotes();
// Events of the event interface: when each fires.
std::span<const MemberNote> EventNotes();
// The setters' own refusals; the menu tree's come from its message constants.
std::span<const MessageNote> SetterMessages();

}  // namespace brixel::reference
