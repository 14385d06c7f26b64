// The control window's region as the system builds it: which pixels of a
// shaped window remain, through the same code the control uses. The control
// library itself is not linked into the tests, so its one file is built here.
#include "activex/window_region.cpp"

#include "native/render/paint_model_support.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

class WindowRegion : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        ::RegisterClassW(&wc);
    }

    // A borderless window: its client rectangle is the whole window.
    win::UniqueWindow MakeWindow(int width, int height) {
        return win::UniqueWindow(::CreateWindowExW(0, kClass, L"region", WS_POPUP, 10, 10, width, height, nullptr,
                                                   nullptr, ::GetModuleHandleW(nullptr), nullptr));
    }

    // The region the window holds now, or null when it has none.
    static win::UniqueRegion RegionOf(HWND window) {
        win::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
        if (::GetWindowRgn(window, region.get()) == ERROR) return {};
        return region;
    }

    static constexpr const wchar_t* kClass = L"BrixelRegionWindow";
};

struct Membership {
    Point at;
    bool inside;
};

TEST_F(WindowRegion, RoundedCornersCutTheWindowAndSquareOnesKeepIt) {
    struct Case {
        const char* name;
        int width;
        ButtonProperties props;
        std::vector<Membership> points;
    } const cases[] = {
        {"80 wide, larger radius on all corners", 80, FlatWithCorners(u"1;1;1;1", u"1;1;1;1"),
         {{{0, 0}, false}, {{79, 0}, false}, {{0, 29}, false}, {{79, 29}, false},
          {{8, 0}, true}, {{0, 8}, true}, {{71, 0}, true}, {{79, 21}, true}, {{71, 29}, true}, {{40, 15}, true}}},
        {"70 wide, larger radius on all corners", 70, FlatWithCorners(u"1;1;1;1", u"1;1;1;1"),
         {{{0, 0}, false}, {{69, 0}, false}, {{0, 29}, false}, {{69, 29}, false}, {{9, 0}, true},
          {{69, 9}, true}, {{60, 29}, true}}},
        {"top-left only, smaller radius", 80, FlatWithCorners(u"1;0;0;0", u"0;0;0;0"),
         {{{0, 0}, false}, {{2, 0}, true}, {{79, 0}, true}, {{0, 29}, true}, {{79, 29}, true}}},
        {"bottom-right only, larger radius", 80, FlatWithCorners(u"0;0;0;1", u"0;0;0;1"),
         {{{0, 0}, true}, {{79, 0}, true}, {{0, 29}, true}, {{79, 29}, false},
          {{70, 29}, true}}},
    };
    for (const auto& c : cases) {
        win::UniqueWindow window = MakeWindow(c.width, 30);
        ASSERT_TRUE(window) << "no display? windowed tests must run under xvfb-run";
        ASSERT_TRUE(win::ApplyWindowRegion(window.get(), c.props, {}, true, false, 96)) << c.name;
        const win::UniqueRegion region = RegionOf(window.get());
        ASSERT_TRUE(region) << c.name;
        for (const Membership& m : c.points)
            EXPECT_EQ(::PtInRegion(region.get(), m.at.x, m.at.y) != FALSE, m.inside)
                << c.name << " at " << m.at.x << "," << m.at.y;
    }
}

TEST_F(WindowRegion, RegionCoversExactlyTheClientRectangle) {
    struct Case {
        const char* name;
        std::int16_t appearance;
        const char16_t* corners;
    } const cases[] = {
        {"flat, rounded", kvnFlat, u"1;1;1;1"},
        {"flat, square", kvnFlat, u"0;0;0;0"},
        {"XP style", kvnXPStyleAPB, u"0;0;0;0"},
        {"3D", kvn3D, u"1;1;1;1"},
    };
    for (const auto& c : cases) {
        ButtonProperties p = FlatWithCorners(c.corners, u"0;0;0;0");
        p.Appearance = c.appearance;
        win::UniqueWindow window = MakeWindow(60, 24);
        ASSERT_TRUE(window);
        ASSERT_TRUE(win::ApplyWindowRegion(window.get(), p, {}, true, false, 96)) << c.name;
        const win::UniqueRegion region = RegionOf(window.get());
        ASSERT_TRUE(region) << c.name;
        RECT box{};
        ::GetRgnBox(region.get(), &box);
        EXPECT_EQ(box.left, 0) << c.name;
        EXPECT_EQ(box.top, 0) << c.name;
        EXPECT_EQ(box.right, 60) << c.name;
        EXPECT_EQ(box.bottom, 24) << c.name;
        EXPECT_TRUE(::PtInRegion(region.get(), 30, 12)) << c.name;
    }
}

TEST_F(WindowRegion, ThreeDFaceKeepsEveryCorner) {
    ButtonProperties p = FlatWithCorners(u"1;1;1;1", u"1;1;1;1");
    p.Appearance = kvn3D;
    win::UniqueWindow window = MakeWindow(50, 20);
    ASSERT_TRUE(window);
    ASSERT_TRUE(win::ApplyWindowRegion(window.get(), p, {}, true, false, 96));
    const win::UniqueRegion region = RegionOf(window.get());
    ASSERT_TRUE(region);
    for (const Point at : {Point{0, 0}, Point{49, 0}, Point{0, 19}, Point{49, 19}})
        EXPECT_TRUE(::PtInRegion(region.get(), at.x, at.y)) << at.x << "," << at.y;
}

TEST(WindowRegionShape, EmptyShapeMakesAnEmptyRegion) {
    const win::UniqueRegion region = win::CreateRegionFromShape({});
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(::GetRgnBox(region.get(), &box), NULLREGION);
}

}  // namespace
}  // namespace brixel::testing
