// The kept face of a sited, in-place control, through the container's draw
// request: what changes must show at the next draw, what is kept until the
// desktop says it changed.
#include "activex/brixeldemo.h"
#include "control_library.h"
#include "core/enums.h"
#include "dispatch_call.h"
#include "inplace_site.h"
#include "input_support.h"
#include "theme_registry.h"

#include <olectl.h>

#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

constexpr DISPID kDispBackColor = -501, kDispAppearance = 18, kDispXPColorScheme = 19;

// The control's face as IViewObject::Draw leaves it in a fresh 87 x 25 image.
std::vector<std::uint32_t> DrawnFace(IViewObject* view) {
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 87, -25, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    win::UniqueBitmap bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap || bits == nullptr) return {};
    win::SelectScope select(dc.get(), bitmap.get());
    const RECTL bounds{0, 0, 87, 25};
    EXPECT_HRESULT_SUCCEEDED(
        view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc.get(), &bounds, nullptr, nullptr, 0));
    ::GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    return std::vector<std::uint32_t>(first, first + 87 * 25);
}

class KeptFace : public ThemeRegistry {
protected:
    void SetUp() override {
        ThemeRegistry::SetUp();
        // A pointer left over the control by an earlier test would show the
        // mouse-in colours instead of the ones written here.
        ::SetCursorPos(0, 0);
        host_.reset(::CreateWindowExW(0, L"STATIC", L"container", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                      100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(host_) << "windowed tests need a display (xvfb-run)";
        site_ = std::make_unique<InPlaceSite>(host_.get());
        ASSERT_TRUE(library_.loaded());
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IOleObject, object_.put_void()));
        ASSERT_HRESULT_SUCCEEDED(object_->SetClientSite(site_.get()));
        ASSERT_HRESULT_SUCCEEDED(object_.As(&dispatch_));
        ASSERT_HRESULT_SUCCEEDED(object_.As(&view_));
        ASSERT_HRESULT_SUCCEEDED(
            object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, host_.get(), &site_->position));
        ComPtr<IOleInPlaceObject> inplace;
        ASSERT_HRESULT_SUCCEEDED(object_.As(&inplace));
        ASSERT_HRESULT_SUCCEEDED(inplace->GetWindow(&window_));
        Pump(50);
    }
    void TearDown() override {
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
        ThemeRegistry::TearDown();
    }
    void Put(DISPID id, VARIANT value) {
        ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {value}));
    }

    ComApartment apartment_;
    ControlLibrary library_;
    win::UniqueWindow host_;
    std::unique_ptr<InPlaceSite> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IDispatch> dispatch_;
    ComPtr<IViewObject> view_;
    HWND window_ = nullptr;
};

TEST_F(KeptFace, APropertyWriteShowsAtTheNextDrawAndTheOldValueBringsTheOldFaceBack) {
    Put(kDispAppearance, I2(kvn3D));
    const std::vector<std::uint32_t> grey = DrawnFace(view_.get());
    ASSERT_FALSE(grey.empty());
    EXPECT_EQ(DrawnFace(view_.get()), grey) << "nothing changed: the same face";

    Put(kDispBackColor, I4(RGB(200, 40, 40)));
    const std::vector<std::uint32_t> red = DrawnFace(view_.get());
    EXPECT_NE(red, grey);
    EXPECT_EQ(red[4 * 87 + 4] & 0xFFFFFF, 0xC82828u) << "inside the bevel, clear of the caption";

    Put(kDispBackColor, I4(static_cast<LONG>(0x8000000F)));  // the button face again
    EXPECT_EQ(DrawnFace(view_.get()), grey);
}

TEST_F(KeptFace, TheDesktopSchemeIsReadAgainWhenTheThemeChanges) {
    SetValues(L"1", L"NormalColor");
    Put(kDispXPColorScheme, I2(kvnXPAutoDetect));
    ::SendMessageW(window_, WM_THEMECHANGED, 0, 0);
    const std::vector<std::uint32_t> blue = DrawnFace(view_.get());
    ASSERT_FALSE(blue.empty());

    SetValues(L"1", L"Metallic");
    EXPECT_EQ(DrawnFace(view_.get()), blue) << "no theme message yet: the scheme read before stands";

    ::SendMessageW(window_, WM_THEMECHANGED, 0, 0);
    EXPECT_NE(DrawnFace(view_.get()), blue) << "silver after the theme message";

    SetValues(L"1", L"NormalColor");
    ::SendMessageW(window_, WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(DrawnFace(view_.get()), blue) << "a settings change reads it again as well";
}

}  // namespace
}  // namespace brixel::testing
