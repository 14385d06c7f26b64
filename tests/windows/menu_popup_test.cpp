// The drop-down menu on a real display: the popup, its events, keyboard
// choice, drop suppression, shortcuts through the message hook and the hook's
// lifetime. The popup's modal loop blocks the test thread, so a driver thread
// waits for the popup window and plays the user's input.
#include "core/dispids.h"
#include "dispatch_call.h"
#include "gdi/gdi_canvas.h"
#include "inplace_control_test.h"
#include "message_box_watcher.h"
#include "render/menu_entry.h"
#include "shell_call_recorder.h"

#include <objsafe.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

struct Event {
    DISPID id;
    long arg;  // MenuDropped: 1/0, MenuItemClicked: the ID, else 0
    friend bool operator==(const Event&, const Event&) = default;
};

class MenuEvents final : public EventSink {
public:
    std::vector<Event> events;
    std::function<void()> on_mouse_down;  // plays a handler that reacts to the press
    std::function<void()> on_menu_event;  // MenuButtonPressed and MenuDropped handlers

private:
    void OnEvent(DISPID id, WORD, const DISPPARAMS& params) override {
        if (id == dispid::kEventMenuDropped && params.cArgs == 1) {
            events.push_back({id, params.rgvarg[0].boolVal ? 1 : 0});
        } else if (id == dispid::kEventMenuItemClicked && params.cArgs == 1) {
            events.push_back({id, params.rgvarg[0].lVal});
        } else if (id == dispid::kEventMenuButtonPressed || id == DISPID_CLICK) {
            events.push_back({id, 0});
        }
        if (id == DISPID_MOUSEDOWN && on_mouse_down) on_mouse_down();
        const bool menu_event = id == dispid::kEventMenuButtonPressed || id == dispid::kEventMenuDropped;
        if (menu_event && on_menu_event && events.size() < 12) on_menu_event();
    }
};

void Click() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(30);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void Press(WORD key) {
    SendKey(key, false);
    ::Sleep(20);
    SendKey(key, true);
    ::Sleep(40);
}

// Keys held while `key` is pressed, released in reverse order.
void Chord(std::initializer_list<WORD> modifiers, WORD key) {
    for (WORD m : modifiers) SendKey(m, false);
    Press(key);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) SendKey(*it, true);
}

HWND VisiblePopup() {
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    return popup != nullptr && ::IsWindowVisible(popup) ? popup : nullptr;
}

HWND WaitForPopup(bool open, int milliseconds = 3000) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        HWND popup = VisiblePopup();
        if ((popup != nullptr) == open) return open ? popup : HWND(1);
        ::Sleep(10);
    }
    return nullptr;
}

// Once the popup of ActivateWithMenu shows: File, and into its sub-menu with
// Open selected. False when no popup came.
bool OpenFileWithKeys() {
    if (!WaitForPopup(true)) return false;
    ::Sleep(100);
    Press(VK_DOWN);   // File
    Press(VK_RIGHT);  // opens File, Open selected
    return true;
}

// Plays input from its own thread while the test thread sits in the popup's
// modal loop; the test pumps until the script has finished.
class Driver {
public:
    explicit Driver(std::function<void()> script)
        : thread_([this, s = std::move(script)] {
              s();
              done_ = true;
          }) {}
    ~Driver() { thread_.join(); }
    void PumpUntilDone(int limit_ms = 8000) {
        for (int waited = 0; !done_ && waited < limit_ms; waited += 20) Pump(20);
        Pump(150);
    }

private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

HRESULT Invoke(IDispatch* dispatch, DISPID id, WORD flags, std::vector<VARIANT> args_last_first, bool put = false) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{args_last_first.data(), put ? &named : nullptr, static_cast<UINT>(args_last_first.size()),
                      put ? 1u : 0u};
    win::UniqueVariant result;
    return dispatch->Invoke(id, IID_NULL, 0, flags, &params, result.put(), nullptr, nullptr);
}

// A further control on a form of its own or beside the fixture's.
class OtherControl {
public:
    OtherControl(const ControlLibrary& library, HWND parent, RECT position) : site_(parent) {
        site_.position = position;
        EXPECT_HRESULT_SUCCEEDED(library.Create(CLSID_BrixelDemo, IID_IOleObject, object.put_void()));
        if (!object) return;
        object->SetClientSite(&site_);
        object.As(&dispatch);
        ComPtr<IConnectionPointContainer> container;
        object.As(&container);
        container->FindConnectionPoint(DIID__DBrixelDemoEvents, point_.put());
        point_->Advise(&events, &cookie_);
    }
    ~OtherControl() {
        if (point_) point_->Unadvise(cookie_);
        if (object) {
            object->Close(OLECLOSE_NOSAVE);
            object->SetClientSite(nullptr);
        }
    }
    HWND Activate(HWND parent) {
        object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site_, 0, parent, &site_.position);
        ComPtr<IOleInPlaceObject> inplace;
        object.As(&inplace);
        HWND window = nullptr;
        if (inplace) inplace->GetWindow(&window);
        return window;
    }

    ComPtr<IOleObject> object;
    ComPtr<IDispatch> dispatch;
    MenuEvents events;

private:
    InPlaceSite site_;
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

class MenuPopup : public InPlaceControlWithEvents<MenuEvents> {
protected:
    HRESULT Call(DISPID id, WORD flags, std::vector<VARIANT> args_last_first, bool put = false) {
        return Invoke(dispatch_.get(), id, flags, std::move(args_last_first), put);
    }
    void Put(DISPID id, VARIANT v) { ASSERT_HRESULT_SUCCEEDED(Call(id, DISPATCH_PROPERTYPUT, {v}, true)); }
    void Add(short id, short parent) {
        ASSERT_HRESULT_SUCCEEDED(Call(dispid::kAddMenuItem, DISPATCH_METHOD, {I2(parent), I2(id)}));
    }
    void PutItem(DISPID property, short id, VARIANT v) {
        ASSERT_HRESULT_SUCCEEDED(Call(property, DISPATCH_PROPERTYPUT, {v, I2(id)}, true));
    }
    void Caption(short id, const wchar_t* text) {
        const win::UniqueBstr b(text);
        PutItem(dispid::kMenuItemCaption, id, Text(b));
    }

    // A split button, menu part 17 pixels on the right, with
    //   1 File > { 11 Open, 12 Recent (disabled) > { 121 a.txt } }
    //   2 Hidden (invisible) > { 21 Never }
    //   3 Help
    HWND ActivateWithMenu() {
        Put(dispid::kMenu, Bool(true));
        Put(dispid::kMenuButtonWidth, I2(17));
        for (auto [id, parent] : {std::pair<short, short>{1, -1}, {11, 1}, {12, 1}, {121, 12}, {2, -1}, {21, 2}, {3, -1}}) {
            Add(id, parent);
        }
        const std::pair<short, const wchar_t*> captions[] = {{1, L"File"},    {11, L"Open"},  {12, L"Recent"},
                                                             {121, L"a.txt"}, {2, L"Hidden"}, {21, L"Never"},
                                                             {3, L"Help"}};
        for (auto [id, text] : captions) Caption(id, text);
        PutItem(dispid::kMenuItemEnabled, 12, Bool(false));
        PutItem(dispid::kMenuItemVisible, 2, Bool(false));
        return Activate();
    }

    POINT Screen(HWND window, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(window, &p);
        return p;
    }
    void MoveTo(POINT p) {
        ::SetCursorPos(p.x, p.y);
        Pump(60);
    }

    std::vector<Event> MenuEventsOnly() const {
        std::vector<Event> out;
        for (const Event& e : events_.events)
            if (e.id != DISPID_CLICK) out.push_back(e);
        return out;
    }
    int Count(DISPID id) const {
        int n = 0;
        for (const Event& e : events_.events) n += e.id == id ? 1 : 0;
        return n;
    }
};

const Event kPressed{dispid::kEventMenuButtonPressed, 0};
const Event kDroppedTrue{dispid::kEventMenuDropped, 1};
const Event kDroppedFalse{dispid::kEventMenuDropped, 0};

TEST_F(MenuPopup, PushPartClicksMenuPartDropsAndEscapeReportsOnlyTheClose) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    MoveTo(Screen(window, 30, 12));
    Click();
    Pump(150);
    EXPECT_EQ(Count(DISPID_CLICK), 1);
    EXPECT_EQ(Count(dispid::kEventMenuButtonPressed), 0);

    std::atomic<bool> seen{false};
    MoveTo(Screen(window, 80, 12));
    Driver driver([&] {
        seen = WaitForPopup(true) != nullptr;
        Press(VK_ESCAPE);
        WaitForPopup(false);
    });
    Click();
    driver.PumpUntilDone();
    EXPECT_TRUE(seen) << "a popup window appears";
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{kPressed, kDroppedTrue, kDroppedFalse}));
    EXPECT_EQ(Count(DISPID_CLICK), 1) << "the menu part never clicks";
}

TEST_F(MenuPopup, KeyboardChoiceInASubMenuReportsItsId) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    MoveTo(Screen(window, 80, 12));
    Driver driver([] {
        if (!OpenFileWithKeys()) return;
        ::Sleep(100);
        Press(VK_RETURN);
        WaitForPopup(false);
    });
    Click();
    driver.PumpUntilDone();
    EXPECT_EQ(MenuEventsOnly(),
              (std::vector<Event>{kPressed, kDroppedTrue, kDroppedFalse, {dispid::kEventMenuItemClicked, 11}}));
}

// Recent is disabled but still opens; its enabled entry is choosable.
TEST_F(MenuPopup, EnabledEntryUnderADisabledParentIsChosen) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    MoveTo(Screen(window, 80, 12));
    Driver driver([] {
        if (!OpenFileWithKeys()) return;
        Press(VK_DOWN);   // Recent
        Press(VK_RIGHT);  // opens Recent, a.txt selected
        ::Sleep(100);
        Press(VK_RETURN);
        // A refused choice leaves the popup open: close it for the next test.
        for (int i = 0; i < 3 && !WaitForPopup(false, 1000); ++i) Press(VK_ESCAPE);
    });
    Click();
    driver.PumpUntilDone();
    EXPECT_EQ(MenuEventsOnly(),
              (std::vector<Event>{kPressed, kDroppedTrue, kDroppedFalse, {dispid::kEventMenuItemClicked, 121}}));
}

TEST_F(MenuPopup, InvisibleParentHidesItsSubtreeAndEntriesAreOwnerDrawn) {
    Put(dispid::kMenuBackColor, I4(RGB(250, 240, 200)));
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    MoveTo(Screen(window, 80, 12));
    std::atomic<int> entries{-1};
    std::atomic<COLORREF> back{CLR_INVALID};
    Driver driver([&] {
        HWND popup = WaitForPopup(true);
        if (!popup) return;
        ::Sleep(150);
        entries = ::GetMenuItemCount(reinterpret_cast<HMENU>(::SendMessageW(popup, 0x01E1 /* MN_GETHMENU */, 0, 0)));
        RECT r{};
        ::GetWindowRect(popup, &r);
        win::WindowDc screen(nullptr);
        // The first entry, between its text and the system's sub-menu arrow.
        back = ::GetPixel(screen.get(), r.right - 30, r.top + 12);
        Press(VK_ESCAPE);
        WaitForPopup(false);
    });
    Click();
    driver.PumpUntilDone();
    EXPECT_EQ(entries, 2) << "File and Help; the hidden item is left out";
    EXPECT_EQ(back.load(), RGB(250, 240, 200)) << "entries are painted in MenuBackColor";
}

TEST_F(MenuPopup, ClickOnTheMenuPartWhileOpenClosesWithoutReopening) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    const POINT menu_part = Screen(window, 80, 12);
    MoveTo(menu_part);
    std::atomic<bool> closed{false};
    Driver driver([&] {
        if (!WaitForPopup(true)) return;
        ::Sleep(100);
        Click();  // on the menu part again
        closed = WaitForPopup(false) != nullptr;
        ::Sleep(300);
    });
    Click();
    driver.PumpUntilDone();
    EXPECT_TRUE(closed);
    EXPECT_EQ(VisiblePopup(), nullptr) << "the closing click did not open it again";
    EXPECT_EQ(Count(dispid::kEventMenuButtonPressed), 1);

    std::atomic<bool> reopened{false};
    Driver again([&] {
        reopened = WaitForPopup(true) != nullptr;
        Press(VK_ESCAPE);
        WaitForPopup(false);
    });
    Click();
    again.PumpUntilDone();
    EXPECT_TRUE(reopened) << "the next click opens it";
    EXPECT_EQ(Count(dispid::kEventMenuButtonPressed), 2);
}

TEST_F(MenuPopup, ShortcutsFireThroughTheHook) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    PutItem(dispid::kMenuItemShortcut, 11, I2(1));   // Ctrl+A
    PutItem(dispid::kMenuItemShortcut, 3, I2(31));   // F5
    PutItem(dispid::kMenuItemShortcut, 121, I2(2));  // Ctrl+B, under a disabled parent
    ::SetFocus(window);
    Pump(50);
    struct Case {
        const char* name;
        std::function<void()> keys;
        long fired;  // the ID, or -1 for nothing
    };
    const Case cases[] = {
        {"Ctrl+A", [] { Chord({VK_CONTROL}, 'A'); }, 11},
        {"Ctrl+Shift+A is another shortcut", [] { Chord({VK_CONTROL, VK_SHIFT}, 'A'); }, -1},
        {"F5 alone", [] { Press(VK_F5); }, 3},
        {"A without a modifier", [] { Press('A'); }, -1},
        {"under a disabled parent", [] { Chord({VK_CONTROL}, 'B'); }, -1},
    };
    for (const Case& c : cases) {
        events_.events.clear();
        c.keys();
        Pump(150);
        const std::vector<Event> expected =
            c.fired < 0 ? std::vector<Event>{} : std::vector<Event>{{dispid::kEventMenuItemClicked, c.fired}};
        EXPECT_EQ(MenuEventsOnly(), expected) << c.name;
    }

    events_.events.clear();
    ASSERT_HRESULT_SUCCEEDED(Call(dispid::kRemoveMenuItem, DISPATCH_METHOD, {I2(11)}));
    Chord({VK_CONTROL}, 'A');
    Pump(150);
    EXPECT_TRUE(MenuEventsOnly().empty()) << "a removed item's shortcut does nothing";

    PutItem(dispid::kMenuItemVisible, 3, Bool(false));
    Press(VK_F5);
    Pump(150);
    EXPECT_TRUE(MenuEventsOnly().empty()) << "a hidden item's shortcut does nothing";
}

TEST_F(MenuPopup, ShortcutsDoNothingWhileThePopupIsOpen) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    PutItem(dispid::kMenuItemShortcut, 3, I2(31));  // F5
    MoveTo(Screen(window, 80, 12));
    Driver driver([] {
        if (!WaitForPopup(true)) return;
        ::Sleep(100);
        Press(VK_F5);
        ::Sleep(100);
        Press(VK_ESCAPE);
        WaitForPopup(false);
    });
    Click();
    driver.PumpUntilDone();
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{kPressed, kDroppedTrue, kDroppedFalse}));
}

// A MouseDown handler drops the menu while the button is held: the press ends
// there, so the button-up that follows the closed popup clicks nothing.
TEST_F(MenuPopup, ADropDuringAPressLeavesNoClickBehind) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    events_.on_mouse_down = [this] { Call(dispid::kDropMenu, DISPATCH_METHOD, {}); };
    MoveTo(Screen(window, 30, 12));  // the push part
    std::atomic<bool> seen{false};
    Driver driver([&] {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        seen = WaitForPopup(true) != nullptr;
        Press(VK_ESCAPE);
        WaitForPopup(false);
        ::Sleep(100);
        SendMouse(MOUSEEVENTF_LEFTUP);
        ::Sleep(100);
    });
    driver.PumpUntilDone();
    events_.on_mouse_down = nullptr;
    EXPECT_TRUE(seen);
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{kPressed, kDroppedTrue, kDroppedFalse}));
    EXPECT_EQ(Count(DISPID_CLICK), 0);
}

RECT WorkAreaOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Where the popup lands when the form stands at each edge of the screen. The
// menu is 3 rows high counting the hidden one (60 pixels) and at least 112
// wide, so near the right edge it is right-aligned at the screen's edge and
// near the bottom it opens upwards from the control's top.
TEST_F(MenuPopup, PlacementAtTheScreenEdges) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    const RECT area = WorkAreaOf(window);
    struct Row {
        const char* name;
        POINT form;  // the form's top-left corner
        bool (*placed)(const RECT& popup, const RECT& control, const RECT& area);
    } rows[] = {
        {"in the middle: below the control, left edges together",
         {area.left + 300, area.top + 300},
         [](const RECT& p, const RECT& c, const RECT&) { return p.left == c.left && p.top == c.bottom; }},
        {"at the right edge: right-aligned at the screen's edge",
         {area.right - 150, area.top + 300},
         [](const RECT& p, const RECT& c, const RECT& a) { return p.right == a.right && p.top == c.bottom; }},
        {"at the bottom edge: upwards from the control's top",
         {area.left + 300, area.bottom - 100},
         [](const RECT& p, const RECT& c, const RECT&) { return p.left == c.left && p.bottom == c.top; }},
        {"in the bottom right corner",
         {area.right - 150, area.bottom - 100},
         [](const RECT& p, const RECT& c, const RECT& a) { return p.right == a.right && p.bottom == c.top; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ::SetWindowPos(host_.get(), nullptr, row.form.x, row.form.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Pump(50);
        RECT control{};
        ::GetWindowRect(window, &control);
        RECT popup{};
        Driver driver([&] {
            HWND shown = WaitForPopup(true);
            if (shown != nullptr) {
                ::Sleep(100);
                ::GetWindowRect(shown, &popup);
            }
            Press(VK_ESCAPE);
            WaitForPopup(false);
        });
        Call(dispid::kDropMenu, DISPATCH_METHOD, {});
        driver.PumpUntilDone();
        ASSERT_GT(popup.right, popup.left) << "no popup appeared";
        EXPECT_TRUE(popup.left >= area.left && popup.top >= area.top && popup.right <= area.right &&
                    popup.bottom <= area.bottom)
            << "popup " << Describe(popup) << " outside the work area " << Describe(area);
        EXPECT_TRUE(row.placed(popup, control, area)) << "popup " << Describe(popup) << ", control " << Describe(control);
    }
}

// Moves the pointer in small steps, each one a real mouse move.
void GlideTo(POINT to) {
    POINT from{};
    ::GetCursorPos(&from);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        ::SetCursorPos(from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps);
        ::Sleep(30);
    }
}

// Waits for a visible popup whose left edge is `left`, nudging the pointer by
// a pixel meanwhile: auto-drop answers mouse moves only.
RECT WaitForPopupAt(int left, POINT around, int milliseconds = 3000) {
    for (int waited = 0; waited < milliseconds; waited += 60) {
        if (HWND popup = VisiblePopup()) {
            RECT r{};
            ::GetWindowRect(popup, &r);
            if (r.left == left) return r;
        }
        ::SetCursorPos(around.x + (waited / 60) % 2, around.y);
        ::Sleep(60);
    }
    return RECT{};
}

// Leaves no popup open whatever happened, so a failing test cannot hang.
void CloseEveryPopup(POINT away) {
    GlideTo(away);
    for (int tries = 0; tries < 20 && VisiblePopup() != nullptr; ++tries) {
        Press(VK_ESCAPE);
        ::Sleep(100);
    }
}

// Closes any popup left open longer than `limit_ms`, from its own thread, so
// that a menu dropped where no script expected it cannot hang the test.
class PopupWatchdog {
public:
    explicit PopupWatchdog(int limit_ms)
        : thread_([this, limit_ms] {
              int open_for = 0;
              while (!stop_) {
                  ::Sleep(50);
                  open_for = VisiblePopup() != nullptr ? open_for + 50 : 0;
                  if (open_for < limit_ms) continue;
                  ::SetCursorPos(0, 0);
                  Press(VK_ESCAPE);
                  ++closed;
                  open_for = 0;
              }
          }) {}
    ~PopupWatchdog() {
        stop_ = true;
        thread_.join();
    }
    std::atomic<int> closed{0};

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// One or more drops, each reported whole: pressed, dropped, closed.
::testing::AssertionResult WholeDrops(const std::vector<Event>& events) {
    if (events.empty()) return ::testing::AssertionFailure() << "no drop";
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Event& expected = i % 3 == 0 ? kPressed : i % 3 == 1 ? kDroppedTrue : kDroppedFalse;
        if (!(events[i] == expected)) return ::testing::AssertionFailure() << "event " << i << " is " << events[i].id;
    }
    if (events.size() % 3 != 0) return ::testing::AssertionFailure() << "a drop was left open";
    return ::testing::AssertionSuccess();
}

// Two auto-drop buttons side by side: with the first one's menu open, moving
// onto the second closes that menu, and the next move drops the second's.
// Under Wine a button may drop more than once on the way: right after a menu
// loop the thread's cursor position still reads where the last move it took
// from its queue was, so the check before dropping sees the pointer where it
// has just left. Each drop must still be whole.
// Not run by default: under Wine the hand-over succeeds in some runs and in
// others the second button never sees the move that should drop it (the
// first menu's loop keeps the pointer), so it would make the suite flaky. The
// probe's packing and every one of its conditions are tested natively
// (AutoDropProbe); run this one by hand with --gtest_also_run_disabled_tests.
TEST_F(MenuPopup, DISABLED_AutoDropHandsTheOpenMenuOverAsThePointerMoves) {
    PopupWatchdog watchdog(6000);
    ::SetCursorPos(0, 0);  // off both buttons, or the first drops on activation
    Put(dispid::kMenuAutoDrop, Bool(true));
    Put(dispid::kMenuButtonStyle, I2(1));  // drop-down: the whole control drops
    HWND first = ActivateWithMenu();
    ASSERT_NE(first, nullptr);
    OtherControl second(library_, host_.get(), RECT{150, 20, 237, 45});
    ASSERT_TRUE(second.dispatch);
    IDispatch* other = second.dispatch.get();
    Invoke(other, dispid::kMenu, DISPATCH_PROPERTYPUT, {Bool(true)}, true);
    Invoke(other, dispid::kMenuButtonStyle, DISPATCH_PROPERTYPUT, {I2(1)}, true);
    Invoke(other, dispid::kMenuAutoDrop, DISPATCH_PROPERTYPUT, {Bool(true)}, true);
    Invoke(other, dispid::kAddMenuItem, DISPATCH_METHOD, {I2(-1), I2(7)});
    HWND second_window = second.Activate(host_.get());
    ASSERT_NE(second_window, nullptr);
    ::SetForegroundWindow(host_.get());
    ::SetActiveWindow(host_.get());
    const POINT away = Screen(first, 40, 110);  // on the form, below both buttons
    MoveTo(away);
    RECT first_rect{}, second_rect{};
    ::GetWindowRect(first, &first_rect);
    ::GetWindowRect(second_window, &second_rect);
    const POINT over_first = Screen(first, 40, 12), over_second = Screen(second_window, 40, 12);

    RECT first_popup{}, second_popup{};
    Driver driver([&] {
        GlideTo(over_first);
        first_popup = WaitForPopupAt(first_rect.left, over_first);
        if (first_popup.right != 0) {
            ::Sleep(150);
            GlideTo(over_second);
            second_popup = WaitForPopupAt(second_rect.left, over_second);
        }
        CloseEveryPopup(away);
    });
    driver.PumpUntilDone(20000);
    EXPECT_NE(first_popup.right, 0) << "the first button's menu dropped by itself";
    EXPECT_NE(second_popup.right, 0) << "the second button took the open menu over";
    EXPECT_TRUE(WholeDrops(MenuEventsOnly()));
    EXPECT_TRUE(WholeDrops(second.events.events));
    EXPECT_EQ(VisiblePopup(), nullptr);
    EXPECT_EQ(watchdog.closed, 0) << "a popup stayed open";
}

// Our windows hear the auto-drop probe on every mouse move while the hook is
// installed; a window of the control's class that is no control counts them.
LONG g_probes = 0;
LRESULT CALLBACK CountProbes(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == 0x0BD0) ++g_probes;
    return ::DefWindowProcW(window, message, wparam, lparam);
}

TEST_F(MenuPopup, HookLivesExactlyAsLongAsControlWindows) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    win::UniqueWindow listener(::CreateWindowExW(0, L"BrixelDemoButton", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                                 nullptr, library_.get(), nullptr));
    ASSERT_TRUE(listener);
    ::SetWindowLongPtrW(listener.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountProbes));
    auto probes_after_a_move = [&] {
        g_probes = 0;
        ::PostMessageW(listener.get(), WM_MOUSEMOVE, 0, 0);
        Pump(50);
        return g_probes;
    };
    EXPECT_EQ(probes_after_a_move(), 1) << "a live control window keeps the hook";

    ComPtr<IOleInPlaceObject> inplace;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&inplace));
    ASSERT_HRESULT_SUCCEEDED(inplace->InPlaceDeactivate());
    EXPECT_EQ(probes_after_a_move(), 0) << "the last window took the hook with it";

    Activate();
    EXPECT_EQ(probes_after_a_move(), 1) << "a new window installs it again";
}

// A handler that drops the menu again from the drop's own events would
// recurse without end: it does nothing.
TEST_F(MenuPopup, DropMenuFromTheDropsOwnEventsDoesNothing) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    MoveTo(Screen(window, 30, 12));
    events_.on_menu_event = [this] { Call(dispid::kDropMenu, DISPATCH_METHOD, {}); };
    Driver driver([&] {
        for (int popups = 0; popups < 6 && WaitForPopup(true, 1500) != nullptr; ++popups) {
            Press(VK_ESCAPE);
            WaitForPopup(false);
        }
    });
    Call(dispid::kDropMenu, DISPATCH_METHOD, {});
    driver.PumpUntilDone();
    events_.on_menu_event = nullptr;
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{kPressed, kDroppedTrue, kDroppedFalse}));
}

// A window of the control's class on another thread (as another process's
// control would be) carries user data that is no address of ours; the hook
// sees it under the pointer while our popup is open and must leave it alone.
TEST_F(MenuPopup, HookLeavesOtherThreadsWindowsOfOurClassAlone) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    const POINT stranger_at = Screen(window, 0, 120);
    std::atomic<HWND> stranger{nullptr};
    std::atomic<bool> finished{false};
    std::thread other_thread([&] {
        const win::UniqueWindow w(::CreateWindowExW(WS_EX_TOPMOST, L"BrixelDemoButton", L"", WS_POPUP | WS_VISIBLE,
                                                    stranger_at.x, stranger_at.y, 60, 60, nullptr, nullptr,
                                                    library_.get(), nullptr));
        ::SetWindowLongPtrW(w.get(), GWLP_USERDATA, 0x10);  // nothing readable there
        stranger = w.get();
        while (!finished) {
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
            ::Sleep(10);
        }
    });
    while (stranger == nullptr) ::Sleep(10);
    MoveTo(Screen(window, 80, 12));
    Driver driver([&] {
        if (WaitForPopup(true) != nullptr) {
            GlideTo(POINT{stranger_at.x + 30, stranger_at.y + 30});
            ::Sleep(200);
        }
        CloseEveryPopup(POINT{stranger_at.x + 30, stranger_at.y + 30});
    });
    Click();
    driver.PumpUntilDone();
    finished = true;
    other_thread.join();
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{kPressed, kDroppedTrue, kDroppedFalse}));
}

// A page host that asked only for data safety: an item's hyperlink, invoked
// by its shortcut, reaches the shell only as a clean web address.
TEST_F(MenuPopup, UntrustedItemHyperlinksOpenOnlyWebAddresses) {
    constexpr DISPID kMenuItemHyperlink = 125;
    constexpr DISPID kMenuItemHyperlinkAddress = 126;
    ComPtr<IObjectSafety> safety;
    ASSERT_HRESULT_SUCCEEDED(object_.As(IID_IObjectSafety, safety.put_void()));
    ASSERT_HRESULT_SUCCEEDED(safety->SetInterfaceSafetyOptions(IID_IPersistStreamInit, INTERFACESAFE_FOR_UNTRUSTED_DATA,
                                                               INTERFACESAFE_FOR_UNTRUSTED_DATA));
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    ShellCallRecorder shell(library_.get());
    ASSERT_TRUE(shell.active());
    PutItem(dispid::kMenuItemShortcut, 11, I2(31));  // F5
    PutItem(kMenuItemHyperlink, 11, Bool(true));
    const struct {
        const wchar_t* address;
        std::vector<std::wstring> calls;
    } rows[] = {
        {L"\\\\host\\share\\x.hta", {}},
        {L"mailto:a@b\" /x", {}},
        {L"www.example.invalid", {L"shell http://www.example.invalid"}},
    };
    for (const auto& row : rows) {
        MessageBoxWatcher boxes;
        const win::UniqueBstr text(row.address);
        PutItem(kMenuItemHyperlinkAddress, 11, Text(text));
        ShellCallRecorder::Calls().clear();
        ::SetFocus(window);
        Pump(50);
        Press(VK_F5);
        Pump(300);
        EXPECT_EQ(ShellCallRecorder::Calls(), row.calls);
        EXPECT_EQ(boxes.Texts().size(), row.calls.empty() ? 1u : 0u);
    }
}

TEST_F(MenuPopup, TreeSurvivesDeactivationWithItsShortcuts) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    PutItem(dispid::kMenuItemShortcut, 3, I2(31));  // F5
    ComPtr<IOleInPlaceObject> inplace;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&inplace));
    ASSERT_HRESULT_SUCCEEDED(inplace->InPlaceDeactivate());
    window = Activate();
    ASSERT_NE(window, nullptr);
    ::SetFocus(window);
    Pump(50);
    events_.events.clear();
    Press(VK_F5);
    Pump(150);
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{{dispid::kEventMenuItemClicked, 3}}));
}

// The same shortcut on controls of two forms: each form's keys reach only
// its own control.
TEST_F(MenuPopup, ShortcutsStayInTheirTopLevelWindow) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    PutItem(dispid::kMenuItemShortcut, 3, I2(31));  // F5
    win::UniqueWindow other_form(::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 450,
                                                   100, 300, 200, nullptr, nullptr, nullptr, nullptr));
    OtherControl other(library_, other_form.get(), RECT{20, 20, 107, 45});
    ASSERT_TRUE(other.dispatch);
    Invoke(other.dispatch.get(), dispid::kMenu, DISPATCH_PROPERTYPUT, {Bool(true)}, true);
    Invoke(other.dispatch.get(), dispid::kAddMenuItem, DISPATCH_METHOD, {I2(-1), I2(7)});
    Invoke(other.dispatch.get(), dispid::kMenuItemShortcut, DISPATCH_PROPERTYPUT, {I2(31), I2(7)}, true);
    HWND other_window = other.Activate(other_form.get());
    ASSERT_NE(other_window, nullptr);

    ::SetForegroundWindow(other_form.get());
    ::SetFocus(other_window);
    Pump(100);
    Press(VK_F5);
    Pump(150);
    EXPECT_TRUE(MenuEventsOnly().empty()) << "the first form's control stays silent";
    ASSERT_EQ(other.events.events.size(), 1u);
    EXPECT_EQ(other.events.events[0], (Event{dispid::kEventMenuItemClicked, 7}));

    ::SetForegroundWindow(host_.get());
    ::SetFocus(window);
    Pump(100);
    other.events.events.clear();
    Press(VK_F5);
    Pump(150);
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{{dispid::kEventMenuItemClicked, 3}}));
    EXPECT_TRUE(other.events.events.empty());
}

// One entry drawn into a DIB through GDI, in the exact menu colours.
TEST(MenuEntryPixels, NormalAndHighlightedInExactColours) {
    constexpr int kWidth = 120, kHeight = 20;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    win::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    win::UniqueBitmap dib(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(dib);
    win::SelectScope select(dc.get(), dib.get());
    MenuEntryModel m;
    m.caption = u"Open";
    m.sidebar = true;
    m.colours.back = {250, 240, 200};
    m.colours.sidebar = {90, 120, 200};
    m.colours.selection_back = {200, 220, 255};
    win::GdiCanvas canvas(dc.get(), nullptr);
    const auto pixel = [&](int x, int y) {
        const COLORREF c = ::GetPixel(dc.get(), x, y);
        return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
    };
    DrawMenuEntry(canvas, Rect{0, 0, kWidth, kHeight}, m, true, false);
    EXPECT_EQ(pixel(5, 10), m.colours.sidebar);
    EXPECT_EQ(pixel(110, 2), m.colours.back);
    DrawMenuEntry(canvas, Rect{0, 0, kWidth, kHeight}, m, false, true);
    EXPECT_EQ(pixel(0, 0), (Rgb{0, 0, 128}));
    EXPECT_EQ(pixel(119, 19), (Rgb{0, 0, 128}));
    EXPECT_EQ(pixel(5, 10), m.colours.selection_back) << "the highlight covers the strip";
    EXPECT_EQ(pixel(110, 2), m.colours.selection_back);
    DrawMenuEntry(canvas, Rect{0, 0, kWidth, kHeight}, m, false, false);
    EXPECT_EQ(pixel(0, 0), m.colours.sidebar);
    EXPECT_EQ(pixel(119, 19), m.colours.back);
}

}  // namespace
}  // namespace brixel::testing
