// Closes the message boxes a test provokes, as a user would: it finds each
// box of this process, reads its text and presses OK. Without it a modal box
// would hang the test run.
#pragma once

#include "dialog_watcher.h"

#include <mutex>
#include <string>
#include <vector>

namespace brixel::testing {

class MessageBoxWatcher {
public:
    std::vector<std::wstring> Texts() {
        std::lock_guard lock(mutex_);
        return texts_;
    }

private:
    static constexpr int kMessageTextId = 0xFFFF;  // the static that holds a box's text

    bool Answer(HWND box) {
        wchar_t text[512] = {};
        ::GetDlgItemTextW(box, kMessageTextId, text, 512);
        {
            std::lock_guard lock(mutex_);
            texts_.emplace_back(text);
        }
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        return true;
    }

    std::mutex mutex_;
    std::vector<std::wstring> texts_;
    DialogWatcher watcher_{[this](HWND box) { return Answer(box); }, 20};
};

}  // namespace brixel::testing
