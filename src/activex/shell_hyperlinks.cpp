#include "activex/shell_hyperlinks.h"

#include "activex/ole_values.h"
#include "gdi/raii.h"

#include <shellapi.h>

#include <string>

namespace brixel::activex {

bool ShellHyperlinks::ShellOpen(std::u16string_view target) {
    const std::wstring wide = ToWide(target);
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

std::optional<std::u16string> ShellHyperlinks::HtmlHandlerCommand() {
    wchar_t cls[261] = {};
    DWORD bytes = sizeof(cls) - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_CLASSES_ROOT, L".htm", nullptr, RRF_RT_REG_SZ, nullptr, cls, &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring key = std::wstring(cls) + L"\\shell\\open\\command";
    wchar_t command[261] = {};
    bytes = sizeof(command) - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, command,
                       &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return ToU16(command);
}

bool ShellHyperlinks::StartCommand(std::u16string_view command_line) {
    std::wstring line = ToWide(command_line);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        return false;
    }
    const win::UniqueKernelHandle thread(pi.hThread);
    const win::UniqueKernelHandle process(pi.hProcess);
    return true;
}

void ShellHyperlinks::ShowFailure(std::u16string_view message) {
    ::MessageBoxW(owner_, ToWide(message).c_str(), L"BrixelDemo", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace brixel::activex
