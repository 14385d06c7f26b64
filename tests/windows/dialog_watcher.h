// Finds the dialogs a test provokes while the test thread sits in their modal
// loop: a thread looks for visible dialog windows of this process and hands
// each to `answer`, which presses a button as a user would. A dialog answered
// is hidden at once so it is seen only once, even before it closes.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace brixel::testing {

class DialogWatcher {
public:
    // `answer` returns false for a dialog it does not handle. An owner declares
    // its watcher last, so the watcher stops before what `answer` uses goes.
    DialogWatcher(std::function<bool(HWND dialog)> answer, int interval_ms)
        : answer_(std::move(answer)), interval_ms_(interval_ms), thread_([this] { Watch(); }) {}
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    ~DialogWatcher() {
        stop_ = true;
        thread_.join();
    }

private:
    void Watch() {
        while (!stop_) {
            ::EnumWindows(&DialogWatcher::Visit, reinterpret_cast<LPARAM>(this));
            std::this_thread::sleep_for(std::chrono::milliseconds(interval_ms_));
        }
    }

    static BOOL CALLBACK Visit(HWND window, LPARAM self) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        wchar_t cls[32] = {};
        ::GetClassNameW(window, cls, 32);
        if (process != ::GetCurrentProcessId() || std::wstring(cls) != L"#32770" || !::IsWindowVisible(window)) {
            return TRUE;
        }
        if (reinterpret_cast<DialogWatcher*>(self)->answer_(window)) ::ShowWindow(window, SW_HIDE);
        return TRUE;
    }

    std::function<bool(HWND)> answer_;
    int interval_ms_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace brixel::testing
