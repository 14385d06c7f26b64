#include "activex/registration.h"

#include "activex/brixeldemo.h"
#include "activex/com_owners.h"
#include "activex/module.h"
#include "activex/page_classes.h"

#include <comcat.h>
#include <olectl.h>

#include <string>

namespace brixel::activex {
namespace {

constexpr wchar_t kProgId[] = L"BRIXELDEMO.BrixelDemo.1";
constexpr wchar_t kTypeName[] = L"BrixelDemo Control";
constexpr WORD kTypeLibMajor = 3;
constexpr WORD kTypeLibMinor = 2;
// Recompose on resize, can't link inside, inside-out, activate when visible,
// acts like a button, set client site first.
constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
                              OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_ACTSLIKEBUTTON | OLEMISC_SETCLIENTSITEFIRST;
static_assert(kMiscStatus == 0x21191);

// The two standard component categories a script host and a web page check
// before they use or initialise a control.
constexpr CATID kSafeForScripting = {0x7DD95801, 0x9882, 0x11CF, {0x9F, 0xA9, 0x00, 0xAA, 0x00, 0x6C, 0x42, 0xC4}};
constexpr CATID kSafeForInitializing = {0x7DD95802, 0x9882, 0x11CF, {0x9F, 0xA9, 0x00, 0xAA, 0x00, 0x6C, 0x42, 0xC4}};

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    return text;
}

bool SetValue(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value) {
    win::UniqueRegKey key;
    if (::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) ==
           ERROR_SUCCESS;
}

bool RegisterControlClass() {
    const std::wstring clsid = GuidText(CLSID_BrixelDemo);
    const std::wstring key = L"CLSID\\" + clsid;
    const std::wstring path = ModulePath();
    bool ok = SetValue(HKEY_CLASSES_ROOT, key, nullptr, kTypeName);
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", nullptr, path);
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\ProgID", nullptr, kProgId);
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\Control", nullptr, L"");
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\Insertable", nullptr, L"");
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\MiscStatus", nullptr, L"0");
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\MiscStatus\\1", nullptr, std::to_wstring(kMiscStatus));
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\ToolboxBitmap32", nullptr, path + L", 1");
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\TypeLib", nullptr, GuidText(LIBID_BRIXELDEMOLib));
    ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\Version", nullptr, L"3.2");
    ok = ok && SetValue(HKEY_CLASSES_ROOT, kProgId, nullptr, kTypeName);
    ok = ok && SetValue(HKEY_CLASSES_ROOT, std::wstring(kProgId) + L"\\CLSID", nullptr, clsid);
    ok = ok && SetValue(HKEY_CLASSES_ROOT, std::wstring(kProgId) + L"\\Insertable", nullptr, L"");
    return ok;
}

// Pages are in-process objects of the same apartment rules as the control.
bool RegisterPageClasses() {
    const std::wstring path = ModulePath();
    bool ok = true;
    for (const PageClass& page : PageClasses()) {
        const std::wstring clsid = GuidText(*page.entry.clsid);
        const std::wstring key = L"CLSID\\" + clsid;
        ok = ok && SetValue(HKEY_CLASSES_ROOT, key, nullptr, page.name);
        ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", nullptr, path);
        ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
        ok = ok && SetValue(HKEY_CLASSES_ROOT, key + L"\\ProgID", nullptr, page.prog_id);
        ok = ok && SetValue(HKEY_CLASSES_ROOT, page.prog_id, nullptr, page.name);
        ok = ok && SetValue(HKEY_CLASSES_ROOT, std::wstring(page.prog_id) + L"\\CLSID", nullptr, clsid);
    }
    return ok;
}

bool Gone(LSTATUS status) { return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND; }

bool UnregisterPageClasses() {
    bool ok = true;
    for (const PageClass& page : PageClasses()) {
        const std::wstring key = L"CLSID\\" + GuidText(*page.entry.clsid);
        ok = Gone(::RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str())) && ok;
        ok = Gone(::RegDeleteTreeW(HKEY_CLASSES_ROOT, page.prog_id)) && ok;
    }
    return ok;
}

HRESULT ChangeCategories(bool add) {
    win::ComPtr<ICatRegister> categories;
    HRESULT hr = ::CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_ICatRegister, categories.put_void());
    if (FAILED(hr)) return hr;
    CATID ids[] = {kSafeForScripting, kSafeForInitializing};
    if (add) {
        CATEGORYINFO info[2] = {};
        info[0].catid = kSafeForScripting;
        info[0].lcid = 0x409;
        ::lstrcpynW(info[0].szDescription, L"Controls that are safely scriptable", 128);
        info[1].catid = kSafeForInitializing;
        info[1].lcid = 0x409;
        ::lstrcpynW(info[1].szDescription, L"Controls that are safely initializable from persistent data", 128);
        hr = categories->RegisterCategories(2, info);
        if (FAILED(hr)) return hr;
        return categories->RegisterClassImplCategories(CLSID_BrixelDemo, 2, ids);
    }
    return categories->UnRegisterClassImplCategories(CLSID_BrixelDemo, 2, ids);
}

// Categories are managed through COM, which needs an apartment on the
// calling thread; regsvr32 provides one, other callers may not.
class ComScope {
public:
    ComScope() noexcept : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(hr_)) ::CoUninitialize();
    }

private:
    HRESULT hr_;
};

}  // namespace

HRESULT RegisterServer() noexcept {
    try {
        ComScope com;
        win::ComPtr<ITypeLib> library;
        const std::wstring path = ModulePath();
        std::wstring registered_path = path;  // RegisterTypeLib takes a non-const path
        if (FAILED(::LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.put())) ||
            FAILED(::RegisterTypeLib(library.get(), registered_path.data(), nullptr))) {
            return SELFREG_E_TYPELIB;
        }
        if (!RegisterControlClass() || !RegisterPageClasses() || FAILED(ChangeCategories(true))) {
            return SELFREG_E_CLASS;
        }
        return S_OK;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT UnregisterServer() noexcept {
    try {
        ComScope com;
        // Category membership first: it lives under the class key.
        const HRESULT categories = ChangeCategories(false);
        const std::wstring clsid_key = L"CLSID\\" + GuidText(CLSID_BrixelDemo);
        const LSTATUS cls = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, clsid_key.c_str());
        const LSTATUS prog = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
        // A type library that is not registered (a second unregistration) is
        // already where we want it.
        const SYSKIND kind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
        // Only this build's own registration: the x86 and x64 builds share
        // the version key and each removes just its platform's entry.
        const std::wstring typelib_key = L"TypeLib\\" + GuidText(LIBID_BRIXELDEMOLib) + L"\\3.2\\0\\" +
                                         (kind == SYS_WIN64 ? L"win64" : L"win32");
        win::UniqueRegKey existing;
        if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, typelib_key.c_str(), 0, KEY_READ, existing.put()) == ERROR_SUCCESS &&
            FAILED(::UnRegisterTypeLib(LIBID_BRIXELDEMOLib, kTypeLibMajor, kTypeLibMinor, 0, kind))) {
            return SELFREG_E_TYPELIB;
        }
        const bool pages = UnregisterPageClasses();
        if (!Gone(cls) || !Gone(prog) || !pages) return SELFREG_E_CLASS;
        (void)categories;  // the class key deletion already removed the membership
        return S_OK;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

}  // namespace brixel::activex
