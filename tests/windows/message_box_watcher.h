// Closes the message boxes a test provokes, as a user would: it finds each
// box of this process, reads its text and presses OK. Without it a modal box
// would hang the test run.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace brixel::testing {

class MessageBoxWatcher {
public:
    MessageBoxWatcher() : thread_([this] { Watch(); }) {}
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    ~MessageBoxWatcher() {
        stop_ = true;
        thread_.join();
    }

    std::vector<std::wstring> Texts() {
        std::lock_guard lock(mutex_);
        return texts_;
    }

private:
    static constexpr int kMessageTextId = 0xFFFF;  // the static that holds a box's text

    void Watch() {
        while (!stop_) {
            ::EnumWindows(&MessageBoxWatcher::Visit, reinterpret_cast<LPARAM>(this));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
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
        wchar_t text[512] = {};
        ::GetDlgItemTextW(window, kMessageTextId, text, 512);
        auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
        {
            std::lock_guard lock(watcher->mutex_);
            watcher->texts_.emplace_back(text);
        }
        ::PostMessageW(window, WM_COMMAND, IDOK, 0);
        ::ShowWindow(window, SW_HIDE);  // seen once, even before it closes
        return TRUE;
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::wstring> texts_;
    std::thread thread_;
};

}  // namespace brixel::testing
