#include "activex/control_host.h"

#include "activex/ambient.h"
#include "activex/control.h"
#include "activex/ole_values.h"
#include "core/platform_caps.h"
#include "core/state_selection.h"
#include "activex/xp_scheme_registry.h"
#include "activex/window_region.h"

#include <olectl.h>

#include <memory>
#include <utility>

namespace brixel::activex {
namespace {

class Win32File final : public ReadableFile {
public:
    explicit Win32File(win::UniqueKernelHandle file) noexcept : file_(std::move(file)) {}
    std::uint64_t Length() const override {
        LARGE_INTEGER size{};
        return ::GetFileSizeEx(file_.get(), &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
    }
    ReadResult Read(std::span<std::uint8_t> into) override {
        ReadResult result;
        while (result.count < into.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(into.size() - result.count, 1u << 24));
            DWORD got = 0;
            if (!::ReadFile(file_.get(), into.data() + result.count, chunk, &got, nullptr)) {
                result.error = FileError::Other;
                break;
            }
            if (got == 0) break;  // the file ended early
            result.count += got;
        }
        return result;
    }

private:
    win::UniqueKernelHandle file_;
};

FileError ErrorOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND: return FileError::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_NETPATH:
        case ERROR_INVALID_DRIVE: return FileError::PathNotFound;
        default: return FileError::Other;
    }
}

constexpr int kHimetricPerInch = 2540;

}  // namespace

Rgb ControlModelHost::SystemColour(int index) const {
    const COLORREF c = ::GetSysColor(index);
    return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

std::optional<bool> ControlModelHost::AmbientUserMode() const { return Ambient(control_.site_.get()).UserMode(); }

std::u16string ControlModelHost::AmbientDisplayName() const {
    return ToU16(Ambient(control_.site_.get()).DisplayName().value_or(std::wstring()));
}

std::optional<OleColor> ControlModelHost::AmbientBackColor() const {
    return Ambient(control_.site_.get()).BackColor();
}

std::optional<bool> ControlModelHost::AmbientDisplayAsDefault() const {
    return Ambient(control_.site_.get()).DisplayAsDefault();
}

void ControlModelHost::ApplyMenuReadingDirection() {
    if (control_.window_) control_.window_->MenuRightToLeftChanged();
}

void ControlModelHost::RebuildRegion() { control_.ApplyRegion(); }

// The shape depends on the size: a new region at the size the window has.
void ControlModelHost::ReapplyControlSize() {
    control_.ApplyRegion();
    Repaint();
}

void ControlModelHost::RefreshTranslucency() { control_.SetTransparentWindow(true); }

void ControlModelHost::MarkModified() { control_.modified_ = true; }

void ControlModelHost::NotifyPropertyChanged(std::int32_t dispid) { control_.NotifyChanged(dispid); }

void ControlModelHost::ShowMessage(std::u16string_view text, MessageBoxIcon icon) {
    // A page's script could otherwise keep the user behind modal boxes.
    if (control_.Untrusted() && std::exchange(control_.rule_message_shown_, true)) return;
    const UINT style = icon == MessageBoxIcon::Stop          ? MB_ICONSTOP
                       : icon == MessageBoxIcon::Exclamation ? MB_ICONEXCLAMATION
                                                          : 0;
    ::MessageBoxW(control_.MessageOwner(), ToWide(text).c_str(), L"BrixelDemo", MB_OK | style);
}

int ControlModelHost::ClientHeight() const {
    win::WindowDc screen(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return ::MulDiv(control_.extent_.cy, dpi, kHimetricPerInch);
}

CaptionMetrics ControlModelHost::CaptionTextMetrics(const FontDesc& desc) const {
    win::WindowDc screen(nullptr);
    win::UniqueFont font = CreateGdiFont(desc);
    TEXTMETRICW tm{};
    if (screen && font) {
        win::SelectScope select(screen.get(), font.get());
        ::GetTextMetricsW(screen.get(), &tm);
    }
    return CaptionMetrics{tm.tmHeight, tm.tmExternalLeading};
}

std::int16_t ControlModelHost::DetectDesktopXPScheme() const { return activex::DetectDesktopXPScheme(); }

OpenedFile ControlModelHost::OpenFile(std::u16string_view path) {
    const std::wstring wide = ToWide(path);
    HANDLE opened = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return OpenedFile{ErrorOf(::GetLastError()), nullptr};
    win::UniqueKernelHandle file(opened);
    try {
        return OpenedFile{FileError::None, std::make_unique<Win32File>(std::move(file))};
    } catch (...) {
        return OpenedFile{FileError::Other, nullptr};
    }
}

void ControlModelHost::Repaint() {
    if (control_.window_) control_.window_->Repaint();
}

// Hosted by Windows Forms: the parent window's class says so.
bool ControlModelHost::ParentIsWindowsForms() const {
    if (!control_.window_ || control_.window_->hwnd() == nullptr) return false;
    HWND parent = ::GetParent(control_.window_->hwnd());
    wchar_t cls[256] = {};
    if (parent == nullptr || ::GetClassNameW(parent, cls, 256) == 0) return false;
    return IsWindowsFormsClassName(ToU16(cls));
}

void ControlModelHost::SetTooltip(std::u16string_view text, bool active) {
    if (control_.window_) control_.window_->SetTooltip(ToWide(text), active);
}

void ControlModelHost::EnableWindow(bool enable) {
    if (control_.window_ && control_.window_->hwnd()) ::EnableWindow(control_.window_->hwnd(), enable);
}

InteractionState ControlModelHost::Interaction() const {
    if (!control_.window_) return interaction_;
    const InteractionFlags f = control_.window_->behavior().Flags();
    return InteractionState{f.mouse_in, f.pressed, f.toggled, f.menu_open, interaction_.auto_drop_armed};
}

void ControlModelHost::ClearToggled() {
    interaction_.toggled = false;
    if (control_.window_) control_.window_->behavior().ToggleButtonChanged();
}

void ControlModelHost::ClearMenuOpen() {
    interaction_.menu_open = false;
    if (control_.window_) control_.window_->behavior().SetMenuOpen(false);
}

bool ControlModelHost::Value() const {
    return control_.window_ ? control_.window_->behavior().Value() : value_;
}

void ControlModelHost::SetValue(bool value) {
    if (value) PerformClick();
}

// With a window the behaviour checks the click's conditions; without one a
// script's click still runs only when a user could have clicked the button.
void ControlModelHost::PerformClick() {
    if (control_.window_ && control_.window_->hwnd()) {
        control_.window_->behavior().PerformClick();
        return;
    }
    const ButtonProperties& p = control_.model_->Props();
    if (p.Active && p.Enabled && !IsDropDownOnlyMenu(p)) ClickWithoutWindow();
}

// As with a window: an inactive button and a drop-down-only menu button
// (which has no menu to drop without one) do not click.
void ControlModelHost::MnemonicWithoutWindow() {
    const ButtonProperties& p = control_.model_->Props();
    if (p.Active && !IsDropDownOnlyMenu(p)) ClickWithoutWindow();
}

void ControlModelHost::ClickWithoutWindow() {
    if (value_) return;  // a click from inside Click would never end
    value_ = true;
    control_.FireEvent(DISPID_CLICK);
    value_ = false;
}

}  // namespace brixel::activex
