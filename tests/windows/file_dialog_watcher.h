// Answers the open-file dialogs a test provokes, as a user would: it finds
// each file dialog of this process and either cancels it or types a file
// name and presses OK. Without it a modal dialog would hang the test run.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace brixel::testing {

class FileDialogWatcher {
public:
    // An empty `answer` cancels every dialog; otherwise it is the file chosen.
    explicit FileDialogWatcher(std::wstring answer = {}) : answer_(std::move(answer)), thread_([this] { Watch(); }) {}
    FileDialogWatcher(const FileDialogWatcher&) = delete;
    FileDialogWatcher& operator=(const FileDialogWatcher&) = delete;
    ~FileDialogWatcher() {
        stop_ = true;
        thread_.join();
    }

    int seen() const { return seen_; }

private:
    // The file name field: the combo of the explorer-style dialog, the edit
    // of the older one.
    static constexpr int kFileNameCombo = 0x47C;
    static constexpr int kFileNameEdit = 0x480;

    void Watch() {
        while (!stop_) {
            ::EnumWindows(&FileDialogWatcher::Visit, reinterpret_cast<LPARAM>(this));
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
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
        HWND name = ::GetDlgItem(window, kFileNameCombo);
        if (name == nullptr) name = ::GetDlgItem(window, kFileNameEdit);
        if (name == nullptr) return TRUE;  // not a file dialog
        auto* watcher = reinterpret_cast<FileDialogWatcher*>(self);
        ++watcher->seen_;
        if (watcher->answer_.empty()) {
            ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        } else {
            ::SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(watcher->answer_.c_str()),
                                  SMTO_ABORTIFHUNG, 2000, nullptr);
            ::PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
        ::ShowWindow(window, SW_HIDE);  // answered once, even before it closes
        return TRUE;
    }

    std::wstring answer_;
    std::atomic<bool> stop_{false};
    std::atomic<int> seen_{0};
    std::thread thread_;
};

}  // namespace brixel::testing
