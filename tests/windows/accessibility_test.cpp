// The control as assistive technology and the keyboard reach it on a real
// display: the accessible object behind the window, its default actions and
// WinEvents, and the keys that open the menu part of a split button.
#include "activex/brixeldemo.h"
#include "control_library.h"
#include "core/dispids.h"
#include "dispatch_call.h"
#include "dispatch_stub.h"
#include "inplace_site.h"
#include "input_support.h"

#include <oleacc.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

class AccButtonEvents final : public EventSink {
public:
    int clicks = 0;
    int menu_pressed = 0;
    std::vector<bool> menu_dropped;

private:
    void OnEvent(DISPID id, WORD, const DISPPARAMS& params) override {
        if (id == DISPID_CLICK) ++clicks;
        if (id == dispid::kEventMenuButtonPressed) ++menu_pressed;
        if (id == dispid::kEventMenuDropped && params.cArgs == 1) menu_dropped.push_back(params.rgvarg[0].boolVal != 0);
    }
};

HWND AccOpenPopup() {
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    return popup != nullptr && ::IsWindowVisible(popup) ? popup : nullptr;
}

// Waits on its own thread for the control's popup to show, then closes it
// with Escape, while the test thread sits in the popup's modal loop.
class AccEscapeWhenPopupShows {
public:
    // `on_open` runs on the driver's thread while the popup is shown.
    explicit AccEscapeWhenPopupShows(std::function<void(HWND)> on_open = {})
        : thread_([this, on_open = std::move(on_open)] {
              for (int waited = 0; waited < 3000 && AccOpenPopup() == nullptr; waited += 10) ::Sleep(10);
              seen = AccOpenPopup() != nullptr;
              ::Sleep(50);
              if (seen && on_open) on_open(AccOpenPopup());
              SendKey(VK_ESCAPE, false);
              SendKey(VK_ESCAPE, true);
              for (int waited = 0; waited < 3000 && AccOpenPopup() != nullptr; waited += 10) ::Sleep(10);
              done = true;
          }) {}
    ~AccEscapeWhenPopupShows() { thread_.join(); }
    void PumpUntilDone() {
        for (int waited = 0; !done && waited < 8000; waited += 20) Pump(20);
        Pump(100);
    }
    std::atomic<bool> seen{false};
    std::atomic<bool> done{false};

private:
    std::thread thread_;
};

class AccessibleControl : public ::testing::Test {
protected:
    void SetUp() override {
        form_.reset(::CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 120,
                                      110, 300, 200, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(form_) << "windowed tests need a display (xvfb-run)";
        site_ = std::make_unique<InPlaceSite>(form_.get());
        ASSERT_TRUE(library_.loaded());
        ASSERT_HRESULT_SUCCEEDED(library_.Create(CLSID_BrixelDemo, IID_IOleObject, object_.put_void()));
        ASSERT_HRESULT_SUCCEEDED(object_->SetClientSite(site_.get()));
        ASSERT_HRESULT_SUCCEEDED(object_.As(&dispatch_));
        ComPtr<IConnectionPointContainer> points;
        ASSERT_HRESULT_SUCCEEDED(object_.As(&points));
        ASSERT_HRESULT_SUCCEEDED(points->FindConnectionPoint(DIID__DBrixelDemoEvents, point_.put()));
        ASSERT_HRESULT_SUCCEEDED(point_->Advise(&events_, &cookie_));
        SetText(dispid::kCaption, L"&Save");
    }
    void TearDown() override {
        if (point_) point_->Unadvise(cookie_);
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
    }

    void Put(DISPID id, VARIANT v) { ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {v})); }
    void SetText(DISPID id, const wchar_t* text) {
        win::UniqueBstr b(text);
        VARIANT v{};
        v.vt = VT_BSTR;
        v.bstrVal = b.get();
        Put(id, v);
    }
    // A split button (menu part: the right 17 pixels) with one item.
    void MakeSplitButton() {
        Put(dispid::kMenu, Bool(true));
        Put(dispid::kMenuButtonWidth, I2(17));
        ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), dispid::kAddMenuItem, DISPATCH_METHOD, {I2(1), I2(-1)}));
        win::UniqueBstr caption(L"Open");
        VARIANT v{};
        v.vt = VT_BSTR;
        v.bstrVal = caption.get();
        ASSERT_HRESULT_SUCCEEDED(
            CallControl(dispatch_.get(), dispid::kMenuItemCaption, DISPATCH_PROPERTYPUT, {I2(1), v}));
        ASSERT_HRESULT_SUCCEEDED(
            CallControl(dispatch_.get(), dispid::kMenuItemShortcut, DISPATCH_PROPERTYPUT, {I2(1), I2(15)}));  // Ctrl+O
    }
    HWND Activate() {
        EXPECT_HRESULT_SUCCEEDED(
            object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, form_.get(), &site_->position));
        ComPtr<IOleInPlaceObject> inplace;
        EXPECT_HRESULT_SUCCEEDED(object_.As(&inplace));
        HWND window = nullptr;
        EXPECT_HRESULT_SUCCEEDED(inplace->GetWindow(&window));
        ::SetForegroundWindow(form_.get());
        ::SetActiveWindow(form_.get());
        Pump(100);
        return window;
    }
    static ComPtr<IAccessible> AccessibleOf(HWND window) {
        ComPtr<IAccessible> object;
        EXPECT_HRESULT_SUCCEEDED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                              IID_IAccessible, object.put_void()));
        return object;
    }
    static LONG Number(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
                       LONG child = CHILDID_SELF) {
        win::UniqueVariant out;
        const HRESULT hr = (object->*get)(I4(child), out.put());
        return SUCCEEDED(hr) && out->vt == VT_I4 ? out->lVal : -1;
    }
    static std::wstring Text(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                             LONG child = CHILDID_SELF) {
        win::UniqueBstr text;
        const HRESULT hr = (object->*get)(I4(child), text.put());
        return SUCCEEDED(hr) && text.get() != nullptr ? std::wstring(text.get()) : L"<none>";
    }

    ComApartment apartment_;
    win::UniqueWindow form_;
    std::unique_ptr<InPlaceSite> site_;
    ControlLibrary library_;
    ComPtr<IOleObject> object_;
    ComPtr<IDispatch> dispatch_;
    ComPtr<IConnectionPoint> point_;
    AccButtonEvents events_;
    DWORD cookie_ = 0;
};

TEST_F(AccessibleControl, PlainButtonReadsAsAPushButton) {
    SetText(dispid::kCaption, L"Fish && &Chips");
    SetText(dispid::kToolTipText, L"Orders dinner");
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ComPtr<IAccessible> acc = AccessibleOf(window);
    ASSERT_TRUE(acc);
    EXPECT_EQ(Number(acc.get(), &IAccessible::get_accRole), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(Text(acc.get(), &IAccessible::get_accName), L"Fish & Chips");
    EXPECT_EQ(Text(acc.get(), &IAccessible::get_accKeyboardShortcut), L"Alt+C");
    EXPECT_EQ(Text(acc.get(), &IAccessible::get_accDescription), L"Orders dinner");
    EXPECT_EQ(Text(acc.get(), &IAccessible::get_accDefaultAction), L"Press");
    const LONG state = Number(acc.get(), &IAccessible::get_accState);
    EXPECT_TRUE(state & STATE_SYSTEM_FOCUSABLE);
    EXPECT_FALSE(state & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_PRESSED | STATE_SYSTEM_HASPOPUP));
    LONG children = -1;
    EXPECT_HRESULT_SUCCEEDED(acc->get_accChildCount(&children));
    EXPECT_EQ(children, 0);

    RECT on_screen{};
    ::GetWindowRect(window, &on_screen);
    LONG x = 0, y = 0, w = 0, h = 0;
    ASSERT_HRESULT_SUCCEEDED(acc->accLocation(&x, &y, &w, &h, I4(CHILDID_SELF)));
    EXPECT_EQ(x, on_screen.left) << "screen coordinates of the whole window";
    EXPECT_EQ(y, on_screen.top);
    EXPECT_EQ(w, on_screen.right - on_screen.left);
    EXPECT_EQ(h, on_screen.bottom - on_screen.top);

    ::SetFocus(window);
    Pump(50);
    EXPECT_TRUE(Number(acc.get(), &IAccessible::get_accState) & STATE_SYSTEM_FOCUSED);
    ComPtr<IOleWindow> ole_window;
    ASSERT_HRESULT_SUCCEEDED(acc.As(&ole_window));
    HWND behind = nullptr;
    EXPECT_HRESULT_SUCCEEDED(ole_window->GetWindow(&behind));
    EXPECT_EQ(behind, window);
}

// The control draws without a window only until it is activated in place
// (the container's draw requests); it is then no object of its own for a
// client: the container's accessible object stands for that area. The
// control's identity never answers for IAccessible, so a client cannot reach
// an object whose IUnknown differs from the control's.
TEST_F(AccessibleControl, WithoutItsWindowTheContainerAnswersForTheControl) {
    ComPtr<IAccessible> from_control;
    EXPECT_EQ(object_.As(&from_control), E_NOINTERFACE);
    ComPtr<IOleInPlaceObject> inplace;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&inplace));
    HWND none = reinterpret_cast<HWND>(1);
    EXPECT_EQ(inplace->GetWindow(&none), E_FAIL);
    EXPECT_EQ(none, nullptr);

    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(object_.As(&from_control), E_NOINTERFACE) << "still only through the window";
    ComPtr<IAccessible> acc = AccessibleOf(window);
    ASSERT_TRUE(acc);
    // Its parent is the window's own frame object, which the container's
    // client object holds: the tree a reader walks stays the system's.
    ComPtr<IDispatch> parent;
    ASSERT_HRESULT_SUCCEEDED(acc->get_accParent(parent.put()));
    ASSERT_TRUE(parent);
    ComPtr<IOleWindow> parent_window;
    ASSERT_HRESULT_SUCCEEDED(parent.As(&parent_window));
    HWND behind = nullptr;
    EXPECT_HRESULT_SUCCEEDED(parent_window->GetWindow(&behind));
    EXPECT_EQ(behind, window);
}

TEST_F(AccessibleControl, DefaultActionClicksOnceAndNeverWhenDisabled) {
    HWND window = Activate();
    ComPtr<IAccessible> acc = AccessibleOf(window);
    ASSERT_TRUE(acc);
    EXPECT_HRESULT_SUCCEEDED(acc->accDoDefaultAction(I4(CHILDID_SELF)));
    EXPECT_EQ(events_.clicks, 0) << "the click runs after the call has returned";
    Pump(100);
    EXPECT_EQ(events_.clicks, 1);

    Put(dispid::kEnabled, Bool(false));
    Pump(50);
    EXPECT_TRUE(Number(acc.get(), &IAccessible::get_accState) & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(Text(acc.get(), &IAccessible::get_accDefaultAction), L"<none>");
    EXPECT_EQ(acc->accDoDefaultAction(I4(CHILDID_SELF)), DISP_E_MEMBERNOTFOUND);
    Pump(100);
    EXPECT_EQ(events_.clicks, 1);
}

TEST_F(AccessibleControl, SplitButtonHasAPushPartAndADropPartThatOpens) {
    MakeSplitButton();
    HWND window = Activate();
    ComPtr<IAccessible> acc = AccessibleOf(window);
    ASSERT_TRUE(acc);
    EXPECT_EQ(Number(acc.get(), &IAccessible::get_accRole), ROLE_SYSTEM_SPLITBUTTON);
    EXPECT_TRUE(Number(acc.get(), &IAccessible::get_accState) & STATE_SYSTEM_HASPOPUP);
    LONG children = -1;
    ASSERT_HRESULT_SUCCEEDED(acc->get_accChildCount(&children));
    ASSERT_EQ(children, 2);
    EXPECT_EQ(Number(acc.get(), &IAccessible::get_accRole, 1), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(Text(acc.get(), &IAccessible::get_accDefaultAction, 1), L"Press");
    EXPECT_EQ(Number(acc.get(), &IAccessible::get_accRole, 2), ROLE_SYSTEM_BUTTONDROPDOWN);
    EXPECT_EQ(Text(acc.get(), &IAccessible::get_accDefaultAction, 2), L"Open");
    VARIANT none{};
    EXPECT_EQ(acc->get_accRole(I4(3), &none), E_INVALIDARG);

    RECT client{};
    ::GetClientRect(window, &client);
    POINT drop_corner{client.right - 17, 0};
    ::ClientToScreen(window, &drop_corner);
    LONG x = 0, y = 0, w = 0, h = 0;
    ASSERT_HRESULT_SUCCEEDED(acc->accLocation(&x, &y, &w, &h, I4(2)));
    EXPECT_EQ(x, drop_corner.x);
    EXPECT_EQ(y, drop_corner.y);
    EXPECT_EQ(w, 17);
    VARIANT hit{};
    ASSERT_EQ(acc->accHitTest(drop_corner.x + 3, drop_corner.y + 3, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, 2);

    // Readers find an owner-drawn entry's text through a signed block at its item data.
    std::wstring entry_text = L"<not read>";
    AccEscapeWhenPopupShows driver([&](HWND popup) {
        const auto menu = reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0));
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        if (menu == nullptr || !::GetMenuItemInfoW(menu, 0, TRUE, &info) || info.dwItemData == 0) return;
        const auto* block = reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
        if (block->dwMSAASignature == MSAA_MENU_SIG) entry_text.assign(block->pszWText, block->cchWText);
    });
    ASSERT_HRESULT_SUCCEEDED(acc->accDoDefaultAction(I4(2)));
    driver.PumpUntilDone();
    EXPECT_TRUE(driver.seen) << "the drop part's action opens the popup";
    EXPECT_EQ(events_.menu_pressed, 1);
    EXPECT_EQ(events_.menu_dropped, (std::vector<bool>{true, false}));
    EXPECT_EQ(events_.clicks, 0);
    EXPECT_EQ(entry_text, L"Open\tCtrl+O");
}

std::atomic<int> g_state_changes_heard{0};
HWND g_state_changes_of = nullptr;

void CALLBACK HearStateChange(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (event == EVENT_OBJECT_STATECHANGE && window == g_state_changes_of && object == OBJID_CLIENT &&
        child == CHILDID_SELF) {
        ++g_state_changes_heard;
    }
}

TEST_F(AccessibleControl, AWinEventTellsThatTheToggleLatched) {
    Put(dispid::kToggleButton, Bool(true));
    HWND window = Activate();
    ComPtr<IAccessible> acc = AccessibleOf(window);
    ASSERT_TRUE(acc);
    g_state_changes_of = window;
    g_state_changes_heard = 0;
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr,
                                           HearStateChange, ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    Pump(50);
    const int before = g_state_changes_heard;
    ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), dispid::kSetToggleState, DISPATCH_METHOD, {Bool(true)}));
    Pump(150);
    ::UnhookWinEvent(hook);
    EXPECT_GT(g_state_changes_heard.load(), before);
    EXPECT_TRUE(Number(acc.get(), &IAccessible::get_accState) & STATE_SYSTEM_PRESSED);
}

TEST_F(AccessibleControl, ObjectOutlivingTheWindowAnswersDisconnected) {
    HWND window = Activate();
    ComPtr<IAccessible> acc = AccessibleOf(window);
    ASSERT_TRUE(acc);
    ComPtr<IOleInPlaceObject> inplace;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&inplace));
    ASSERT_HRESULT_SUCCEEDED(inplace->InPlaceDeactivate());
    BSTR name = nullptr;
    EXPECT_EQ(acc->get_accName(I4(CHILDID_SELF), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accDoDefaultAction(I4(CHILDID_SELF)), CO_E_OBJNOTCONNECTED);
}

// F4 and Alt+Down reach the drop part from the keyboard; Escape hands the
// focus back; Space stays the push part's key.
TEST_F(AccessibleControl, KeysOpenTheMenuPartAndSpaceStillClicks) {
    MakeSplitButton();
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ::SetFocus(window);
    Pump(50);
    struct Row {
        const char* name;
        std::vector<WORD> held;
        WORD key;
    };
    const Row rows[] = {{"F4", {}, VK_F4}, {"AltDown", {VK_MENU}, VK_DOWN}};
    int opened = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AccEscapeWhenPopupShows driver;
        for (WORD k : row.held) SendKey(k, false);
        SendKey(row.key, false);
        SendKey(row.key, true);
        for (WORD k : row.held) SendKey(k, true);
        driver.PumpUntilDone();
        EXPECT_TRUE(driver.seen) << "the menu opens";
        EXPECT_EQ(events_.menu_pressed, ++opened);
        EXPECT_EQ(::GetFocus(), window) << "Escape leaves the focus on the button";
    }
    EXPECT_EQ(events_.clicks, 0);
    SendKey(VK_SPACE, false);
    Pump(30);
    SendKey(VK_SPACE, true);
    Pump(100);
    EXPECT_EQ(events_.clicks, 1);
    EXPECT_EQ(events_.menu_pressed, opened) << "Space does not open the menu";
}

}  // namespace
}  // namespace brixel::testing
