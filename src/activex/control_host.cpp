#include "activex/control_host.h"

#include "activex/ambient.h"
#include "activex/ole_values.h"
#include "activex/parent_colour.h"
#include "activex/window_dpi.h"
#include "core/platform_caps.h"
#include "activex/xp_scheme_registry.h"

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

Rgb ControlInstanceHost::SystemColour(int index) const {
    auto read = [](int i) {
        const COLORREF c = ::GetSysColor(i);
        return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
    };
    // Without a window of our own no colour-change message reaches us, so a
    // face drawn for the container alone reads the colours every time.
    if (index < 0 || index >= kSystemColourCount || window_ == nullptr) return read(index);
    if (!system_colours_) {
        system_colours_.emplace();
        for (int i = 0; i < kSystemColourCount; ++i) (*system_colours_)[static_cast<std::size_t>(i)] = read(i);
    }
    return (*system_colours_)[static_cast<std::size_t>(index)];
}

HWND ControlInstanceHost::MessageOwner() const noexcept {
    win::ComPtr<IOleWindow> window;
    HWND owner = nullptr;
    if (site_ && SUCCEEDED(site_.As(&window))) window->GetWindow(&owner);
    return owner;
}

std::optional<bool> ControlInstanceHost::AmbientUserMode() const {
    if (!user_mode_) user_mode_ = Ambient(site_.get()).UserMode();
    return *user_mode_;
}

std::u16string ControlInstanceHost::AmbientDisplayName() const {
    return ToU16(Ambient(site_.get()).DisplayName().value_or(std::wstring()));
}

std::optional<OleColor> ControlInstanceHost::AmbientBackColor() const {
    if (!back_colour_) back_colour_ = Ambient(site_.get()).BackColor();
    return *back_colour_;
}

std::optional<bool> ControlInstanceHost::AmbientDisplayAsDefault() const {
    if (!display_as_default_) display_as_default_ = Ambient(site_.get()).DisplayAsDefault();
    return *display_as_default_;
}

void ControlInstanceHost::ShowMessage(std::u16string_view text, MessageBoxIcon icon) {
    // A page's script could otherwise keep the user behind modal boxes.
    if (Untrusted() && std::exchange(rule_message_shown_, true)) return;
    const UINT style = icon == MessageBoxIcon::Stop          ? MB_ICONSTOP
                       : icon == MessageBoxIcon::Exclamation ? MB_ICONEXCLAMATION
                                                          : 0;
    ::MessageBoxW(MessageOwner(), ToWide(text).c_str(), L"BrixelDemo", MB_OK | style);
}

int ControlInstanceHost::ScreenDpi() const noexcept {
    if (!screen_dpi_) screen_dpi_ = win::WindowDpi(window_);
    return *screen_dpi_;
}

int ControlInstanceHost::ClientHeight() const { return ::MulDiv(extent_.cy, ScreenDpi(), kHimetricPerInch); }

CaptionMetrics ControlInstanceHost::CaptionTextMetrics(const FontDesc& desc) const {
    win::WindowDc screen(nullptr);
    win::UniqueFont font = CreateGdiFont(desc, ScreenDpi());
    TEXTMETRICW tm{};
    if (screen && font) {
        win::SelectScope select(screen.get(), font.get());
        ::GetTextMetricsW(screen.get(), &tm);
    }
    return CaptionMetrics{tm.tmHeight, tm.tmExternalLeading};
}

std::int16_t ControlInstanceHost::DetectDesktopXPScheme() const {
    if (!desktop_scheme_) desktop_scheme_ = activex::DetectDesktopXPScheme();
    return *desktop_scheme_;
}

OpenedFile ControlInstanceHost::OpenFile(std::u16string_view path) {
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

// Hosted by Windows Forms: the parent window's class says so.
const ControlInstanceHost::ParentLooks& ControlInstanceHost::Parent() const {
    HWND parent = window_ != nullptr ? ::GetParent(window_) : nullptr;
    if (parent == parent_.window) return parent_;
    parent_ = ParentLooks{parent, false, false};
    if (parent == nullptr) return parent_;
    wchar_t cls[256] = {};
    parent_.windows_forms = ::GetClassNameW(parent, cls, 256) != 0 && IsWindowsFormsClassName(ToU16(cls));
    parent_.dc_kept = KeepsItsDc(parent);
    return parent_;
}

bool ControlInstanceHost::ParentIsWindowsForms() const { return Parent().windows_forms; }

}  // namespace brixel::activex
