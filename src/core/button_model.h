// The control's property model: the record, the rules that run after each
// property write, and the few algorithms that change several properties at
// once (appearance, XP scheme, Office 2003 style). Automation, persistence and
// the pages all write through here; painting reads Props() and the selection
// functions.
#pragma once

#include <cstdint>
#include <optional>

#include "core/automation_error.h"
#include "core/model_host.h"
#include "core/property_table.h"
#include "core/sound_file.h"

namespace brixel {

enum class PutStatus : std::uint8_t {
    Done,
    Refused,    // a guarded property kept its value, the message was shown; the caller sees success
    Unchanged,  // the appearance already applied: nothing happened
    Failed,     // `error` says why; the caller gets it
    UnknownMember,
    NotAProperty,  // a method, or a menu item property (the menu layer's)
    WrongType,     // the automation layer converts before it writes
};

struct PutResult {
    PutStatus status = PutStatus::Done;
    std::optional<AutomationError> error;
};

enum class SoundSlotId : std::uint8_t { Click, MouseIn };

class ButtonModel {
public:
    // A new control: the defaults, with the display name and button face
    // colour the host gives now (so the host must be fully constructed).
    ButtonModel(ModelHost& host, BehaviorLink& behavior);
    ButtonModel(const ButtonModel&) = delete;
    ButtonModel& operator=(const ButtonModel&) = delete;

    // The container's site arrived after construction: take its defaults.
    void ResetToNewControl();

    const ButtonProperties& Props() const { return props_; }
    // Loading and resetting write members directly: no change rule runs.
    ButtonProperties& PropsForExchange() { return props_; }
    const std::optional<SoundBlock>& SoundMemory(SoundSlotId slot) const;
    void SetSoundMemory(SoundSlotId slot, std::optional<SoundBlock> block);

    // Run time unless the container says otherwise.
    bool UserMode() const;
    bool DisplayAsDefault() const;
    InteractionState Interaction() const { return behavior_.Interaction(); }

    std::optional<PropertyValue> Get(std::int32_t dispid) const;
    PutResult Put(std::int32_t dispid, const PropertyValue& value);

    void PerformClick() { behavior_.PerformClick(); }

    // Window creation: remember the appearance and scheme the face starts
    // with, and keep a translucent control's focus border off.
    void WindowCreated();
    // The container changed an ambient property (its DISPID).
    void AmbientPropertyChanged(std::int32_t ambient_dispid);
    // After loading: arm the auto-drop from the loaded switches.
    void ArmAutoDropFromProperties();

    std::int16_t EffectiveXPScheme() const;
    // Run before each draw request: under AutoDetect, border colours the user
    // did not choose follow a desktop scheme change. True when it changed.
    bool CheckIfTheSchemeChanged();
    // The largest bevel the caption leaves room for at run time.
    std::int16_t BevelMaximum() const;

private:
    PutResult RunChangeRule(const MemberInfo& m, std::int16_t previous_style);
    PutResult RunAlgorithm(const MemberInfo& m, std::int16_t previous_style);
    bool ShouldRepaint(const MemberInfo& m) const;
    void RepaintIf(bool condition) const;
    void Tail(std::int32_t dispid);
    PutResult Refuse(bool ButtonProperties::*member, std::u16string_view text, MessageBoxIcon icon);

    PutResult ChangeBevel();
    PutResult ChangeCustomBorderColour(const MemberInfo& m);
    PutResult ChangeSoundFile(const MemberInfo& m);
    PutResult ChangeAppearance();
    PutResult ChangeXPColorScheme();
    PutResult ChangeAppearanceStyle(std::int16_t previous_style);
    PutResult ChangeMenu();
    PutResult ChangeToggleButton();
    void RunColourChangeGuarded(std::int32_t dispid);
    void FollowSchemeBorders(std::int16_t scheme);
    void ClearCustomBorderFlags();
    OleColor ButtonFace() const;

    ModelHost& host_;
    BehaviorLink& behavior_;
    ButtonProperties props_;
    std::optional<SoundBlock> click_sound_;
    std::optional<SoundBlock> mouse_in_sound_;
    std::optional<ButtonProperties> office_save_;  // the values before Office 2003
    std::int16_t last_applied_appearance_ = 0;
    std::int16_t last_detected_scheme_ = 0;
    bool write_guard_ = false;  // the control writes a border colour itself
};

}  // namespace brixel
