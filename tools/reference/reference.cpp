#include "reference.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "core/automation_error.h"
#include "core/dispids.h"
#include "core/enums.h"
#include "core/idl_check.h"
#include "core/property_table.h"
#include "menu/menu_messages.h"
#include "menu/shortcut_table.h"

namespace brixel::reference {
namespace {

// --- Reading the IDL --------------------------------------------------------

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(first, last - first + 1));
}

// The attribute block "[...]" that ends just before `pos`.
std::string_view AttributesBefore(std::string_view text, std::size_t pos) {
    const auto close = text.rfind(']', pos);
    const auto open = close == std::string_view::npos ? close : text.rfind('[', close);
    if (open == std::string_view::npos) return {};
    // Only whitespace may stand between the block and the declaration.
    if (!Trim(text.substr(close + 1, pos - close - 1)).empty()) return {};
    return text.substr(open, close - open + 1);
}

std::string Attribute(std::string_view attributes, std::string_view name) {
    const auto at = attributes.find(std::string(name) + "(");
    if (at == std::string_view::npos) return {};
    const auto start = at + name.size() + 1;
    if (start < attributes.size() && attributes[start] == '"') {
        const auto end = attributes.find('"', start + 1);
        return end == std::string_view::npos ? std::string{} : std::string(attributes.substr(start + 1, end - start - 1));
    }
    const auto end = attributes.find(')', start);
    return end == std::string_view::npos ? std::string{} : Trim(attributes.substr(start, end - start));
}

std::optional<EventDecl> ParseEvent(std::string_view decl) {
    // [id(N)] void Name(type a, type b)
    EventDecl event;
    const auto id_at = decl.find("id(");
    const auto close = decl.find(']');
    const auto open_paren = decl.find('(', close == std::string_view::npos ? 0 : close);
    const auto close_paren = decl.rfind(')');
    if (id_at == std::string_view::npos || close == std::string_view::npos || open_paren == std::string_view::npos ||
        close_paren == std::string_view::npos || close_paren < open_paren) {
        return std::nullopt;
    }
    try {
        event.dispid = std::stoi(std::string(decl.substr(id_at + 3)));
    } catch (...) {
        return std::nullopt;
    }
    const std::string head = Trim(decl.substr(close + 1, open_paren - close - 1));
    const auto space = head.rfind(' ');
    if (space == std::string::npos || head.substr(0, space) != "void") return std::nullopt;
    event.name = head.substr(space + 1);
    std::string_view params = decl.substr(open_paren + 1, close_paren - open_paren - 1);
    while (!Trim(params).empty()) {
        const auto comma = params.find(',');
        event.params.push_back(Trim(params.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        params.remove_prefix(comma + 1);
    }
    return event;
}

// --- Words for the table's facts ----------------------------------------------

std::string Utf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';  // the texts are ASCII
    return out;
}

std::string Hex(std::uint32_t value) {
    std::ostringstream s;
    s << std::uppercase << std::hex << value;
    return s.str();
}

std::string_view VbType(VarType type) {
    switch (type) {
        case VarType::Void: return "";
        case VarType::I2: return "Integer";
        case VarType::I4: return "Long";
        case VarType::Bool: return "Boolean";
        case VarType::Bstr: return "String";
        case VarType::Color: return "OLE_COLOR";
        case VarType::Font: return "StdFont";
        case VarType::Picture: return "StdPicture";
    }
    return "";
}

// An IDL parameter type as a VBScript or VB programmer declares it.
std::string VbOfIdl(std::string type) {
    std::erase(type, '*');
    type = Trim(type);
    if (type == "short") return "Integer";
    if (type == "VARIANT_BOOL") return "Boolean";
    if (type == "BSTR") return "String";
    return "Long";  // long and the pixel coordinate typedefs
}

std::string ConstantOf(std::string_view enum_type, std::int64_t value) {
    if (const EnumType* e = FindEnumType(enum_type)) {
        for (const EnumConstant& c : e->constants) {
            if (c.value == value) return " (`" + std::string(c.name) + "`)";
        }
    }
    return {};
}

std::string Describe(const MemberInfo& m, const DefaultValue& d) {
    switch (d.source) {
        case DefaultSource::None: return "none";
        case DefaultSource::AmbientDisplayName: return "the name the container gives the control (`BrixelDemo1`)";
        case DefaultSource::SystemButtonFace: return "the system's button-face colour when the control is created";
        case DefaultSource::NoPicture: return "no picture";
        case DefaultSource::StandardFont: {
            const FontDesc font;
            const std::u16string face = d.text.empty() ? font.face : std::u16string(d.text);
            return Utf8(face) + ", " + std::to_string(font.size / kFontSizeUnitsPerPoint) + " pt, regular";
        }
        case DefaultSource::Literal: break;
    }
    switch (m.type) {
        case VarType::Bool: return d.number != 0 ? "True" : "False";
        case VarType::Color: return "`&H" + Hex(static_cast<std::uint32_t>(d.number)) + "`";
        case VarType::Bstr: return "\"" + Utf8(d.text) + "\"";
        default: return std::to_string(d.number) + ConstantOf(m.enum_type, d.number);
    }
}

std::string_view WhenItChanges(ChangeRule rule) {
    switch (rule) {
        case ChangeRule::None: return "nothing is redrawn.";
        case ChangeRule::Repaint: return "the button is redrawn.";
        case ChangeRule::RepaintIf3D: return "the button is redrawn when Appearance is `kvn3D`.";
        case ChangeRule::RepaintUnlessXPFace: return "the button is redrawn unless the face shows the XP look.";
        case ChangeRule::RepaintUnless3DOrXPStyle:
            return "the button is redrawn unless Appearance is `kvn3D` or `kvnXPStyleAPB`.";
        case ChangeRule::RepaintIfMouseIn: return "the button is redrawn while the pointer is over it.";
        case ChangeRule::RepaintIfPressedOrToggled:
            return "the button is redrawn while it is pressed or latched down.";
        case ChangeRule::RepaintIfDisabled: return "the button is redrawn while it is disabled.";
        case ChangeRule::RepaintIfPictureHasImage: return "the button is redrawn when Picture holds an image.";
        case ChangeRule::RepaintIfCaptionShown:
            return "the button is redrawn when the caption of this state is the one shown.";
        case ChangeRule::RepaintIfPictureShown:
            return "the button is redrawn when the picture of this state is the one drawn.";
        case ChangeRule::RepaintIfAnyPictureShown: return "the button is redrawn when it draws a picture.";
        case ChangeRule::RepaintIfGradientShown:
            return "the button is redrawn when the gradient of this state is shown.";
        case ChangeRule::RepaintIfDownEffectShown:
            return "the button is redrawn while it is pressed and draws Picture with the effect.";
        case ChangeRule::RepaintIfOverEffectShown:
            return "the button is redrawn while the pointer is over it and it draws Picture with the effect.";
        case ChangeRule::RepaintIfMenu: return "the button is redrawn when Menu is True.";
        case ChangeRule::Bevel: return "the value is kept within its bounds, then the button is redrawn.";
        case ChangeRule::CustomBorderColour:
            return "the colour is marked as your own (a stored flag), then the button is redrawn when the colour "
                   "is shown.";
        case ChangeRule::ToolTip: return "at run time the tooltip shows the new text at once.";
        case ChangeRule::Enabled: return "the window is enabled or disabled and the button redrawn.";
        case ChangeRule::Active: return "the window is enabled or disabled; a latched toggle button is released.";
        case ChangeRule::MousePointer: return "16 is stored as 99; the pointer changes at the next mouse move.";
        case ChangeRule::Sound: return "3 is stored as 99.";
        case ChangeRule::SoundFile: return "the file is read into the control at once.";
        case ChangeRule::Appearance:
            return "the border colours take or leave the XP scheme's colours, the window shape is rebuilt and the "
                   "button redrawn; the current value again changes nothing.";
        case ChangeRule::XPColorScheme:
            return "with the XP look the border colours take the scheme's colours; the marks of your own border "
                   "colours are cleared; the button is redrawn.";
        case ChangeRule::ToggleButton: return "a latched state is released and the button redrawn.";
        case ChangeRule::Translucency:
            return "the container's background is captured again and the window redrawn.";
        case ChangeRule::Shape: return "the window's shape is rebuilt and the button redrawn.";
        case ChangeRule::AppearanceStyle:
            return "the Office 2003 preset is applied, or the values it replaced come back; the button is redrawn.";
        case ChangeRule::ReadingDirection: return "the menu's reading direction changes, on an open menu too.";
        case ChangeRule::Value: return "True clicks the button.";
        case ChangeRule::StockFont:
            return "the caption is redrawn; the container hears of the change under the stock font DISPID -512.";
        case ChangeRule::Menu: return "an open menu is forgotten and the button redrawn.";
        case ChangeRule::MenuAutoDrop: return "the automatic drop is armed when Menu is True too.";
    }
    return "";
}

std::string_view StateName(StateVariant variant) {
    switch (variant) {
        case StateVariant::Normal: return "normal";
        case StateVariant::MouseIn: return "mouse-in";
        case StateVariant::Down: return "down";
        case StateVariant::Disabled: return "disabled";
    }
    return "";
}

std::string_view CursorName(SystemCursor cursor) {
    switch (cursor) {
        case SystemCursor::None: return "the container's default";
        case SystemCursor::Arrow: return "IDC_ARROW";
        case SystemCursor::Cross: return "IDC_CROSS";
        case SystemCursor::IBeam: return "IDC_IBEAM";
        case SystemCursor::SizeAll: return "IDC_SIZEALL";
        case SystemCursor::SizeNESW: return "IDC_SIZENESW";
        case SystemCursor::SizeNS: return "IDC_SIZENS";
        case SystemCursor::SizeNWSE: return "IDC_SIZENWSE";
        case SystemCursor::SizeWE: return "IDC_SIZEWE";
        case SystemCursor::UpArrow: return "IDC_UPARROW";
        case SystemCursor::Wait: return "IDC_WAIT";
        case SystemCursor::No: return "IDC_NO";
        case SystemCursor::AppStarting: return "IDC_APPSTARTING";
        case SystemCursor::Help: return "IDC_HELP";
        case SystemCursor::Custom: return "MouseIcon";
    }
    return "";
}

std::string Anchor(std::string_view heading) {
    std::string out;
    for (char c : heading) {
        if (c == ' ') out += '-';
        else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// The browser shows Behavior after the control's own categories, and
// uncategorised members last.
int CategoryOrder(PropertyCategory c) {
    if (c == PropertyCategory::None) return 1 << 20;
    if (c == PropertyCategory::Behavior) return 1 << 19;
    return static_cast<int>(c);
}

class Writer {
public:
    Writer(const IdlFacts& idl, const Notes& notes) : idl_(idl), notes_(notes) {
        for (const MemberNote& n : notes.members) members_[n.name] = &n;
        for (const MemberNote& n : notes.events) events_[n.name] = &n;
    }

    void Check(std::vector<std::string>& errors) const {
        std::set<std::string_view> named;
        for (const MemberInfo& m : MemberTable()) {
            named.insert(m.name);
            if (!members_.contains(m.name)) errors.push_back("no note for the member " + std::string(m.name));
        }
        for (const auto& [name, note] : members_) {
            if (!named.contains(name)) errors.push_back("a note names no member: " + std::string(name));
        }
        std::set<std::string_view> declared;
        for (const EventDecl& e : idl_.events) {
            declared.insert(e.name);
            if (!events_.contains(e.name)) errors.push_back("no note for the event " + e.name);
        }
        for (const auto& [name, note] : events_) {
            if (!declared.contains(name)) errors.push_back("a note names no event: " + std::string(name));
        }
    }

    std::string ActiveX() {
        Line("# BRIXELDEMO ActiveX control");
        Line();
        Line(idl_.library_help + ": type library `" + idl_.library + "` version " + idl_.library_version +
             ", one control class with the dispatch interface `_DBrixelDemo` and the event interface "
             "`_DBrixelDemoEvents`.");
        Line();
        Line("This page is generated from the control's member table (`tools/reference`); do not edit it by "
             "hand. Every property change also marks the control modified and, at design time, tells the "
             "container, which is not repeated below. Types are given as VBA and VB6 name them; colours are "
             "OLE colours (`&HBBGGRR`, or `&H800000nn` for system colour nn). The guide (`../guide.md`) shows "
             "the members at work.");
        Line();
        Line("- [Properties](#properties)");
        for (PropertyCategory c : Categories()) {
            Line("  - [" + CategoryTitle(c) + "](#" + Anchor(CategoryTitle(c)) + ")");
        }
        Line("- [Menu item properties](#menu-item-properties)");
        Line("- [Methods](#methods)");
        Line("- [Events](#events)");
        Line("- [Enumerations](#enumerations)");
        Line("- [Mouse pointers](#mouse-pointers)");
        Line("- [Menu shortcut codes](#menu-shortcut-codes)");
        Line("- [Errors and messages](#errors-and-messages)");
        Line("- [Stored flags](#stored-flags)");
        Properties();
        MenuItemProperties();
        Methods();
        Events();
        Enumerations();
        MousePointers();
        ShortcutCodes();
        Messages();
        StoredFlags();
        return std::move(out_);
    }

private:
    void Line(std::string_view text = {}) {
        out_ += text;
        out_ += '\n';
    }

    const MemberNote& Note(std::string_view name) const { return *members_.at(name); }

    static std::vector<PropertyCategory> Categories() {
        std::vector<PropertyCategory> cats;
        for (const MemberInfo& m : MemberTable()) {
            if (m.kind == MemberKind::Property && std::ranges::find(cats, m.category) == cats.end()) {
                cats.push_back(m.category);
            }
        }
        std::ranges::sort(cats, {}, CategoryOrder);
        return cats;
    }

    static std::string CategoryTitle(PropertyCategory c) {
        return c == PropertyCategory::None ? "Other properties" : std::string(CategoryName(c)) + " properties";
    }

    void HelpAndDetail(const MemberNote& note) {
        Line();
        Line(note.help);
        if (!note.detail.empty()) {
            Line();
            Line(note.detail);
        }
    }

    void Properties() {
        Line();
        Line("## Properties");
        Line();
        Line("Grouped by the category the container's property browser shows them in.");
        for (PropertyCategory c : Categories()) {
            Line();
            Line("### " + CategoryTitle(c));
            for (const MemberInfo& m : MemberTable()) {
                if (m.kind == MemberKind::Property && m.category == c) Property(m);
            }
        }
    }

    void Property(const MemberInfo& m) {
        Line();
        Line("#### " + std::string(m.name));
        HelpAndDetail(Note(m.name));
        Line();
        Line("| Type | Default | DISPID |");
        Line("|---|---|---|");
        const std::string def = m.read_only ? "read-only" : Describe(m, m.def);
        Line("| " + std::string(VbType(m.type)) + " | " + def + " | " + std::to_string(m.dispid) + " |");
        std::vector<std::string> facts;
        if (m.variant != StateVariant::Normal) {
            facts.push_back("Belongs to the " + std::string(StateName(m.variant)) + " state set.");
        }
        if (!m.read_only) facts.push_back("When it changes: " + std::string(WhenItChanges(m.rule)));
        if (!m.enum_type.empty()) {
            facts.push_back("Values: [`" + std::string(m.enum_type) + "`](#" + Anchor(m.enum_type) + ")");
        }
        if (const BrowserList* list = BrowserListFor(m.dispid)) {
            std::string texts;
            for (const BrowserEntry& e : list->entries) {
                texts += (texts.empty() ? "\"" : ", \"") + std::string(e.text) + "\"";
            }
            facts.push_back("The property browser offers " + texts + ".");
        }
        if (m.old_def.source != DefaultSource::None) {
            facts.push_back("Data saved before version 2.0 without this value loads " + Describe(m, m.old_def) + ".");
        }
        if (m.since_version != 0) {
            facts.push_back("Stored since data version " + std::to_string(m.since_version >> 16) + "." +
                            std::to_string(m.since_version & 0xFFFF) + "; older data loads the default.");
        }
        if (!m.read_only && m.persist_key.empty()) facts.push_back("Not stored under a key of its own.");
        if (!m.persist_key.empty() && m.persist_key != m.name) {
            facts.push_back("Stored under the key \"" + std::string(m.persist_key) + "\".");
        }
        if (!facts.empty()) Line();
        for (const std::string& fact : facts) Line("- " + fact);
    }

    std::string Signature(const MemberInfo& m) const {
        std::string params;
        for (const MemberParam& p : m.params) {
            if (!params.empty()) params += ", ";
            params += std::string(p.name) + " As " + std::string(VbType(p.type));
        }
        if (m.kind == MemberKind::IndexedProperty) {
            return "Property " + std::string(m.name) + "(" + params + ") As " + std::string(VbType(m.type));
        }
        if (m.type == VarType::Void) return "Sub " + std::string(m.name) + "(" + params + ")";
        return "Function " + std::string(m.name) + "(" + params + ") As " + std::string(VbType(m.type));
    }

    void MenuItemProperties() {
        Line();
        Line("## Menu item properties");
        Line();
        Line("Each takes the item's ID as its index: `Button.MenuItemCaption(10) = \"Open\"`. Reading an item "
             "that does not exist gives the type's empty value; writing one does nothing. They change only the "
             "menu, which shows the change the next time it drops.");
        for (const MemberInfo& m : MemberTable()) {
            if (m.kind != MemberKind::IndexedProperty) continue;
            Line();
            Line("#### " + std::string(m.name));
            HelpAndDetail(Note(m.name));
            Line();
            Line("`" + Signature(m) + "` · DISPID " + std::to_string(m.dispid));
        }
    }

    void Methods() {
        Line();
        Line("## Methods");
        Line();
        Line("No method returns an error to the caller: a refused menu change shows its message (see "
             "[Errors and messages](#errors-and-messages)) and leaves the menu as it was. Item IDs are 0 to "
             "32767 and unique in the whole menu; -1 names the top level.");
        for (const MemberInfo& m : MemberTable()) {
            if (m.kind != MemberKind::Method) continue;
            Line();
            Line("#### " + std::string(m.name));
            HelpAndDetail(Note(m.name));
            Line();
            Line("`" + Signature(m) + "` · DISPID " + std::to_string(m.dispid));
        }
    }

    void Events() {
        Line();
        Line("## Events");
        Line();
        Line(idl_.events_help + " (`_DBrixelDemoEvents`). A VBA or VB6 form names each handler after the "
             "control: `Private Sub BrixelDemo1_Click()`. No event fires while Active is False.");
        for (const EventDecl& e : idl_.events) {
            Line();
            Line("#### " + e.name);
            const MemberNote& note = *events_.at(e.name);
            HelpAndDetail(note);
            std::string params;
            for (const std::string& p : e.params) {
                const auto space = p.rfind(' ');
                if (!params.empty()) params += ", ";
                params += p.substr(space + 1) + " As " + VbOfIdl(p.substr(0, space));
            }
            Line();
            Line("`Sub BrixelDemo1_" + e.name + "(" + params + ")` · DISPID " + std::to_string(e.dispid));
        }
    }

    void Enumerations() {
        Line();
        Line("## Enumerations");
        Line();
        Line("The type library publishes these names, so a VB project can write `kvnFlat` for 0. The page "
             "label is what the control's property pages list. No property checks that a value is one of its "
             "constants: another value is stored and saved as it is.");
        for (const EnumType& e : AllEnumTypes()) {
            Line();
            Line("### " + std::string(e.name));
            Line();
            std::string carriers;
            for (const MemberInfo& m : MemberTable()) {
                if (m.enum_type == e.name) carriers += (carriers.empty() ? "" : ", ") + std::string(m.name);
            }
            if (carriers.empty()) {
                for (const MemberNote& n : notes_.members) {
                    if (n.help.find(e.name) != std::string_view::npos) {
                        carriers += (carriers.empty() ? "" : ", ") + std::string(n.name);
                    }
                }
                Line("No property has this type; each field of " + carriers + " takes one of these values.");
            } else {
                Line("Carried by " + carriers + ".");
            }
            Line();
            Line("| Constant | Value | Page label |");
            Line("|---|---|---|");
            for (const EnumConstant& c : e.constants) {
                const std::string label = c.page_label.empty() ? "" : "\"" + std::string(c.page_label) + "\"";
                Line("| `" + std::string(c.name) + "` | " + std::to_string(c.value) + " | " + label + " |");
            }
        }
    }

    void MousePointers() {
        Line();
        Line("## Mouse pointers");
        Line();
        Line("MousePointer is a plain Integer; these are its values. Any other value shows the container's "
             "default pointer.");
        Line();
        Line("| Value | Page label | Property browser | Pointer shown |");
        Line("|---|---|---|---|");
        for (const MousePointerEntry& p : MousePointerTable()) {
            const auto browser = BrowserText(dispid::kMousePointer, p.value);
            Line("| " + std::to_string(p.value) + " | \"" + std::string(p.page_label) + "\" | " +
                 (browser ? "\"" + std::string(*browser) + "\"" : std::string{}) + " | " +
                 std::string(CursorName(p.cursor)) + " |");
        }
    }

    void ShortcutCodes() {
        Line();
        Line("## Menu shortcut codes");
        Line();
        Line("MenuItemShortcut reads and writes these codes; the menu stores and shows the text.");
        Line();
        constexpr int kColumns = 4;
        constexpr int kRows = (kShortcutCodeCount + kColumns - 1) / kColumns;
        std::string header = "|";
        std::string rule = "|";
        for (int c = 0; c < kColumns; ++c) {
            header += " Code | Shortcut |";
            rule += "---|---|";
        }
        Line(header);
        Line(rule);
        for (int r = 0; r < kRows; ++r) {
            std::string row = "|";
            for (int c = 0; c < kColumns; ++c) {
                const int code = c * kRows + r;
                if (code < kShortcutCodeCount) {
                    row += " " + std::to_string(code) + " | " + Utf8(ShortcutText(code)) + " |";
                } else {
                    row += " | |";
                }
            }
            Line(row);
        }
    }

    void Messages() {
        Line();
        Line("## Errors and messages");
        Line();
        Line("Errors raised to the caller. VBA, VB6 and VBScript show the low word of the code in `Err.Number` "
             "and the text in `Err.Description`.");
        Line();
        Line("| Error | `Err.Number` | Text | Raised by |");
        Line("|---|---|---|---|");
        const std::string sound_files = "setting ClickSoundFile or MouseInSoundFile; the property is left empty";
        Error(kErrFileNotFound, sound_files + " (no such file)");
        Error(kErrPathNotFound, sound_files + " (no such folder)");
        Error(kErrFileAccess, sound_files + " (any other file error)");
        std::string read_only;
        for (const MemberInfo& m : MemberTable()) {
            if (m.read_only) read_only += (read_only.empty() ? "" : ", ") + std::string(m.name);
        }
        Error(kErrSetNotSupported, "setting a read-only property: " + read_only);
        Line();
        Line("Messages the control shows in a message box; the call then returns normally with nothing changed:");
        Line();
        Line("| Message | Shown by |");
        Line("|---|---|");
        using namespace menu_messages;
        Message(kNegativeId, "AddMenuItem, InsertMenuItem or MenuItemID with a negative ID (stop icon)");
        Message(kDuplicateId, "AddMenuItem, InsertMenuItem or MenuItemID with an ID the menu has");
        Message(kSubMenuOnSeparator, "AddMenuItem below a separator");
        Message(kSubMenuOnShortcut, "AddMenuItem below an item that has a shortcut");
        Message(kShortcutOnParent, "MenuItemShortcut on an item with sub-items");
        Message(kShortcutTaken, "MenuItemShortcut with a shortcut another item has");
        Message(kHyperlinkOnParent, "MenuItemHyperlink = True on an item with sub-items");
        Message(kSeparatorOnParent, "MenuItemSeparator = True on an item with sub-items");
        for (const MessageNote& m : SetterMessages()) Line("| " + std::string(m.text) + " | " + std::string(m.shown_by) + " |");
        Line();
        Line("Unless noted, the menu's messages carry the exclamation icon.");
    }

    void Error(const AutomationError& e, const std::string& raised_by) {
        const std::string text = e.text.empty() ? "the system's text" : "\"" + Utf8(e.text) + "\"";
        Line("| `&H" + Hex(e.code) + "` | " + std::to_string(e.code & 0xFFFF) + " | " + text + " | " + raised_by +
             " |");
    }

    void Message(std::u16string_view text, std::string_view shown_by) {
        Line("| \"" + Utf8(text) + "\" | " + std::string(shown_by) + " |");
    }

    void StoredFlags() {
        Line();
        Line("## Stored flags");
        Line();
        Line("Saved with the control's properties but not automation members: a script cannot read them.");
        Line();
        Line("| Key | Default | Meaning |");
        Line("|---|---|---|");
        for (const MemberInfo& m : MemberTable()) {
            if (m.kind != MemberKind::PersistedFlag) continue;
            Line("| \"" + std::string(m.persist_key) + "\" | " + Describe(m, m.def) + " | " +
                 std::string(Note(m.name).help) + " |");
        }
    }

    const IdlFacts& idl_;
    const Notes& notes_;
    std::map<std::string_view, const MemberNote*> members_;
    std::map<std::string_view, const MemberNote*> events_;
    std::string out_;
};

std::string Index(const IdlFacts& idl) {
    return "# Reference manual\n"
           "\n"
           "Generated by `tools/reference` from the member table the type library and the dispatch are built "
           "from; `make reference` writes it again and `make test` fails when it is out of date. To change a "
           "page, change the table (`src/core/property_table.cpp`), the enumerations (`src/core/enums.cpp`) or "
           "the notes (`tools/reference/member_notes.cpp`). The Windows Forms page is read from the built assembly: "
           "change the attributes in `src/dotnet` or the notes in `tools/dotnet_reference`.\n"
           "\n"
           "| Page | What it covers |\n"
           "|---|---|\n"
           "| [ActiveX control](activex.md) | `" + idl.library + "` " + idl.library_version +
           ": every property, method and event of the control, its enumerations, mouse pointers, menu shortcut "
           "codes, errors and messages |\n"
           "| [Windows Forms control](" + std::string(kDotNetPage) + ") | `Korvane.Nimbara.BrixelDemo`: every "
           "property of the grid with its category, type, default and ActiveX counterpart, the events, methods, "
           "menu item classes, enumerations and delegates (written from the built assembly by "
           "`tools/dotnet_reference`) |\n"
           "\n"
           "The guide (`../guide.md`) shows them at work.\n";
}

}  // namespace

IdlFacts ReadIdl(std::string_view raw, std::string_view events_interface, std::vector<std::string>& errors) {
    const std::string text = StripIdlComments(raw);
    const std::string_view idl = text;
    IdlFacts facts;
    const auto lib = idl.find("library ");
    if (lib == std::string_view::npos) {
        errors.push_back("the IDL declares no library");
        return facts;
    }
    const std::string_view lib_attrs = AttributesBefore(idl, lib);
    facts.library_version = Attribute(lib_attrs, "version");
    facts.library_help = Attribute(lib_attrs, "helpstring");
    const auto name_end = idl.find_first_of(" \t\r\n{", lib + 8);
    facts.library = Trim(idl.substr(lib + 8, name_end - lib - 8));

    const std::string key = "dispinterface " + std::string(events_interface);
    const auto at = idl.find(key);
    if (at == std::string_view::npos) {
        errors.push_back("the IDL has no dispinterface " + std::string(events_interface));
        return facts;
    }
    facts.events_help = Attribute(AttributesBefore(idl, at), "helpstring");
    const auto open = idl.find('{', at);
    const auto close = idl.find("};", open);
    const auto methods = idl.find("methods:", open);
    if (open == std::string_view::npos || close == std::string_view::npos || methods == std::string_view::npos ||
        methods > close) {
        errors.push_back("cannot read the body of " + std::string(events_interface));
        return facts;
    }
    std::string_view body = idl.substr(methods + 8, close - methods - 8);
    while (!Trim(body).empty()) {
        const auto semi = body.find(';');
        const std::string decl = Trim(body.substr(0, semi));
        if (auto event = ParseEvent(decl)) {
            facts.events.push_back(std::move(*event));
        } else {
            errors.push_back("cannot read the event declaration: " + decl);
        }
        if (semi == std::string_view::npos) break;
        body.remove_prefix(semi + 1);
    }
    return facts;
}

std::vector<Page> GeneratePages(const IdlFacts& idl, const Notes& notes, std::vector<std::string>& errors) {
    Writer writer(idl, notes);
    const std::size_t before = errors.size();
    writer.Check(errors);
    if (errors.size() != before) return {};
    return {{"README.md", Index(idl)}, {"activex.md", writer.ActiveX()}};
}

std::vector<std::string> StalePages(const std::vector<Page>& pages, const std::string& directory) {
    namespace fs = std::filesystem;
    std::vector<std::string> stale;
    std::set<std::string> written;
    for (const Page& page : pages) {
        written.insert(page.file);
        std::ifstream in(fs::path(directory) / page.file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (!in || text.str() != page.text) stale.push_back(page.file);
    }
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(directory, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".md" && !written.contains(name) && name != kDotNetPage) {
            stale.push_back(name);
        }
    }
    std::ranges::sort(stale);
    return stale;
}

}  // namespace brixel::reference
