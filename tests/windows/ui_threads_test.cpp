// Controls on two UI threads of one process, each thread with its own
// apartment, form and message loop: each thread's keys reach its own
// control's shortcuts, and each thread's mouse moves reach the auto-drop
// probe, whichever thread created the first control.
#include "activex/brixeldemo.h"
#include "control_library.h"
#include "control_lifetime.h"
#include "core/dispids.h"
#include "dispatch_call.h"
#include "dispatch_stub.h"
#include "inplace_site.h"
#include "input_support.h"

#include <windows.h>

#include <atomic>
#include <thread>

namespace brixel::testing::ui_threads {

constexpr DISPID kMenuItemClickedEvent = 6;
constexpr UINT kAutoDropProbe = 0x0BD0;
constexpr short kShortcutF5 = 31;
constexpr wchar_t kProbeCount[] = L"probe count";

class ClickedItems final : public EventSink {
public:
    std::atomic<long> last{-1};
    std::atomic<int> count{0};

private:
    void OnEvent(DISPID id, WORD, const DISPPARAMS& params) override {
        if (id != kMenuItemClickedEvent || params.cArgs != 1) return;
        last = params.rgvarg[0].lVal;
        ++count;
    }
};

// A window of the control's class that only counts the probes it is sent.
LRESULT CALLBACK CountAutoDropProbes(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == kAutoDropProbe) {
        if (auto* count = static_cast<std::atomic<int>*>(::GetPropW(window, kProbeCount))) ++*count;
    }
    return ::DefWindowProcW(window, message, wparam, lparam);
}

// One UI thread: a form at `left` with a sited, in-place control whose menu
// item `item` carries F5, and a probe listener. It pumps until destroyed; the
// test asks it to take the focus, as a click on its form would.
class UiThread {
public:
    UiThread(const ControlLibrary& library, int left, short item)
        : library_(library), left_(left), item_(item), thread_([this] { Run(); }) {}
    ~UiThread() {
        stop_ = true;
        thread_.join();
    }
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    bool WaitReady() {
        for (int waited = 0; !ready_ && waited < 10000; waited += 10) ::Sleep(10);
        return ready_ && !failed_;
    }
    void TakeFocus() {
        focused_ = false;
        focus_wanted_ = true;
        for (int waited = 0; !focused_ && waited < 3000; waited += 10) ::Sleep(10);
        ::Sleep(50);
    }

    ClickedItems clicked;
    std::atomic<int> probes{0};

private:
    void Run() {
        ComApartment apartment;
        win::UniqueWindow form(::CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, left_, 100,
                                                 250, 150, nullptr, nullptr, nullptr, nullptr));
        InPlaceSite site(form.get());
        win::ComPtr<IOleObject> object;
        win::ComPtr<IDispatch> dispatch;
        win::ComPtr<IConnectionPoint> point;
        DWORD cookie = 0;
        HWND window = nullptr;
        if (form && SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IOleObject, object.put_void()))) {
            object->SetClientSite(&site);
            object.As(&dispatch);
            win::ComPtr<IConnectionPointContainer> points;
            object.As(&points);
            if (points && SUCCEEDED(points->FindConnectionPoint(DIID__DBrixelDemoEvents, point.put())))
                point->Advise(&clicked, &cookie);
            CallControl(dispatch.get(), dispid::kMenu, DISPATCH_PROPERTYPUT, {Bool(true)});
            CallControl(dispatch.get(), dispid::kAddMenuItem, DISPATCH_METHOD, {I2(item_), I2(-1)});
            CallControl(dispatch.get(), dispid::kMenuItemShortcut, DISPATCH_PROPERTYPUT, {I2(item_), I2(kShortcutF5)});
            object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, form.get(), &site.position);
            win::ComPtr<IOleInPlaceObject> inplace;
            if (SUCCEEDED(object.As(&inplace))) inplace->GetWindow(&window);
        }
        win::UniqueWindow listener(::CreateWindowExW(0, L"BrixelDemoButton", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                                     nullptr, library_.get(), nullptr));
        if (listener) {
            ::SetPropW(listener.get(), kProbeCount, &probes);
            ::SetWindowLongPtrW(listener.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountAutoDropProbes));
            ::PostMessageW(listener.get(), WM_MOUSEMOVE, 0, 0);
        }
        Pump(50);
        failed_ = window == nullptr || cookie == 0 || !listener;
        ready_ = true;
        while (!stop_) {
            if (focus_wanted_.exchange(false)) {
                ::SetForegroundWindow(form.get());
                ::SetActiveWindow(form.get());
                ::SetFocus(window);
                focused_ = true;
            }
            Pump(10);
        }
        if (listener) ::RemovePropW(listener.get(), kProbeCount);
        if (point) point->Unadvise(cookie);
        if (object) {
            win::ComPtr<IOleInPlaceObject> inplace;
            if (SUCCEEDED(object.As(&inplace))) inplace->InPlaceDeactivate();
            object->Close(OLECLOSE_NOSAVE);
            object->SetClientSite(nullptr);
        }
    }

    const ControlLibrary& library_;
    int left_;
    short item_;
    std::atomic<bool> ready_{false};
    std::atomic<bool> failed_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> focus_wanted_{false};
    std::atomic<bool> focused_{false};
    std::thread thread_;
};

bool WaitForClicks(const UiThread& thread, int count) {
    for (int waited = 0; thread.clicked.count < count && waited < 2000; waited += 10) ::Sleep(10);
    return thread.clicked.count >= count;
}

TEST(TwoUiThreads, EachThreadsControlGetsItsShortcutAndTheAutoDropProbe) {
    ControlLibrary library;
    ASSERT_TRUE(library.loaded());
    {
        UiThread first(library, 100, 11);
        ASSERT_TRUE(first.WaitReady());
        UiThread second(library, 420, 22);
        ASSERT_TRUE(second.WaitReady());
        EXPECT_EQ(first.probes, 1) << "the first thread's mouse moves are watched";
        EXPECT_EQ(second.probes, 1) << "so are the second thread's";

        struct Step {
            const char* name;
            UiThread& thread;
            long item;
        } steps[] = {{"the second thread", second, 22}, {"the first thread", first, 11}, {"the second again", second, 22}};
        for (Step& step : steps) {
            SCOPED_TRACE(step.name);
            const int first_before = first.clicked.count, second_before = second.clicked.count;
            step.thread.TakeFocus();
            SendKey(VK_F5, false);
            ::Sleep(30);
            SendKey(VK_F5, true);
            EXPECT_TRUE(WaitForClicks(step.thread, (&step.thread == &first ? first_before : second_before) + 1));
            ::Sleep(100);
            EXPECT_EQ(step.thread.clicked.last, step.item);
            EXPECT_EQ(first.clicked.count + second.clicked.count, first_before + second_before + 1)
                << "one key, one control";
        }
    }
    EXPECT_TRUE(LibraryCanUnload(library));
}

}  // namespace brixel::testing::ui_threads
