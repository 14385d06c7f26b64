// The Windows tests' own entry point. Under Wine an unhandled fault starts
// the debugger and a stuck test waits for ever; either way the run would
// only end at the harness's timeout without saying which case was to blame.
// Here a fault prints the case, the faulting module and a short stack, and a
// case that runs too long prints its name and the windows left on screen;
// both then end the process with a failure.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Written by the test thread, read by the watchdog and the fault filter.
char g_current_test[512] = "(between tests)";
std::atomic<ULONGLONG> g_test_started{0};
std::atomic<bool> g_in_test{false};
DWORD g_test_thread = 0;

constexpr ULONGLONG kDefaultLimitMs = 120'000;
constexpr UINT kHungExitCode = 124;
constexpr UINT kFaultExitCode = 125;

class CaseTracker final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& info) override {
        std::snprintf(g_current_test, sizeof g_current_test, "%s.%s", info.test_suite_name(), info.name());
        g_test_started = ::GetTickCount64();
        g_in_test = true;
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        g_in_test = false;
        char finished[sizeof g_current_test];
        std::memcpy(finished, g_current_test, sizeof finished);
        std::snprintf(g_current_test, sizeof g_current_test, "(after %s)", finished);
    }
};

// The loader's record of the modules it has unloaded: a fault in one of them
// names the library that left a thread, hook or callback behind.
struct UnloadEvent {
    void* base;
    SIZE_T size;
    ULONG sequence;
    ULONG time_stamp;
    ULONG check_sum;
    WCHAR name[32];
    ULONG version[2];
};

const wchar_t* UnloadedModuleAt(const void* address) {
    using GetTrace = UnloadEvent*(WINAPI*)();
    const auto get_trace = reinterpret_cast<GetTrace>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetUnloadEventTrace")));
    if (get_trace == nullptr) return nullptr;
    UnloadEvent* events = get_trace();
    for (int i = 0; events != nullptr && i < 64; ++i) {  // the loader keeps the last 64
        const char* base = static_cast<const char*>(events[i].base);
        if (base == nullptr) break;
        if (address >= base && address < base + events[i].size) return events[i].name;
    }
    return nullptr;
}

// Names an address as module+offset, which a map file or objdump can place.
void DescribeAddress(const void* address, char* out, size_t size) {
    HMODULE module = nullptr;
    if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             static_cast<LPCSTR>(address), &module) &&
        module != nullptr) {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(module, path, MAX_PATH);
        const char* name = std::strrchr(path, '\\');
        std::snprintf(out, size, "%s+0x%llx", name ? name + 1 : path,
                      static_cast<unsigned long long>(reinterpret_cast<const char*>(address) -
                                                      reinterpret_cast<const char*>(module)));
    } else if (const wchar_t* gone = UnloadedModuleAt(address)) {
        std::snprintf(out, size, "%p (in %ls, since unloaded)", address, gone);
    } else {
        std::snprintf(out, size, "%p (no module)", address);
    }
}

BOOL CALLBACK ListWindow(HWND hwnd, LPARAM) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != ::GetCurrentProcessId()) return TRUE;
    char cls[128] = {};
    char title[256] = {};
    ::GetClassNameA(hwnd, cls, sizeof cls);
    ::GetWindowTextA(hwnd, title, sizeof title);
    std::fprintf(stderr, "  window %p class \"%s\" title \"%s\"%s\n", static_cast<void*>(hwnd), cls, title,
                 ::IsWindowVisible(hwnd) ? " visible" : "");
    return TRUE;
}

LONG WINAPI ReportFault(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    char where[MAX_PATH + 64];
    DescribeAddress(record.ExceptionAddress, where, sizeof where);
    std::fprintf(stderr, "\nFAULT: exception 0x%08lx at %s on %s thread %lu during %s\n",
                 static_cast<unsigned long>(record.ExceptionCode), where,
                 ::GetCurrentThreadId() == g_test_thread ? "the test" : "another", ::GetCurrentThreadId(),
                 g_current_test);
    if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2) {
        DescribeAddress(reinterpret_cast<void*>(record.ExceptionInformation[1]), where, sizeof where);
        std::fprintf(stderr, "  %s of %s\n",
                     record.ExceptionInformation[0] == 8   ? "execution"
                     : record.ExceptionInformation[0] == 1 ? "write"
                                                           : "read",
                     where);
    }
    // Optimised code keeps no frame chain to walk, so list the words on the
    // stack that point into a loaded module: the return addresses among them
    // name the callers.
#if defined(_M_X64) || defined(__x86_64__)
    const auto* stack = reinterpret_cast<const ULONG_PTR*>(info->ContextRecord->Rsp);
#else
    const auto* stack = reinterpret_cast<const ULONG_PTR*>(info->ContextRecord->Esp);
#endif
    int listed = 0;
    for (int i = 0; i < 512 && listed < 24; ++i) {
        MEMORY_BASIC_INFORMATION page{};
        if (::VirtualQuery(stack + i, &page, sizeof page) == 0 || page.State != MEM_COMMIT) break;
        if (stack[i] < 0x10000) continue;  // small numbers, not addresses
        const void* word = reinterpret_cast<const void*>(stack[i]);
        HMODULE module = nullptr;
        if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                  static_cast<LPCSTR>(word), &module)) {
            continue;
        }
        DescribeAddress(word, where, sizeof where);
        std::fprintf(stderr, "  stack+%03x %s\n", i * static_cast<int>(sizeof(ULONG_PTR)), where);
        ++listed;
    }
    std::fflush(stderr);
    std::fflush(stdout);
    ::TerminateProcess(::GetCurrentProcess(), kFaultExitCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI Watchdog(void* limit) {
    const ULONGLONG limit_ms = reinterpret_cast<ULONGLONG>(limit);
    for (;;) {
        ::Sleep(1000);
        if (!g_in_test || ::GetTickCount64() - g_test_started < limit_ms) continue;
        std::fprintf(stderr, "\nHUNG: %s has run for over %llu s; top-level windows of this process:\n",
                     g_current_test, limit_ms / 1000);
        ::EnumWindows(&ListWindow, 0);
        std::fflush(stderr);
        std::fflush(stdout);
        ::TerminateProcess(::GetCurrentProcess(), kHungExitCode);
    }
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    g_test_thread = ::GetCurrentThreadId();
    ::SetUnhandledExceptionFilter(&ReportFault);
    // No "the program has stopped working" box for a fault we report ourselves.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ULONGLONG limit_ms = kDefaultLimitMs;
    if (const char* text = std::getenv("BRIXEL_TEST_CASE_LIMIT_S"); text != nullptr && std::atoi(text) > 0) {
        limit_ms = static_cast<ULONGLONG>(std::atoi(text)) * 1000;
    }
    ::testing::UnitTest::GetInstance()->listeners().Append(new CaseTracker);
    if (HANDLE thread = ::CreateThread(nullptr, 0, &Watchdog, reinterpret_cast<void*>(limit_ms), 0, nullptr)) {
        ::CloseHandle(thread);
    }
    return RUN_ALL_TESTS();
}
