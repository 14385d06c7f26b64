// Typed property access by id, the property list, pictures, and the
// Windows Forms surface's variants of the rules.
#include "abi/abi_objects.h"
#include "abi/dotnet_surface.h"

#include "core/enums.h"
#include "core/property_table.h"

#include <algorithm>
#include <cstring>

namespace brixel::abi {

// --- The Windows Forms surface ---------------------------------------------------------

std::optional<std::int16_t> AppearanceForFlatStyle(std::int32_t flat_style, bool theme_active) {
    switch (flat_style) {
        case 0: return kvnFlat;
        case 1: return kvn3DWithMouse;
        case 2: return kvn3D;
        case kFlatStyleSystem: return theme_active ? kvnXPStyleAPB : kvn3D;
        case 4: return kvnXPStyleAPB;
        case 5: return kvnXPWithMouse;
        default: return std::nullopt;
    }
}

std::int16_t FlatStyleForAppearance(std::int16_t appearance) {
    switch (appearance) {
        case kvnFlat: return 0;
        case kvn3DWithMouse: return 1;
        case kvn3D: return 2;
        case kvnXPWithMouse: return 5;
        default: return 4;
    }
}

bool IsDefinedEnumValue(const MemberInfo& member, std::int32_t value) {
    if (member.enum_type.empty()) return true;
    const EnumType* type = FindEnumType(member.enum_type);
    if (type == nullptr) return true;
    return std::any_of(type->constants.begin(), type->constants.end(),
                       [value](const EnumConstant& c) { return c.value == value; });
}

namespace {

std::int32_t DispidOf(std::string_view name) {
    const MemberInfo* m = FindMemberByName(name);
    return m != nullptr ? m->dispid : 0;
}

FontDesc WindowsFormsFont() {
    FontDesc f;
    f.face = u"Microsoft Sans Serif";
    f.size = 82500;  // 8.25 pt
    return f;
}

void PutQuietly(brixel_button& b, std::int32_t dispid, const PropertyValue& value) {
    (void)b.instance->Put(dispid, value, b.frame);
}

}  // namespace

void ApplyDotNetDefaults(brixel_button& b) {
    PutQuietly(b, DispidOf("DisabledBackColor"), OleColor{0xEAF4F5});  // RGB(245, 244, 234)
    PutQuietly(b, DispidOf("DownFontColor"), OleColor{0xFFFFFF});
    PutQuietly(b, DispidOf("DisabledGradientColor2"), OleColor{0xF9DED6});  // RGB(214, 222, 249)
    for (const char* font : {"MouseInFont", "DownFont", "DisabledFont", "MenuFont"})
        PutQuietly(b, DispidOf(font), WindowsFormsFont());
}

}  // namespace brixel::abi

namespace brixel::abi {
namespace {

struct Target {
    const MemberInfo* member = nullptr;
    std::int32_t special = 0;  // one of the BRIXEL_PROP_ ids
};

brixel_status FindTarget(std::int32_t id, Target& out) {
    if (id == BRIXEL_PROP_FLAT_STYLE || id == BRIXEL_PROP_CUSTOM_BORDER_COLOR ||
        id == BRIXEL_PROP_CUSTOM_MOUSE_IN_BORDER_COLOR || id == BRIXEL_PROP_CUSTOM_DOWN_BORDER_COLOR) {
        out.special = id;
        return BRIXEL_OK;
    }
    const MemberInfo* m = FindMember(id);
    if (m == nullptr || m->kind != MemberKind::Property) return BRIXEL_E_UNKNOWN_PROPERTY;
    out.member = m;
    return BRIXEL_OK;
}

std::int32_t TypeCode(VarType t) {
    switch (t) {
        case VarType::Bool: return BRIXEL_TYPE_BOOL;
        case VarType::I2: return BRIXEL_TYPE_INT;
        case VarType::I4: return BRIXEL_TYPE_INT32;
        case VarType::Color: return BRIXEL_TYPE_COLOR;
        case VarType::Bstr: return BRIXEL_TYPE_STRING;
        case VarType::Font: return BRIXEL_TYPE_FONT;
        case VarType::Picture: return BRIXEL_TYPE_PICTURE;
        default: return 0;
    }
}

brixel_status FromPutResult(const PutResult& r) {
    switch (r.status) {
        case PutStatus::Done:
        case PutStatus::Refused:
        case PutStatus::Unchanged: return BRIXEL_OK;
        case PutStatus::UnknownMember:
        case PutStatus::NotAProperty: return BRIXEL_E_UNKNOWN_PROPERTY;
        case PutStatus::WrongType: return BRIXEL_E_WRONG_TYPE;
        case PutStatus::Failed: break;
    }
    if (!r.error) return BRIXEL_E_INTERNAL;
    if (*r.error == kErrFileNotFound) return BRIXEL_E_FILE_NOT_FOUND;
    if (*r.error == kErrPathNotFound) return BRIXEL_E_PATH_NOT_FOUND;
    if (*r.error == kErrFileAccess) return BRIXEL_E_FILE_ACCESS;
    if (*r.error == kErrSetNotSupported) return BRIXEL_E_READ_ONLY;
    return BRIXEL_E_INTERNAL;
}

brixel_status Store(brixel_button& b, const MemberInfo& m, const PropertyValue& value, brixel_effects** effects) {
    if (m.read_only) return BRIXEL_E_READ_ONLY;
    const PutOutcome outcome = b.instance->Put(m.dispid, value, b.frame);
    const brixel_status status = FromPutResult(outcome.result);
    const brixel_status delivered = Deliver(b, outcome.effects, effects);
    return status != BRIXEL_OK ? status : delivered;
}

brixel_status Finished(brixel_button& b, Effects effects, brixel_effects** out) { return Deliver(b, std::move(effects), out); }

Effects RepaintOnly() { return Effects{Effect{.kind = EffectKind::Redraw}}; }

bool Unchanged(brixel_button& b, const MemberInfo& m, const PropertyValue& value) {
    return b.instance->Get(m.dispid) == std::optional<PropertyValue>(value);
}

// Appearance under the Windows Forms rules: the ActiveX change, except that
// a hidden form that is still loading keeps its stored border colours, and
// a border colour the XP look leaves goes to grey instead of black.
brixel_status DotNetAppearance(brixel_button& b, const MemberInfo& m, std::int16_t appearance, brixel_effects** effects) {
    if (b.host.env.hidden_while_loading != 0) {
        b.instance->StoreWithoutRules(m.dispid, appearance);
        return Finished(b, {Effect{.kind = EffectKind::RebuildRegion}, Effect{.kind = EffectKind::Redraw}}, effects);
    }
    const ButtonProperties before = b.instance->Props();
    const PutOutcome outcome = b.instance->Put(m.dispid, appearance, b.frame);
    const ButtonProperties& after = b.instance->Props();
    constexpr OleColor kClassicGrey = 0x808080;
    const std::pair<OleColor ButtonProperties::*, const char*> greyed[] = {
        {&ButtonProperties::DownBorderColor, "DownBorderColor"}, {&ButtonProperties::MouseInBorderColor, "MouseInBorderColor"}};
    for (const auto& [field, name] : greyed) {
        if (before.*field != 0 && after.*field == 0)
            b.instance->StoreWithoutRules(FindMemberByName(name)->dispid, kClassicGrey);
    }
    const brixel_status status = FromPutResult(outcome.result);
    const brixel_status delivered = Deliver(b, outcome.effects, effects);
    return status != BRIXEL_OK ? status : delivered;
}

}  // namespace

void ResolveSystemStyle(brixel_button& b) {
    if (!b.flat_style_system) return;
    const std::int16_t resolved = *AppearanceForFlatStyle(kFlatStyleSystem, b.host.env.theme_active != 0);
    if (b.instance->Props().Appearance == resolved) return;
    const MemberInfo& m = *FindMemberByName("Appearance");
    if (b.rules == BRIXEL_RULES_DOTNET) (void)DotNetAppearance(b, m, resolved, nullptr);
    else PutQuietly(b, m.dispid, resolved);
    b.host.messages.clear();
}

namespace {

// The Windows Forms rules that decide before the instance does. Returns
// true when the write is finished (status in `status`).
bool DotNetBeforeStore(brixel_button& b, const MemberInfo& m, const PropertyValue& value, brixel_status& status,
                       brixel_effects** effects) {
    if (const auto* v = std::get_if<std::int16_t>(&value); v != nullptr && !IsDefinedEnumValue(m, *v)) {
        status = BRIXEL_E_INVALID_ENUM;
        return true;
    }
    const std::string_view name = m.name;
    if (name == "Appearance") {
        b.flat_style_system = false;
        status = Unchanged(b, m, value) ? Finished(b, {}, effects)
                                        : DotNetAppearance(b, m, std::get<std::int16_t>(value), effects);
        return true;
    }
    if (name == "XPColorScheme") {
        // Every assignment counts, a repeat of the current value too.
        ++b.xp_scheme_assignments;
        if (Unchanged(b, m, value)) {
            status = Finished(b, {}, effects);
            return true;
        }
        const bool apply = b.instance->UserMode() ? b.xp_scheme_assignments >= 2 : b.host.env.hidden_while_loading == 0;
        if (b.flat_style_system || !apply) {
            // The designer's code assigns the scheme once while the form
            // loads: the stored border colours stay.
            b.instance->StoreWithoutRules(m.dispid, value);
            status = Finished(b, b.flat_style_system ? Effects{} : RepaintOnly(), effects);
            return true;
        }
        return false;
    }
    if (name == "BorderColor") {
        b.border_colour_assigned = true;
        // Only a different colour counts as the user's choice.
        if (Unchanged(b, m, value)) {
            status = Finished(b, {}, effects);
            return true;
        }
        return false;
    }
    if (name == "AppearanceStyle" && !b.border_colour_assigned) {
        // Loading a form writes AppearanceStyle before BorderColor and the
        // stored individual properties after it: the look is not recomputed.
        b.instance->StoreWithoutRules(m.dispid, value);
        status = Finished(b, {}, effects);
        return true;
    }
    return false;
}

// A sound file that was opened but not read to its end leaves no block
// behind. The ActiveX control keeps the path then; the Windows Forms
// control reports the failure and clears the path, so a caller is never
// told a file was loaded when it was not.
brixel_status DotNetSoundFileAfterStore(brixel_button& b, const MemberInfo& m, brixel_status status) {
    if (status != BRIXEL_OK) return status;
    const ButtonProperties& p = b.instance->Props();
    const bool click = m.name == std::string_view("ClickSoundFile");
    const std::u16string& path = click ? p.ClickSoundFile : p.MouseInSoundFile;
    if (path.empty() || b.instance->SoundMemory(click ? SoundSlotId::Click : SoundSlotId::MouseIn)) return status;
    b.instance->StoreWithoutRules(m.dispid, std::u16string());
    return BRIXEL_E_FILE_ACCESS;
}

brixel_status Set(brixel_button* button, std::int32_t id, VarType type, const PropertyValue& value,
                  brixel_effects** effects) {
    if (effects != nullptr) *effects = nullptr;
    brixel_button* b = LiveButton(button);
    if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
    b->host.messages.clear();
    Target t;
    if (const brixel_status s = FindTarget(id, t); s != BRIXEL_OK) return s;
    if (t.special == BRIXEL_PROP_FLAT_STYLE) {
        if (type != VarType::I2) return BRIXEL_E_WRONG_TYPE;
        const std::int16_t flat = std::get<std::int16_t>(value);
        const auto appearance = AppearanceForFlatStyle(flat, b->host.env.theme_active != 0);
        if (!appearance) return BRIXEL_E_INVALID_ENUM;
        const bool system = flat == kFlatStyleSystem;
        if (system == b->flat_style_system && b->instance->Props().Appearance == *appearance)
            return Deliver(*b, {}, effects);
        const MemberInfo& m = *FindMemberByName("Appearance");
        if (b->rules == BRIXEL_RULES_DOTNET) {
            const bool same = b->instance->Props().Appearance == *appearance;
            const brixel_status s = same ? Finished(*b, {}, effects) : DotNetAppearance(*b, m, *appearance, effects);
            b->flat_style_system = system;
            return s;
        }
        b->flat_style_system = system;
        return Store(*b, m, *appearance, effects);
    }
    if (t.special != 0) return BRIXEL_E_READ_ONLY;
    const MemberInfo& m = *t.member;
    const bool int_like = m.type == VarType::I2 || m.type == VarType::I4;
    if (m.type != type && !(type == VarType::I2 && int_like)) return BRIXEL_E_WRONG_TYPE;
    if (m.read_only) return BRIXEL_E_READ_ONLY;
    if (m.name == std::string_view("Appearance")) b->flat_style_system = false;
    if (b->rules == BRIXEL_RULES_DOTNET) {
        brixel_status status = BRIXEL_OK;
        if (DotNetBeforeStore(*b, m, value, status, effects)) return status;
        if (m.rule == ChangeRule::SoundFile) return DotNetSoundFileAfterStore(*b, m, Store(*b, m, value, effects));
    }
    return Store(*b, m, value, effects);
}

template <typename T>
brixel_status Get(brixel_button* button, std::int32_t id, VarType type, T* out, PropertyValue* value) {
    brixel_button* b = LiveButton(button);
    if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
    if (out == nullptr) return BRIXEL_E_NULL_ARGUMENT;
    Target t;
    if (const brixel_status s = FindTarget(id, t); s != BRIXEL_OK) return s;
    const ButtonProperties& p = b->instance->Props();
    switch (t.special) {
        case BRIXEL_PROP_FLAT_STYLE:
            if (type != VarType::I2) return BRIXEL_E_WRONG_TYPE;
            *value = static_cast<std::int16_t>(b->flat_style_system ? kFlatStyleSystem
                                                                    : FlatStyleForAppearance(p.Appearance));
            return BRIXEL_OK;
        case BRIXEL_PROP_CUSTOM_BORDER_COLOR: *value = p.CustomBorderColor; break;
        case BRIXEL_PROP_CUSTOM_MOUSE_IN_BORDER_COLOR: *value = p.CustomMouseInBorderColor; break;
        case BRIXEL_PROP_CUSTOM_DOWN_BORDER_COLOR: *value = p.CustomBackBorderColor; break;
        default: break;
    }
    if (t.special != 0) return type == VarType::Bool ? BRIXEL_OK : BRIXEL_E_WRONG_TYPE;
    const MemberInfo& m = *t.member;
    const bool int_like = m.type == VarType::I2 || m.type == VarType::I4;
    if (m.type != type && !(type == VarType::I2 && int_like)) return BRIXEL_E_WRONG_TYPE;
    std::optional<PropertyValue> v = b->instance->Get(m.dispid);
    if (!v) return BRIXEL_E_UNKNOWN_PROPERTY;
    *value = std::move(*v);
    return BRIXEL_OK;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
}

// The stored kinds of the plain values.
std::int32_t AsInt(const PropertyValue& v) {
    if (const auto* i = std::get_if<std::int16_t>(&v)) return *i;
    if (const auto* i = std::get_if<std::int32_t>(&v)) return *i;
    if (const auto* c = std::get_if<OleColor>(&v)) return static_cast<std::int32_t>(*c);
    if (const auto* f = std::get_if<bool>(&v)) return *f ? 1 : 0;
    return 0;
}

}  // namespace
}  // namespace brixel::abi

using namespace brixel;
using namespace brixel::abi;

extern "C" {

brixel_status BRIXEL_CALL brixel_property_info_at(int32_t index, brixel_property_info* info) {
    return Guarded([&]() -> brixel_status {
        if (info == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (!SizeFits(info)) return BRIXEL_E_BAD_SIZE;
        if (index < 0) return BRIXEL_E_INVALID_ARGUMENT;
        std::int32_t seen = 0;
        for (const MemberInfo& m : MemberTable()) {
            if (m.kind != MemberKind::Property) continue;
            if (seen++ != index) continue;
            info->id = m.dispid;
            info->type = TypeCode(m.type);
            info->read_only = m.read_only ? 1 : 0;
            info->name = m.name.data();  // the table's names are literals
            info->enum_type = m.enum_type.empty() ? nullptr : m.enum_type.data();
            return BRIXEL_OK;
        }
        static constexpr struct {
            std::int32_t id;
            std::int32_t type;
            const char* name;
        } kOwn[] = {{BRIXEL_PROP_FLAT_STYLE, BRIXEL_TYPE_INT, "FlatStyle"},
                    {BRIXEL_PROP_CUSTOM_BORDER_COLOR, BRIXEL_TYPE_BOOL, "BorderColorCustom"},
                    {BRIXEL_PROP_CUSTOM_MOUSE_IN_BORDER_COLOR, BRIXEL_TYPE_BOOL, "MouseInBorderColorCustom"},
                    {BRIXEL_PROP_CUSTOM_DOWN_BORDER_COLOR, BRIXEL_TYPE_BOOL, "DownBorderColorCustom"}};
        const std::int32_t own = index - seen;
        if (own >= static_cast<std::int32_t>(std::size(kOwn))) return BRIXEL_END;
        info->id = kOwn[own].id;
        info->type = kOwn[own].type;
        info->read_only = kOwn[own].id == BRIXEL_PROP_FLAT_STYLE ? 0 : 1;
        info->name = kOwn[own].name;
        info->enum_type = nullptr;
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_property_id(const char* name, int32_t* id) {
    return Guarded([&]() -> brixel_status {
        if (name == nullptr || id == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        brixel_property_info info = BRIXEL_PROPERTY_INFO_INIT;
        for (std::int32_t i = 0; brixel_property_info_at(i, &info) == BRIXEL_OK; ++i) {
            if (SameNameIgnoringCase(info.name, name)) {
                *id = info.id;
                return BRIXEL_OK;
            }
        }
        return BRIXEL_E_UNKNOWN_PROPERTY;
    });
}

brixel_status BRIXEL_CALL brixel_set_bool(brixel_button* button, int32_t id, int32_t value, brixel_effects** effects) {
    return Guarded([&] { return Set(button, id, VarType::Bool, PropertyValue{value != 0}, effects); });
}

brixel_status BRIXEL_CALL brixel_set_int(brixel_button* button, int32_t id, int32_t value, brixel_effects** effects) {
    return Guarded([&]() -> brixel_status {
        if (value < INT16_MIN || value > INT16_MAX) {
            if (effects != nullptr) *effects = nullptr;
            return LiveButton(button) == nullptr ? BRIXEL_E_BAD_HANDLE : BRIXEL_E_INVALID_ARGUMENT;
        }
        return Set(button, id, VarType::I2, PropertyValue{static_cast<std::int16_t>(value)}, effects);
    });
}

brixel_status BRIXEL_CALL brixel_set_color(brixel_button* button, int32_t id, uint32_t value, brixel_effects** effects) {
    return Guarded([&] { return Set(button, id, VarType::Color, PropertyValue{OleColor{value}}, effects); });
}

brixel_status BRIXEL_CALL brixel_set_string(brixel_button* button, int32_t id, const uint16_t* text, int32_t length,
                                            brixel_effects** effects) {
    return Guarded([&]() -> brixel_status {
        if (text == nullptr && length > 0) {
            if (effects != nullptr) *effects = nullptr;
            return LiveButton(button) == nullptr ? BRIXEL_E_BAD_HANDLE : BRIXEL_E_NULL_ARGUMENT;
        }
        return Set(button, id, VarType::Bstr, PropertyValue{FromUtf16(text, length)}, effects);
    });
}

brixel_status BRIXEL_CALL brixel_set_font(brixel_button* button, int32_t id, const brixel_font* font, brixel_effects** effects) {
    return Guarded([&]() -> brixel_status {
        if (!SizeFits(font)) {
            if (effects != nullptr) *effects = nullptr;
            if (LiveButton(button) == nullptr) return BRIXEL_E_BAD_HANDLE;
            return font == nullptr ? BRIXEL_E_NULL_ARGUMENT : BRIXEL_E_BAD_SIZE;
        }
        return Set(button, id, VarType::Font, PropertyValue{ToFontDesc(*font)}, effects);
    });
}

brixel_status BRIXEL_CALL brixel_set_picture(brixel_button* button, int32_t id, brixel_picture* picture,
                                             brixel_effects** effects) {
    return Guarded([&]() -> brixel_status {
        if (picture != nullptr && !IsLiveHandle(picture, HandleKind::Picture)) {
            if (effects != nullptr) *effects = nullptr;
            return BRIXEL_E_BAD_HANDLE;
        }
        SharedPicture shared = picture != nullptr ? SharedPicture(picture->picture) : SharedPicture();
        return Set(button, id, VarType::Picture, PropertyValue{std::move(shared)}, effects);
    });
}

brixel_status BRIXEL_CALL brixel_get_bool(brixel_button* button, int32_t id, int32_t* value) {
    return Guarded([&]() -> brixel_status {
        PropertyValue v;
        const brixel_status s = Get(button, id, VarType::Bool, value, &v);
        if (s == BRIXEL_OK) *value = AsInt(v);
        return s;
    });
}

brixel_status BRIXEL_CALL brixel_get_int(brixel_button* button, int32_t id, int32_t* value) {
    return Guarded([&]() -> brixel_status {
        PropertyValue v;
        const brixel_status s = Get(button, id, VarType::I2, value, &v);
        if (s == BRIXEL_OK) *value = AsInt(v);
        return s;
    });
}

brixel_status BRIXEL_CALL brixel_get_color(brixel_button* button, int32_t id, uint32_t* value) {
    return Guarded([&]() -> brixel_status {
        PropertyValue v;
        const brixel_status s = Get(button, id, VarType::Color, value, &v);
        if (s == BRIXEL_OK) *value = static_cast<std::uint32_t>(AsInt(v));
        return s;
    });
}

brixel_status BRIXEL_CALL brixel_get_string(brixel_button* button, int32_t id, uint16_t* buffer, int32_t capacity,
                                            int32_t* length) {
    return Guarded([&]() -> brixel_status {
        PropertyValue v;
        const brixel_status s = Get(button, id, VarType::Bstr, length, &v);
        if (s != BRIXEL_OK) return s;
        return CopyOut(std::get<std::u16string>(v), buffer, capacity, length);
    });
}

brixel_status BRIXEL_CALL brixel_get_font(brixel_button* button, int32_t id, brixel_font* font) {
    return Guarded([&]() -> brixel_status {
        PropertyValue v;
        const brixel_status s = Get(button, id, VarType::Font, font, &v);
        if (s != BRIXEL_OK) return s;
        if (!SizeFits(font)) return BRIXEL_E_BAD_SIZE;
        const FontDesc& f = std::get<FontDesc>(v);
        brixel_button& b = *button;
        b.scratch.assign(f.face.begin(), f.face.end());
        font->face = b.scratch.data();
        font->face_length = static_cast<std::int32_t>(b.scratch.size());
        font->size_units = f.size;
        font->weight = f.weight;
        font->charset = f.charset;
        font->italic = f.italic;
        font->underline = f.underline;
        font->strikethrough = f.strikethrough;
        font->pixel_height = PixelHeight(f, b.host.Dpi());
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_get_picture(brixel_button* button, int32_t id, brixel_picture** picture) {
    return Guarded([&]() -> brixel_status {
        PropertyValue v;
        const brixel_status s = Get(button, id, VarType::Picture, picture, &v);
        if (s != BRIXEL_OK) return s;
        *picture = nullptr;
        const SharedPicture& shared = std::get<SharedPicture>(v);
        if (!shared) return BRIXEL_OK;
        auto ours = std::dynamic_pointer_cast<const AbiPicture>(shared);
        if (!ours) return BRIXEL_OK;
        auto handle = std::make_unique<brixel_picture>();
        handle->picture = std::move(ours);
        RegisterHandle(handle.get(), HandleKind::Picture);
        *picture = handle.release();
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_picture_create(const brixel_picture_desc* desc, brixel_picture** picture) {
    return Guarded([&]() -> brixel_status {
        if (picture == nullptr || desc == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        *picture = nullptr;
        if (!SizeFits(desc)) return BRIXEL_E_BAD_SIZE;
        if (desc->kind != BRIXEL_PICTURE_OPAQUE && desc->kind != BRIXEL_PICTURE_ALPHA) return BRIXEL_E_INVALID_ARGUMENT;
        if (desc->width <= 0 || desc->height <= 0 || desc->width > 16384 || desc->height > 16384)
            return BRIXEL_E_INVALID_ARGUMENT;
        if (desc->pixels == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (desc->stride < desc->width * 4) return BRIXEL_E_INVALID_ARGUMENT;
        pixel::PixelPicture p;
        p.size = Size{desc->width, desc->height};
        const bool alpha = desc->kind == BRIXEL_PICTURE_ALPHA;
        // An alpha picture is drawn as an icon: its mask shows the destination
        // where the picture is transparent, and the colour there must be 0.
        p.kind = alpha ? PictureKind::Icon : PictureKind::Bitmap;
        const std::size_t count = static_cast<std::size_t>(desc->width) * static_cast<std::size_t>(desc->height);
        p.colour.resize(count);
        if (alpha) p.mask.resize(count);
        const auto* bytes = static_cast<const unsigned char*>(desc->pixels);
        for (int y = 0; y < desc->height; ++y) {
            const unsigned char* row = bytes + static_cast<std::size_t>(desc->stride) * static_cast<std::size_t>(y);
            for (int x = 0; x < desc->width; ++x) {
                std::uint32_t word;
                std::memcpy(&word, row + static_cast<std::size_t>(x) * 4, 4);
                const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(desc->width) +
                                      static_cast<std::size_t>(x);
                const bool transparent = alpha && (word >> 24) < 128;
                p.colour[i] = transparent ? 0 : (word & 0x00FFFFFFu);
                if (alpha) p.mask[i] = transparent ? 1 : 0;
            }
        }
        auto handle = std::make_unique<brixel_picture>();
        handle->picture = std::make_shared<const AbiPicture>(std::move(p), desc->dpi > 0 ? desc->dpi : 96);
        RegisterHandle(handle.get(), HandleKind::Picture);
        *picture = handle.release();
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_picture_release(brixel_picture* picture) {
    return Guarded([&]() -> brixel_status {
        if (!IsLiveHandle(picture, HandleKind::Picture)) return BRIXEL_E_BAD_HANDLE;
        UnregisterHandle(picture);
        delete picture;
        return BRIXEL_OK;
    });
}

}  // extern "C"
