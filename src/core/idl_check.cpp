#include "core/idl_check.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>

namespace brixel {
namespace {

struct TypeName {
    VarType type;
    std::string_view idl;
};

// The first name of a type is the one generated; the others are accepted.
constexpr TypeName kTypeNames[] = {
    {VarType::Void, "void"},         {VarType::I2, "short"},
    {VarType::I4, "long"},           {VarType::I4, "OLE_HANDLE"},
    {VarType::Bool, "VARIANT_BOOL"}, {VarType::Bool, "boolean"},
    {VarType::Bstr, "BSTR"},         {VarType::Color, "OLE_COLOR"},
    {VarType::Font, "IFontDisp*"},   {VarType::Picture, "IPictureDisp*"},
};

std::string_view IdlType(VarType type) {
    for (const TypeName& t : kTypeNames) {
        if (t.type == type) return t.idl;
    }
    return "void";
}

std::optional<VarType> ParseType(std::string type) {
    std::erase(type, ' ');
    for (const TypeName& t : kTypeNames) {
        if (t.idl == type) return t.type;
    }
    return std::nullopt;
}

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

std::string Params(const MemberInfo& m, std::optional<VarType> put_value) {
    std::string out = "(";
    for (const MemberParam& p : m.params) {
        if (out.size() > 1) out += ", ";
        out += std::string(IdlType(p.type)) + " " + std::string(p.name);
    }
    if (put_value) {
        if (out.size() > 1) out += ", ";
        out += std::string(IdlType(*put_value)) + " newValue";
    }
    return out + ")";
}

std::string Id(const MemberInfo& m) { return "[id(" + std::to_string(m.dispid) + ")"; }

// One declaration of the interface, as parsed.
struct Declared {
    std::int32_t dispid = 0;
    bool in_methods = false;
    bool propget = false;
    bool propput = false;
    bool readonly = false;
    std::string type;  // property type or method result
    std::string name;
    std::vector<std::string> param_types;
};


std::optional<std::string> InterfaceBody(std::string_view idl, std::string_view name) {
    const std::string text = StripIdlComments(idl);
    const std::string key = "dispinterface " + std::string(name);
    std::size_t at = text.find(key);
    while (at != std::string::npos) {
        const std::size_t open = text.find_first_not_of(" \t\r\n", at + key.size());
        if (open != std::string::npos && text[open] == '{') {
            const std::size_t close = text.find('}', open);
            if (close == std::string::npos) return std::nullopt;
            return text.substr(open + 1, close - open - 1);
        }
        at = text.find(key, at + key.size());
    }
    return std::nullopt;
}

std::vector<std::string> SplitParams(std::string_view list) {
    std::vector<std::string> types;
    while (!Trim(list).empty()) {
        const std::size_t comma = list.find(',');
        std::string_view one = Trim(list.substr(0, comma));
        const std::size_t last_blank = one.find_last_of(" *");
        types.emplace_back(Trim(one.substr(0, last_blank + 1)));
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return types;
}

std::optional<Declared> ParseDeclaration(std::string_view stmt, bool in_methods) {
    Declared d;
    d.in_methods = in_methods;
    const std::size_t close = stmt.find(']');
    if (stmt.empty() || stmt.front() != '[' || close == std::string_view::npos) return std::nullopt;
    const std::string_view attrs = stmt.substr(1, close - 1);
    const std::size_t id = attrs.find("id(");
    if (id == std::string_view::npos) return std::nullopt;
    const char* first = attrs.data() + id + 3;
    if (std::from_chars(first, attrs.data() + attrs.size(), d.dispid).ec != std::errc{}) return std::nullopt;
    d.propget = attrs.find("propget") != std::string_view::npos;
    d.propput = attrs.find("propput") != std::string_view::npos;
    d.readonly = attrs.find("readonly") != std::string_view::npos;
    std::string_view rest = Trim(stmt.substr(close + 1));
    const std::size_t paren = rest.find('(');
    const std::string_view head = Trim(rest.substr(0, paren));
    const std::size_t split = head.find_last_of(" *");
    if (split == std::string_view::npos) return std::nullopt;
    d.type = std::string(Trim(head.substr(0, split + 1)));
    d.name = std::string(head.substr(split + 1));
    if (paren != std::string_view::npos) {
        const std::size_t end = rest.rfind(')');
        if (end == std::string_view::npos || end < paren) return std::nullopt;
        d.param_types = SplitParams(rest.substr(paren + 1, end - paren - 1));
    }
    return d;
}

std::vector<std::string> Compare(const Declared& d, const MemberInfo& m) {
    std::vector<std::string> problems;
    const std::string who = "id(" + std::to_string(d.dispid) + ") " + d.name + ": ";
    if (d.name != m.name) problems.push_back(who + "the table names it " + std::string(m.name));
    const bool accessor = d.propget || d.propput;
    const bool method_syntax = d.in_methods && !accessor;
    if (method_syntax != (m.kind == MemberKind::Method))
        problems.push_back(who + "declared as the wrong kind");
    if (!d.in_methods && d.readonly != m.read_only) problems.push_back(who + "read-only differs");
    std::vector<std::string> params = d.param_types;
    std::string type = d.type;
    if (d.propput) {
        type = params.empty() ? "" : params.back();
        if (!params.empty()) params.pop_back();
        if (m.read_only) problems.push_back(who + "a read-only member has a put accessor");
    }
    if (ParseType(type) != m.type) problems.push_back(who + "type " + type + " differs");
    if (params.size() != m.params.size()) {
        problems.push_back(who + "argument count differs");
    } else {
        for (std::size_t i = 0; i < params.size(); ++i) {
            if (ParseType(params[i]) != m.params[i].type) problems.push_back(who + "argument type differs");
        }
    }
    return problems;
}

bool IsInterfaceMember(const MemberInfo& m) { return m.kind != MemberKind::PersistedFlag; }

}  // namespace

std::string StripIdlComments(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "//") {
            i = text.find('\n', i);
            if (i == std::string_view::npos) break;
        }
        out += text[i];
    }
    return out;
}

std::vector<std::string> IdlDeclarations(const MemberInfo& m) {
    const std::string type(IdlType(m.type));
    const std::string name(m.name);
    switch (m.kind) {
        case MemberKind::Property: return {Id(m) + (m.read_only ? ", readonly] " : "] ") + type + " " + name};
        case MemberKind::IndexedProperty:
            return {Id(m) + ", propget] " + type + " " + name + Params(m, std::nullopt),
                    Id(m) + ", propput] void " + name + Params(m, m.type)};
        case MemberKind::Method: return {Id(m) + "] " + type + " " + name + Params(m, std::nullopt)};
        case MemberKind::PersistedFlag: return {};
    }
    return {};
}

std::string GenerateDispinterfaceBody() {
    std::string properties = "properties:\n";
    std::string methods = "methods:\n";
    for (const MemberInfo& m : MemberTable()) {
        std::string& section = m.kind == MemberKind::Property ? properties : methods;
        for (const std::string& line : IdlDeclarations(m)) section += "    " + line + ";\n";
    }
    return properties + methods;
}

IdlCheck CheckDispinterface(std::string_view idl, std::string_view interface_name) {
    IdlCheck result;
    const std::optional<std::string> body = InterfaceBody(idl, interface_name);
    if (!body) {
        result.mismatches.push_back("no dispinterface " + std::string(interface_name));
        return result;
    }
    std::set<std::int32_t> seen;
    bool in_methods = false;
    std::string_view rest = *body;
    while (!Trim(rest).empty()) {
        const std::size_t semi = rest.find(';');
        std::string_view stmt = Trim(rest.substr(0, semi));
        rest = semi == std::string_view::npos ? std::string_view{} : rest.substr(semi + 1);
        // Section labels end at a colon before the first declaration.
        for (std::size_t colon; (colon = stmt.find(':')) != std::string_view::npos && stmt.front() != '[';) {
            in_methods = Trim(stmt.substr(0, colon)) == "methods";
            stmt = Trim(stmt.substr(colon + 1));
        }
        if (stmt.empty()) continue;
        const std::optional<Declared> d = ParseDeclaration(stmt, in_methods);
        if (!d) {
            result.mismatches.push_back("cannot read: " + std::string(stmt));
            continue;
        }
        const MemberInfo* m = FindMember(d->dispid);
        if (m == nullptr || !IsInterfaceMember(*m)) {
            result.mismatches.push_back(d->name + ": DISPID " + std::to_string(d->dispid) +
                                        " is not in the table");
            continue;
        }
        seen.insert(d->dispid);
        for (std::string& p : Compare(*d, *m)) result.mismatches.push_back(std::move(p));
    }
    for (const MemberInfo& m : MemberTable()) {
        if (IsInterfaceMember(m) && !seen.contains(m.dispid)) result.undeclared.push_back(m.name);
    }
    return result;
}

}  // namespace brixel
