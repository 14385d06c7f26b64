#include "activex/xp_scheme_registry.h"

#include "gdi/raii.h"

#include <string>

namespace brixel::activex {

std::optional<std::size_t> RegistryThemeSettings::ReadThemeValue(std::u16string_view name,
                                                                 ThemeValueBuffer buffer) const {
    win::UniqueRegKey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", 0,
                        KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring value_name(name.begin(), name.end());
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    // A value longer than the buffer fails with ERROR_MORE_DATA: no theme
    // value of interest is that long, so it simply reads as unknown.
    if (::RegQueryValueExW(key.get(), value_name.c_str(), nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ || size > buffer.size()) return std::nullopt;
    return static_cast<std::size_t>(size);
}

std::int16_t DetectDesktopXPScheme() { return GetSystemXPColorScheme(RegistryThemeSettings{}); }

}  // namespace brixel::activex
