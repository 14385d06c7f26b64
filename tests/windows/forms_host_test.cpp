// Placed on a Windows Forms form, the control refuses a menu.
#include "activex/brixeldemo.h"
#include "control_library.h"
#include "inplace_site.h"
#include "message_box_watcher.h"

namespace brixel::testing {
namespace {

using win::ComPtr;

TEST(FormsHost, MenuIsRefusedUnderAWindowsFormsParent) {
    ComApartment apartment;
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"WindowsForms10.Window.8.app.0.test";
    ASSERT_NE(::RegisterClassW(&wc), 0);
    win::UniqueWindow form(::CreateWindowExW(0, wc.lpszClassName, L"form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                             300, 200, nullptr, nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(form);
    InPlaceSite site(form.get());
    ControlLibrary library;
    ComPtr<IOleObject> object;
    ASSERT_HRESULT_SUCCEEDED(library.Create(CLSID_BrixelDemo, IID_IOleObject, object.put_void()));
    ASSERT_HRESULT_SUCCEEDED(object->SetClientSite(&site));
    ASSERT_HRESULT_SUCCEEDED(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, form.get(), &site.position));
    ComPtr<IDispatch> dispatch;
    ASSERT_HRESULT_SUCCEEDED(object.As(&dispatch));
    {
        MessageBoxWatcher boxes;
        VARIANT v{};
        v.vt = VT_BOOL;
        v.boolVal = VARIANT_TRUE;
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&v, &named, 1, 1};
        ASSERT_HRESULT_SUCCEEDED(dispatch->Invoke(83, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                                                  nullptr));
        const auto texts = boxes.Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0], L"This feature is not applicable under Visual Basic .NET");
    }
    win::UniqueVariant menu;
    DISPPARAMS none{};
    ASSERT_HRESULT_SUCCEEDED(dispatch->Invoke(83, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, menu.put(), nullptr,
                                              nullptr));
    EXPECT_EQ(menu->boolVal, VARIANT_FALSE);
    object->Close(OLECLOSE_NOSAVE);
    object->SetClientSite(nullptr);
    dispatch.reset();
    object.reset();
    form.reset();
    ::UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

}  // namespace
}  // namespace brixel::testing
