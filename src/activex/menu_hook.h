// The thread message hook behind menu shortcuts and menu auto-drop.
//
// One hook serves the process: the first control window installs it on its
// own thread, every control window counts itself in, and the last one to go
// removes it. The hook only watches messages being taken from the queue and
// always passes them on:
//   - key-downs: the shortcut registry decides which control's item runs, and
//     that control is sent kUmShortcutInvoke with a copy of the item's fields;
//   - mouse moves: while one of our popups is open, moving onto another
//     auto-drop control closes it (cancel-mode to the tracking window);
//     otherwise our control under the message gets kUmAutoDropProbe.
// Controls on other threads get neither, as the hook sees only its own
// thread's queue.
#pragma once

#include "menu/shortcut_registry.h"

#include <windows.h>

namespace brixel::activex {

class MenuHook {
public:
    // Counts a control window in; the first installs the hook on this thread.
    static void WindowCreated() noexcept;
    // Counts one out; the last removes the hook.
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
