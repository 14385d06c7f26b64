#include "activex/brixeldemo.h"
#include "control_library.h"

#include <olectl.h>

#include <string>

namespace brixel::testing {
namespace {

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    return text;
}

// The default (or named) value of a key under HKEY_CLASSES_ROOT; nothing
// when the key or value is missing.
std::optional<std::wstring> ClassesValue(const std::wstring& key, const wchar_t* name = nullptr) {
    wchar_t buffer[1024] = {};
    DWORD bytes = sizeof(buffer);
    if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(buffer);
}

bool KeyExists(const std::wstring& key) {
    win::UniqueRegKey handle;
    return ::RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, handle.put()) == ERROR_SUCCESS;
}

TEST(Registration, RegistersAndRemovesTheControl) {
    ComApartment apartment;
    ControlLibrary library;
    ASSERT_TRUE(library.loaded());
    using Entry = HRESULT(WINAPI*)();
    auto reg = library.Export<Entry>("DllRegisterServer");
    auto unreg = library.Export<Entry>("DllUnregisterServer");
    ASSERT_NE(reg, nullptr);
    ASSERT_NE(unreg, nullptr);

    ASSERT_HRESULT_SUCCEEDED(reg());
    const std::wstring cls = L"CLSID\\" + GuidText(CLSID_BrixelDemo);
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(library.get(), path, MAX_PATH);
    EXPECT_EQ(ClassesValue(cls + L"\\InprocServer32"), std::wstring(path));
    EXPECT_EQ(ClassesValue(cls + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(ClassesValue(cls + L"\\ProgID"), L"BRIXELDEMO.BrixelDemo.1");
    EXPECT_EQ(ClassesValue(cls + L"\\MiscStatus\\1"), L"135569");  // 0x21191
    EXPECT_EQ(ClassesValue(cls + L"\\TypeLib"), GuidText(LIBID_BRIXELDEMOLib));
    EXPECT_EQ(ClassesValue(cls + L"\\Version"), L"3.2");
    EXPECT_EQ(ClassesValue(cls + L"\\ToolboxBitmap32"), std::wstring(path) + L", 1");
    EXPECT_TRUE(KeyExists(cls + L"\\Control"));
    EXPECT_TRUE(KeyExists(cls + L"\\Insertable"));
    EXPECT_TRUE(KeyExists(cls + L"\\Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}"));
    EXPECT_TRUE(KeyExists(cls + L"\\Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}"));
    EXPECT_EQ(ClassesValue(L"BRIXELDEMO.BrixelDemo.1\\CLSID"), GuidText(CLSID_BrixelDemo));
    const std::wstring typelib = L"TypeLib\\" + GuidText(LIBID_BRIXELDEMOLib) + L"\\3.2\\0\\" +
                                 (sizeof(void*) == 8 ? L"win64" : L"win32");
    EXPECT_TRUE(KeyExists(typelib));

    ASSERT_HRESULT_SUCCEEDED(unreg());
    EXPECT_FALSE(KeyExists(cls));
    EXPECT_FALSE(KeyExists(L"BRIXELDEMO.BrixelDemo.1"));
    EXPECT_FALSE(KeyExists(typelib)) << "this build's type library entry is gone";
    EXPECT_HRESULT_SUCCEEDED(unreg()) << "unregistering twice is harmless";
}

}  // namespace
}  // namespace brixel::testing
