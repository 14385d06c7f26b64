#include "activex/brixeldemo.h"
#include "activex/categorize.h"
#include "activex/menu_access.h"
#include "control_library.h"
#include "dispatch_stub.h"
#include "sited_control_test.h"
#include "test_site.h"

#include <objsafe.h>

#include <string>
#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

class NotifySink final : public IPropertyNotifySink {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyNotifySink)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
        changed.push_back(id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
    ULONG refs = 1;
    std::vector<DISPID> changed;
};

class OleControl : public SitedControlTest {
protected:
    HRESULT PutCaption(const wchar_t* text) {
        const win::UniqueBstr value(text);
        return Put(DISPID_CAPTION, Text(value));
    }
    // Connects `sink` to the control's property-change notifications.
    ComPtr<IConnectionPoint> AdviseNotify(NotifySink& sink, DWORD* cookie) {
        ComPtr<IConnectionPointContainer> container;
        ComPtr<IConnectionPoint> point;
        EXPECT_HRESULT_SUCCEEDED(object_.As(&container));
        if (container) {
            EXPECT_HRESULT_SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point.put()));
        }
        if (point) {
            EXPECT_HRESULT_SUCCEEDED(point->Advise(&sink, cookie));
        }
        return point;
    }
};

TEST_F(OleControl, PropertyChangesNotifySinksOnlyAtDesignTime) {
    NotifySink sink;
    DWORD cookie = 0;
    ComPtr<IConnectionPoint> point = AdviseNotify(sink, &cookie);
    ASSERT_TRUE(point);

    // The container tells the control each time, as containers must.
    ComPtr<IOleControl> control;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&control));
    site_.user_mode = true;
    control->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
    ASSERT_HRESULT_SUCCEEDED(PutCaption(L"run"));
    EXPECT_TRUE(sink.changed.empty());
    site_.user_mode = false;
    control->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
    ASSERT_HRESULT_SUCCEEDED(PutCaption(L"design"));
    EXPECT_EQ(sink.changed, std::vector<DISPID>{DISPID_CAPTION});
    site_.user_mode.reset();  // no answer counts as run time
    control->OnAmbientPropertyChange(DISPID_UNKNOWN);
    ASSERT_HRESULT_SUCCEEDED(PutCaption(L"unknown"));
    EXPECT_EQ(sink.changed.size(), 1u);
    point->Unadvise(cookie);
}

TEST_F(OleControl, ConnectionPointsAreEnumerable) {
    ComPtr<IConnectionPointContainer> container;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&container));
    ComPtr<IEnumConnectionPoints> points;
    ASSERT_HRESULT_SUCCEEDED(container->EnumConnectionPoints(points.put()));
    std::vector<IID> found;
    ComPtr<IConnectionPoint> point;
    while (points->Next(1, point.put(), nullptr) == S_OK) {
        IID iid{};
        point->GetConnectionInterface(&iid);
        found.push_back(iid);
    }
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(IsEqualIID(found[0], DIID__DBrixelDemoEvents));
    EXPECT_TRUE(IsEqualIID(found[1], IID_IPropertyNotifySink));
}

struct AcceleratorCase {
    const wchar_t* caption;
    int count;
    WORD virtual_key;
    WORD character;
};

TEST_F(OleControl, MnemonicAcceleratorsFollowTheCaption) {
    ComPtr<IOleControl> control;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&control));
    const AcceleratorCase cases[] = {
        {L"&Save", 2, 'S', 's'},
        {L"Save &as", 2, 'A', 'a'},
        {L"Save", 0, 0, 0},
        {L"Fish && chips", 0, 0, 0},
    };
    for (const AcceleratorCase& c : cases) {
        ASSERT_HRESULT_SUCCEEDED(PutCaption(c.caption));
        CONTROLINFO info{};
        info.cb = sizeof(info);
        ASSERT_HRESULT_SUCCEEDED(control->GetControlInfo(&info));
        ASSERT_EQ(info.cAccel, c.count) << c.caption;
        if (c.count == 0) continue;
        ACCEL table[4] = {};
        ASSERT_EQ(::CopyAcceleratorTableW(info.hAccel, table, 4), 2);
        EXPECT_EQ(table[0].fVirt & (FALT | FVIRTKEY), FALT | FVIRTKEY);
        EXPECT_EQ(table[0].key, c.virtual_key);
        EXPECT_EQ(table[0].cmd, 1);
        EXPECT_EQ(table[1].fVirt & (FALT | FVIRTKEY), FALT);
        EXPECT_EQ(table[1].key, c.character);
        EXPECT_EQ(table[1].cmd, 1);
    }
}

TEST_F(OleControl, MiscStatusAndExtent) {
    DWORD status = 0;
    ASSERT_HRESULT_SUCCEEDED(object_->GetMiscStatus(DVASPECT_CONTENT, &status));
    EXPECT_EQ(status, 0x21191u);
    SIZEL size{};
    ASSERT_HRESULT_SUCCEEDED(object_->GetExtent(DVASPECT_CONTENT, &size));
    EXPECT_EQ(size.cx, 2302) << "87 pixels at 96 dpi";
    EXPECT_EQ(size.cy, 661) << "25 pixels at 96 dpi";
    SIZEL bigger{5000, 1000};
    ASSERT_HRESULT_SUCCEEDED(object_->SetExtent(DVASPECT_CONTENT, &bigger));
    ASSERT_HRESULT_SUCCEEDED(object_->GetExtent(DVASPECT_CONTENT, &size));
    EXPECT_EQ(size.cx, 5000);
    SIZEL negative{-1, 10};
    EXPECT_EQ(object_->SetExtent(DVASPECT_CONTENT, &negative), E_INVALIDARG);
    CLSID clsid{};
    ASSERT_HRESULT_SUCCEEDED(object_->GetUserClassID(&clsid));
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_BrixelDemo));
}

TEST_F(OleControl, FrozenContainerGetsNoEvents) {
    class ClickCounter final : public DispatchStub {
    public:
        HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
            ++clicks;
            return S_OK;
        }
        int clicks = 0;
    } counter;

    ComPtr<IConnectionPointContainer> container;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&container));
    ComPtr<IConnectionPoint> point;
    ASSERT_HRESULT_SUCCEEDED(container->FindConnectionPoint(DIID__DBrixelDemoEvents, point.put()));
    DWORD cookie = 0;
    ASSERT_HRESULT_SUCCEEDED(point->Advise(&counter, &cookie));
    ComPtr<IOleControl> control;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&control));
    DISPPARAMS none{};
    control->FreezeEvents(TRUE);
    dispatch_->Invoke(116, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    EXPECT_EQ(counter.clicks, 0);
    control->FreezeEvents(FALSE);
    dispatch_->Invoke(116, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    EXPECT_EQ(counter.clicks, 1);
    point->Unadvise(cookie);
}

TEST_F(OleControl, BrowserGetsValueListsAndPages) {
    ComPtr<IPerPropertyBrowsing> browsing;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&browsing));
    CALPOLESTR strings{};
    CADWORD cookies{};
    ASSERT_HRESULT_SUCCEEDED(browsing->GetPredefinedStrings(18, &strings, &cookies));
    const win::UniqueTaskMemory<LPOLESTR> string_list(strings.pElems);
    const win::UniqueTaskMemory<DWORD> cookie_list(cookies.pElems);
    std::vector<win::UniqueTaskMemory<OLECHAR>> texts;
    for (ULONG i = 0; i < strings.cElems; ++i) texts.emplace_back(strings.pElems[i]);
    ASSERT_EQ(strings.cElems, 5u);
    EXPECT_STREQ(strings.pElems[4], L"4 - XP when Mouse Over");
    EXPECT_EQ(cookies.pElems[4], 4u);

    win::UniqueVariant value;
    ASSERT_HRESULT_SUCCEEDED(browsing->GetPredefinedValue(11, 99, value.put()));
    EXPECT_EQ(value->vt, VT_I2);
    EXPECT_EQ(value->iVal, 99);
    EXPECT_EQ(browsing->GetPredefinedValue(11, 16, value.put()), E_INVALIDARG);
    EXPECT_EQ(browsing->GetPredefinedStrings(1, &strings, &cookies), E_NOTIMPL) << "Bevel has no list";

    CLSID page{};
    ASSERT_HRESULT_SUCCEEDED(browsing->MapPropertyToPage(14, &page));
    EXPECT_TRUE(IsEqualCLSID(page, CLSID_PropPageMore));
    ASSERT_HRESULT_SUCCEEDED(browsing->MapPropertyToPage(35, &page));
    EXPECT_TRUE(IsEqualCLSID(page, CLSID_PropPageMore));
    EXPECT_EQ(browsing->MapPropertyToPage(18, &page), PERPROP_E_NOPAGEAVAILABLE);

    ComPtr<ISpecifyPropertyPages> pages;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&pages));
    CAUUID list{};
    ASSERT_HRESULT_SUCCEEDED(pages->GetPages(&list));
    const win::UniqueTaskMemory<GUID> page_list(list.pElems);
    // Six with the system's colour page, five where the system has none.
    ASSERT_TRUE(list.cElems == 6u || list.cElems == 5u) << list.cElems;
    EXPECT_TRUE(IsEqualGUID(list.pElems[0], CLSID_TavloPropPage));
    EXPECT_TRUE(IsEqualGUID(list.pElems[1], CLSID_PropPageMore));
    EXPECT_TRUE(IsEqualGUID(list.pElems[list.cElems - 1], CLSID_PropPageDropMenu));
    // A property frame needs every page it is given.
    for (ULONG i = 0; i < list.cElems; ++i) {
        ComPtr<IPropertyPage> page;
        // Our own pages come from the library beside the tests, the system's from the system.
        HRESULT made = library_.Create(list.pElems[i], IID_IPropertyPage, page.put_void());
        if (FAILED(made)) {
            made = ::CoCreateInstance(list.pElems[i], nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                      page.put_void());
        }
        EXPECT_HRESULT_SUCCEEDED(made) << "page " << i;
    }
}

TEST_F(OleControl, SafetyOptionsCanBeRaisedButNotLowered) {
    ComPtr<IObjectSafety> safety;
    ASSERT_HRESULT_SUCCEEDED(object_.As(IID_IObjectSafety, safety.put_void()));
    DWORD supported = 0, enabled = 0;
    ASSERT_HRESULT_SUCCEEDED(safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled));
    EXPECT_EQ(supported, static_cast<DWORD>(INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA));
    EXPECT_EQ(enabled, 0u);
    ASSERT_HRESULT_SUCCEEDED(safety->SetInterfaceSafetyOptions(IID_IDispatch, INTERFACESAFE_FOR_UNTRUSTED_CALLER,
                                                               INTERFACESAFE_FOR_UNTRUSTED_CALLER));
    ASSERT_HRESULT_SUCCEEDED(safety->SetInterfaceSafetyOptions(IID_IDispatch, INTERFACESAFE_FOR_UNTRUSTED_CALLER, 0));
    safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled);
    EXPECT_EQ(enabled, static_cast<DWORD>(INTERFACESAFE_FOR_UNTRUSTED_CALLER));
    EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IOleObject, &supported, &enabled), E_NOINTERFACE);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 0x100, 0x100), E_FAIL);
}

TEST_F(OleControl, CloseReleasesTheSinksAndTheSiteReference) {
    NotifySink sink;
    DWORD cookie = 0;
    ComPtr<IConnectionPoint> point = AdviseNotify(sink, &cookie);
    ASSERT_TRUE(point);
    EXPECT_GT(sink.refs, 1u);
    ASSERT_HRESULT_SUCCEEDED(object_->Close(OLECLOSE_NOSAVE));
    EXPECT_EQ(sink.refs, 1u);
    object_->SetClientSite(nullptr);
    point.reset();
    dispatch_.reset();
    object_.reset();
    EXPECT_EQ(site_.refs, 1u) << "the control must not keep its site";
}

TEST_F(OleControl, DrawRequestPaintsTheFaceIntoTheContainersDc) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = RGB(10, 200, 30);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&v, &named, 1, 1};
    ASSERT_HRESULT_SUCCEEDED(
        dispatch_->Invoke(DISPID_BACKCOLOR, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr));
    v.vt = VT_I2;
    v.iVal = 0;  // the flat face shows the back colour everywhere but its border
    ASSERT_HRESULT_SUCCEEDED(dispatch_->Invoke(18, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                                               nullptr));
    ComPtr<IViewObject2> view;
    ASSERT_HRESULT_SUCCEEDED(object_.As(IID_IViewObject2, view.put_void()));
    win::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 120, -40, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win::UniqueBitmap bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(bitmap);
    win::SelectScope select(dc.get(), bitmap.get());
    RECTL bounds{10, 5, 97, 30};
    ASSERT_HRESULT_SUCCEEDED(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc.get(), &bounds, nullptr,
                                        nullptr, 0));
    EXPECT_EQ(::GetPixel(dc.get(), 14, 9), RGB(10, 200, 30)) << "inside the face";
    EXPECT_EQ(::GetPixel(dc.get(), 5, 2), RGB(0, 0, 0)) << "outside the bounds nothing is drawn";
    SIZEL size{};
    ASSERT_HRESULT_SUCCEEDED(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &size));
    EXPECT_EQ(size.cx, 2302);
}

// The control is one COM object although its interfaces are implemented by
// several parts: every interface reaches every other, all answer the same
// IUnknown, and a reference held through any of them keeps the whole alive.
struct OfferedInterface {
    const char* name;
    const IID* iid;
};

const OfferedInterface kOffered[] = {
    {"IUnknown", &IID_IUnknown},
    {"IDispatch", &IID_IDispatch},
    {"_DBrixelDemo", &DIID__DBrixelDemo},
    {"IProvideClassInfo", &IID_IProvideClassInfo},
    {"IProvideClassInfo2", &IID_IProvideClassInfo2},
    {"IConnectionPointContainer", &IID_IConnectionPointContainer},
    {"IOleObject", &IID_IOleObject},
    {"IOleControl", &IID_IOleControl},
    {"IOleWindow", &IID_IOleWindow},
    {"IOleInPlaceObject", &IID_IOleInPlaceObject},
    {"IOleInPlaceActiveObject", &IID_IOleInPlaceActiveObject},
    {"IPersist", &IID_IPersist},
    {"IPersistStreamInit", &IID_IPersistStreamInit},
    {"IPersistPropertyBag", &IID_IPersistPropertyBag},
    {"IPersistStorage", &IID_IPersistStorage},
    {"IViewObject", &IID_IViewObject},
    {"IViewObject2", &IID_IViewObject2},
    {"IPerPropertyBrowsing", &IID_IPerPropertyBrowsing},
    {"ISpecifyPropertyPages", &IID_ISpecifyPropertyPages},
    {"IObjectSafety", &IID_IObjectSafety},
    {"ICategorizeProperties", &activex::kIID_ICategorizeProperties},
    {"IMenuAccess", &activex::kIID_IMenuAccess},
};

class ControlIdentity : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library_.loaded());
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IUnknown, control_.put_void()));
    }

    ComPtr<IUnknown> Query(IUnknown* from, const IID& iid) {
        ComPtr<IUnknown> out;
        EXPECT_HRESULT_SUCCEEDED(from->QueryInterface(iid, out.put_void()));
        return out;
    }

    // Whether the control has gone and the library holds no object.
    HRESULT CanUnloadNow() const {
        using Fn = HRESULT(WINAPI*)();
        const auto can_unload = library_.Export<Fn>("DllCanUnloadNow");
        return can_unload != nullptr ? can_unload() : E_FAIL;
    }

    ComApartment apartment_;
    ControlLibrary library_;
    ComPtr<IUnknown> control_;
};

TEST_F(ControlIdentity, EveryInterfaceReachesEveryOtherAndTheSameUnknown) {
    for (const OfferedInterface& from : kOffered) {
        SCOPED_TRACE(from.name);
        const ComPtr<IUnknown> start = Query(control_.get(), *from.iid);
        ASSERT_TRUE(start);
        for (const OfferedInterface& to : kOffered) {
            SCOPED_TRACE(to.name);
            EXPECT_TRUE(Query(start.get(), *to.iid));
        }
        EXPECT_EQ(Query(start.get(), IID_IUnknown).get(), control_.get());
    }
}

TEST_F(ControlIdentity, EveryPartRefusesWhatTheControlDoesNotOffer) {
    for (const OfferedInterface& from : kOffered) {
        SCOPED_TRACE(from.name);
        const ComPtr<IUnknown> start = Query(control_.get(), *from.iid);
        ASSERT_TRUE(start);
        void* out = reinterpret_cast<void*>(1);
        EXPECT_EQ(start->QueryInterface(IID_IOleCache, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(start->QueryInterface(IID_IOleCache, nullptr), E_POINTER);
    }
}

// The connection points and the container they name belong to the same object.
TEST_F(ControlIdentity, ConnectionPointsNameTheControlAsTheirContainer) {
    ComPtr<IConnectionPointContainer> points;
    ASSERT_HRESULT_SUCCEEDED(control_.As(&points));
    for (const IID* events : {&DIID__DBrixelDemoEvents, &IID_IPropertyNotifySink}) {
        ComPtr<IConnectionPoint> point;
        ASSERT_HRESULT_SUCCEEDED(points->FindConnectionPoint(*events, point.put()));
        ComPtr<IConnectionPointContainer> container;
        ASSERT_HRESULT_SUCCEEDED(point->GetConnectionPointContainer(container.put()));
        EXPECT_EQ(Query(container.get(), IID_IUnknown).get(), control_.get());
    }
}

// A reference held through any part keeps the whole control alive; the last
// release, through whichever part, frees it.
TEST_F(ControlIdentity, AReferenceThroughAnyPartKeepsTheControlAlive) {
    for (const OfferedInterface& held : kOffered) {
        SCOPED_TRACE(held.name);
        if (!control_) {
            ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IUnknown, control_.put_void()));
        }
        ComPtr<IUnknown> part = Query(control_.get(), *held.iid);
        ASSERT_TRUE(part);
        control_.reset();
        EXPECT_EQ(CanUnloadNow(), S_FALSE);
        // Still a whole object: another part answers through the one held.
        ComPtr<IPersistStreamInit> persist;
        ASSERT_HRESULT_SUCCEEDED(part->QueryInterface(IID_IPersistStreamInit, persist.put_void()));
        CLSID clsid{};
        EXPECT_HRESULT_SUCCEEDED(persist->GetClassID(&clsid));
        EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_BrixelDemo));
        persist.reset();
        part.reset();
        EXPECT_EQ(CanUnloadNow(), S_OK);
    }
}

}  // namespace
}  // namespace brixel::testing
