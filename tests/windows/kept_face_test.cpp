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

// One system colour changed for a test and put back when the scope ends.
class SystemColourChange {
public:
    SystemColourChange(int index, COLORREF colour) : index_(index), saved_(::GetSysColor(index)) {
        ::SetSysColors(1, &index_, &colour);
    }
    ~SystemColourChange() { ::SetSysColors(1, &index_, &saved_); }
    SystemColourChange(const SystemColourChange&) = delete;
    SystemColourChange& operator=(const SystemColourChange&) = delete;

private:
    int index_;
    COLORREF saved_;
};

// The pixel inside the bevel, clear of the caption, as 0xRRGGBB.
std::uint32_t InsideBevel(const std::vector<std::uint32_t>& face) { return face.at(4 * 87 + 4) & 0xFFFFFF; }

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
    EXPECT_EQ(InsideBevel(red), 0xC82828u);

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

TEST_F(KeptFace, SystemColoursAreReadAgainWhenTheDesktopSaysTheyChanged) {
    Put(kDispAppearance, I2(kvn3D));
    Put(kDispBackColor, I4(static_cast<LONG>(0x8000000F)));  // the system's button face
    const std::vector<std::uint32_t> grey = DrawnFace(view_.get());
    ASSERT_FALSE(grey.empty());
    {
        SystemColourChange green(COLOR_BTNFACE, RGB(10, 200, 30));
        ::SendMessageW(window_, WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(InsideBevel(DrawnFace(view_.get())), 0x0AC81Eu) << "the new button face after the colour message";
    }
    ::SendMessageW(window_, WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(DrawnFace(view_.get()), grey) << "a settings change reads them again as well";
}

TEST_F(KeptFace, AmbientsAreReadAgainWhenTheContainerSaysOneChanged) {
    ComPtr<IOleControl> control;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&control));
    Put(kDispAppearance, I2(kvn3D));
    const std::vector<std::uint32_t> plain = DrawnFace(view_.get());
    ASSERT_FALSE(plain.empty());

    site_->display_as_default = true;
    ASSERT_HRESULT_SUCCEEDED(control->OnAmbientPropertyChange(DISPID_AMBIENT_DISPLAYASDEFAULT));
    const std::vector<std::uint32_t> framed = DrawnFace(view_.get());
    EXPECT_NE(framed, plain) << "shown as default";
    EXPECT_EQ(framed.at(0) & 0xFFFFFF, 0u) << "the default frame is black";

    site_->display_as_default.reset();
    ASSERT_HRESULT_SUCCEEDED(control->OnAmbientPropertyChange(DISPID_UNKNOWN));
    EXPECT_EQ(DrawnFace(view_.get()), plain) << "no answer: not the default button";
}

}  // namespace
}  // namespace brixel::testing
