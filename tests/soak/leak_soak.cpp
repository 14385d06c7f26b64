// The long reliability runs of `make soak` (not `make test`): many whole lives
// of a control, then one sited, in-place control driven through paints of
// every face family, state changes, property changes and menu drops closed by
// Escape, then many controls alive at once and destroyed. It prints the GDI
// objects our drawing holds (the control library's counted owners), the
// process's handles and the thread's windows at the start and the end of each
// part; the goal is that they are equal.
//   SOAK_LIVES     whole lives of a control (default 10000)
//   SOAK_CYCLES    cycles of the in-place control (default 100000)
//   SOAK_CONTROLS  controls alive at once (default 1000)
//   SOAK_MENU_EVERY  a menu drop every this many cycles (default 100)
// Exits non-zero when a count differs, a life fails or a call fails.
#include "activex/brixeldemo.h"
#include "control_lifetime.h"
#include "core/dispids.h"
#include "dispatch_call.h"
#include "inplace_site.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

int Setting(const char* name, int fallback) {
    const char* text = std::getenv(name);
    const int n = text != nullptr ? std::atoi(text) : 0;
    return n > 0 ? n : fallback;
}

struct Counts {
    long gdi = 0;
    DWORD handles = 0;
    int windows = 0;
    friend bool operator==(const Counts&, const Counts&) = default;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    ::EnumChildWindows(window, &CountWindow, count);
    return TRUE;
}

// The process's open kernel handles. GetProcessHandleCount answers 0 under
// Wine, so where it does, the handle table is probed value by value.
DWORD OpenHandles() {
    DWORD count = 0;
    if (::GetProcessHandleCount(::GetCurrentProcess(), &count) && count != 0) return count;
    DWORD flags = 0;
    for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

Counts Measure(const ControlLibrary& library) {
    Counts c;
    using LiveGdi = LONG(WINAPI*)();
    if (auto live = library.Export<LiveGdi>("BrixelLiveGdiObjects")) c.gdi = live();
    c.handles = OpenHandles();
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&c.windows));
    return c;
}

void Print(const char* part, const char* when, const Counts& c) {
    std::printf("%-9s %-6s gdi objects %6ld  handles %6lu  windows %5d\n", part, when, c.gdi,
                static_cast<unsigned long>(c.handles), c.windows);
    std::fflush(stdout);
}

bool Level(const char* part, const Counts& start, const Counts& end) {
    Print(part, "start", start);
    Print(part, "end", end);
    if (start == end) return true;
    std::printf("%s: the counts differ\n", part);
    return false;
}

VARIANT Text(const win::UniqueBstr& text) {
    VARIANT v{};
    v.vt = VT_BSTR;
    v.bstrVal = text.get();
    return v;
}

// Part 1: whole lives, each one's references checked.
bool Lives(const ControlLibrary& library, HWND host, int lives) {
    ComPtr<IStream> document;
    {
        ComPtr<IPersistStreamInit> persist;
        if (FAILED(library.Create(CLSID_BrixelDemo, IID_IPersistStreamInit, persist.put_void())) ||
            FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, document.put())) ||
            FAILED(persist->Save(document.get(), TRUE))) {
            std::puts("lives: no document to load");
            return false;
        }
    }
    RunControlLifetime(library, host, document.get());  // the first one loads what stays loaded
    const Counts start = Measure(library);
    int failed = 0;
    for (int i = 0; i < lives; ++i) {
        const LifetimeOutcome o = RunControlLifetime(library, host, document.get());
        const bool ok = o.failed_step.empty() && o.had_window && o.control_release == 0 && o.font_release == 0 &&
                        o.saved_release == 0 && o.site_refs == 1 && o.sink_refs == 1;
        if (!ok && ++failed <= 5) {
            std::printf("life %d: step '%s', releases %lu/%lu/%lu, site %lu, sink %lu\n", i, o.failed_step.c_str(),
                        o.control_release, o.font_release, o.saved_release, o.site_refs, o.sink_refs);
        }
    }
    const bool can_unload = LibraryCanUnload(library);
    std::printf("lives     %d, %d failed; the library %s be unloaded\n", lives, failed,
                can_unload ? "can" : "can NOT");
    return Level("lives", start, Measure(library)) && failed == 0 && can_unload;
}

// Closes the popup the control is tracking, from inside its modal loop.
void CALLBACK EscapeTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (HWND popup = ::FindWindowW(L"#32768", nullptr); popup != nullptr && ::IsWindowVisible(popup)) {
        ::PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        ::PostMessageW(popup, WM_KEYUP, VK_ESCAPE, 0);
        ::KillTimer(nullptr, id);
    }
}

class InPlaceControl {
public:
    InPlaceControl(const ControlLibrary& library, HWND host) : site_(host), host_(host) {
        if (FAILED(library.Create(CLSID_BrixelDemo, IID_IOleObject, object_.put_void()))) return;
        object_->SetClientSite(&site_);
        object_.As(&dispatch_);
    }
    ~InPlaceControl() {
        if (!object_) return;
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    InPlaceControl(const InPlaceControl&) = delete;
    InPlaceControl& operator=(const InPlaceControl&) = delete;

    HWND Activate(int x, int y) {
        if (!dispatch_) return nullptr;
        site_.position = RECT{x, y, x + 87, y + 25};
        object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site_, 0, host_, &site_.position);
        ComPtr<IOleInPlaceObject> inplace;
        HWND window = nullptr;
        if (SUCCEEDED(object_.As(&inplace))) inplace->GetWindow(&window);
        return window;
    }
    bool Put(DISPID id, VARIANT value) { return SUCCEEDED(CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {value})); }
    bool PutItem(DISPID id, short item, VARIANT value) {
        return SUCCEEDED(CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {I2(item), value}));
    }
    bool Call(DISPID id, std::vector<VARIANT> args = {}) {
        return SUCCEEDED(CallControl(dispatch_.get(), id, DISPATCH_METHOD, std::move(args)));
    }

private:
    InPlaceSite site_;
    HWND host_;
    ComPtr<IOleObject> object_;
    ComPtr<IDispatch> dispatch_;
};

// One cycle: a face family, its states (mouse in, down, disabled, focus), a
// few property changes and, every `menu_every` cycles, a drop closed by Escape.
bool Cycle(InPlaceControl& control, HWND window, int i, int menu_every) {
    static const win::UniqueBstr captions[] = {win::UniqueBstr(L"&Print"), win::UniqueBstr(L"Soak soak soak"),
                                               win::UniqueBstr(L"")};
    static const win::UniqueBstr corners[] = {win::UniqueBstr(L"0;0;0;0"), win::UniqueBstr(L"1;1;1;1")};
    bool ok = control.Put(dispid::kAppearance, I2(static_cast<short>(i % 5)));
    ok = control.Put(dispid::kGradient, Bool((i / 5) % 2 != 0)) && ok;
    ok = control.Put(dispid::kCornerStyle, Text(corners[(i / 10) % 2])) && ok;
    ok = control.Put(dispid::kCaption, Text(captions[i % 3])) && ok;
    ok = control.Put(dispid::kBackColor, I4(0x101010 * (i % 15))) && ok;
    const LPARAM left_part = MAKELPARAM(10, 10);
    ::SendMessageW(window, WM_MOUSEMOVE, 0, left_part);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, left_part);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ::SendMessageW(window, WM_LBUTTONUP, 0, left_part);
    ok = control.Put(dispid::kEnabled, Bool(false)) && ok;
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ok = control.Put(dispid::kEnabled, Bool(true)) && ok;
    if (i % menu_every == 0) {
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &EscapeTimer);
        ok = control.Call(dispid::kDropMenu) && ok;
        ::KillTimer(nullptr, timer);
    }
    DrainMessages();
    return ok;
}

// Part 2: one control, many cycles.
bool Cycles(const ControlLibrary& library, HWND host, int cycles, int menu_every) {
    InPlaceControl control(library, host);
    bool ok = control.Put(dispid::kMenu, Bool(true)) && control.Put(dispid::kClickSound, I2(0)) &&
              control.Put(dispid::kMouseInSound, I2(0));
    const win::UniqueBstr item(L"Item");
    for (auto [id, parent] : {std::pair<short, short>{1, -1}, {11, 1}, {2, -1}}) {
        ok = control.Call(dispid::kAddMenuItem, {I2(id), I2(parent)}) && ok;
        ok = control.PutItem(dispid::kMenuItemCaption, id, Text(item)) && ok;
    }
    const HWND window = control.Activate(20, 20);
    if (!ok || window == nullptr) {
        std::puts("cycles: the control did not start");
        return false;
    }
    ::SetFocus(window);
    for (int i = 0; i < 10; ++i) Cycle(control, window, i, 10);  // every kind once, one drop
    const Counts start = Measure(library);
    int failed = 0;
    const DWORD began = ::GetTickCount();
    for (int i = 0; i < cycles; ++i) {
        if (!Cycle(control, window, i, menu_every)) ++failed;
        if ((i + 1) % 10000 == 0) std::printf("cycles    %d done, %lu s\n", i + 1, (::GetTickCount() - began) / 1000);
    }
    std::printf("cycles    %d (a menu drop every %d), %d with a failed call, %lu s\n", cycles, menu_every, failed,
                (::GetTickCount() - began) / 1000);
    return Level("cycles", start, Measure(library)) && failed == 0;
}

// Part 3: many controls alive at once, then all destroyed.
bool Controls(const ControlLibrary& library, HWND host, int count) {
    {
        InPlaceControl warm(library, host);
        warm.Activate(0, 0);
    }
    DrainMessages();
    const Counts start = Measure(library);
    int missing = 0;
    {
        std::vector<std::unique_ptr<InPlaceControl>> controls;
        for (int i = 0; i < count; ++i) {
            controls.push_back(std::make_unique<InPlaceControl>(library, host));
            if (controls.back()->Activate((i % 20) * 10, (i / 20 % 10) * 10) == nullptr) ++missing;
        }
        DrainMessages();
        Print("controls", "alive", Measure(library));
    }
    DrainMessages();
    std::printf("controls  %d created and destroyed, %d without a window\n", count, missing);
    return Level("controls", start, Measure(library)) && missing == 0;
}

}  // namespace
}  // namespace brixel::testing

int main() {
    using namespace brixel::testing;
    ComApartment apartment;
    ControlLibrary library;
    if (!library.loaded()) {
        std::puts("BRIXELDEMO.ocx must sit beside the soak program");
        return 2;
    }
    brixel::win::UniqueWindow host(::CreateWindowExW(0, L"STATIC", L"soak", WS_OVERLAPPEDWINDOW | WS_VISIBLE |
                                                     WS_CLIPCHILDREN, 100, 100, 400, 300, nullptr, nullptr, nullptr,
                                                     nullptr));
    if (!host) {
        std::puts("the soak needs a display (xvfb-run)");
        return 2;
    }
    bool ok = Lives(library, host.get(), Setting("SOAK_LIVES", 10000));
    ok = Cycles(library, host.get(), Setting("SOAK_CYCLES", 100000), Setting("SOAK_MENU_EVERY", 100)) && ok;
    ok = Controls(library, host.get(), Setting("SOAK_CONTROLS", 1000)) && ok;
    std::puts(ok ? "soak: level" : "soak: FAILED");
    return ok ? 0 : 1;
}
