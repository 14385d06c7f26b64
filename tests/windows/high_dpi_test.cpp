// The control in place on a 144 dpi screen: its triangle, borders and window
// region at one and a half times their 96 dpi size. These cases need a
// process started on such a screen (scripts/test-high-dpi.sh); elsewhere
// they skip themselves.
#include "activex/window_region.h"
#include "core/dispids.h"
#include "inplace_control_test.h"
#include "native/render/paint_model_support.h"
#include "render/region_shape.h"

#include <cstdlib>

namespace brixel::testing {
namespace {

constexpr int kDenseDpi = 144;

int ScreenDpiNow() {
    win::WindowDc screen(nullptr);
    return ::GetDeviceCaps(screen.get(), LOGPIXELSY);
}

class HighDpi : public InPlaceControlTest {
protected:
    void SetUp() override {
        const char* expected = std::getenv("BRIXEL_EXPECT_DPI");
        if (expected == nullptr) GTEST_SKIP() << "runs in the 144 dpi prefix only";
        ASSERT_EQ(ScreenDpiNow(), kDenseDpi) << "the high-dpi prefix did not take its LogPixels";
        // A process that says nothing is scaled by the system and told 96.
        ::SetProcessDPIAware();
        InPlaceControlTest::SetUp();
        if (HasFatalFailure()) return;
        site_->position = {20, 20, 20 + kWidth, 20 + kHeight};
        ::SetCursorPos(1200, 1000);  // a pointer over the button would show the mouse-in look
    }

    void PutI2(DISPID id, short value) {
        ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {I2(value)}));
    }
    void PutFlag(DISPID id, bool value) {
        ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {Bool(value)}));
    }
    void PutColour(DISPID id, COLORREF colour) {
        ASSERT_HRESULT_SUCCEEDED(
            CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {I4(static_cast<LONG>(colour))}));
    }
    void PutText(DISPID id, const wchar_t* text) {
        const win::UniqueBstr value(text);
        ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {Text(value)}));
    }

    // The flat face in plain colours, shown and painted; neither the focus
    // nor the default frame is drawn, whichever window has the focus.
    HWND ShowFlat() {
        PutFlag(dispid::kShowDefaultBorder, false);
        PutFlag(dispid::kShowFocusBorder, false);
        PutI2(dispid::kAppearance, kvnFlat);
        PutI2(dispid::kBorderStyle, kvnSolid);
        PutColour(dispid::kBorderColor, kBorder);
        PutColour(DISPID_BACKCOLOR, kBack);
        PutText(dispid::kCaption, L"");
        const HWND window = Activate();
        if (window != nullptr) {
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            Pump(50);
        }
        return window;
    }

    COLORREF Pixel(HWND window, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(window, &p);
        win::WindowDc screen(nullptr);
        return ::GetPixel(screen.get(), p.x, p.y);
    }

    static constexpr int kWidth = 130;
    static constexpr int kHeight = 38;
    static constexpr COLORREF kBorder = RGB(0, 160, 0);
    static constexpr COLORREF kBack = RGB(200, 30, 40);
};

TEST_F(HighDpi, FlatBorderIsTwoPixelsWide) {
    const HWND window = ShowFlat();
    ASSERT_NE(window, nullptr);
    const int middle = kHeight / 2;
    EXPECT_EQ(Pixel(window, 0, middle), kBorder);
    EXPECT_EQ(Pixel(window, 1, middle), kBorder) << "the second pixel of the left border";
    EXPECT_EQ(Pixel(window, 2, middle), kBack);
    EXPECT_EQ(Pixel(window, kWidth - 2, middle), kBorder) << "the second pixel of the right border";
    EXPECT_EQ(Pixel(window, kWidth - 3, middle), kBack);
    EXPECT_EQ(Pixel(window, kWidth / 2, 1), kBorder) << "top";
    EXPECT_EQ(Pixel(window, kWidth / 2, kHeight - 2), kBorder) << "bottom";
    EXPECT_EQ(Pixel(window, kWidth / 2, kHeight - 3), kBack);
}

TEST_F(HighDpi, DropDownTriangleIsElevenBySixInAStripOfThirtyTwo) {
    PutFlag(dispid::kMenu, true);
    PutI2(dispid::kMenuButtonStyle, kvnMenuButtonStyleDropDown);
    PutColour(dispid::kMenuButtonTriangleColor, RGB(0, 0, 255));
    const HWND window = ShowFlat();
    ASSERT_NE(window, nullptr);
    // The strip is the right 32 pixels; the glyph 11 wide and 6 high:
    // x = 130 - (32 - 11) / 2 - 11 = 109, y = (38 - 6) / 2 = 16.
    int set = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const int row = y - 16;
            const bool glyph = row >= 0 && row < 6 && x >= 109 + row && x < 120 - row;
            const bool blue = Pixel(window, x, y) == RGB(0, 0, 255);
            if (blue) ++set;
            if (glyph) {
                EXPECT_TRUE(blue) << x << "," << y;
            }
        }
    EXPECT_EQ(set, 11 + 9 + 7 + 5 + 3 + 1);
}

TEST_F(HighDpi, RoundedCornersShapeTheWindowAtTheScreensResolution) {
    PutText(dispid::kCornerStyle, L"1;1;1;1");
    PutText(dispid::kCornerRoundingLevel, L"1;0;0;1");
    const HWND window = ShowFlat();
    ASSERT_NE(window, nullptr);
    win::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(window, region.get()), ERROR) << "the window has a region";

    ButtonProperties p = DefaultModel().props;
    p.Appearance = kvnFlat;
    p.CornerStyle = u"1;1;1;1";
    p.CornerRoundingLevel = u"1;0;0;1";
    const Rect client{0, 0, kWidth, kHeight};
    const win::UniqueRegion dense = win::CreateRegionFromShape(ControlRegionShape(p, {}, true, client, false, 144));
    const win::UniqueRegion design = win::CreateRegionFromShape(ControlRegionShape(p, {}, true, client, false, 96));
    ASSERT_TRUE(dense && design);
    EXPECT_TRUE(::EqualRgn(region.get(), dense.get())) << "the region of a 144 dpi screen";
    EXPECT_FALSE(::EqualRgn(region.get(), design.get())) << "not the 96 dpi one";
    // The larger radius cuts more than its 96 dpi corner would.
    EXPECT_FALSE(::PtInRegion(region.get(), 3, 0));
    EXPECT_TRUE(::PtInRegion(region.get(), kWidth / 2, 0));
}

}  // namespace
}  // namespace brixel::testing
