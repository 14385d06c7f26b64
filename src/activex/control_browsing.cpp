// What property browsers and untrusted hosts ask: display strings and value
// lists, the property pages, and the safety options.
#include "activex/brixeldemo.h"
#include "activex/control_browsing.h"
#include "core/dispids.h"
#include "core/enums.h"
#include "core/property_table.h"

#include <olectl.h>
#include <oleauto.h>

#include <new>
#include <string>
#include <vector>

namespace brixel::activex {
namespace {

// The stock colour page of the framework, third in the list.
constexpr CLSID kStockColorPage = {0x7ebdaae1, 0x8120, 0x11cf, {0x89, 0x9f, 0x00, 0xaa, 0x00, 0x68, 0x8b, 0x10}};

LPOLESTR CoTaskString(std::string_view text) noexcept {
    auto* out = static_cast<LPOLESTR>(::CoTaskMemAlloc((text.size() + 1) * sizeof(OLECHAR)));
    if (out == nullptr) return nullptr;
    for (std::size_t i = 0; i < text.size(); ++i) out[i] = static_cast<OLECHAR>(static_cast<unsigned char>(text[i]));
    out[text.size()] = 0;
    return out;
}

// The interfaces whose safety a container may ask about.
bool HasSafetyOptions(REFIID iid) {
    return IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID__DBrixelDemo) ||
           IsEqualIID(iid, IID_IPersistStreamInit) || IsEqualIID(iid, IID_IPersistPropertyBag) ||
           IsEqualIID(iid, IID_IPersistStorage) || IsEqualIID(iid, IID_IPersistStream);
}

constexpr DWORD kSafetySupported = INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;

}  // namespace

HRESULT ControlBrowsing::ReadProperty(DISPID id, VARTYPE type, win::UniqueVariant* out) noexcept {
    win::UniqueVariant raw;
    DISPPARAMS none{};
    const HRESULT hr = properties_.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, raw.put(),
                                       nullptr, nullptr);
    if (FAILED(hr)) return hr;
    return ::VariantChangeType(out->put(), raw.get(), 0, type);
}

HRESULT ControlBrowsing::GetDisplayString(DISPID id, BSTR* out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (BrowserListFor(id) == nullptr) return E_NOTIMPL;
    win::UniqueVariant value;
    if (FAILED(ReadProperty(id, VT_I2, &value))) return E_NOTIMPL;
    const auto text = BrowserText(id, value->iVal);
    // A value outside the list shows its number.
    const std::wstring shown = text ? std::wstring(text->begin(), text->end()) : std::to_wstring(value->iVal);
    *out = ::SysAllocStringLen(shown.data(), static_cast<UINT>(shown.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ControlBrowsing::MapPropertyToPage(DISPID id, CLSID* page) noexcept {
    if (page == nullptr) return E_POINTER;
    if (id == dispid::kClickSoundFile || id == dispid::kMouseInSoundFile) {
        *page = CLSID_PropPageMore;
        return S_OK;
    }
    *page = CLSID_NULL;
    return PERPROP_E_NOPAGEAVAILABLE;
}

HRESULT ControlBrowsing::GetPredefinedStrings(DISPID id, CALPOLESTR* strings, CADWORD* cookies) noexcept {
    if (strings == nullptr || cookies == nullptr) return E_POINTER;
    *strings = {};
    *cookies = {};
    const BrowserList* list = BrowserListFor(id);
    if (list == nullptr) return E_NOTIMPL;
    const auto count = static_cast<ULONG>(list->entries.size());
    // Every text is made before the arrays take them, so a failure part way
    // leaves nothing behind.
    std::vector<win::UniqueTaskMemory<OLECHAR>> made;
    try {
        made.reserve(count);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    for (const BrowserEntry& e : list->entries) {
        made.emplace_back(CoTaskString(e.text));
        if (!made.back()) return E_OUTOFMEMORY;
    }
    win::UniqueTaskMemory<LPOLESTR> texts(static_cast<LPOLESTR*>(::CoTaskMemAlloc(count * sizeof(LPOLESTR))));
    win::UniqueTaskMemory<DWORD> values(static_cast<DWORD*>(::CoTaskMemAlloc(count * sizeof(DWORD))));
    if (!texts || !values) return E_OUTOFMEMORY;
    for (ULONG i = 0; i < count; ++i) {
        texts.get()[i] = made[i].release();
        values.get()[i] = static_cast<DWORD>(list->entries[i].value);
    }
    *strings = {count, texts.release()};
    *cookies = {count, values.release()};
    return S_OK;
}

HRESULT ControlBrowsing::GetPredefinedValue(DISPID id, DWORD cookie, VARIANT* out) noexcept {
    if (out == nullptr) return E_POINTER;
    ::VariantInit(out);
    const BrowserList* list = BrowserListFor(id);
    if (list == nullptr) return E_NOTIMPL;
    for (const BrowserEntry& e : list->entries) {
        if (static_cast<DWORD>(e.value) == cookie) {
            out->vt = VT_I2;
            out->iVal = e.value;
            return S_OK;
        }
    }
    return E_INVALIDARG;
}

// A property frame gives up on the whole set when one page cannot be made:
// the system's colour page is named only where the system can make one, and
// our own colour page takes its place elsewhere.
bool StockColorPageAvailable() noexcept {
    win::ComPtr<IPropertyPage> page;
    return SUCCEEDED(::CoCreateInstance(kStockColorPage, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                        page.put_void()));
}

HRESULT ControlBrowsing::GetPages(CAUUID* pages) noexcept {
    if (pages == nullptr) return E_POINTER;
    const GUID* const colours = StockColorPageAvailable() ? &kStockColorPage : &CLSID_PropPageColors;
    const GUID* const list[] = {&CLSID_TavloPropPage, &CLSID_PropPageMore, colours,
                                &CLSID_PropPageGradientFill, &CLSID_PropPagePicture, &CLSID_PropPageDropMenu};
    constexpr ULONG count = sizeof(list) / sizeof(list[0]);
    pages->cElems = 0;
    pages->pElems = static_cast<GUID*>(::CoTaskMemAlloc(count * sizeof(GUID)));
    if (pages->pElems == nullptr) return E_OUTOFMEMORY;
    for (const GUID* page : list) pages->pElems[pages->cElems++] = *page;
    return S_OK;
}

HRESULT ControlBrowsing::MapPropertyToCategory(DISPID id, PROPCAT* category) noexcept {
    if (category == nullptr) return E_POINTER;
    const PropertyCategory found = CategoryOf(id);
    if (found == PropertyCategory::None) return E_FAIL;
    *category = static_cast<PROPCAT>(found);
    return S_OK;
}

HRESULT ControlBrowsing::GetCategoryName(PROPCAT category, LCID, BSTR* name) noexcept {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    const std::string_view text = CategoryName(static_cast<PropertyCategory>(category));
    if (text.empty()) return E_FAIL;
    const std::wstring wide(text.begin(), text.end());
    *name = ::SysAllocString(wide.c_str());
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT ControlBrowsing::GetInterfaceSafetyOptions(REFIID iid, DWORD* supported, DWORD* enabled) noexcept {
    if (supported == nullptr || enabled == nullptr) return E_POINTER;
    *supported = 0;
    *enabled = 0;
    if (!HasSafetyOptions(iid)) return E_NOINTERFACE;
    *supported = kSafetySupported;
    *enabled = host_.SafetyOptions();
    return S_OK;
}

// Once a container asked for safety it stays asked for: a script cannot
// lower the restrictions the page's host put on the control.
HRESULT ControlBrowsing::SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD enabled) noexcept {
    if (!HasSafetyOptions(iid)) return E_NOINTERFACE;
    if ((mask & ~kSafetySupported) != 0) return E_FAIL;
    host_.SetSafetyOptions(host_.SafetyOptions() | (enabled & mask));
    return S_OK;
}

}  // namespace brixel::activex
