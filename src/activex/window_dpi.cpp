#include "activex/window_dpi.h"

#include "gdi/raii.h"

namespace brixel::win {
namespace {

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) noexcept {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
// MONITOR_DPI_TYPE 0 is the effective dpi, the one the user chose.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

int MonitorDpi(HWND window) noexcept {
    const UniqueModule shcore(::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    const auto get_dpi_for_monitor = Lookup<GetDpiForMonitorFn>(shcore.get(), "GetDpiForMonitor");
    if (get_dpi_for_monitor == nullptr) return 0;
    HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    UINT x = 0, y = 0;
    if (monitor == nullptr || FAILED(get_dpi_for_monitor(monitor, kEffectiveDpi, &x, &y))) return 0;
    return static_cast<int>(y);
}

}  // namespace

int SystemDpi() noexcept {
    WindowDc screen(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) noexcept {
    if (window == nullptr) return SystemDpi();
    static const auto get_dpi_for_window =
        Lookup<GetDpiForWindowFn>(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (get_dpi_for_window != nullptr) {
        const UINT dpi = get_dpi_for_window(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    if (const int dpi = MonitorDpi(window); dpi > 0) return dpi;
    return SystemDpi();
}

}  // namespace brixel::win
