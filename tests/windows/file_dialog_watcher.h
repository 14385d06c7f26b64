// Answers the open-file dialogs a test provokes, as a user would: it finds
// each file dialog of this process and either cancels it or types a file
// name and presses OK. Without it a modal dialog would hang the test run.
#pragma once

#include "dialog_watcher.h"

#include <atomic>
#include <string>

namespace brixel::testing {

class FileDialogWatcher {
public:
    // An empty `answer` cancels every dialog; otherwise it is the file chosen.
    explicit FileDialogWatcher(std::wstring answer = {}) : answer_(std::move(answer)) {}

    int seen() const { return seen_; }

private:
    // The file name field: the combo of the explorer-style dialog, the edit
    // of the older one.
    static constexpr int kFileNameCombo = 0x47C;
    static constexpr int kFileNameEdit = 0x480;

    bool Answer(HWND dialog) {
        HWND name = ::GetDlgItem(dialog, kFileNameCombo);
        if (name == nullptr) name = ::GetDlgItem(dialog, kFileNameEdit);
        if (name == nullptr) return false;  // not a file dialog
        ++seen_;
        if (answer_.empty()) {
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        } else {
            ::SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer_.c_str()), SMTO_ABORTIFHUNG,
                                  2000, nullptr);
            ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        }
        return true;
    }

    std::wstring answer_;
    std::atomic<int> seen_{0};
    DialogWatcher watcher_{[this](HWND dialog) { return Answer(dialog); }, 50};
};

}  // namespace brixel::testing
