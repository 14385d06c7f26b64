#include "activex/brixeldemo.h"
#include "core/dispids.h"
#include "control_library.h"
#include "message_box_watcher.h"
#include "activex/categorize.h"
#include "sited_control_test.h"
#include "test_site.h"

#include <objsafe.h>

#include <string>

namespace brixel::testing {
namespace {

using win::ComPtr;

class Browsing : public SitedControlTest {
protected:
    HRESULT PutBool(DISPID id, bool value) { return Put(id, Bool(value)); }
    bool GetBool(DISPID id) {
        win::UniqueVariant v;
        EXPECT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), id, DISPATCH_PROPERTYGET, {}, v.put()));
        return v->vt == VT_BOOL && v->boolVal != VARIANT_FALSE;
    }
};

TEST_F(Browsing, NewControlTakesItsNameFromTheContainer) {
    win::UniqueVariant v;
    DISPPARAMS none{};
    ASSERT_HRESULT_SUCCEEDED(dispatch_->Invoke(DISPID_CAPTION, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, v.put(),
                                               nullptr, nullptr));
    EXPECT_STREQ(v->bstrVal, L"Command1");
}

TEST_F(Browsing, ToggleButtonIsRefusedWhileMenuIsOn) {
    MessageBoxWatcher boxes;
    ASSERT_HRESULT_SUCCEEDED(PutBool(dispid::kMenu, true));
    ASSERT_HRESULT_SUCCEEDED(PutBool(dispid::kToggleButton, true)) << "the refusal is not an automation error";
    EXPECT_FALSE(GetBool(dispid::kToggleButton));
    EXPECT_TRUE(GetBool(dispid::kMenu));
    const auto texts = boxes.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], L"This property is invalid if Menu property is set to True");
}

TEST_F(Browsing, MenuIsRefusedOnAToggleButton) {
    MessageBoxWatcher boxes;
    ASSERT_HRESULT_SUCCEEDED(PutBool(dispid::kToggleButton, true));
    ASSERT_HRESULT_SUCCEEDED(PutBool(dispid::kMenu, true));
    EXPECT_FALSE(GetBool(dispid::kMenu));
    const auto texts = boxes.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], L"This property is invalid if ToggleButton property is set to True");
}

TEST_F(Browsing, DisplayStringsFollowTheCurrentValue) {
    ComPtr<IPerPropertyBrowsing> browsing;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&browsing));
    win::UniqueBstr text;
    ASSERT_HRESULT_SUCCEEDED(browsing->GetDisplayString(dispid::kAppearance, text.put()));
    EXPECT_EQ(text.view(), L"2 - XP Style");
    VARIANT v{};
    v.vt = VT_I2;
    v.iVal = 4;
    ASSERT_HRESULT_SUCCEEDED(Put(dispid::kAppearance, v));
    ASSERT_HRESULT_SUCCEEDED(browsing->GetDisplayString(dispid::kAppearance, text.put()));
    EXPECT_EQ(text.view(), L"4 - XP when Mouse Over");
    v.iVal = 42;
    ASSERT_HRESULT_SUCCEEDED(Put(dispid::kAppearance, v)) << "enumerated values are not range-checked";
    ASSERT_HRESULT_SUCCEEDED(browsing->GetDisplayString(dispid::kAppearance, text.put()));
    EXPECT_EQ(text.view(), L"42");
    EXPECT_EQ(browsing->GetDisplayString(DISPID_CAPTION, text.put()), E_NOTIMPL);
}

TEST_F(Browsing, UntrustedCallersCannotTouchFilesOrLearnAddresses) {
    ComPtr<IObjectSafety> safety;
    ASSERT_HRESULT_SUCCEEDED(object_.As(IID_IObjectSafety, safety.put_void()));
    ASSERT_HRESULT_SUCCEEDED(safety->SetInterfaceSafetyOptions(IID_IDispatch, INTERFACESAFE_FOR_UNTRUSTED_CALLER,
                                                               INTERFACESAFE_FOR_UNTRUSTED_CALLER));
    const win::UniqueBstr path(L"C:\\windows\\win.ini");
    win::UniqueExcepInfo error;
    EXPECT_EQ(PutRaising(dispatch_.get(), 14, Text(path), error), DISP_E_EXCEPTION);
    EXPECT_EQ(static_cast<ULONG>(error.get().scode), 0x800A0046u);

    win::UniqueVariant pointer;
    DISPPARAMS none{};
    ASSERT_HRESULT_SUCCEEDED(
        dispatch_->Invoke(109, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, pointer.put(), nullptr, nullptr));
    EXPECT_EQ(pointer->lVal, 0);
}

struct CategoryCase {
    DISPID id;
    int category;
    const wchar_t* name;
};

TEST_F(Browsing, PropertiesAreGroupedIntoCategories) {
    ComPtr<IUnknown> unknown;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&unknown));
    ComPtr<activex::ICategorizeProperties> categories;
    ASSERT_HRESULT_SUCCEEDED(unknown->QueryInterface(activex::kIID_ICategorizeProperties, categories.put_void()));
    const CategoryCase cases[] = {
        {DISPID_BACKCOLOR, 100, L"Appearance"}, {-512, 510, L"Caption"},   {1, 520, L"Border"},
        {56, 530, L"Gradient"},                 {100, 540, L"Picture"},   {11, 550, L"Mouse"},
        {14, 570, L"Sound"},                    {106, 580, L"Hyperlink"}, {29, 590, L"Translucent"},
        {131, 600, L"Menu"},                    {-514, -6, L"Behavior"},
    };
    for (const CategoryCase& c : cases) {
        activex::PROPCAT found = 0;
        ASSERT_HRESULT_SUCCEEDED(categories->MapPropertyToCategory(c.id, &found)) << c.id;
        EXPECT_EQ(found, c.category) << c.id;
        win::UniqueBstr name;
        ASSERT_HRESULT_SUCCEEDED(categories->GetCategoryName(found, 0, name.put())) << c.id;
        EXPECT_EQ(name.view(), c.name);
    }
    activex::PROPCAT none = 0;
    EXPECT_HRESULT_FAILED(categories->MapPropertyToCategory(111, &none)) << "the control's own Font has no category";
}

}  // namespace
}  // namespace brixel::testing
