// The Windows tests' own entry point. Under Wine an unhandled fault starts
// the debugger and a stuck test waits for ever; either way the run would
// only end at the harness's timeout without saying which case was to blame.
// Here a fault prints the case, the faulting module and a short stack, and a
// case that runs too long prints its name and the windows left on screen;
// both then end the process with a failure.
#include "gdi/raii.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace {

// Written by the test thread, read by the watchdog and the fault filter.
char g_current_test[512] = "(no case yet)";
std::atomic<ULONGLONG> g_test_started{0};
std::atomic<bool> g_in_test{false};
DWORD g_test_thread = 0;

constexpr ULONGLONG kCaseLimitMs = 120'000;
constexpr UINT kHungExitCode = 124;
constexpr UINT kFaultExitCode = 125;

class CaseTracker final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& info) override {
        std::snprintf(g_current_test, sizeof g_current_test, "%s.%s", info.test_suite_name(), info.name());
        g_test_started = ::GetTickCount64();
        g_in_test = true;
    }
    void OnTestEnd(const ::testing::TestInfo&) override { g_in_test = false; }
};

// The module holding `address`; none for the low addresses that are only
// small numbers or null pointers (asked about null, the loader would answer
// with the executable).
HMODULE ModuleAt(const void* address) {
    if (reinterpret_cast<ULONG_PTR>(address) < 0x10000) return nullptr;
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         static_cast<LPCSTR>(address), &module);
    return module;
}

// Names an address as module+offset, which a map file or objdump can place.
void DescribeAddress(const void* address, char* out, size_t size) {
    if (HMODULE module = ModuleAt(address)) {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(module, path, MAX_PATH);
        const char* name = std::strrchr(path, '\\');
        std::snprintf(out, size, "%s+0x%llx", name ? name + 1 : path,
                      static_cast<unsigned long long>(reinterpret_cast<const char*>(address) -
                                                      reinterpret_cast<const char*>(module)));
    } else {
        std::snprintf(out, size, "%p (outside every loaded module)", address);
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
    std::fprintf(stderr, "\nFAULT: exception 0x%08lx at %s on %s thread %lu %s %s\n",
                 static_cast<unsigned long>(record.ExceptionCode), where,
                 ::GetCurrentThreadId() == g_test_thread ? "the test" : "another", ::GetCurrentThreadId(),
                 g_in_test ? "during" : "after", g_current_test);
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
        const void* word = reinterpret_cast<const void*>(stack[i]);
        if (ModuleAt(word) == nullptr) continue;
        DescribeAddress(word, where, sizeof where);
        std::fprintf(stderr, "  stack+%03x %s\n", i * static_cast<int>(sizeof(ULONG_PTR)), where);
        ++listed;
    }
    std::fflush(stderr);
    std::fflush(stdout);
    ::TerminateProcess(::GetCurrentProcess(), kFaultExitCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI Watchdog(void*) {
    for (;;) {
        ::Sleep(1000);
        if (!g_in_test || ::GetTickCount64() - g_test_started < kCaseLimitMs) continue;
        std::fprintf(stderr, "\nHUNG: %s has run for over %llu s; top-level windows of this process:\n",
                     g_current_test, kCaseLimitMs / 1000);
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
    ::testing::UnitTest::GetInstance()->listeners().Append(new CaseTracker);
    // Only started here; closing its handle does not stop it.
    const brixel::win::UniqueKernelHandle watchdog(::CreateThread(nullptr, 0, &Watchdog, nullptr, 0, nullptr));
    return RUN_ALL_TESTS();
}
