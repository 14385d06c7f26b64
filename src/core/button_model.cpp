#include "core/button_model.h"

#include <algorithm>

#include "core/dispids.h"
#include "core/enums.h"
#include "core/state_selection.h"
#include "core/xp_schemes.h"

namespace brixel {
namespace {

constexpr std::u16string_view kMenuBlocksToggle = u"This property is invalid if Menu property is set to True";
constexpr std::u16string_view kToggleBlocksMenu =
    u"This property is invalid if ToggleButton property is set to True";
constexpr std::u16string_view kNotUnderWindowsForms =
    u"This feature is not applicable under Visual Basic .NET";

// The rows of the Behavior page that stand for the custom entry (99).
constexpr std::int16_t kMousePointerCustomRow = 16;
constexpr std::int16_t kSoundCustomRow = 3;

bool IsTranslucent(const ButtonProperties& p) {
    return p.TranslucentStyle == kvnAll || p.TranslucentStyle == kvnBackground;
}

bool* CustomFlagFor(ButtonProperties& p, StateVariant variant) {
    switch (variant) {
        case StateVariant::Normal: return &p.CustomBorderColor;
        case StateVariant::MouseIn: return &p.CustomMouseInBorderColor;
        case StateVariant::Down: return &p.CustomBackBorderColor;
        case StateVariant::Disabled: return nullptr;
    }
    return nullptr;
}

}  // namespace

ButtonModel::ButtonModel(ModelHost& host, BehaviorLink& behavior) : host_(host), behavior_(behavior) {
    ResetToNewControl();
}

void ButtonModel::ResetToNewControl() {
    props_ = NewControlProperties(host_.AmbientDisplayName(), ButtonFace());
    click_sound_.reset();
    mouse_in_sound_.reset();
    office_save_.reset();
    last_applied_appearance_ = props_.Appearance;
}

OleColor ButtonModel::ButtonFace() const { return MakeOleColor(host_.SystemColour(kColourBtnFace)); }

const std::optional<SoundBlock>& ButtonModel::SoundMemory(SoundSlotId slot) const {
    return slot == SoundSlotId::Click ? click_sound_ : mouse_in_sound_;
}

void ButtonModel::SetSoundMemory(SoundSlotId slot, std::optional<SoundBlock> block) {
    (slot == SoundSlotId::Click ? click_sound_ : mouse_in_sound_) = std::move(block);
}

bool ButtonModel::UserMode() const { return host_.AmbientUserMode().value_or(true); }
bool ButtonModel::DisplayAsDefault() const { return host_.AmbientDisplayAsDefault().value_or(false); }

std::optional<PropertyValue> ButtonModel::Get(std::int32_t dispid) const {
    const MemberInfo* m = FindMember(dispid);
    if (m == nullptr || m->kind != MemberKind::Property) return std::nullopt;
    if (m->rule == ChangeRule::Value) return PropertyValue(behavior_.Value());
    return ReadField(props_, m->field);
}

PutResult ButtonModel::Put(std::int32_t dispid, const PropertyValue& value) {
    const MemberInfo* m = FindMember(dispid);
    if (m == nullptr) return {PutStatus::UnknownMember, std::nullopt};
    if (m->kind != MemberKind::Property) return {PutStatus::NotAProperty, std::nullopt};
    if (m->read_only) return {PutStatus::Failed, kErrSetNotSupported};
    if (TypeOf(value) != m->type) return {PutStatus::WrongType, std::nullopt};
    if (m->rule == ChangeRule::Value) {
        behavior_.SetValue(std::get<bool>(value));
        Tail(dispid);
        return {};
    }
    const std::int16_t previous_style = props_.AppearanceStyle;
    WriteField(props_, m->field, value);
    return RunChangeRule(*m, previous_style);
}

void ButtonModel::Tail(std::int32_t dispid) {
    host_.MarkModified();
    if (dispid == dispid::kDefaultCaption) dispid = dispid::kCaption;
    if (!UserMode()) host_.NotifyPropertyChanged(dispid);
}

void ButtonModel::RepaintIf(bool condition) const {
    if (condition) host_.Repaint();
}

PutResult ButtonModel::RunChangeRule(const MemberInfo& m, std::int16_t previous_style) {
    if (IsRepaintRule(m.rule)) {
        RepaintIf(ShouldRepaint(m));
        Tail(m.dispid);
        return {};
    }
    return RunAlgorithm(m, previous_style);
}

bool ButtonModel::ShouldRepaint(const MemberInfo& m) const {
    const ButtonProperties& p = props_;
    const InteractionState s = Interaction();
    const bool user_mode = UserMode();
    switch (m.rule) {
        case ChangeRule::None: return false;
        case ChangeRule::Repaint: return true;
        case ChangeRule::RepaintIf3D: return p.Appearance == kvn3D;
        case ChangeRule::RepaintUnlessXPFace: return EffectiveFace(p, s, user_mode) != FaceKind::XP;
        case ChangeRule::RepaintUnless3DOrXPStyle:
            return p.Appearance != kvn3D && p.Appearance != kvnXPStyleAPB;
        case ChangeRule::RepaintIfMouseIn: return s.mouse_in;
        case ChangeRule::RepaintIfPressedOrToggled: return s.pressed || s.toggled;
        case ChangeRule::RepaintIfDisabled: return !p.Enabled;
        case ChangeRule::RepaintIfPictureHasImage: return HoldsImage(p.Picture);
        case ChangeRule::RepaintIfCaptionShown: return SelectCaption(p, s).variant == m.variant;
        case ChangeRule::RepaintIfPictureShown: return PictureModeSet(ChoosePictureMode(p, s)) == m.variant;
        case ChangeRule::RepaintIfAnyPictureShown: return ChoosePictureMode(p, s) != kPictureNone;
        case ChangeRule::RepaintIfGradientShown: {
            const GradientChoice g = SelectGradient(p, s, user_mode);
            return g.face == m.variant || g.menu_part == m.variant;
        }
        case ChangeRule::RepaintIfDownEffectShown:
            return (s.pressed || s.toggled) &&
                   PictureModeSet(ChoosePictureMode(p, s)) == StateVariant::Normal;
        case ChangeRule::RepaintIfOverEffectShown:
            return s.mouse_in && PictureModeSet(ChoosePictureMode(p, s)) == StateVariant::Normal;
        case ChangeRule::RepaintIfMenu: return p.Menu;
        default: return false;
    }
}

PutResult ButtonModel::RunAlgorithm(const MemberInfo& m, std::int16_t previous_style) {
    ButtonProperties& p = props_;
    switch (m.rule) {
        case ChangeRule::Bevel: return ChangeBevel();
        case ChangeRule::CustomBorderColour: return ChangeCustomBorderColour(m);
        case ChangeRule::SoundFile: return ChangeSoundFile(m);
        case ChangeRule::Appearance: return ChangeAppearance();
        case ChangeRule::XPColorScheme: return ChangeXPColorScheme();
        case ChangeRule::AppearanceStyle: return ChangeAppearanceStyle(previous_style);
        case ChangeRule::Menu: return ChangeMenu();
        case ChangeRule::ToggleButton: return ChangeToggleButton();
        case ChangeRule::ToolTip:
            if (UserMode()) host_.SetTooltip(p.ToolTipText, !p.ToolTipText.empty());
            break;
        case ChangeRule::Enabled:
        case ChangeRule::Active:
            // An inactive or disabled control never takes mouse input.
            host_.EnableWindow(p.Enabled && p.Active);
            if (m.rule == ChangeRule::Active && !p.Active) behavior_.ClearToggled();
            host_.Repaint();
            break;
        case ChangeRule::MousePointer:
            if (p.MousePointer == kMousePointerCustomRow) p.MousePointer = kMousePointerCustom;
            break;
        case ChangeRule::Sound: {
            std::int16_t& sound = m.dispid == dispid::kClickSound ? p.ClickSound : p.MouseInSound;
            if (sound == kSoundCustomRow) sound = kvnCustom;
            break;
        }
        case ChangeRule::Translucency:
            if (IsTranslucent(p)) p.ShowFocusBorder = false;
            host_.RefreshTranslucency();
            break;
        case ChangeRule::Shape:
            host_.RebuildRegion();
            host_.ReapplyControlSize();
            host_.Repaint();
            break;
        case ChangeRule::ReadingDirection: host_.ApplyMenuReadingDirection(); break;
        case ChangeRule::StockFont:
            // The font announces itself by the stock number, at run time too.
            host_.Repaint();
            host_.MarkModified();
            host_.NotifyPropertyChanged(dispid::kStockFont);
            return {};
        case ChangeRule::MenuAutoDrop: behavior_.SetAutoDropArmed(p.Menu && p.MenuAutoDrop); break;
        default: break;
    }
    Tail(m.dispid);
    return {};
}

PutResult ButtonModel::Refuse(bool ButtonProperties::*member, std::u16string_view text, MessageBoxIcon icon) {
    props_.*member = false;
    host_.ShowMessage(text, icon);
    return {PutStatus::Refused, std::nullopt};
}

PutResult ButtonModel::ChangeToggleButton() {
    if (props_.ToggleButton && props_.Menu) {
        return Refuse(&ButtonProperties::ToggleButton, kMenuBlocksToggle, MessageBoxIcon::Stop);
    }
    behavior_.ClearToggled();
    host_.Repaint();
    Tail(dispid::kToggleButton);
    return {};
}

PutResult ButtonModel::ChangeMenu() {
    // Checked on every write: the Windows Forms host cannot show the menu at all.
    if (host_.ParentIsWindowsForms()) {
        return Refuse(&ButtonProperties::Menu, kNotUnderWindowsForms, MessageBoxIcon::None);
    }
    if (props_.Menu && props_.ToggleButton) {
        return Refuse(&ButtonProperties::Menu, kToggleBlocksMenu, MessageBoxIcon::Stop);
    }
    if (!props_.Menu) behavior_.SetAutoDropArmed(false);
    behavior_.ClearMenuOpen();
    host_.Repaint();
    Tail(dispid::kMenu);
    return {};
}

std::int16_t ButtonModel::BevelMaximum() const {
    const CaptionMetrics metrics = host_.CaptionTextMetrics(props_.Font);
    const int room = (host_.ClientHeight() - metrics.height - metrics.external_leading) / 2;
    return static_cast<std::int16_t>(std::clamp(room, 0, 0x7FFF));
}

PutResult ButtonModel::ChangeBevel() {
    if (props_.Bevel < 0) props_.Bevel = 0;
    if (UserMode()) props_.Bevel = std::min(props_.Bevel, BevelMaximum());
    RepaintIf(props_.Appearance == kvn3D);
    Tail(dispid::kBevel);
    return {};
}

PutResult ButtonModel::ChangeCustomBorderColour(const MemberInfo& m) {
    const bool guarded = write_guard_;
    if (!guarded) {
        if (bool* flag = CustomFlagFor(props_, m.variant)) *flag = true;
    }
    write_guard_ = false;
    const InteractionState s = Interaction();
    switch (m.variant) {
        case StateVariant::MouseIn: RepaintIf(s.mouse_in); break;
        case StateVariant::Down: RepaintIf(s.pressed || s.toggled); break;
        default: RepaintIf(!guarded); break;  // the control's own write repaints once, at its end
    }
    Tail(m.dispid);
    return {};
}

PutResult ButtonModel::ChangeSoundFile(const MemberInfo& m) {
    const bool click = m.dispid == dispid::kClickSoundFile;
    std::u16string& path = click ? props_.ClickSoundFile : props_.MouseInSoundFile;
    std::optional<SoundBlock>& memory = click ? click_sound_ : mouse_in_sound_;
    memory.reset();
    SoundFileRead read = ReadSoundFile(host_, path);
    if (read.error) {
        path.clear();
        return {PutStatus::Failed, read.error};
    }
    memory = std::move(read.block);
    Tail(m.dispid);
    return {};
}

std::int16_t ButtonModel::EffectiveXPScheme() const {
    if (props_.XPColorScheme == kvnXPAutoDetect) return host_.DetectDesktopXPScheme();
    return props_.XPColorScheme;
}

void ButtonModel::ClearCustomBorderFlags() {
    props_.CustomBorderColor = props_.CustomMouseInBorderColor = props_.CustomBackBorderColor = false;
}

void ButtonModel::FollowSchemeBorders(std::int16_t scheme) {
    const XPSchemeColours& c = SchemeColours(scheme);
    props_.BorderColor = props_.MouseInBorderColor = props_.DownBorderColor = c.border;
    props_.DisabledBorderColor = c.disabled_border;
}

void ButtonModel::RunColourChangeGuarded(std::int32_t dispid) {
    write_guard_ = true;
    RunChangeRule(*FindMember(dispid), props_.AppearanceStyle);
    write_guard_ = false;
}

PutResult ButtonModel::ChangeAppearance() {
    if (props_.Appearance == last_applied_appearance_) return {PutStatus::Unchanged, std::nullopt};
    const std::int16_t scheme = EffectiveXPScheme();
    if (EffectiveFace(props_, Interaction(), UserMode()) == FaceKind::XP) {
        FollowSchemeBorders(scheme);
    } else {
        // Colours the scheme gave are taken back; colours of the user's own stay.
        const XPSchemeColours& c = SchemeColours(scheme);
        for (OleColor* colour : {&props_.BorderColor, &props_.DownBorderColor, &props_.MouseInBorderColor}) {
            if (*colour == c.border) *colour = 0x000000;
        }
        if (props_.DisabledBorderColor == c.disabled_border) {
            props_.DisabledBorderColor = SystemColourRef(kColourInactiveBorder);
        }
    }
    for (std::int32_t id : {dispid::kBorderColor, dispid::kDownBorderColor, dispid::kMouseInBorderColor,
                            dispid::kDisabledBorderColor}) {
        RunColourChangeGuarded(id);
    }
    ClearCustomBorderFlags();
    last_applied_appearance_ = props_.Appearance;
    host_.RebuildRegion();
    host_.Repaint();
    Tail(dispid::kAppearance);
    return {};
}

PutResult ButtonModel::ChangeXPColorScheme() {
    const std::int16_t scheme = EffectiveXPScheme();
    if (EffectiveFace(props_, Interaction(), UserMode()) == FaceKind::XP) FollowSchemeBorders(scheme);
    if (props_.AppearanceStyle == kvnAppearanceOffice2003Style) SetOffice2003LookDefaults(props_, scheme);
    ClearCustomBorderFlags();
    host_.Repaint();
    Tail(dispid::kXPColorScheme);
    return {};
}

PutResult ButtonModel::ChangeAppearanceStyle(std::int16_t previous_style) {
    const bool was_office = previous_style == kvnAppearanceOffice2003Style;
    if (props_.AppearanceStyle == kvnAppearanceOffice2003Style) {
        // Saved only on the way in: a repeated write must not save the preset
        // over the user's own values.
        if (!was_office) office_save_ = props_;
        SetOffice2003LookDefaults(props_, EffectiveXPScheme());
    } else if (was_office) {
        // Without a save of this instance (the style came from stored data)
        // the preset gives way to a new control's values.
        const ButtonProperties source =
            office_save_ ? *office_save_ : NewControlProperties(host_.AmbientDisplayName(), ButtonFace());
        for (const RecordField& field : Office2003PresetFields()) CopyField(props_, source, field);
        office_save_.reset();
    }
    host_.Repaint();
    Tail(dispid::kAppearanceStyle);
    return {};
}

void ButtonModel::WindowCreated() {
    last_applied_appearance_ = props_.Appearance;
    last_detected_scheme_ = EffectiveXPScheme();
    if (IsTranslucent(props_)) props_.ShowFocusBorder = false;
}

void ButtonModel::AmbientPropertyChanged(std::int32_t ambient_dispid) {
    switch (ambient_dispid) {
        // An inactive control never shows the default border, so it has nothing to redraw.
        case dispid::kAmbientDisplayAsDefault: RepaintIf(props_.Active); break;
        case dispid::kAmbientBackColor:
        case dispid::kAmbientSeveral: host_.Repaint(); break;
        default: break;
    }
}

void ButtonModel::ArmAutoDropFromProperties() {
    behavior_.SetAutoDropArmed(props_.Menu && props_.MenuAutoDrop);
}

bool ButtonModel::CheckIfTheSchemeChanged() {
    if (props_.XPColorScheme != kvnXPAutoDetect) return false;
    if (EffectiveFace(props_, Interaction(), UserMode()) != FaceKind::XP) return false;
    const std::int16_t detected = host_.DetectDesktopXPScheme();
    if (detected == last_detected_scheme_) return false;
    const OleColor border = SchemeColours(detected).border;
    struct Followed {
        OleColor ButtonProperties::*colour;
        bool ButtonProperties::*custom;
        std::int32_t dispid;
    };
    constexpr Followed kFollowed[] = {
        {&ButtonProperties::BorderColor, &ButtonProperties::CustomBorderColor, dispid::kBorderColor},
        {&ButtonProperties::DownBorderColor, &ButtonProperties::CustomBackBorderColor,
         dispid::kDownBorderColor},
        {&ButtonProperties::MouseInBorderColor, &ButtonProperties::CustomMouseInBorderColor,
         dispid::kMouseInBorderColor},
    };
    for (const Followed& f : kFollowed) {
        if (props_.*f.custom) continue;
        props_.*f.colour = border;
        Tail(f.dispid);  // the draw request under way paints the new colour
    }
    last_detected_scheme_ = detected;
    return true;
}

}  // namespace brixel
