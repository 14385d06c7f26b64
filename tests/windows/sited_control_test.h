// A fixture with one control created from the library beside the tests and
// sited in a test container, reachable through IOleObject and IDispatch.
#pragma once

#include "activex/brixeldemo.h"
#include "control_library.h"
#include "dispatch_call.h"
#include "test_site.h"

#include <gtest/gtest.h>

namespace brixel::testing {

class SitedControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library_.loaded()) << "BRIXELDEMO.ocx must sit beside the tests";
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IOleObject, object_.put_void()));
        ASSERT_HRESULT_SUCCEEDED(object_->SetClientSite(&site_));
        ASSERT_HRESULT_SUCCEEDED(object_.As(&dispatch_));
    }
    void TearDown() override {
        if (object_) object_->SetClientSite(nullptr);
    }

    HRESULT Put(DISPID id, VARIANT value) { return CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {value}); }

    ComApartment apartment_;
    ControlLibrary library_;
    TestSite site_;
    win::ComPtr<IOleObject> object_;
    win::ComPtr<IDispatch> dispatch_;
};

}  // namespace brixel::testing
