#include "core/property_table.h"

#include <type_traits>

#include "core/dispids.h"
#include "core/enums.h"

namespace brixel {
namespace {

using P = ButtonProperties;
using R = ChangeRule;
using C = PropertyCategory;
using V = StateVariant;
using namespace dispid;

constexpr DefaultValue Lit(std::int64_t n) { return {DefaultSource::Literal, n, {}}; }
constexpr DefaultValue LitText(std::u16string_view t) { return {DefaultSource::Literal, 0, t}; }

constexpr MemberInfo Row(std::string_view name, std::int32_t id, VarType type, C cat, DefaultValue def,
                         RecordField field, R rule, V variant) {
    MemberInfo m;
    m.name = name;
    m.dispid = id;
    m.type = type;
    m.category = cat;
    m.def = def;
    m.field = field;
    m.rule = rule;
    m.variant = variant;
    m.persist_key = name;
    return m;
}

constexpr MemberInfo Flag(std::string_view n, std::int32_t id, bool P::*f, bool def, C c, R r,
                          V v = V::Normal) {
    return Row(n, id, VarType::Bool, c, Lit(def), f, r, v);
}
constexpr MemberInfo Short(std::string_view n, std::int32_t id, std::int16_t P::*f, std::int16_t def, C c,
                           R r, V v = V::Normal) {
    return Row(n, id, VarType::I2, c, Lit(def), f, r, v);
}
constexpr MemberInfo Colour(std::string_view n, std::int32_t id, OleColor P::*f, OleColor def, C c, R r,
                            V v = V::Normal) {
    return Row(n, id, VarType::Color, c, Lit(def), f, r, v);
}
constexpr MemberInfo FaceColour(std::string_view n, std::int32_t id, OleColor P::*f, C c, R r) {
    return Row(n, id, VarType::Color, c, {DefaultSource::SystemButtonFace, 0, {}}, f, r, V::Normal);
}
constexpr MemberInfo Text(std::string_view n, std::int32_t id, std::u16string P::*f, std::u16string_view def,
                          C c, R r) {
    return Row(n, id, VarType::Bstr, c, LitText(def), f, r, V::Normal);
}
constexpr MemberInfo FontMember(std::string_view n, std::int32_t id, FontDesc P::*f, C c, R r,
                                V v = V::Normal) {
    return Row(n, id, VarType::Font, c, {DefaultSource::StandardFont, 0, {}}, f, r, v);
}
constexpr MemberInfo PictureMember(std::string_view n, std::int32_t id, SharedPicture P::*f, C c, R r,
                                   V v = V::Normal) {
    return Row(n, id, VarType::Picture, c, {DefaultSource::NoPicture, 0, {}}, f, r, v);
}
constexpr MemberInfo ReadOnly(std::string_view n, std::int32_t id) {
    MemberInfo m = Row(n, id, VarType::I4, C::None, {}, {}, R::None, V::Normal);
    m.read_only = true;
    m.persist_key = {};
    return m;
}
constexpr MemberInfo Method(std::string_view n, std::int32_t id, VarType result,
                            std::span<const MemberParam> params = {}) {
    MemberInfo m = Row(n, id, result, C::None, {}, {}, R::None, V::Normal);
    m.kind = MemberKind::Method;
    m.params = params;
    m.persist_key = {};
    return m;
}
constexpr MemberParam kItemId[] = {{"ItemID", VarType::I2}};
constexpr MemberInfo Indexed(std::string_view n, std::int32_t id, VarType type) {
    MemberInfo m = Method(n, id, type, kItemId);
    m.kind = MemberKind::IndexedProperty;
    return m;
}
constexpr MemberInfo PersistedFlag(std::string_view n, bool P::*f) {
    MemberInfo m = Flag(n, kNone, f, false, C::None, R::None);
    m.kind = MemberKind::PersistedFlag;
    return m;
}
constexpr MemberInfo WithEnum(MemberInfo m, std::string_view enum_type) {
    m.enum_type = enum_type;
    return m;
}
constexpr MemberInfo WithOldDefault(MemberInfo m, DefaultValue old_def) {
    m.old_def = old_def;
    return m;
}
constexpr MemberInfo Since(MemberInfo m, std::uint32_t version) {
    m.since_version = version;
    return m;
}
constexpr MemberInfo WithKey(MemberInfo m, std::string_view key) {
    m.persist_key = key;
    return m;
}

constexpr MemberParam kToggleState[] = {{"State", VarType::Bool}};
constexpr MemberParam kAddItem[] = {{"ItemID", VarType::I2}, {"ParentID", VarType::I2}};
constexpr MemberParam kInsertItem[] = {{"ItemID", VarType::I2}, {"PlaceBeforeItemID", VarType::I2}};
constexpr MemberParam kParentId[] = {{"ParentID", VarType::I2}};
constexpr MemberParam kIdFromIndex[] = {{"ParentID", VarType::I2}, {"ItemIndex", VarType::I2}};

constexpr OleColor kXPBlueBorder = 0x743C00;

const MemberInfo kMembers[] = {
    WithKey(Row("_Caption", kDefaultCaption, VarType::Bstr, C::None,
                {DefaultSource::AmbientDisplayName, 0, {}}, &P::Caption, R::Repaint, V::Normal),
            {}),
    Row("Caption", kCaption, VarType::Bstr, C::Caption, {DefaultSource::AmbientDisplayName, 0, {}},
        &P::Caption, R::Repaint, V::Normal),
    Short("Bevel", kBevel, &P::Bevel, 1, C::Border, R::Bevel),
    Colour("BevelUpperShade", kBevelUpperShade, &P::BevelUpperShade, 0xFFFFFF, C::Border, R::RepaintIf3D),
    Colour("BevelLowerShade", kBevelLowerShade, &P::BevelLowerShade, 0x808080, C::Border, R::RepaintIf3D),
    FaceColour("BackColor", kBackColor, &P::BackColor, C::Appearance, R::RepaintUnlessXPFace),
    Colour("FontColor", kFontColor, &P::FontColor, 0x000000, C::Caption, R::Repaint),
    Colour("BorderColor", kBorderColor, &P::BorderColor, kXPBlueBorder, C::Border, R::CustomBorderColour),
    PictureMember("Picture", kPicture, &P::Picture, C::Picture, R::Repaint),
    Colour("PictureTransparentColor", kPictureTransparentColor, &P::PictureTransparentColor, 0xFFFFFF,
           C::Picture, R::RepaintIfPictureHasImage),
    Text("ToolTipText", kToolTipText, &P::ToolTipText, u"", C::Behavior, R::ToolTip),
    Flag("CoolButton", kCoolButton, &P::CoolButton, false, C::Behavior, R::RepaintIf3D),
    Flag("ShowFocusBorder", kShowFocusBorder, &P::ShowFocusBorder, true, C::Border, R::Repaint),
    Flag("Enabled", kEnabled, &P::Enabled, true, C::Behavior, R::Enabled),
    Flag("ShowDefaultBorder", kShowDefaultBorder, &P::ShowDefaultBorder, true, C::Border, R::Repaint),
    Short("MousePointer", kMousePointer, &P::MousePointer, 0, C::Mouse, R::MousePointer),
    PictureMember("MouseIcon", kMouseIcon, &P::MouseIcon, C::Mouse, R::None),
    Flag("Active", kActive, &P::Active, true, C::Behavior, R::Active),
    WithEnum(Short("ClickSound", kClickSound, &P::ClickSound, 1, C::Sound, R::Sound), "ENUM_SOUND"),
    Text("ClickSoundFile", kClickSoundFile, &P::ClickSoundFile, u"", C::Sound, R::SoundFile),
    Colour("MouseInFontColor", kMouseInFontColor, &P::MouseInFontColor, 0x000000, C::Caption,
           R::RepaintIfCaptionShown, V::MouseIn),
    WithOldDefault(FontMember("MouseInFont", kMouseInFont, &P::MouseInFont, C::Caption,
                              R::RepaintIfCaptionShown, V::MouseIn),
                   {DefaultSource::StandardFont, 0, u"Arial"}),
    PictureMember("MouseInPicture", kMouseInPicture, &P::MouseInPicture, C::Picture, R::RepaintIfMouseIn,
                  V::MouseIn),
    PictureMember("DownPicture", kDownPicture, &P::DownPicture, C::Picture, R::RepaintIfPressedOrToggled,
                  V::Down),
    PictureMember("DisabledPicture", kDisabledPicture, &P::DisabledPicture, C::Picture, R::RepaintIfDisabled,
                  V::Disabled),
    Flag("Hyperlink", kHyperlink, &P::Hyperlink, false, C::Hyperlink, R::Repaint),
    Text("HyperlinkAddress", kHyperlinkAddress, &P::HyperlinkAddress, u"", C::Hyperlink, R::Repaint),
    Flag("ShowHyperlink", kShowHyperlink, &P::ShowHyperlink, false, C::Hyperlink, R::Repaint),
    WithOldDefault(WithEnum(Short("Appearance", kAppearance, &P::Appearance, kvnXPStyleAPB, C::Appearance,
                                  R::Appearance),
                            "ENUM_APPEARANCE"),
                   Lit(kvnFlat)),
    WithEnum(Short("XPColorScheme", kXPColorScheme, &P::XPColorScheme, kvnXPBlueScheme, C::Appearance,
                   R::XPColorScheme),
             "ENUM_XP_SCHEME"),
    ReadOnly("hWnd", kHWnd),
    Flag("ToggleButton", kToggleButton, &P::ToggleButton, false, C::Behavior, R::ToggleButton),
    WithEnum(
        Short("BorderStyle", kBorderStyle, &P::BorderStyle, kvnSolid, C::Border, R::RepaintUnless3DOrXPStyle),
        "ENUM_BORDER_STYLE"),
    FontMember("DisabledFont", kDisabledFont, &P::DisabledFont, C::Caption, R::RepaintIfDisabled,
               V::Disabled),
    Colour("DisabledFontColor", kDisabledFontColor, &P::DisabledFontColor, 0x99A8AC, C::Caption,
           R::RepaintIfDisabled, V::Disabled),
    FaceColour("DisabledBackColor", kDisabledBackColor, &P::DisabledBackColor, C::Appearance,
               R::RepaintIfDisabled),
    Colour("DisabledBorderColor", kDisabledBorderColor, &P::DisabledBorderColor, 0xC8D0D4, C::Border,
           R::RepaintIfDisabled, V::Disabled),
    Colour("MouseInBackColor", kMouseInBackColor, &P::MouseInBackColor, 0xC2D1D4, C::Appearance,
           R::RepaintIfMouseIn, V::MouseIn),
    Colour("MouseInBorderColor", kMouseInBorderColor, &P::MouseInBorderColor, kXPBlueBorder, C::Border,
           R::CustomBorderColour, V::MouseIn),
    WithEnum(Short("MouseInBorderStyle", kMouseInBorderStyle, &P::MouseInBorderStyle, kvnSolid, C::Border,
                   R::RepaintIfMouseIn, V::MouseIn),
             "ENUM_BORDER_STYLE"),
    WithEnum(Short("TranslucentStyle", kTranslucentStyle, &P::TranslucentStyle, kvnNotTranslucent,
                   C::Translucent, R::Translucency),
             "ENUM_TRANSLUCENT_STYLE"),
    Short("TranslucentLevel", kTranslucentLevel, &P::TranslucentLevel, 120, C::Translucent, R::Repaint),
    WithEnum(Short("PictureStyle", kPictureStyle, &P::PictureStyle, kvnNormal, C::Picture,
                   R::RepaintIfPictureHasImage),
             "ENUM_PICTURE_STYLE"),
    Colour("DisabledPictureTransparentColor", kDisabledPictureTransparentColor,
           &P::DisabledPictureTransparentColor, 0xFFFFFF, C::Picture, R::RepaintIfDisabled, V::Disabled),
    Colour("DownPictureTransparentColor", kDownPictureTransparentColor, &P::DownPictureTransparentColor,
           0xFFFFFF, C::Picture, R::RepaintIfPictureShown, V::Down),
    Colour("MouseInPictureTransparentColor", kMouseInPictureTransparentColor,
           &P::MouseInPictureTransparentColor, 0xFFFFFF, C::Picture, R::RepaintIfPictureShown, V::MouseIn),
    WithEnum(Short("MouseInSound", kMouseInSound, &P::MouseInSound, kvnSound2, C::Sound, R::Sound),
             "ENUM_SOUND"),
    Text("MouseInSoundFile", kMouseInSoundFile, &P::MouseInSoundFile, u"", C::Sound, R::SoundFile),
    Text("CaptionMargins", kCaptionMargins, &P::CaptionMargins, u"6;6;6;6", C::Caption, R::Repaint),
    Text("PictureMargins", kPictureMargins, &P::PictureMargins, u"6;6;6;6", C::Picture,
         R::RepaintIfAnyPictureShown),
    Flag("EnableMouseInProperties", kEnableMouseInProperties, &P::EnableMouseInProperties, true, C::Behavior,
         R::RepaintIfMouseIn),
    Flag("EnableDownProperties", kEnableDownProperties, &P::EnableDownProperties, true, C::Behavior,
         R::RepaintIfPressedOrToggled),
    // The stored key has always been spelt so; documents depend on it.
    WithKey(Flag("EnableDisabledProperties", kEnableDisabledProperties, &P::EnableDisabledProperties, true,
                 C::Behavior, R::RepaintIfDisabled),
            "EnableDisbaledProperties"),
    WithEnum(Short("CaptionHAlignment", kCaptionHAlignment, &P::CaptionHAlignment, kvnHCenter, C::Caption,
                   R::Repaint),
             "ENUM_HALIGNMENT"),
    WithEnum(Short("CaptionVAlignment", kCaptionVAlignment, &P::CaptionVAlignment, kvnVCenter, C::Caption,
                   R::Repaint),
             "ENUM_VALIGNMENT"),
    WithEnum(Short("PictureHAlignment", kPictureHAlignment, &P::PictureHAlignment, kvnHCenter, C::Picture,
                   R::RepaintIfPictureShown),
             "ENUM_HALIGNMENT"),
    WithEnum(Short("PictureVAlignment", kPictureVAlignment, &P::PictureVAlignment, kvnVCenter, C::Picture,
                   R::RepaintIfPictureShown),
             "ENUM_VALIGNMENT"),
    WithEnum(Short("MouseInPictureHAlignment", kMouseInPictureHAlignment, &P::MouseInPictureHAlignment,
                   kvnHCenter, C::Picture, R::RepaintIfPictureShown, V::MouseIn),
             "ENUM_HALIGNMENT"),
    WithEnum(Short("MouseInPictureVAlignment", kMouseInPictureVAlignment, &P::MouseInPictureVAlignment,
                   kvnVCenter, C::Picture, R::RepaintIfPictureShown, V::MouseIn),
             "ENUM_VALIGNMENT"),
    WithEnum(Short("DisabledPictureHAlignment", kDisabledPictureHAlignment, &P::DisabledPictureHAlignment,
                   kvnHCenter, C::Picture, R::RepaintIfPictureShown, V::Disabled),
             "ENUM_HALIGNMENT"),
    WithEnum(Short("DisabledPictureVAlignment", kDisabledPictureVAlignment, &P::DisabledPictureVAlignment,
                   kvnVCenter, C::Picture, R::RepaintIfPictureShown, V::Disabled),
             "ENUM_VALIGNMENT"),
    WithEnum(Short("DownPictureHAlignment", kDownPictureHAlignment, &P::DownPictureHAlignment, kvnHCenter,
                   C::Picture, R::RepaintIfPictureShown, V::Down),
             "ENUM_HALIGNMENT"),
    WithEnum(Short("DownPictureVAlignment", kDownPictureVAlignment, &P::DownPictureVAlignment, kvnVCenter,
                   C::Picture, R::RepaintIfPictureShown, V::Down),
             "ENUM_VALIGNMENT"),
    Flag("CaptionWrap", kCaptionWrap, &P::CaptionWrap, false, C::Caption, R::Repaint),
    WithEnum(Short("DownBorderStyle", kDownBorderStyle, &P::DownBorderStyle, kvnSolid, C::Border,
                   R::RepaintIfPressedOrToggled, V::Down),
             "ENUM_BORDER_STYLE"),
    Colour("DownBackColor", kDownBackColor, &P::DownBackColor, 0xE5E5E5, C::Appearance,
           R::RepaintIfPressedOrToggled, V::Down),
    Colour("DownBorderColor", kDownBorderColor, &P::DownBorderColor, kXPBlueBorder, C::Border,
           R::CustomBorderColour, V::Down),
    FontMember("DownFont", kDownFont, &P::DownFont, C::Caption, R::RepaintIfPressedOrToggled, V::Down),
    Colour("DownFontColor", kDownFontColor, &P::DownFontColor, 0x000000, C::Caption,
           R::RepaintIfPressedOrToggled, V::Down),
    Flag("Gradient", kGradient, &P::Gradient, false, C::Gradient, R::Repaint),
    WithEnum(
        Short("GradientStyle", kGradientStyle, &P::GradientStyle, 0, C::Gradient, R::RepaintIfGradientShown),
        "ENUM_GRADIENT_FILL_STYLE"),
    WithEnum(Short("GradientStyleVariant", kGradientStyleVariant, &P::GradientStyleVariant, 0, C::Gradient,
                   R::RepaintIfGradientShown),
             "ENUM_GRADIENT_FILL_STYLE_VARIANT"),
    Colour("GradientColor1", kGradientColor1, &P::GradientColor1, 0xFFFFFF, C::Gradient,
           R::RepaintIfGradientShown),
    Colour("GradientColor2", kGradientColor2, &P::GradientColor2, 0xF9DED6, C::Gradient,
           R::RepaintIfGradientShown),
    Flag("DisabledGradient", kDisabledGradient, &P::DisabledGradient, false, C::Gradient, R::Repaint,
         V::Disabled),
    WithEnum(Short("DisabledGradientStyle", kDisabledGradientStyle, &P::DisabledGradientStyle, 0, C::Gradient,
                   R::RepaintIfGradientShown, V::Disabled),
             "ENUM_GRADIENT_FILL_STYLE"),
    WithEnum(Short("DisabledGradientStyleVariant", kDisabledGradientStyleVariant,
                   &P::DisabledGradientStyleVariant, 0, C::Gradient, R::RepaintIfGradientShown, V::Disabled),
             "ENUM_GRADIENT_FILL_STYLE_VARIANT"),
    Colour("DisabledGradientColor1", kDisabledGradientColor1, &P::DisabledGradientColor1, 0xFFFFFF,
           C::Gradient, R::RepaintIfGradientShown, V::Disabled),
    Colour("DisabledGradientColor2", kDisabledGradientColor2, &P::DisabledGradientColor2, 0xE0E0E0,
           C::Gradient, R::RepaintIfGradientShown, V::Disabled),
    Flag("MouseInGradient", kMouseInGradient, &P::MouseInGradient, false, C::Gradient, R::Repaint,
         V::MouseIn),
    WithEnum(Short("MouseInGradientStyle", kMouseInGradientStyle, &P::MouseInGradientStyle, 0, C::Gradient,
                   R::RepaintIfGradientShown, V::MouseIn),
             "ENUM_GRADIENT_FILL_STYLE"),
    WithEnum(Short("MouseInGradientStyleVariant", kMouseInGradientStyleVariant,
                   &P::MouseInGradientStyleVariant, 0, C::Gradient, R::RepaintIfGradientShown, V::MouseIn),
             "ENUM_GRADIENT_FILL_STYLE_VARIANT"),
    Colour("MouseInGradientColor1", kMouseInGradientColor1, &P::MouseInGradientColor1, 0xFFFFFF, C::Gradient,
           R::RepaintIfGradientShown, V::MouseIn),
    Colour("MouseInGradientColor2", kMouseInGradientColor2, &P::MouseInGradientColor2, 0xF9DED6, C::Gradient,
           R::RepaintIfGradientShown, V::MouseIn),
    Flag("DownGradient", kDownGradient, &P::DownGradient, false, C::Gradient, R::Repaint, V::Down),
    WithEnum(Short("DownGradientStyle", kDownGradientStyle, &P::DownGradientStyle, 0, C::Gradient,
                   R::RepaintIfGradientShown, V::Down),
             "ENUM_GRADIENT_FILL_STYLE"),
    WithEnum(Short("DownGradientStyleVariant", kDownGradientStyleVariant, &P::DownGradientStyleVariant, 0,
                   C::Gradient, R::RepaintIfGradientShown, V::Down),
             "ENUM_GRADIENT_FILL_STYLE_VARIANT"),
    Colour("DownGradientColor1", kDownGradientColor1, &P::DownGradientColor1, 0xFFFFFF, C::Gradient,
           R::RepaintIfGradientShown, V::Down),
    Colour("DownGradientColor2", kDownGradientColor2, &P::DownGradientColor2, 0xF9DED6, C::Gradient,
           R::RepaintIfGradientShown, V::Down),
    WithEnum(Short("MouseInPictureStyle", kMouseInPictureStyle, &P::MouseInPictureStyle, kvnNormal,
                   C::Picture, R::RepaintIfPictureShown, V::MouseIn),
             "ENUM_PICTURE_STYLE"),
    WithEnum(Short("DownPictureStyle", kDownPictureStyle, &P::DownPictureStyle, kvnNormal, C::Picture,
                   R::RepaintIfPictureShown, V::Down),
             "ENUM_PICTURE_STYLE"),
    WithEnum(Short("PictureEffectWhenMouseDown", kPictureEffectWhenMouseDown, &P::PictureEffectWhenMouseDown,
                   kvnNoEffect, C::Picture, R::RepaintIfDownEffectShown),
             "ENUM_PICTURE_EFFECT"),
    WithEnum(Short("PictureEffectWhenMouseOver", kPictureEffectWhenMouseOver, &P::PictureEffectWhenMouseOver,
                   kvnNoEffect, C::Picture, R::RepaintIfOverEffectShown),
             "ENUM_PICTURE_EFFECT"),
    WithEnum(Short("DisabledPictureStyle", kDisabledPictureStyle, &P::DisabledPictureStyle, kvnNormal,
                   C::Picture, R::RepaintIfPictureShown, V::Disabled),
             "ENUM_PICTURE_STYLE"),
    Text("CornerStyle", kCornerStyle, &P::CornerStyle, u"0;0;0;0", C::Appearance, R::Shape),
    Text("CornerRoundingLevel", kCornerRoundingLevel, &P::CornerRoundingLevel, u"1;1;1;1", C::Appearance,
         R::Shape),
    WithEnum(Short("AppearanceStyle", kAppearanceStyle, &P::AppearanceStyle, kvnAppearanceDefaultStyle,
                   C::Appearance, R::AppearanceStyle),
             "ENUM_APPEARANCE_STYLE"),
    Flag("RightToLeft", kRightToLeft, &P::RightToLeft, false, C::Behavior, R::ReadingDirection),
    Row("Value", kValue, VarType::Bool, C::None, Lit(false), {}, R::Value, V::Normal),
    ReadOnly("ControlPointer", kControlPointer),
    FontMember("Font", kFont, &P::Font, C::None, R::StockFont),

    // The drop-down menu.
    Flag("Menu", kMenu, &P::Menu, false, C::Menu, R::Menu),
    Colour("MenuSelectionBackColor", kMenuSelectionBackColor, &P::MenuSelectionBackColor, 0xC2EEFF, C::Menu,
           R::None),
    Flag("MenuSidebar", kMenuSidebar, &P::MenuSidebar, false, C::Menu, R::None),
    Colour("MenuSidebarColor", kMenuSidebarColor, &P::MenuSidebarColor, 0xEABB99, C::Menu, R::None),
    Colour("MenuFontColor", kMenuFontColor, &P::MenuFontColor, 0x000000, C::Menu, R::None),
    Colour("MenuSeparatorColor", kMenuSeparatorColor, &P::MenuSeparatorColor, 0xCB8C6A, C::Menu, R::None),
    Colour("MenuBackColor", kMenuBackColor, &P::MenuBackColor, 0xF6F6F6, C::Menu, R::None),
    WithEnum(Short("MenuButtonAlignment", kMenuButtonAlignment, &P::MenuButtonAlignment,
                   kvnMenuButtonAlignmentRight, C::Menu, R::RepaintIfMenu),
             "ENUM_MENU_BUTTON_ALIGNMENT"),
    WithEnum(Short("MenuButtonStyle", kMenuButtonStyle, &P::MenuButtonStyle,
                   kvnMenuButtonStylePushButtonAndDropDown, C::Menu, R::RepaintIfMenu),
             "ENUM_MENU_BUTTON_STYLE"),
    Short("MenuButtonWidth", kMenuButtonWidth, &P::MenuButtonWidth, 17, C::Menu, R::RepaintIfMenu),
    Colour("MenuButtonTriangleColor", kMenuButtonTriangleColor, &P::MenuButtonTriangleColor, 0x000000,
           C::Menu, R::RepaintIfMenu),
    WithEnum(
        Short("MenuAlignment", kMenuAlignment, &P::MenuAlignment, kvnMenuAlignmentLeft, C::Menu, R::None),
        "ENUM_MENU_ALIGNMENT"),
    Colour("MenuSelectionFontColor", kMenuSelectionFontColor, &P::MenuSelectionFontColor, 0xFFFFFF, C::Menu,
           R::None),
    Flag("ShowMenuButtonTriangle", kShowMenuButtonTriangle, &P::ShowMenuButtonTriangle, true, C::Menu,
         R::RepaintIfMenu),
    FontMember("MenuFont", kMenuFont, &P::MenuFont, C::Menu, R::None),
    Since(Flag("MenuAutoDrop", kMenuAutoDrop, &P::MenuAutoDrop, false, C::Menu, R::MenuAutoDrop),
          kCurrentDataVersion),

    // Menu items, addressed by item ID; the menu layer serves them.
    Indexed("MenuItemCaption", kMenuItemCaption, VarType::Bstr),
    Indexed("MenuItemID", kMenuItemID, VarType::I2),
    Indexed("MenuItemShortcut", kMenuItemShortcut, VarType::I2),
    Indexed("MenuItemHyperlink", kMenuItemHyperlink, VarType::Bool),
    Indexed("MenuItemHyperlinkAddress", kMenuItemHyperlinkAddress, VarType::Bstr),
    Indexed("MenuItemSeparator", kMenuItemSeparator, VarType::Bool),
    Indexed("MenuItemEnabled", kMenuItemEnabled, VarType::Bool),
    Indexed("MenuItemPicture", kMenuItemPicture, VarType::Picture),
    Indexed("MenuItemVisible", kMenuItemVisible, VarType::Bool),

    Method("Refresh", kRefresh, VarType::Void),
    Method("AboutBox", kAboutBox, VarType::Void),
    Method("SetFocus", kSetFocus, VarType::Void),
    Method("SetToggleState", kSetToggleState, VarType::Void, kToggleState),
    Method("GetToggleState", kGetToggleState, VarType::Bool),
    Method("DropMenu", kDropMenu, VarType::Void),
    Method("PerformClick", kPerformClick, VarType::Void),
    Method("PerformHyperlink", kPerformHyperlink, VarType::Void),
    Method("PerformClickActions", kPerformClickActions, VarType::Void),
    Method("AddMenuItem", kAddMenuItem, VarType::Void, kAddItem),
    Method("InsertMenuItem", kInsertMenuItem, VarType::Void, kInsertItem),
    Method("RemoveMenuItem", kRemoveMenuItem, VarType::Void, kItemId),
    Method("GetMenuItemCount", kGetMenuItemCount, VarType::I2, kParentId),
    Method("GetMenuItemIDFromIndex", kGetMenuItemIDFromIndex, VarType::I2, kIdFromIndex),
    Method("GetMenuItemParentID", kGetMenuItemParentID, VarType::I2, kItemId),
    Method("IsMenuItemParent", kIsMenuItemParent, VarType::Bool, kItemId),
    Method("GetTotalMenuItemCount", kGetTotalMenuItemCount, VarType::I2),

    PersistedFlag("CustomBorderColor", &P::CustomBorderColor),
    PersistedFlag("CustomMouseInBorderColor", &P::CustomMouseInBorderColor),
    PersistedFlag("CustomBackBorderColor", &P::CustomBackBorderColor),
};

struct CategoryLabel {
    PropertyCategory category;
    std::string_view name;
};

constexpr CategoryLabel kCategoryNames[] = {
    {C::Behavior, "Behavior"},   {C::Appearance, "Appearance"},
    {C::Caption, "Caption"},     {C::Border, "Border"},
    {C::Gradient, "Gradient"},   {C::Picture, "Picture"},
    {C::Mouse, "Mouse"},         {C::Sound, "Sound"},
    {C::Hyperlink, "Hyperlink"}, {C::Translucent, "Translucent"},
    {C::Menu, "Menu"},
};

template <typename T>
constexpr VarType TypeOfAlternative() {
    if constexpr (std::is_same_v<T, bool>) return VarType::Bool;
    if constexpr (std::is_same_v<T, std::int16_t>) return VarType::I2;
    if constexpr (std::is_same_v<T, std::int32_t>) return VarType::I4;
    if constexpr (std::is_same_v<T, OleColor>) return VarType::Color;
    if constexpr (std::is_same_v<T, std::u16string>) return VarType::Bstr;
    if constexpr (std::is_same_v<T, FontDesc>) return VarType::Font;
    if constexpr (std::is_same_v<T, SharedPicture>) return VarType::Picture;
    return VarType::Void;
}

}  // namespace

std::span<const MemberInfo> MemberTable() { return kMembers; }

const MemberInfo* FindMember(std::int32_t id) {
    if (id == kNone) return nullptr;
    for (const MemberInfo& m : kMembers) {
        if (m.dispid == id) return &m;
    }
    return nullptr;
}

const MemberInfo* FindMemberByName(std::string_view name) {
    for (const MemberInfo& m : kMembers) {
        if (m.name == name) return &m;
    }
    return nullptr;
}

std::string_view CategoryName(PropertyCategory category) {
    for (const CategoryLabel& c : kCategoryNames) {
        if (c.category == category) return c.name;
    }
    return {};
}

PropertyCategory CategoryOf(std::int32_t id) {
    if (id == kStockFont) return PropertyCategory::Caption;
    const MemberInfo* m = FindMember(id);
    return m != nullptr ? m->category : PropertyCategory::None;
}

VarType TypeOf(const PropertyValue& value) {
    return std::visit([](const auto& v) { return TypeOfAlternative<std::decay_t<decltype(v)>>(); }, value);
}

std::optional<PropertyValue> ReadField(const ButtonProperties& props, const RecordField& field) {
    return std::visit(
        [&](auto member) -> std::optional<PropertyValue> {
            if constexpr (std::is_same_v<decltype(member), std::monostate>) {
                return std::nullopt;
            } else {
                return PropertyValue(props.*member);
            }
        },
        field);
}

bool WriteField(ButtonProperties& props, const RecordField& field, const PropertyValue& value) {
    return std::visit(
        [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), std::monostate>) {
                return false;
            } else {
                using T = std::remove_reference_t<decltype(props.*member)>;
                const T* v = std::get_if<T>(&value);
                if (v == nullptr) return false;
                props.*member = *v;
                return true;
            }
        },
        field);
}

bool FieldEquals(const ButtonProperties& a, const ButtonProperties& b, const RecordField& field) {
    return std::visit(
        [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), std::monostate>) {
                return true;
            } else {
                return a.*member == b.*member;
            }
        },
        field);
}

void CopyField(ButtonProperties& to, const ButtonProperties& from, const RecordField& field) {
    std::visit(
        [&](auto member) {
            if constexpr (!std::is_same_v<decltype(member), std::monostate>) to.*member = from.*member;
        },
        field);
}

std::optional<PropertyValue> DefaultOf(const MemberInfo& m, std::uint32_t version,
                                       std::u16string_view display_name, OleColor button_face) {
    const DefaultValue& d =
        version < kDataVersion2 && m.old_def.source != DefaultSource::None ? m.old_def : m.def;
    switch (d.source) {
        case DefaultSource::None: return std::nullopt;
        case DefaultSource::AmbientDisplayName: return std::u16string(display_name);
        case DefaultSource::SystemButtonFace: return button_face;
        case DefaultSource::NoPicture: return SharedPicture{};
        case DefaultSource::StandardFont: {
            FontDesc font;
            if (!d.text.empty()) font.face = d.text;
            return font;
        }
        case DefaultSource::Literal: break;
    }
    switch (m.type) {
        case VarType::Bool: return d.number != 0;
        case VarType::I2: return static_cast<std::int16_t>(d.number);
        case VarType::Color: return static_cast<OleColor>(d.number);
        case VarType::Bstr: return std::u16string(d.text);
        default: return std::nullopt;
    }
}

ButtonProperties NewControlProperties(std::u16string_view display_name, OleColor button_face) {
    ButtonProperties props;
    for (const MemberInfo& m : kMembers) {
        if (const auto value = DefaultOf(m, kCurrentDataVersion, display_name, button_face)) {
            WriteField(props, m.field, *value);
        }
    }
    return props;
}

}  // namespace brixel
