// Every out-parameter that hands the caller an interface gives it exactly one
// reference of its own: taking it adds one to the object behind it, and the
// caller's Release takes it away again. A getter that forgets the reference
// frees the object under its caller; one that adds two leaks the control.
#include "activex/com_owners.h"
#include "sited_control_test.h"

#include <functional>
#include <string>

namespace brixel::testing {
namespace {

using win::ComPtr;

// The count an object holds now, read without changing it.
ULONG RefsOf(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

class HandedReferences : public SitedControlTest {};

ComPtr<IUnknown> TheControl(IOleObject* control, AmbientSite&) { return ComPtr<IUnknown>(control); }

ComPtr<IConnectionPointContainer> Points(IOleObject* control) {
    ComPtr<IConnectionPointContainer> container;
    EXPECT_HRESULT_SUCCEEDED(control->QueryInterface(IID_IConnectionPointContainer, container.put_void()));
    return container;
}

ComPtr<IConnectionPoint> EventsPoint(IOleObject* control) {
    ComPtr<IConnectionPoint> point;
    EXPECT_HRESULT_SUCCEEDED(Points(control)->FindConnectionPoint(DIID__DBrixelDemoEvents, point.put()));
    return point;
}

ComPtr<IEnumConnectionPoints> PointEnumerator(IOleObject* control) {
    ComPtr<IEnumConnectionPoints> points;
    EXPECT_HRESULT_SUCCEEDED(Points(control)->EnumConnectionPoints(points.put()));
    return points;
}

struct HandOutCase {
    const char* name;
    // The object whose count the hand-out must raise by one.
    std::function<ComPtr<IUnknown>(IOleObject* control, AmbientSite& site)> owner;
    // Takes the out-parameter; whatever it needs on the way is gone again
    // when it returns.
    std::function<HRESULT(IOleObject* control, AmbientSite& site, void** handed)> take;
};

const HandOutCase kHandOuts[] = {
    {"ConnectionPoint", TheControl,
     [](IOleObject* control, AmbientSite&, void** handed) {
         return Points(control)->FindConnectionPoint(DIID__DBrixelDemoEvents,
                                                     reinterpret_cast<IConnectionPoint**>(handed));
     }},
    {"ContainerOfAConnectionPoint", TheControl,
     [](IOleObject* control, AmbientSite&, void** handed) {
         return EventsPoint(control)->GetConnectionPointContainer(
             reinterpret_cast<IConnectionPointContainer**>(handed));
     }},
    {"PointFromTheEnumerator", TheControl,
     [](IOleObject* control, AmbientSite&, void** handed) {
         ULONG fetched = 0;
         auto** point = reinterpret_cast<IConnectionPoint**>(handed);
         const HRESULT hr = PointEnumerator(control)->Next(1, point, &fetched);
         return hr == S_OK && fetched == 1 ? S_OK : E_FAIL;
     }},
    {"ClonedEnumerator", TheControl,
     [](IOleObject* control, AmbientSite&, void** handed) {
         return PointEnumerator(control)->Clone(reinterpret_cast<IEnumConnectionPoints**>(handed));
     }},
    {"ClientSite",
     [](IOleObject*, AmbientSite& site) { return ComPtr<IUnknown>(static_cast<IOleClientSite*>(&site)); },
     [](IOleObject* control, AmbientSite&, void** handed) {
         return control->GetClientSite(reinterpret_cast<IOleClientSite**>(handed));
     }},
    {"TypeInfo",
     [](IOleObject* control, AmbientSite&) {
         ComPtr<IDispatch> dispatch;
         ComPtr<ITypeInfo> info;
         if (SUCCEEDED(control->QueryInterface(IID_IDispatch, dispatch.put_void()))) {
             dispatch->GetTypeInfo(0, 0, info.put());
         }
         return ComPtr<IUnknown>(info.get());
     },
     [](IOleObject* control, AmbientSite&, void** handed) {
         ComPtr<IDispatch> dispatch;
         if (const HRESULT hr = control->QueryInterface(IID_IDispatch, dispatch.put_void()); FAILED(hr)) return hr;
         return dispatch->GetTypeInfo(0, 0, reinterpret_cast<ITypeInfo**>(handed));
     }},
};

TEST_F(HandedReferences, EachOutParameterCarriesOneReferenceOfItsOwn) {
    for (const HandOutCase& c : kHandOuts) {
        SCOPED_TRACE(c.name);
        const ComPtr<IUnknown> owner = c.owner(object_.get(), site_);
        ASSERT_TRUE(owner);
        const ULONG before = RefsOf(owner.get());
        ComPtr<IUnknown> handed;
        ASSERT_HRESULT_SUCCEEDED(c.take(object_.get(), site_, handed.put_void()));
        ASSERT_TRUE(handed);
        EXPECT_EQ(RefsOf(owner.get()), before + 1);
        handed.reset();
        EXPECT_EQ(RefsOf(owner.get()), before);
    }
}

TEST_F(HandedReferences, AClientSiteIsNotInventedForAnUnsitedControl) {
    ASSERT_HRESULT_SUCCEEDED(object_->SetClientSite(nullptr));
    IOleClientSite* site = reinterpret_cast<IOleClientSite*>(1);
    ASSERT_HRESULT_SUCCEEDED(object_->GetClientSite(&site));
    EXPECT_EQ(site, nullptr);
}

// Memory locked for reading is unlocked again when the reader's scope ends,
// whatever way it ends.
TEST(GlobalLockScope, LocksForItsScopeOnly) {
    const win::UniqueGlobalMemory owner(::GlobalAlloc(GMEM_MOVEABLE, 16));
    ASSERT_TRUE(owner);
    HGLOBAL memory = owner.get();
    {
        const win::GlobalLockScope locked(memory);
        ASSERT_NE(locked.data(), nullptr);
        EXPECT_EQ(::GlobalFlags(memory) & GMEM_LOCKCOUNT, 1u);
    }
    EXPECT_EQ(::GlobalFlags(memory) & GMEM_LOCKCOUNT, 0u);
}

}  // namespace
}  // namespace brixel::testing
