// Every event, with a handler that pulls the ground from under the control:
// it drops the last reference, unadvises, flips Menu or ToggleButton, changes
// Caption or Enabled, drops the menu, removes the current menu item, sets
// Active to FALSE or deactivates the control (its window goes). The event is
// provoked with real input from a driver thread while the test thread pumps;
// popups the handler opens are closed by the driver and message boxes by a
// watcher. Each row must end without a crash or a hang, with the control's
// references, our drawing objects and the thread's windows all back where
// they were.
#include "activex/brixeldemo.h"
#include "control_library.h"
#include "control_lifetime.h"
#include "core/dispids.h"
#include "dispatch_call.h"
#include "dispatch_stub.h"
#include "inplace_site.h"
#include "input_support.h"
#include "message_box_watcher.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

namespace brixel::testing::reentrancy {

enum class Event { Click, MouseDown, MouseUp, MouseEnter, MouseExit, ButtonToggled, WhileMouseDown,
                   MenuButtonPressed, MenuDropped, MenuItemClicked, KeyDown, KeyPress, KeyUp };
enum class Action { ReleaseLastReference, Unadvise, FlipMenu, FlipToggleButton, ChangeCaption, DisableEnabled,
                    DropMenu, RemoveCurrentItem, ActiveFalse, Deactivate };

constexpr Event kEvents[] = {Event::Click,          Event::MouseDown,         Event::MouseUp,
                             Event::MouseEnter,     Event::MouseExit,         Event::ButtonToggled,
                             Event::WhileMouseDown, Event::MenuButtonPressed, Event::MenuDropped,
                             Event::MenuItemClicked, Event::KeyDown,          Event::KeyPress,
                             Event::KeyUp};
constexpr Action kActions[] = {Action::ReleaseLastReference, Action::Unadvise,       Action::FlipMenu,
                               Action::FlipToggleButton,     Action::ChangeCaption,  Action::DisableEnabled,
                               Action::DropMenu,             Action::RemoveCurrentItem, Action::ActiveFalse,
                               Action::Deactivate};

struct EventInfo {
    const char* name;
    DISPID id;
};

EventInfo Describe(Event e) {
    switch (e) {
        case Event::Click: return {"Click", DISPID_CLICK};
        case Event::MouseDown: return {"MouseDown", DISPID_MOUSEDOWN};
        case Event::MouseUp: return {"MouseUp", DISPID_MOUSEUP};
        case Event::MouseEnter: return {"MouseEnter", 1};
        case Event::MouseExit: return {"MouseExit", 2};
        case Event::ButtonToggled: return {"ButtonToggled", 3};
        case Event::WhileMouseDown: return {"WhileMouseDown", 4};
        case Event::MenuButtonPressed: return {"MenuButtonPressed", 7};
        case Event::MenuDropped: return {"MenuDropped", 5};
        case Event::MenuItemClicked: return {"MenuItemClicked", 6};
        case Event::KeyDown: return {"KeyDown", DISPID_KEYDOWN};
        case Event::KeyPress: return {"KeyPress", DISPID_KEYPRESS};
        case Event::KeyUp: return {"KeyUp", DISPID_KEYUP};
    }
    return {"?", 0};
}

const char* NameOf(Action a) {
    switch (a) {
        case Action::ReleaseLastReference: return "ReleaseLastReference";
        case Action::Unadvise: return "Unadvise";
        case Action::FlipMenu: return "FlipMenu";
        case Action::FlipToggleButton: return "FlipToggleButton";
        case Action::ChangeCaption: return "ChangeCaption";
        case Action::DisableEnabled: return "DisableEnabled";
        case Action::DropMenu: return "DropMenu";
        case Action::RemoveCurrentItem: return "RemoveCurrentItem";
        case Action::ActiveFalse: return "ActiveFalse";
        case Action::Deactivate: return "Deactivate";
    }
    return "?";
}

// Failure messages name the row's event and deed.
void PrintTo(Event e, std::ostream* out) { *out << Describe(e).name; }
void PrintTo(Action a, std::ostream* out) { *out << NameOf(a); }

bool IsMenuEvent(Event e) {
    return e == Event::MenuButtonPressed || e == Event::MenuDropped || e == Event::MenuItemClicked;
}
bool IsKeyEvent(Event e) { return e == Event::KeyDown || e == Event::KeyPress || e == Event::KeyUp; }

constexpr DISPID kMenuButtonPressedId = 7;
constexpr DISPID kMenuDroppedId = 5;

// Runs `react` at the first firing of one event, with that event's arguments,
// and follows the drops, so that the driver knows when no popup is on its way.
class ReactingSink final : public EventSink {
public:
    DISPID target = 0;
    std::function<void(const DISPPARAMS&)> react;
    std::atomic<bool> reacted{false};

    // No drop is under way: every menu loop that started has ended, and a
    // drop announced but not started (a handler stopped it) is 500 ms old.
    bool DropsSettled() const {
        return opened_ == closed_ && (opened_ >= announced_ || ::GetTickCount() - last_announced_ > 500);
    }

private:
    void OnEvent(DISPID id, WORD, const DISPPARAMS& params) override {
        if (id == kMenuButtonPressedId) {
            last_announced_ = ::GetTickCount();
            ++announced_;
        } else if (id == kMenuDroppedId && params.cArgs == 1) {
            ++(params.rgvarg[0].boolVal ? opened_ : closed_);
        }
        if (id != target || reacted) return;
        reacted = true;
        if (react) react(params);
    }

    std::atomic<int> announced_{0};
    std::atomic<int> opened_{0};
    std::atomic<int> closed_{0};
    std::atomic<DWORD> last_announced_{0};
};

// What a leak would show: our drawing objects, the process's GDI and USER
// objects as the system counts them (Wine answers 0 for both), and this
// thread's windows.
struct Resources {
    long drawing = 0;
    DWORD gdi = 0;
    DWORD user = 0;
    int windows = 0;
    friend bool operator==(const Resources&, const Resources&) = default;
};

BOOL CALLBACK CountThreadWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    ::EnumChildWindows(window, &CountThreadWindow, count);
    return TRUE;
}

std::string Show(const Resources& r) {
    return "drawing " + std::to_string(r.drawing) + ", gdi " + std::to_string(r.gdi) + ", user " +
           std::to_string(r.user) + ", windows " + std::to_string(r.windows);
}

HWND OpenPopup() {
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    return popup != nullptr && ::IsWindowVisible(popup) ? popup : nullptr;
}

// A real pointer move, as the mouse would make it.
void GlideMouseTo(POINT p) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((p.x * 65536 + width / 2) / width);
    input.mi.dy = static_cast<LONG>((p.y * 65536 + height / 2) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(input));
    ::Sleep(25);
}

void TapKey(WORD key) {
    SendKey(key, false);
    ::Sleep(30);
    SendKey(key, true);
    ::Sleep(30);
}

// Closes whatever popup is open: by the user's Escape first; when the keys do
// not reach it (a message box a handler showed inside the menu loop may have
// taken the keyboard focus with it), by Escape posted to the popup itself,
// then by a click beside it. It waits for a drop still on its way (a popup
// may take a while to show), up to a few seconds, and gives up after a dozen
// tries, so that a popup that cannot be closed shows as a hung row, named.
void CloseOpenPopups(POINT outside, const std::function<bool()>& drops_settled) {
    for (int attempt = 0, quiet = 0, waited = 0; quiet < 80 && attempt < 12 && waited < 5000; waited += 20) {
        HWND popup = OpenPopup();
        if (popup == nullptr) {
            ::Sleep(20);
            quiet = drops_settled() ? quiet + 20 : 0;
            continue;
        }
        quiet = 0;
        ::Sleep(50);

        switch (attempt++ % 3) {
            case 0: TapKey(VK_ESCAPE); break;
            case 1:
                ::PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                ::PostMessageW(popup, WM_KEYUP, VK_ESCAPE, 0xC0010001);
                break;
            default:
                GlideMouseTo(outside);
                SendMouse(MOUSEEVENTF_LEFTDOWN);
                ::Sleep(20);
                SendMouse(MOUSEEVENTF_LEFTUP);
                break;
        }
        ::Sleep(100);
    }
}

using Row = std::tuple<Event, Action>;

class ReentrancyMatrix : public ::testing::TestWithParam<Row> {
protected:
    static constexpr POINT kFormAt{100, 100};
    static constexpr POINT kPushPart{30, 12};  // client points of the 87 x 25 control
    static constexpr POINT kMenuPart{80, 12};  // inside the 17-pixel menu strip on the right

    // One apartment and one load of the library for all the rows: loading it
    // anew for each would be most of a row's time under Wine.
    static void SetUpTestSuite() {
        apartment_ = new ComApartment;
        shared_library_ = new ControlLibrary;
    }
    static void TearDownTestSuite() {
        delete std::exchange(shared_library_, nullptr);
        delete std::exchange(apartment_, nullptr);
    }

    void SetUp() override {
        ASSERT_TRUE(library_.loaded());
        ::SetCursorPos(0, 0);
        host_.reset(::CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                      kFormAt.x, kFormAt.y, 300, 200, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(host_) << "windowed tests need a display (xvfb-run)";
        site_ = std::make_unique<InPlaceSite>(host_.get());
        Pump(20);
        before_ = Measure();
    }
    void TearDown() override {
        ReleaseEverything();
        host_.reset();
    }

    Resources Measure() const {
        Resources r;
        using LiveGdi = LONG(WINAPI*)();
        if (auto live = library_.Export<LiveGdi>("BrixelLiveGdiObjects")) r.drawing = live();
        r.gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
        r.user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
        ::EnumThreadWindows(::GetCurrentThreadId(), &CountThreadWindow, reinterpret_cast<LPARAM>(&r.windows));
        return r;
    }

    // A control in place on the form: a split menu button with two items, or,
    // for ButtonToggled, a toggle button (the two exclude each other).
    HWND CreateControl(Event event) {
        if (FAILED(library_.Create(CLSID_BrixelDemo, IID_IOleObject, reinterpret_cast<void**>(&object_)))) return nullptr;
        object_->SetClientSite(site_.get());
        object_->QueryInterface(IID_IDispatch, dispatch_.put_void());
        win::ComPtr<IConnectionPointContainer> points;
        object_->QueryInterface(IID_IConnectionPointContainer, points.put_void());
        if (!dispatch_ || !points || FAILED(points->FindConnectionPoint(DIID__DBrixelDemoEvents, point_.put())) ||
            FAILED(point_->Advise(&sink_, &cookie_))) {
            return nullptr;
        }
        if (event == Event::ButtonToggled) {
            Put(dispid::kToggleButton, Bool(true));
        } else {
            Put(dispid::kMenu, Bool(true));
            for (short id : {short{1}, short{2}}) {
                CallControl(dispatch_.get(), dispid::kAddMenuItem, DISPATCH_METHOD, {I2(id), I2(-1)});
            }
        }
        object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, host_.get(), &site_->position);
        win::ComPtr<IOleInPlaceObject> inplace;
        object_->QueryInterface(IID_IOleInPlaceObject, inplace.put_void());
        HWND window = nullptr;
        if (inplace) inplace->GetWindow(&window);
        ::SetForegroundWindow(host_.get());
        ::SetActiveWindow(host_.get());
        if (IsKeyEvent(event)) ::SetFocus(window);
        Pump(40);
        return window;
    }

    void Put(DISPID id, VARIANT value) { CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {value}); }

    // The handler's deed, run inside the event.
    void React(Action action, Event event, const DISPPARAMS& params) {
        switch (action) {
            case Action::ReleaseLastReference: ReleaseEverything(); break;
            case Action::Unadvise:
                point_->Unadvise(cookie_);
                cookie_ = 0;
                break;
            case Action::FlipMenu: Put(dispid::kMenu, Bool(event == Event::ButtonToggled)); break;
            case Action::FlipToggleButton: Put(dispid::kToggleButton, Bool(event != Event::ButtonToggled)); break;
            case Action::ChangeCaption: {
                win::UniqueBstr text(L"Changed in a handler");
                VARIANT v{};
                v.vt = VT_BSTR;
                v.bstrVal = text.get();
                Put(dispid::kCaption, v);
                break;
            }
            case Action::DisableEnabled: Put(dispid::kEnabled, Bool(false)); break;
            case Action::DropMenu: CallControl(dispatch_.get(), dispid::kDropMenu, DISPATCH_METHOD); break;
            case Action::RemoveCurrentItem: {
                const bool chosen = event == Event::MenuItemClicked && params.cArgs == 1;
                const short id = chosen ? static_cast<short>(params.rgvarg[0].lVal) : 1;
                CallControl(dispatch_.get(), dispid::kRemoveMenuItem, DISPATCH_METHOD, {I2(id)});
                break;
            }
            case Action::ActiveFalse: Put(dispid::kActive, Bool(false)); break;
            case Action::Deactivate: {
                win::ComPtr<IOleInPlaceObject> inplace;
                if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inplace.put_void())))
                    inplace->InPlaceDeactivate();
                break;
            }
        }
    }

    // The user's part, from the driver thread: the input that fires `event`,
    // then whatever popup is left open is closed with Escape.
    void PlayInput(Event event, HWND window) {
        const auto at = [window](POINT client) {
            POINT p = client;
            ::ClientToScreen(window, &p);
            return p;
        };
        const POINT away{kFormAt.x + 150, kFormAt.y + 150};
        if (IsKeyEvent(event)) {
            TapKey(VK_SPACE);
        } else if (IsMenuEvent(event)) {
            GlideMouseTo(at(kMenuPart));
            SendMouse(MOUSEEVENTF_LEFTDOWN);
            ::Sleep(30);
            SendMouse(MOUSEEVENTF_LEFTUP);
            // Wait for the popup, but not long when a handler stopped it.
            for (int waited = 0; waited < 1500 && OpenPopup() == nullptr; waited += 10) {
                if (sink_.reacted && waited > 300) break;
                ::Sleep(10);
            }
            if (OpenPopup() != nullptr) {
                ::Sleep(60);
                if (event == Event::MenuItemClicked) {
                    TapKey(VK_DOWN);
                    TapKey(VK_RETURN);
                } else {
                    TapKey(VK_ESCAPE);
                }
            }
            GlideMouseTo(away);
        } else {
            GlideMouseTo(away);
            GlideMouseTo(at(kPushPart));
            SendMouse(MOUSEEVENTF_LEFTDOWN);
            // Held until the repeat fires (250 ms after the press on an idle machine).
            for (int held = 0; event == Event::WhileMouseDown && !sink_.reacted && held < 2000; held += 10) ::Sleep(10);
            ::Sleep(30);
            SendMouse(MOUSEEVENTF_LEFTUP);
            ::Sleep(30);
            GlideMouseTo(away);
            ::Sleep(80);  // the hover timer (50 ms) notices the pointer left
        }
        // A handler's own drop, or a popup a failed step left open.
        CloseOpenPopups(away, [this] { return sink_.DropsSettled(); });
    }

    // The container lets go: unadvised, deactivated, closed, unsited and
    // released. Returns what the last Release answered.
    ULONG ReleaseEverything() {
        ULONG last = ~0UL;
        if (point_ && cookie_ != 0) point_->Unadvise(cookie_);
        cookie_ = 0;
        point_.reset();
        dispatch_.reset();
        if (object_ != nullptr) last = std::exchange(object_, nullptr)->Release();
        return last;
    }

    ULONG CloseAndRelease() {
        if (object_ != nullptr) {
            win::ComPtr<IOleInPlaceObject> inplace;
            if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inplace.put_void())))
                inplace->InPlaceDeactivate();
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
        return ReleaseEverything();
    }

    static inline ComApartment* apartment_ = nullptr;
    static inline ControlLibrary* shared_library_ = nullptr;
    const ControlLibrary& library_ = *shared_library_;
    win::UniqueWindow host_;
    std::unique_ptr<InPlaceSite> site_;
    ReactingSink sink_;
    IOleObject* object_ = nullptr;
    win::ComPtr<IDispatch> dispatch_;
    win::ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
    Resources before_;
};

TEST_P(ReentrancyMatrix, HandlerPullsTheGroundAway) {
    const auto [event, action] = GetParam();
    MessageBoxWatcher boxes;
    HWND window = CreateControl(event);
    ASSERT_NE(window, nullptr);
    sink_.target = Describe(event).id;
    sink_.react = [this, action, event](const DISPPARAMS& params) { React(action, event, params); };

    std::atomic<bool> played{false};
    std::thread driver([&] {
        PlayInput(event, window);
        played = true;
    });
    for (int waited = 0; !played && waited < 15000; waited += 10) Pump(10);
    driver.join();
    Pump(30);

    EXPECT_TRUE(sink_.reacted) << Describe(event).name << " never fired, so the row tested nothing";
    EXPECT_EQ(OpenPopup(), nullptr) << "a popup was left open";
    if (action == Action::ReleaseLastReference) {
        EXPECT_EQ(object_, nullptr);
    } else {
        ASSERT_TRUE(dispatch_);
        win::UniqueVariant caption;
        EXPECT_HRESULT_SUCCEEDED(
            CallControl(dispatch_.get(), dispid::kCaption, DISPATCH_PROPERTYGET, {}, caption.put()))
            << "the control still answers after the handler";
        EXPECT_EQ(CloseAndRelease(), 0u) << "the control's final Release";
    }
    Pump(30);
    EXPECT_EQ(site_->refs, 1u) << "the control let go of its site";
    EXPECT_EQ(sink_.refs, 1u) << "the control let go of the event sink";
    EXPECT_TRUE(LibraryCanUnload(library_)) << "an object of the library is still alive";
    const Resources after = Measure();
    EXPECT_EQ(after, before_) << "before: " << Show(before_) << "; after: " << Show(after);
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return std::string(Describe(std::get<0>(info.param)).name) + "_" + NameOf(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(EveryEventEveryDeed, ReentrancyMatrix,
                         ::testing::Combine(::testing::ValuesIn(kEvents), ::testing::ValuesIn(kActions)), RowName);

}  // namespace brixel::testing::reentrancy
