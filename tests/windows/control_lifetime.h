// One whole life of a control as a container gives it: created through the
// class factory, sited, loaded from a document, saved, advised, in-place
// activated and deactivated, closed and released. It reports what each final
// Release returned and what the container's own objects were left holding,
// so a test can run it many times and see every reference come back.
#pragma once

#include "activex/brixeldemo.h"
#include "control_library.h"
#include "core/dispids.h"
#include "dispatch_call.h"
#include "dispatch_stub.h"
#include "inplace_site.h"

#include <windows.h>

#include <string>

namespace brixel::testing {

class CountingSink final : public EventSink {
public:
    int events = 0;

private:
    void OnEvent(DISPID, WORD, const DISPPARAMS&) override { ++events; }
};

struct LifetimeOutcome {
    std::string failed_step;  // empty when every call succeeded
    ULONG control_release = ~0UL;  // what the last Release of the control returned
    ULONG font_release = ~0UL;     // the caption font object, released after the control
    ULONG saved_release = ~0UL;    // the stream the control saved into
    ULONG site_refs = 0;           // the container's site and sink: 1 is what they started with
    ULONG sink_refs = 0;
    bool had_window = false;
};

// Messages the activation posted, handled without waiting.
inline void DrainMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// `document` is a saved control, read from its start.
inline LifetimeOutcome RunControlLifetime(const ControlLibrary& library, HWND parent, IStream* document) {
    LifetimeOutcome out;
    InPlaceSite site(parent);
    CountingSink sink;
    IUnknown* control = nullptr;
    IUnknown* font = nullptr;
    IStream* saved = nullptr;
    auto fail = [&](const char* step, HRESULT hr) {
        if (out.failed_step.empty() && FAILED(hr)) out.failed_step = step;
        return SUCCEEDED(hr);
    };
    if (!fail("create", library.Create(CLSID_BrixelDemo, IID_IUnknown, reinterpret_cast<void**>(&control))))
        return out;
    {
        win::ComPtr<IOleObject> object;
        win::ComPtr<IPersistStreamInit> persist;
        win::ComPtr<IDispatch> dispatch;
        win::ComPtr<IConnectionPointContainer> points;
        win::ComPtr<IConnectionPoint> point;
        win::ComPtr<IOleInPlaceObject> inplace;
        DWORD cookie = 0;
        if (fail("interfaces", control->QueryInterface(IID_IOleObject, object.put_void())) &&
            fail("interfaces", control->QueryInterface(IID_IPersistStreamInit, persist.put_void())) &&
            fail("interfaces", control->QueryInterface(IID_IDispatch, dispatch.put_void())) &&
            fail("interfaces", control->QueryInterface(IID_IConnectionPointContainer, points.put_void()))) {
            fail("site", object->SetClientSite(&site));
            document->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
            fail("load", persist->Load(document));
            if (fail("save", ::CreateStreamOnHGlobal(nullptr, TRUE, &saved))) fail("save", persist->Save(saved, TRUE));
            if (fail("advise", points->FindConnectionPoint(DIID__DBrixelDemoEvents, point.put())))
                fail("advise", point->Advise(&sink, &cookie));
            win::UniqueVariant value;
            if (fail("font", CallControl(dispatch.get(), dispid::kFont, DISPATCH_PROPERTYGET, {}, value.put())) &&
                value->vt == VT_DISPATCH && value->pdispVal != nullptr) {
                value->pdispVal->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&font));
            }
            fail("activate", object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, parent, &site.position));
            if (fail("activate", object.As(&inplace))) {
                HWND window = nullptr;
                out.had_window = SUCCEEDED(inplace->GetWindow(&window)) && ::IsWindow(window);
                DrainMessages();
                fail("deactivate", inplace->InPlaceDeactivate());
            }
            if (point) fail("unadvise", point->Unadvise(cookie));
            fail("close", object->Close(OLECLOSE_NOSAVE));
            fail("site", object->SetClientSite(nullptr));
        }
    }
    out.control_release = control->Release();
    if (font != nullptr) out.font_release = font->Release();
    if (saved != nullptr) out.saved_release = saved->Release();
    out.site_refs = site.refs;
    out.sink_refs = sink.refs;
    if (font == nullptr && out.failed_step.empty()) out.failed_step = "font";
    return out;
}

// The library's own answer: no object, lock or factory of it is alive.
inline bool LibraryCanUnload(const ControlLibrary& library) {
    using CanUnloadNow = HRESULT(WINAPI*)();
    auto can_unload = library.Export<CanUnloadNow>("DllCanUnloadNow");
    return can_unload != nullptr && can_unload() == S_OK;
}

}  // namespace brixel::testing
