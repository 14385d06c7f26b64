// The thread message hook behind menu shortcuts and menu auto-drop.
//
// Each thread that owns control windows has its own hook: its first control
// window installs it, every control window of the thread counts itself in,
// and the thread's last one to go removes it. The hook only watches messages
// being taken from its thread's queue and always passes them on:
//   - key-downs: the shortcut registry decides which of this thread's
//     controls runs its item, and that control is sent kUmShortcutInvoke with
//     a copy of the item's fields;
//   - mouse moves: while one of our popups is open, moving onto another
//     auto-drop control closes it (cancel-mode to the tracking window);
//     otherwise our control under the message gets kUmAutoDropProbe.
#pragma once

#include "menu/shortcut_registry.h"

#include <windows.h>

namespace brixel::activex {

class MenuHook {
public:
    // Counts a control window of this thread in; the thread's first installs
    // its hook. A window is counted out on the thread that counted it in.
    static void WindowCreated() noexcept;
    // Counts one out; the thread's last removes its hook.
    static void WindowDestroyed() noexcept;

    // The window that tracks one of our popups on this thread, or null.
    static void SetTrackingWindow(HWND window) noexcept;
    static HWND TrackingWindow() noexcept;

    // Whether `block` is the invocation the hook is sending right now: the
    // message's word parameter is a pointer, and only the hook's own may be
    // followed (any process can send the same message number).
    static bool IsPendingInvocation(const ShortcutInvocation* block) noexcept;
};

}  // namespace brixel::activex
