// Stands in for the shell and process start inside the control library:
// the library's import table entries for ShellExecuteW and CreateProcessW
// are pointed at recorders for the recorder's lifetime, so a test sees every
// address the control hands on and nothing is ever started.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace brixel::testing {

class ShellCallRecorder {
public:
    explicit ShellCallRecorder(HMODULE library) : library_(library) {
        shell_ = Patch(::GetProcAddress(::LoadLibraryW(L"shell32.dll"), "ShellExecuteW"),
                       reinterpret_cast<void*>(&RecordShell));
        start_ = Patch(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "CreateProcessW"),
                       reinterpret_cast<void*>(&RecordStart));
        Calls().clear();
    }
    ~ShellCallRecorder() {
        for (const Slot& slot : patched_) Write(slot.entry, slot.original);
    }
    ShellCallRecorder(const ShellCallRecorder&) = delete;
    ShellCallRecorder& operator=(const ShellCallRecorder&) = delete;

    // Both calls were found in the library's imports.
    bool active() const { return shell_ && start_; }
    // "shell <file>" and "start <command line>", in order.
    static std::vector<std::wstring>& Calls() {
        static std::vector<std::wstring> calls;
        return calls;
    }

private:
    struct Slot {
        void** entry;
        void* original;
    };

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

    static void Write(void** entry, void* value) {
        DWORD old = 0;
        ::VirtualProtect(entry, sizeof(void*), PAGE_READWRITE, &old);
        *entry = value;
        ::VirtualProtect(entry, sizeof(void*), old, &old);
    }

    // Every import address table entry of the library that holds `real`.
    bool Patch(FARPROC real, void* replacement) {
        if (real == nullptr || library_ == nullptr) return false;
        auto* base = reinterpret_cast<BYTE*>(library_);
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        bool found = false;
        for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
             dir.VirtualAddress != 0 && d->Name != 0; ++d) {
            for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); thunk->u1.Function != 0;
                 ++thunk) {
                auto** entry = reinterpret_cast<void**>(&thunk->u1.Function);
                if (*entry != reinterpret_cast<void*>(real)) continue;
                patched_.push_back({entry, *entry});
                Write(entry, replacement);
                found = true;
            }
        }
        return found;
    }

    HMODULE library_;
    std::vector<Slot> patched_;
    bool shell_ = false;
    bool start_ = false;
};

}  // namespace brixel::testing
