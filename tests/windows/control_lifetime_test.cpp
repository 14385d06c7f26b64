// Whole lives of a control, one after the other: every reference a container
// takes comes back, each object's last Release says 0, and at the end the
// library agrees to be unloaded. `make soak` runs the same life 10,000 times
// (tests/soak); BRIXEL_LIFETIME_CYCLES sets the count here.
#include "control_lifetime.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace brixel::testing {
namespace {

using win::ComPtr;

int LifetimeCycles() {
    const char* text = std::getenv("BRIXEL_LIFETIME_CYCLES");
    const int n = text != nullptr ? std::atoi(text) : 0;
    return n > 0 ? n : 100;
}

VARIANT TextArg(const win::UniqueBstr& text) {
    VARIANT v{};
    v.vt = VT_BSTR;
    v.bstrVal = text.get();
    return v;
}

// A saved control with a caption and a two-level menu, so that loading builds
// a tree, pictures aside.
ComPtr<IStream> SavedDocument(const ControlLibrary& library) {
    ComPtr<IDispatch> control;
    ComPtr<IStream> stream;
    EXPECT_HRESULT_SUCCEEDED(library.Create(CLSID_BrixelDemo, IID_IDispatch, control.put_void()));
    if (!control) return stream;
    const win::UniqueBstr caption(L"Lifetime");
    EXPECT_HRESULT_SUCCEEDED(CallControl(control.get(), dispid::kCaption, DISPATCH_PROPERTYPUT, {TextArg(caption)}));
    EXPECT_HRESULT_SUCCEEDED(CallControl(control.get(), dispid::kMenu, DISPATCH_PROPERTYPUT, {Bool(true)}));
    for (auto [id, parent] : {std::pair<short, short>{1, -1}, {11, 1}, {12, 1}, {2, -1}}) {
        EXPECT_HRESULT_SUCCEEDED(CallControl(control.get(), dispid::kAddMenuItem, DISPATCH_METHOD, {I2(id), I2(parent)}));
        EXPECT_HRESULT_SUCCEEDED(CallControl(control.get(), dispid::kMenuItemCaption, DISPATCH_PROPERTYPUT,
                                             {I2(id), TextArg(caption)}));
    }
    ComPtr<IPersistStreamInit> persist;
    EXPECT_HRESULT_SUCCEEDED(control.As(&persist));
    EXPECT_HRESULT_SUCCEEDED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
    if (persist && stream) {
        EXPECT_HRESULT_SUCCEEDED(persist->Save(stream.get(), TRUE));
    }
    return stream;
}

TEST(ControlLifetime, EveryReferenceComesBackOverManyLivesAndTheLibraryCanUnload) {
    ComApartment apartment;
    ControlLibrary library;
    ASSERT_TRUE(library.loaded());
    win::UniqueWindow host(::CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                             100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(host) << "windowed tests need a display (xvfb-run)";
    ComPtr<IStream> document = SavedDocument(library);
    ASSERT_TRUE(document);

    const int cycles = LifetimeCycles();
    for (int i = 0; i < cycles; ++i) {
        const LifetimeOutcome o = RunControlLifetime(library, host.get(), document.get());
        SCOPED_TRACE("life " + std::to_string(i));
        ASSERT_EQ(o.failed_step, "");
        ASSERT_TRUE(o.had_window);
        ASSERT_EQ(o.control_release, 0UL);
        ASSERT_EQ(o.font_release, 0UL) << "the control kept its caption font";
        ASSERT_EQ(o.saved_release, 0UL) << "the control kept the stream it saved into";
        ASSERT_EQ(o.site_refs, 1UL) << "the control kept the container's site";
        ASSERT_EQ(o.sink_refs, 1UL) << "the control kept the event sink";
    }
    EXPECT_TRUE(LibraryCanUnload(library)) << "the library reports an object still alive";
}

}  // namespace
}  // namespace brixel::testing
