#include "activex/control_host.h"

#include "activex/ambient.h"
#include "activex/ole_values.h"
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
    const COLORREF c = ::GetSysColor(index);
    return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

HWND ControlInstanceHost::MessageOwner() const noexcept {
    win::ComPtr<IOleWindow> window;
    HWND owner = nullptr;
    if (site_ && SUCCEEDED(site_.As(&window))) window->GetWindow(&owner);
    return owner;
}

std::optional<bool> ControlInstanceHost::AmbientUserMode() const { return Ambient(site_.get()).UserMode(); }

std::u16string ControlInstanceHost::AmbientDisplayName() const {
    return ToU16(Ambient(site_.get()).DisplayName().value_or(std::wstring()));
}

std::optional<OleColor> ControlInstanceHost::AmbientBackColor() const { return Ambient(site_.get()).BackColor(); }

std::optional<bool> ControlInstanceHost::AmbientDisplayAsDefault() const {
    return Ambient(site_.get()).DisplayAsDefault();
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
bool ControlInstanceHost::ParentIsWindowsForms() const {
    if (window_ == nullptr) return false;
    HWND parent = ::GetParent(window_);
    wchar_t cls[256] = {};
    if (parent == nullptr || ::GetClassNameW(parent, cls, 256) == 0) return false;
    return IsWindowsFormsClassName(ToU16(cls));
}

}  // namespace brixel::activex
