// The member table of the automation interface: one row per property, method
// and indexed menu property, plus the persisted border-colour flags. The type
// library check, IDispatch, persistence, the pages and the property browser
// iterate it; nothing else spells a member's name.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/colour.h"
#include "core/property_record.h"

namespace brixel {

enum class VarType : std::uint8_t { Void, I2, I4, Bool, Bstr, Color, Font, Picture };

enum class MemberKind : std::uint8_t {
    Property,
    IndexedProperty,  // a menu item property, indexed by item ID
    Method,
    PersistedFlag,  // persisted with the properties, no automation member
};

// Property-browser categories (their numbers are what the browser is given).
enum class PropertyCategory : std::int32_t {
    None = 0,
    Behavior = -6,
    Appearance = 100,
    Caption = 510,
    Border = 520,
    Gradient = 530,
    Picture = 540,
    Mouse = 550,
    Sound = 570,
    Hyperlink = 580,
    Translucent = 590,
    Menu = 600,
};

std::string_view CategoryName(PropertyCategory category);
// The category the browser shows for a DISPID; the stock font number is in
// Caption although the control's own Font member has no category.
PropertyCategory CategoryOf(std::int32_t dispid);

// What the control does after a property's value was stored, before the
// common tail (modified flag, change notification). The plain repaint rules
// come first (IsRepaintRule).
enum class ChangeRule : std::uint8_t {
    None,  // the common tail only
    Repaint,
    RepaintIf3D,  // Appearance is kvn3D
    RepaintUnlessXPFace,
    RepaintUnless3DOrXPStyle,  // Appearance is neither kvn3D nor kvnXPStyleAPB
    RepaintIfMouseIn,
    RepaintIfPressedOrToggled,
    RepaintIfDisabled,         // Enabled is FALSE
    RepaintIfPictureHasImage,  // the normal Picture
    RepaintIfCaptionShown,     // the row's variant is the caption's in force
    RepaintIfPictureShown,     // the row's variant supplies the picture drawn
    RepaintIfAnyPictureShown,
    RepaintIfGradientShown,
    RepaintIfDownEffectShown,
    RepaintIfOverEffectShown,
    RepaintIfMenu,
    // Rules with their own algorithm.
    Bevel,
    CustomBorderColour,
    ToolTip,
    Enabled,
    Active,
    MousePointer,
    Sound,
    SoundFile,
    Appearance,
    XPColorScheme,
    ToggleButton,
    Translucency,
    Shape,
    AppearanceStyle,
    ReadingDirection,
    Value,
    StockFont,
    Menu,
    MenuAutoDrop,
};

// A rule that only decides whether to repaint.
constexpr bool IsRepaintRule(ChangeRule rule) { return rule <= ChangeRule::RepaintIfMenu; }

// Where a new control's value comes from.
enum class DefaultSource : std::uint8_t {
    None,                // no stored value (read-only members, methods)
    Literal,             // number or text below
    AmbientDisplayName,  // the control's name in the container
    SystemButtonFace,    // the button-face colour as plain RGB at creation
    StandardFont,        // FontDesc{}
    NoPicture,
};

// A StandardFont default with a text takes that face instead.
struct DefaultValue {
    DefaultSource source = DefaultSource::None;
    std::int64_t number = 0;
    std::u16string_view text;
};

// The record member that keeps a property.
using RecordField = std::variant<std::monostate, bool ButtonProperties::*, std::int16_t ButtonProperties::*,
                                 OleColor ButtonProperties::*, std::u16string ButtonProperties::*,
                                 FontDesc ButtonProperties::*, SharedPicture ButtonProperties::*>;

struct MemberParam {
    std::string_view name;
    VarType type;
};

struct MemberInfo {
    std::string_view name;
    std::int32_t dispid = 0;  // dispid::kNone for the persisted flags
    MemberKind kind = MemberKind::Property;
    VarType type = VarType::Void;  // a method's result type
    PropertyCategory category = PropertyCategory::None;
    bool read_only = false;
    DefaultValue def;
    RecordField field;
    ChangeRule rule = ChangeRule::None;
    StateVariant variant = StateVariant::Normal;  // the state set a property belongs to
    std::span<const MemberParam> params;          // methods and indexed properties
    std::string_view persist_key;                 // empty: not exchanged by key
    std::string_view enum_type;                   // the ENUM_... whose values it takes
    DefaultValue old_def;                         // for data older than 2.0; None: as def
    std::uint32_t since_version = 0;              // older data does not carry it
};

// Versions of stored data: major in the high word, minor in the low word.
inline constexpr std::uint32_t kDataVersion2 = 0x00020000;
inline constexpr std::uint32_t kCurrentDataVersion = 0x00030002;

std::span<const MemberInfo> MemberTable();
const MemberInfo* FindMember(std::int32_t dispid);
const MemberInfo* FindMemberByName(std::string_view name);

// A property's value as it crosses the automation boundary.
using PropertyValue =
    std::variant<bool, std::int16_t, std::int32_t, OleColor, std::u16string, FontDesc, SharedPicture>;

VarType TypeOf(const PropertyValue& value);

// A member's default for stored data of `version`: what a missing key or a
// reset gives. Nothing for members without a value of their own.
std::optional<PropertyValue> DefaultOf(const MemberInfo& member, std::uint32_t version,
                                       std::u16string_view display_name, OleColor button_face);

std::optional<PropertyValue> ReadField(const ButtonProperties& props, const RecordField& field);
// False (and nothing written) when the value's type does not fit the field.
bool WriteField(ButtonProperties& props, const RecordField& field, const PropertyValue& value);

// The values a newly created control starts with, the two host-given values
// passed in.
ButtonProperties NewControlProperties(std::u16string_view display_name, OleColor button_face);

// Whether two records agree on one field.
bool FieldEquals(const ButtonProperties& a, const ButtonProperties& b, const RecordField& field);
void CopyField(ButtonProperties& to, const ButtonProperties& from, const RecordField& field);

}  // namespace brixel
