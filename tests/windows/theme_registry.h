// The desktop theme's values in the test prefix's registry, set by a test and
// put back as they were afterwards.
#pragma once

#include "gdi/raii.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace brixel {

inline constexpr wchar_t kThemeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";

// One registry value as it was before the test, put back afterwards.
struct SavedThemeValue {
    std::wstring name;
    bool existed = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

class ThemeRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kThemeKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.put(),
                                    nullptr),
                  ERROR_SUCCESS);
        for (const wchar_t* name : {L"ThemeActive", L"ColorName"}) saved_.push_back(Save(name));
    }
    void TearDown() override {
        for (const SavedThemeValue& v : saved_) {
            if (v.existed) {
                ::RegSetValueExW(key_.get(), v.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
            } else {
                ::RegDeleteValueW(key_.get(), v.name.c_str());
            }
        }
    }

    void SetText(const wchar_t* name, const std::wstring& text) {
        ASSERT_EQ(::RegSetValueExW(key_.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    void SetValues(std::optional<std::wstring> active, std::optional<std::wstring> colour) {
        ::RegDeleteValueW(key_.get(), L"ThemeActive");
        ::RegDeleteValueW(key_.get(), L"ColorName");
        if (active) SetText(L"ThemeActive", *active);
        if (colour) SetText(L"ColorName", *colour);
    }

    win::UniqueRegKey key_;

private:
    SavedThemeValue Save(const wchar_t* name) {
        SavedThemeValue v;
        v.name = name;
        DWORD size = 0;
        if (::RegQueryValueExW(key_.get(), name, nullptr, &v.type, nullptr, &size) != ERROR_SUCCESS) return v;
        v.data.resize(size);
        v.existed = ::RegQueryValueExW(key_.get(), name, nullptr, &v.type, v.data.data(), &size) == ERROR_SUCCESS;
        return v;
    }

    std::vector<SavedThemeValue> saved_;
};

}  // namespace brixel
