// The drop-down menu on a real display: the popup, its events, keyboard
// choice, drop suppression, shortcuts through the message hook and the hook's
// lifetime. The popup's modal loop blocks the test thread, so a driver thread
// waits for the popup window and plays the user's input.
#include "activex/brixeldemo.h"
#include "control_library.h"
#include "dispatch_stub.h"
#include "gdi/gdi_canvas.h"
#include "inplace_site.h"
#include "input_support.h"
#include "render/menu_entry.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

constexpr DISPID kMenuDropped = 5;
constexpr DISPID kMenuItemClicked = 6;
constexpr DISPID kMenuButtonPressed = 7;

constexpr DISPID kMenu = 83;
constexpr DISPID kMenuBackColor = 89;
constexpr DISPID kMenuButtonStyle = 92;
constexpr DISPID kMenuButtonWidth = 93;
constexpr DISPID kAddMenuItem = 119;
constexpr DISPID kRemoveMenuItem = 121;
constexpr DISPID kMenuItemCaption = 122;
constexpr DISPID kMenuItemShortcut = 124;
constexpr DISPID kMenuItemEnabled = 128;
constexpr DISPID kMenuItemVisible = 130;

struct Event {
    DISPID id;
    long arg;  // MenuDropped: 1/0, MenuItemClicked: the ID, else 0
    friend bool operator==(const Event&, const Event&) = default;
};

class MenuEvents final : public EventSink {
public:
    std::vector<Event> events;

private:
    void OnEvent(DISPID id, WORD, const DISPPARAMS& params) override {
        if (id == kMenuDropped && params.cArgs == 1) events.push_back({id, params.rgvarg[0].boolVal ? 1 : 0});
        else if (id == kMenuItemClicked && params.cArgs == 1) events.push_back({id, params.rgvarg[0].lVal});
        else if (id == kMenuButtonPressed || id == DISPID_CLICK) events.push_back({id, 0});
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
    VARIANT result{};
    const HRESULT hr = dispatch->Invoke(id, IID_NULL, 0, flags, &params, &result, nullptr, nullptr);
    ::VariantClear(&result);
    return hr;
}

VARIANT I2(short v) {
    VARIANT x{};
    x.vt = VT_I2;
    x.iVal = v;
    return x;
}

VARIANT Bool(bool v) {
    VARIANT x{};
    x.vt = VT_BOOL;
    x.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
    return x;
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

class MenuPopup : public ::testing::Test {
protected:
    void SetUp() override {
        host_.reset(::CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 100,
                                      100, 300, 200, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(host_) << "windowed tests need a display (xvfb-run)";
        site_ = std::make_unique<InPlaceSite>(host_.get());
        ASSERT_TRUE(library_.loaded());
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IOleObject, object_.put_void()));
        ASSERT_HRESULT_SUCCEEDED(object_->SetClientSite(site_.get()));
        ASSERT_HRESULT_SUCCEEDED(object_.As(&dispatch_));
        ComPtr<IConnectionPointContainer> container;
        ASSERT_HRESULT_SUCCEEDED(object_.As(&container));
        ASSERT_HRESULT_SUCCEEDED(container->FindConnectionPoint(DIID__DBrixelDemoEvents, point_.put()));
        ASSERT_HRESULT_SUCCEEDED(point_->Advise(&events_, &cookie_));
    }
    void TearDown() override {
        if (point_) point_->Unadvise(cookie_);
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
    }

    HRESULT Call(DISPID id, WORD flags, std::vector<VARIANT> args_last_first, bool put = false) {
        return Invoke(dispatch_.get(), id, flags, std::move(args_last_first), put);
    }
    static VARIANT I4(long v) {
        VARIANT x{};
        x.vt = VT_I4;
        x.lVal = v;
        return x;
    }
    void Put(DISPID id, VARIANT v) { ASSERT_HRESULT_SUCCEEDED(Call(id, DISPATCH_PROPERTYPUT, {v}, true)); }
    void Add(short id, short parent) { ASSERT_HRESULT_SUCCEEDED(Call(kAddMenuItem, DISPATCH_METHOD, {I2(parent), I2(id)})); }
    void PutItem(DISPID property, short id, VARIANT v) {
        ASSERT_HRESULT_SUCCEEDED(Call(property, DISPATCH_PROPERTYPUT, {v, I2(id)}, true));
    }
    void Caption(short id, const wchar_t* text) {
        win::UniqueBstr b(text);
        VARIANT v{};
        v.vt = VT_BSTR;
        v.bstrVal = b.get();
        PutItem(kMenuItemCaption, id, v);
    }

    // A split button, menu part 17 pixels on the right, with
    //   1 File > { 11 Open, 12 Recent (disabled) > { 121 a.txt } }
    //   2 Hidden (invisible) > { 21 Never }
    //   3 Help
    HWND ActivateWithMenu() {
        Put(kMenu, Bool(true));
        Put(kMenuButtonWidth, I2(17));
        for (auto [id, parent] : {std::pair<short, short>{1, -1}, {11, 1}, {12, 1}, {121, 12}, {2, -1}, {21, 2}, {3, -1}}) {
            Add(id, parent);
        }
        const std::pair<short, const wchar_t*> captions[] = {{1, L"File"},    {11, L"Open"},  {12, L"Recent"},
                                                             {121, L"a.txt"}, {2, L"Hidden"}, {21, L"Never"},
                                                             {3, L"Help"}};
        for (auto [id, text] : captions) Caption(id, text);
        PutItem(kMenuItemEnabled, 12, Bool(false));
        PutItem(kMenuItemVisible, 2, Bool(false));
        return Activate();
    }

    HWND Activate() {
        EXPECT_HRESULT_SUCCEEDED(
            object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, host_.get(), &site_->position));
        ComPtr<IOleInPlaceObject> inplace;
        EXPECT_HRESULT_SUCCEEDED(object_.As(&inplace));
        HWND window = nullptr;
        EXPECT_HRESULT_SUCCEEDED(inplace->GetWindow(&window));
        ::SetForegroundWindow(host_.get());
        ::SetActiveWindow(host_.get());
        Pump(100);
        return window;
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

    ComApartment apartment_;
    win::UniqueWindow host_;
    std::unique_ptr<InPlaceSite> site_;
    ControlLibrary library_;
    ComPtr<IOleObject> object_;
    ComPtr<IDispatch> dispatch_;
    ComPtr<IConnectionPoint> point_;
    MenuEvents events_;
    DWORD cookie_ = 0;
};

const Event kPressed{kMenuButtonPressed, 0};
const Event kDroppedTrue{kMenuDropped, 1};
const Event kDroppedFalse{kMenuDropped, 0};

TEST_F(MenuPopup, PushPartClicksMenuPartDropsAndEscapeReportsOnlyTheClose) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    MoveTo(Screen(window, 30, 12));
    Click();
    Pump(150);
    EXPECT_EQ(Count(DISPID_CLICK), 1);
    EXPECT_EQ(Count(kMenuButtonPressed), 0);

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
        if (!WaitForPopup(true)) return;
        ::Sleep(100);
        Press(VK_DOWN);   // File
        Press(VK_RIGHT);  // opens File, Open selected
        ::Sleep(100);
        Press(VK_RETURN);
        WaitForPopup(false);
    });
    Click();
    driver.PumpUntilDone();
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{kPressed, kDroppedTrue, kDroppedFalse, {kMenuItemClicked, 11}}));
}

TEST_F(MenuPopup, InvisibleParentHidesItsSubtreeAndEntriesAreOwnerDrawn) {
    Put(kMenuBackColor, I4(RGB(250, 240, 200)));
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
    EXPECT_EQ(Count(kMenuButtonPressed), 1);

    std::atomic<bool> reopened{false};
    Driver again([&] {
        reopened = WaitForPopup(true) != nullptr;
        Press(VK_ESCAPE);
        WaitForPopup(false);
    });
    Click();
    again.PumpUntilDone();
    EXPECT_TRUE(reopened) << "the next click opens it";
    EXPECT_EQ(Count(kMenuButtonPressed), 2);
}

TEST_F(MenuPopup, ShortcutsFireThroughTheHook) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    PutItem(kMenuItemShortcut, 11, I2(1));   // Ctrl+A
    PutItem(kMenuItemShortcut, 3, I2(31));   // F5
    PutItem(kMenuItemShortcut, 121, I2(2));  // Ctrl+B, under a disabled parent
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
            c.fired < 0 ? std::vector<Event>{} : std::vector<Event>{{kMenuItemClicked, c.fired}};
        EXPECT_EQ(MenuEventsOnly(), expected) << c.name;
    }

    events_.events.clear();
    ASSERT_HRESULT_SUCCEEDED(Call(kRemoveMenuItem, DISPATCH_METHOD, {I2(11)}));
    Chord({VK_CONTROL}, 'A');
    Pump(150);
    EXPECT_TRUE(MenuEventsOnly().empty()) << "a removed item's shortcut does nothing";

    PutItem(kMenuItemVisible, 3, Bool(false));
    Press(VK_F5);
    Pump(150);
    EXPECT_TRUE(MenuEventsOnly().empty()) << "a hidden item's shortcut does nothing";
}

TEST_F(MenuPopup, ShortcutsDoNothingWhileThePopupIsOpen) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    PutItem(kMenuItemShortcut, 3, I2(31));  // F5
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

TEST_F(MenuPopup, TreeSurvivesDeactivationWithItsShortcuts) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    PutItem(kMenuItemShortcut, 3, I2(31));  // F5
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
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{{kMenuItemClicked, 3}}));
}

// The same shortcut on controls of two forms: each form's keys reach only
// its own control.
TEST_F(MenuPopup, ShortcutsStayInTheirTopLevelWindow) {
    HWND window = ActivateWithMenu();
    ASSERT_NE(window, nullptr);
    PutItem(kMenuItemShortcut, 3, I2(31));  // F5
    win::UniqueWindow other_form(::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 450,
                                                   100, 300, 200, nullptr, nullptr, nullptr, nullptr));
    OtherControl other(library_, other_form.get(), RECT{20, 20, 107, 45});
    ASSERT_TRUE(other.dispatch);
    Invoke(other.dispatch.get(), kMenu, DISPATCH_PROPERTYPUT, {Bool(true)}, true);
    Invoke(other.dispatch.get(), kAddMenuItem, DISPATCH_METHOD, {I2(-1), I2(7)});
    Invoke(other.dispatch.get(), kMenuItemShortcut, DISPATCH_PROPERTYPUT, {I2(31), I2(7)}, true);
    HWND other_window = other.Activate(other_form.get());
    ASSERT_NE(other_window, nullptr);

    ::SetForegroundWindow(other_form.get());
    ::SetFocus(other_window);
    Pump(100);
    Press(VK_F5);
    Pump(150);
    EXPECT_TRUE(MenuEventsOnly().empty()) << "the first form's control stays silent";
    ASSERT_EQ(other.events.events.size(), 1u);
    EXPECT_EQ(other.events.events[0], (Event{kMenuItemClicked, 7}));

    ::SetForegroundWindow(host_.get());
    ::SetFocus(window);
    Pump(100);
    other.events.events.clear();
    Press(VK_F5);
    Pump(150);
    EXPECT_EQ(MenuEventsOnly(), (std::vector<Event>{{kMenuItemClicked, 3}}));
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
