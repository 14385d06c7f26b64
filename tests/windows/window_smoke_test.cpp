// Proves that the harness can create, show, paint and destroy a real window
// (under Xvfb): every windowed test builds on this.
#include "gdi/raii.h"

#include <gtest/gtest.h>

namespace brixel::testing {
namespace {

struct WindowLog {
    int created = 0;
    int painted = 0;
    int destroyed = 0;
};

LRESULT CALLBACK LoggingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* log = reinterpret_cast<WindowLog*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            reinterpret_cast<WindowLog*>(create->lpCreateParams)->created++;
            break;
        }
        case WM_PAINT: {
            win::PaintScope paint(window);
            win::UniqueBrush red(::CreateSolidBrush(RGB(255, 0, 0)));
            RECT client{};
            ::GetClientRect(window, &client);
            ::FillRect(paint.dc(), &client, red.get());
            if (log) log->painted++;
            return 0;
        }
        case WM_DESTROY:
            if (log) log->destroyed++;
            break;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wparam, lparam);
}

TEST(WindowHarness, CreatesPaintsAndDestroysAWindow) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = LoggingProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BrixelSmokeWindow";
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ASSERT_NE(::RegisterClassW(&wc), 0);

    WindowLog log;
    HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"smoke", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200,
                                    120, nullptr, nullptr, wc.hInstance, &log);
    ASSERT_NE(window, nullptr) << "no display? windowed tests must run under xvfb-run";
    ::UpdateWindow(window);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    EXPECT_EQ(log.created, 1);
    EXPECT_GE(log.painted, 1);

    // What the window shows on screen is the painted red.
    POINT centre{100, 50};
    ::ClientToScreen(window, &centre);
    {
        win::WindowDc screen(nullptr);
        EXPECT_EQ(::GetPixel(screen.get(), centre.x, centre.y), RGB(255, 0, 0));
    }

    EXPECT_TRUE(::DestroyWindow(window));
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_TRUE(::UnregisterClassW(wc.lpszClassName, wc.hInstance));
}

}  // namespace
}  // namespace brixel::testing
