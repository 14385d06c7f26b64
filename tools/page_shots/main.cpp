// Shows every property page of the control in a frame window, the way a
// container's property frame shows it, and saves a PNG of each, for a person
// to look at. Usage: page_shots [output folder]
#include "activex/brixeldemo.h"
#include "activex/com_owners.h"
#include "png_writer.h"
#include "screen_capture.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstdio>
#include <string>

namespace {

using brixel::win::ComPtr;

// The container's side of a page, reduced to what a page calls.
class ShotSite final : public IPropertyPageSite {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPageSite) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetLocaleID(LCID* out) override {
        *out = 0x409;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown** out) override {
        *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return S_FALSE; }
};

struct PageShot {
    const CLSID* clsid;
    const wchar_t* file;
};

constexpr PageShot kPages[] = {
    {&CLSID_TavloPropPage, L"page_appearance.png"}, {&CLSID_PropPageMore, L"page_behavior.png"},
    {&CLSID_PropPageGradientFill, L"page_gradient.png"}, {&CLSID_PropPagePicture, L"page_picture.png"},
    {&CLSID_PropPageDropMenu, L"page_menu.png"},
    // Ours, listed where the system has no colour page of its own.
    {&CLSID_PropPageColors, L"page_colour.png"},
};

HRESULT CreateFromLibrary(HMODULE library, REFCLSID clsid, REFIID iid, void** out) {
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    auto get = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(::GetProcAddress(library, "DllGetClassObject")));
    if (get == nullptr) return E_FAIL;
    ComPtr<IClassFactory> factory;
    const HRESULT hr = get(clsid, IID_IClassFactory, factory.put_void());
    return FAILED(hr) ? hr : factory->CreateInstance(nullptr, iid, out);
}

void Pump(DWORD milliseconds) {
    const DWORD end = ::GetTickCount() + milliseconds;
    while (::GetTickCount() < end) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(10);
    }
}

// The client area as it is on the screen.
brixel::tools::RgbImage Capture(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    brixel::win::WindowDc screen(window);
    return brixel::tools::CaptureDc(screen.get(), {0, 0}, {client.right, client.bottom});
}

bool ShootPage(HMODULE library, IUnknown* control, const PageShot& shot, const std::wstring& folder) {
    ComPtr<IPropertyPage> page;
    if (FAILED(CreateFromLibrary(library, *shot.clsid, IID_IPropertyPage, page.put_void()))) {
        std::fwprintf(stderr, L"no page for %ls in this build\n", shot.file);
        return true;
    }
    ShotSite site;
    PROPPAGEINFO info{};
    info.cb = sizeof(info);
    if (FAILED(page->SetPageSite(&site)) || FAILED(page->GetPageInfo(&info))) return false;
    RECT frame_rect{0, 0, info.size.cx + 16, info.size.cy + 16};
    ::AdjustWindowRect(&frame_rect, WS_OVERLAPPEDWINDOW, FALSE);
    brixel::win::UniqueWindow frame(::CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                      20, 20, frame_rect.right - frame_rect.left,
                                                      frame_rect.bottom - frame_rect.top, nullptr, nullptr, nullptr,
                                                      nullptr));
    const brixel::win::UniqueTaskMemory<OLECHAR> title(info.pszTitle), doc(info.pszDocString), help(info.pszHelpFile);
    IUnknown* objects[] = {control};
    const RECT area{8, 8, 8 + info.size.cx, 8 + info.size.cy};
    bool ok = SUCCEEDED(page->SetObjects(1, objects)) && SUCCEEDED(page->Activate(frame.get(), &area, TRUE));
    if (ok) {
        page->Show(SW_SHOW);
        ::SetForegroundWindow(frame.get());
        Pump(400);
        const std::wstring path = folder + L"\\" + shot.file;
        ok = brixel::tools::WritePng(Capture(frame.get()), path);
        if (ok) std::wprintf(L"%ls\n", path.c_str());
        page->Deactivate();
    }
    page->SetObjects(0, nullptr);
    page->SetPageSite(nullptr);
    return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring folder = argc > 1 ? argv[1] : L".";
    if (FAILED(::OleInitialize(nullptr))) return 1;
    int failures = 0;
    {
        brixel::win::UniqueModule library(::LoadLibraryW(L"BRIXELDEMO.ocx"));
        ComPtr<IUnknown> control;
        if (!library || FAILED(CreateFromLibrary(library.get(), CLSID_BrixelDemo, IID_IUnknown, control.put_void()))) {
            std::fprintf(stderr, "cannot load the control from BRIXELDEMO.ocx\n");
            ::OleUninitialize();
            return 1;
        }
        // The framework's stock colour page, where the platform has one.
        constexpr CLSID kStockColorPage = {0x7ebdaae1, 0x8120, 0x11cf, {0x89, 0x9f, 0x00, 0xaa, 0x00, 0x68, 0x8b, 0x10}};
        ComPtr<IPropertyPage> stock;
        const HRESULT hr = ::CoCreateInstance(kStockColorPage, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                              stock.put_void());
        std::printf("stock colour page: %s (0x%08lx)\n", SUCCEEDED(hr) ? "available" : "not available",
                    static_cast<unsigned long>(hr));
        for (const PageShot& shot : kPages) failures += ShootPage(library.get(), control.get(), shot, folder) ? 0 : 1;
    }
    ::OleUninitialize();
    return failures == 0 ? 0 : 2;
}
