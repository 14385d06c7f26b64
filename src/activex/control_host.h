// What the property model asks of its surroundings, answered by the control
// object: the container's ambients, the modified flag and change sinks,
// message boxes, files, the registry's theme values and system colours.
#pragma once

#include "core/model_host.h"
#include "menu/menu_host.h"

namespace brixel::activex {

class CTavloCtrl;

class ControlModelHost final : public ModelHost, public BehaviorLink, public MessageBoxHost {
public:
    explicit ControlModelHost(CTavloCtrl& control) noexcept : control_(control) {}

    // SystemColours
    Rgb SystemColour(int index) const override;

    // ModelHost
    std::optional<bool> AmbientUserMode() const override;
    std::u16string AmbientDisplayName() const override;
    std::optional<OleColor> AmbientBackColor() const override;
    std::optional<bool> AmbientDisplayAsDefault() const override;
    void MarkModified() override;
    void NotifyPropertyChanged(std::int32_t dispid) override;
    void ShowMessage(std::u16string_view text, MessageBoxIcon icon) override;
    void Repaint() override;
    void RebuildRegion() override;
    void ReapplyControlSize() override;
    void SetTooltip(std::u16string_view text, bool active) override;
    void EnableWindow(bool enable) override;
    void RefreshTranslucency() override;
    void ApplyMenuReadingDirection() override;
    int ClientHeight() const override;
    CaptionMetrics CaptionTextMetrics(const FontDesc& font) const override;
    std::int16_t DetectDesktopXPScheme() const override;
    bool ParentIsWindowsForms() const override;
    OpenedFile OpenFile(std::u16string_view path) override;

    // BehaviorLink
    InteractionState Interaction() const override;
    void ClearToggled() override;
    void ClearMenuOpen() override;
    void SetAutoDropArmed(bool armed) override { interaction_.auto_drop_armed = armed; }
    bool Value() const override;
    void SetValue(bool value) override;
    void PerformClick() override;
    // The container routed the mnemonic to a control without a window.
    void MnemonicWithoutWindow();

private:
    void ClickWithoutWindow();

    CTavloCtrl& control_;
    InteractionState interaction_;
    bool value_ = false;
};

}  // namespace brixel::activex
