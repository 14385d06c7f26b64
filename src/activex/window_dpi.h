// The resolution the control's window is shown at.
#pragma once

#include <windows.h>

namespace brixel::win {

// Spelled out: the headers offer them only to builds for newer systems.
inline constexpr UINT kWmDpiChanged = 0x02E0;
inline constexpr UINT kWmDpiChangedAfterParent = 0x02E3;

// The dpi of the monitor `window` is on, as the system reports it to this
// process: per window where the system can say (Windows 10), per monitor
// where it can say that (Windows 8.1), else the system's. Both newer calls
// are looked up at run time so the control still loads on older systems.
// A window the system scales for us (a dpi-unaware process) reads 96 there,
// which is what such a process must draw at. Null `window`: the system's.
int WindowDpi(HWND window) noexcept;

// The system-wide resolution, as a screen device context reports it.
int SystemDpi() noexcept;

}  // namespace brixel::win
