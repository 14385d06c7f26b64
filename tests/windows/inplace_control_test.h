// Fixtures with one control in place in a real top-level window under the
// display (xvfb-run): created from the library beside the tests, sited in an
// InPlaceSite, and, with InPlaceControlWithEvents, its events recorded by a
// sink of the test's own kind.
#pragma once

#include "activex/brixeldemo.h"
#include "control_library.h"
#include "dispatch_stub.h"
#include "inplace_site.h"
#include "input_support.h"

#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>

namespace brixel::testing {

class InPlaceControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_.reset(::CreateWindowExW(0, L"STATIC", L"container", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                      100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(host_) << "windowed tests need a display (xvfb-run)";
        site_ = std::make_unique<InPlaceSite>(host_.get());
        ASSERT_TRUE(library_.loaded()) << "BRIXELDEMO.ocx must sit beside the tests";
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IOleObject, object_.put_void()));
        ASSERT_HRESULT_SUCCEEDED(object_->SetClientSite(site_.get()));
        ASSERT_HRESULT_SUCCEEDED(object_.As(&dispatch_));
    }
    void TearDown() override {
        if (point_) point_->Unadvise(cookie_);
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
    }

    // The control's events reach `sink` until the test ends.
    void Listen(EventSink& sink) {
        win::ComPtr<IConnectionPointContainer> container;
        ASSERT_HRESULT_SUCCEEDED(object_.As(&container));
        ASSERT_HRESULT_SUCCEEDED(container->FindConnectionPoint(DIID__DBrixelDemoEvents, point_.put()));
        ASSERT_HRESULT_SUCCEEDED(point_->Advise(&sink, &cookie_));
    }

    // In-place activation with the container as the active foreground
    // window, as a user's form would be; the control's window.
    HWND Activate() {
        EXPECT_HRESULT_SUCCEEDED(
            object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, host_.get(), &site_->position));
        win::ComPtr<IOleInPlaceObject> inplace;
        EXPECT_HRESULT_SUCCEEDED(object_.As(&inplace));
        HWND window = nullptr;
        EXPECT_HRESULT_SUCCEEDED(inplace->GetWindow(&window));
        ::SetForegroundWindow(host_.get());
        ::SetActiveWindow(host_.get());
        Pump(100);
        return window;
    }

    ComApartment apartment_;
    win::UniqueWindow host_;
    std::unique_ptr<InPlaceSite> site_;
    ControlLibrary library_;
    win::ComPtr<IOleObject> object_;
    win::ComPtr<IDispatch> dispatch_;

private:
    win::ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// The same with every event going to `events_` from the start.
template <class Sink>
class InPlaceControlWithEvents : public InPlaceControlTest {
protected:
    void SetUp() override {
        InPlaceControlTest::SetUp();
        if (!HasFatalFailure()) Listen(events_);
    }

    Sink events_;
};

}  // namespace brixel::testing
