// The desktop theme values read from the real registry of the test prefix,
// the container's background colour from a real window, and the XP face
// painted by GDI.
//
// The test executable does not link the control library's objects, so the
// two small Windows readers are compiled in here.
#include "activex/parent_colour.cpp"
#include "activex/xp_scheme_registry.cpp"

#include "core/enums.h"
#include "gdi_test_support.h"
#include "render/face_xp.h"
#include "render/xp_colours.h"
#include "theme_registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace brixel {
namespace {

TEST_F(ThemeRegistry, DetectsTheSchemeTheDesktopShows) {
    struct Case {
        const char* name;
        std::optional<std::wstring> active, colour;
        std::int16_t scheme;
    };
    const Case cases[] = {
        {"values missing", std::nullopt, std::nullopt, kvnXPBlueScheme},
        {"theme off", L"0", L"Metallic", kvnXPBlueScheme},
        {"blue", L"1", L"NormalColor", kvnXPBlueScheme},
        {"olive green", L"1", L"HomeStead", kvnXPOliveGreenScheme},
        {"silver", L"1", L"Metallic", kvnXPSilverScheme},
        {"lower-case metallic", L"1", L"metallic", kvnXPBlueScheme},
        {"a name longer than the buffer", L"1", L"Metallic" + std::wstring(200, L' '), kvnXPBlueScheme},
    };
    for (const Case& c : cases) {
        SetValues(c.active, c.colour);
        EXPECT_EQ(activex::DetectDesktopXPScheme(), c.scheme) << c.name;
    }
}

TEST_F(ThemeRegistry, ANumberIsNoThemeText) {
    SetValues(std::nullopt, L"Metallic");
    const DWORD one = 1;
    ASSERT_EQ(::RegSetValueExW(key_.get(), L"ThemeActive", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                               sizeof one),
              ERROR_SUCCESS);
    EXPECT_EQ(activex::DetectDesktopXPScheme(), kvnXPBlueScheme);
}

TEST_F(ThemeRegistry, BorderColourFollowsTheDesktop) {
    SetValues(L"1", L"HomeStead");
    EXPECT_EQ(GetXPBorderColor(activex::RegistryThemeSettings{}, false), (Rgb{55, 98, 6}));
    SetValues(L"1", L"Metallic");
    EXPECT_EQ(GetXPBorderColor(activex::RegistryThemeSettings{}, true), (Rgb{196, 195, 191}));
}

// --- The container's background ------------------------------------------------------

LRESULT CALLBACK PlainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(ParentBackColour, TheContainerDcsBackgroundColour) {
    WNDCLASSW wc{};
    wc.style = CS_OWNDC;  // a form keeps its colours in its own device context
    wc.lpfnWndProc = PlainWindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BrixelXPParentTest";
    ::RegisterClassW(&wc);
    win::UniqueWindow parent(::CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                               nullptr, nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(parent);
    {
        win::WindowDc dc(parent.get());
        ::SetBkColor(dc.get(), RGB(12, 34, 56));
    }
    win::UniqueWindow child(::CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD, 0, 0, 50, 20, parent.get(),
                                              nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(child);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const Rgb button_face{GetRValue(face), GetGValue(face), GetBValue(face)};
    const HWND container = ::GetParent(child.get());
    ASSERT_TRUE(activex::KeepsItsDc(container));
    EXPECT_EQ(activex::GetParentBackColor(container, true, button_face), (Rgb{12, 34, 56}));

    EXPECT_EQ(activex::GetParentBackColor(::GetParent(parent.get()), false, button_face), button_face)
        << "a window without a container";
    // A container without a device context of its own hands out fresh ones,
    // whose background is the default white.
    EXPECT_EQ(activex::GetParentBackColor(::GetDesktopWindow(), false, button_face), (Rgb{255, 255, 255}));
}

// --- The XP face through GDI -----------------------------------------------------------

class XPFaceGdi : public testing::GdiFixture {
protected:
    static constexpr Rgb kContainer{9, 8, 7};
    static constexpr Rect kButton{0, 0, 87, 25};
    static constexpr Rgb kUntouched = testing::kUntouched;

    static XPFaceInput Input(std::int16_t scheme) {
        XPFaceInput in;
        in.scheme = scheme;
        in.parent_back = kContainer;
        in.border = in.scheme_border = XPLookOf(scheme).border;
        in.fast = FastPrimitives::Allowed;
        return in;
    }
};

TEST_F(XPFaceGdi, EveryPixelOfEveryFaceIsPainted) {
    using Draw = void (*)(Canvas&, const Rect&, const XPFaceInput&);
    const std::pair<const char*, Draw> faces[] = {
        {"rest", [](Canvas& c, const Rect& r, const XPFaceInput& in) { DrawXPButtonDefault(c, r, in); }},
        {"pressed", DrawXPButtonPressed},
        {"focused", DrawXPButtonFocusRect},
        {"hot", DrawXPButtonMouseOver},
        {"disabled",
         [](Canvas& c, const Rect& r, const XPFaceInput& in) {
             DrawXPButtonDisabled(c, r, in);
             DrawXPButtonDisabledBorder(c, r, in.scheme, in.parent_back, {201, 199, 186});
         }},
    };
    for (std::int16_t scheme = kvnXPBlueScheme; scheme <= kvnXPSilverScheme; ++scheme) {
        for (const auto& [name, draw] : faces) {
            auto surface = MakeSurface({87, 25}, true, kUntouched);
            ASSERT_TRUE(surface);
            draw(*surface, kButton, Input(scheme));
            int holes = 0;
            for (int y = 0; y < 25; ++y)
                for (int x = 0; x < 87; ++x) holes += surface->GetPixel({x, y}) == kUntouched;
            EXPECT_EQ(holes, 0) << name << " in scheme " << scheme;
        }
    }
}

TEST_F(XPFaceGdi, KeyPixelsOfTheBlueRestFace) {
    auto surface = MakeSurface({87, 25}, true, kUntouched);
    ASSERT_TRUE(surface);
    DrawXPButtonDefault(*surface, kButton, Input(kvnXPBlueScheme));
    const XPLook& look = XPLookOf(kvnXPBlueScheme);
    const std::pair<Point, Rgb> expected[] = {
        {{40, 1}, {0, 60, 116}},     {{1, 12}, {0, 60, 116}},    {{40, 23}, {0, 60, 116}},
        {{2, 1}, {120, 148, 167}},   {{2, 2}, {37, 87, 131}},    {{3, 2}, {191, 199, 202}},
        {{0, 0}, kContainer},        {{1, 1}, kContainer},       {{85, 23}, {240, 240, 240}},
        {{40, 0}, look.shadow[0].top_left}, {{40, 24}, look.shadow[0].bottom_right},
    };
    for (const auto& [at, colour] : expected) {
        const Rgb got = surface->GetPixel(at);
        EXPECT_EQ(got, colour) << at.x << "," << at.y << ": " << int(got.r) << "," << int(got.g) << "," << int(got.b);
    }
    // The main area runs from its start colour toward its end above the band.
    EXPECT_LE(testing::ChannelDistance(surface->GetPixel({40, 2}), {252, 252, 252}), 2);
    EXPECT_LE(testing::ChannelDistance(surface->GetPixel({40, 19}), {240, 240, 233}), 2);
    EXPECT_LE(testing::ChannelDistance(surface->GetPixel({40, 20}), {236, 235, 230}), 1);
}

}  // namespace
}  // namespace brixel
