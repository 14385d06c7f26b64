// What the control knows of its container, and the answers the button
// instance asks of it: the site and its ambients, the extent, the safety the
// container asked for, whether a user's own action is being handled, message
// boxes, files, the registry's theme values and system colours.
#pragma once

#include "activex/com_owners.h"
#include "core/hyperlink.h"
#include "gdi/raii.h"
#include "instance/button_instance.h"
#include "render/face_cache.h"

#include <objsafe.h>
#include <ocidl.h>

#include <array>
#include <optional>
#include <utility>

namespace brixel::activex {

class ControlInstanceHost final : public InstanceHost {
public:
    explicit ControlInstanceHost(SIZEL extent) noexcept : extent_(extent) {}

    // The container's side.
    IOleClientSite* Site() const noexcept { return site_.get(); }
    void SetSite(IOleClientSite* site) noexcept {
        site_ = win::ComPtr<IOleClientSite>(site);
        AmbientsChanged();
    }
    // The container said an ambient property changed (any of them: it may
    // name none): read them from the site again when next asked.
    void AmbientsChanged() noexcept {
        user_mode_.reset();
        display_as_default_.reset();
        back_colour_.reset();
    }
    const SIZEL& Extent() const noexcept { return extent_; }  // HIMETRIC
    void SetExtent(SIZEL extent) noexcept { extent_ = extent; }
    // The control's window while it has one: Windows Forms is recognised by
    // its parent.
    void SetWindow(HWND window) noexcept {
        window_ = window;
        system_colours_.reset();  // colours may have changed while we had no window
        window_focused_ = false;
        screen_dpi_.reset();  // the new window may be on another monitor
    }
    // The window has the keyboard focus, as its focus messages said: asking
    // the system costs a round trip on every paint.
    bool WindowFocused() const noexcept { return window_focused_; }
    void SetWindowFocused(bool focused) noexcept { window_focused_ = focused; }
    HWND Window() const noexcept { return window_; }
    // The window that owns our message boxes: the container's, while we have none.
    HWND MessageOwner() const noexcept;

    // Once a container has asked for safety of either kind (for its callers or
    // for the data it loads), on any interface, scripts and documents alike
    // are untrusted: a document the host did not vouch for can carry the same
    // addresses and files a script could.
    DWORD SafetyOptions() const noexcept { return safety_; }
    void SetSafetyOptions(DWORD options) noexcept { safety_ = options; }
    bool Untrusted() const noexcept {
        return (safety_ & (INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA)) != 0;
    }
    HyperlinkTrust LinkTrust() const noexcept {
        return Untrusted() ? HyperlinkTrust::Untrusted : HyperlinkTrust::Trusted;
    }

    // A message of the user's own (a button-up, a key, a mnemonic) is being
    // handled. An untrusted control opens its hyperlink only then, as browsers
    // open pop-ups, and shows at most one rule message per such action.
    void BeginUserAction() noexcept {
        if (user_actions_++ == 0) rule_message_shown_ = false;
    }
    void EndUserAction() noexcept { --user_actions_; }
    bool InUserAction() const noexcept { return user_actions_ > 0; }

    // The resolution of the window's monitor (the system's while there is
    // no window), read once and again after a desktop or dpi change.
    int ScreenDpi() const noexcept;
    // The desktop's settings, theme or colours changed: read the resolution,
    // the theme's scheme and the system colours afresh at the next paint.
    void DesktopSettingsChanged() noexcept {
        screen_dpi_.reset();
        desktop_scheme_.reset();
        system_colours_.reset();
    }

    // The control window's parent and what its class says; the class is
    // looked at again only under a new parent.
    struct ParentLooks {
        HWND window = nullptr;
        bool windows_forms = false;
        bool dc_kept = false;  // a device context of its own or of its class
    };
    const ParentLooks& Parent() const;

    // InstanceHost
    Rgb SystemColour(int index) const override;
    std::optional<bool> AmbientUserMode() const override;
    std::u16string AmbientDisplayName() const override;
    std::optional<OleColor> AmbientBackColor() const override;
    std::optional<bool> AmbientDisplayAsDefault() const override;
    int ClientHeight() const override;
    CaptionMetrics CaptionTextMetrics(const FontDesc& font) const override;
    std::int16_t DetectDesktopXPScheme() const override;
    bool ParentIsWindowsForms() const override;
    OpenedFile OpenFile(std::u16string_view path) override;
    void ShowMessage(std::u16string_view text, MessageBoxIcon icon) override;

private:
    win::ComPtr<IOleClientSite> site_;
    SIZEL extent_{};
    HWND window_ = nullptr;
    bool window_focused_ = false;
    DWORD safety_ = 0;
    int user_actions_ = 0;
    bool rule_message_shown_ = false;  // since the last user action began
    // Each read costs a trip to the display or the registry; every paint
    // wants them.
    mutable std::optional<int> screen_dpi_;
    mutable std::optional<std::int16_t> desktop_scheme_;
    // A face names any of 31 system colours: reading them all on every
    // paint cost half of an unchanged repaint. Kept until the desktop's
    // colour or settings messages reach the window.
    mutable std::optional<std::array<Rgb, kSystemColourCount>> system_colours_;
    // The ambients a paint and a property write read, kept until the
    // container says one changed (as the control contract has it) or the
    // site changes: each read is a call through the site's IDispatch.
    mutable std::optional<std::optional<bool>> user_mode_;
    mutable std::optional<std::optional<bool>> display_as_default_;
    mutable std::optional<std::optional<OleColor>> back_colour_;
    // What the parent window's class says, for the parent last looked at.
    mutable ParentLooks parent_;
};

// Brackets the handling of a message of the user's own.
class UserActionScope {
public:
    explicit UserActionScope(ControlInstanceHost& host) noexcept : host_(host) { host_.BeginUserAction(); }
    ~UserActionScope() { host_.EndUserAction(); }
    UserActionScope(const UserActionScope&) = delete;
    UserActionScope& operator=(const UserActionScope&) = delete;

private:
    ControlInstanceHost& host_;
};

}  // namespace brixel::activex
