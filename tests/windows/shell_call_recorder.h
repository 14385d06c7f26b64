// Stands in for the shell and process start inside the control library:
// the library's import table entries for ShellExecuteW and CreateProcessW
// are pointed at recorders for the recorder's lifetime, so a test sees every
// address the control hands on and nothing is ever started.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "import_patch.h"

namespace brixel::testing {

class ShellCallRecorder {
public:
    explicit ShellCallRecorder(HMODULE library)
        : shell_(library, "shell32.dll", "ShellExecuteW", reinterpret_cast<void*>(&RecordShell)),
          start_(library, "kernel32.dll", "CreateProcessW", reinterpret_cast<void*>(&RecordStart)) {
        Calls().clear();
    }

    // Both calls were found in the library's imports.
    bool active() const { return shell_.active() && start_.active(); }
    // "shell <file>" and "start <command line>", in order.
    static std::vector<std::wstring>& Calls() {
        static std::vector<std::wstring> calls;
        return calls;
    }

private:
    static HINSTANCE WINAPI RecordShell(HWND, LPCWSTR, LPCWSTR file, LPCWSTR, LPCWSTR, INT) {
        Calls().push_back(L"shell " + std::wstring(file != nullptr ? file : L""));
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));  // success: no fallback
    }
    static BOOL WINAPI RecordStart(LPCWSTR, LPWSTR line, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL, DWORD,
                                   LPVOID, LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION) {
        Calls().push_back(L"start " + std::wstring(line != nullptr ? line : L""));
        ::SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }

    ImportPatch shell_;
    ImportPatch start_;
};

}  // namespace brixel::testing
