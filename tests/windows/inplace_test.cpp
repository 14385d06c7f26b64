// The control in a real window under a real display: activation, input from
// the system's input queue, events, and what the screen shows.
#include "dispatch_call.h"
#include "import_patch.h"
#include "inplace_control_test.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <olectl.h>

#include <string>
#include <vector>

namespace brixel::testing {
namespace {

using win::ComPtr;

class EventLog final : public RecordingSink {
public:
    short down_button = 0;
    long down_x = -1, down_y = -1;
    short key_down_shift = -1;

private:
    bool Wanted(DISPID id) const override { return id != DISPID_MOUSEMOVE; }  // too many to list
    void Seen(DISPID id, const DISPPARAMS& params) override {
        if (id == DISPID_KEYDOWN && params.cArgs == 2) key_down_shift = params.rgvarg[0].iVal;
        if (id == DISPID_MOUSEDOWN && params.cArgs == 4) {
            down_button = params.rgvarg[3].iVal;
            down_x = params.rgvarg[1].lVal;
            down_y = params.rgvarg[0].lVal;
        }
    }
};

// The container's extended control, answering only "ToolTipText".
class ExtendedControl final : public DispatchStub {
public:
    explicit ExtendedControl(const wchar_t* tip) : tip_(tip) {}
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        if (::lstrcmpiW(names[0], L"ToolTipText") != 0) return DISP_E_UNKNOWNNAME;
        ids[0] = 7;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if (id != 7 || result == nullptr) return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_BSTR;
        result->bstrVal = ::SysAllocString(tip_);
        return S_OK;
    }

private:
    const wchar_t* tip_;
};

class InPlace : public InPlaceControlWithEvents<EventLog> {
protected:
    void PutColour(DISPID id, COLORREF colour) {
        ASSERT_HRESULT_SUCCEEDED(
            CallControl(dispatch_.get(), id, DISPATCH_PROPERTYPUT, {I4(static_cast<LONG>(colour))}));
    }

    HRESULT Call(DISPID id, WORD flags, VARIANT* arg = nullptr, VARIANT* result = nullptr) {
        std::vector<VARIANT> args;
        if (arg != nullptr) args.push_back(*arg);
        return CallControl(dispatch_.get(), id, flags, std::move(args), result);
    }
    bool ToggleState() {
        win::UniqueVariant state;
        EXPECT_HRESULT_SUCCEEDED(Call(114, DISPATCH_METHOD, nullptr, state.put()));  // GetToggleState
        return state->vt == VT_BOOL && state->boolVal != VARIANT_FALSE;
    }

    int Count(DISPID id) const { return events_.Count(id); }
};

TEST_F(InPlace, ActivatesIntoAChildWindowAndDeactivates) {
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(::GetParent(window), host_.get());
    EXPECT_TRUE(::IsWindowVisible(window));
    RECT r{};
    ::GetClientRect(window, &r);
    EXPECT_EQ(r.right, 87);
    EXPECT_EQ(r.bottom, 25);
    EXPECT_EQ(site_->in_place_activations, 1);

    ComPtr<IOleInPlaceObject> inplace;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&inplace));
    ASSERT_HRESULT_SUCCEEDED(inplace->InPlaceDeactivate());
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(site_->in_place_deactivations, 1);
}

// The flat face shows its back colour right up to the one-pixel border.
void PutFlat(IDispatch* control) {
    constexpr DISPID kAppearance = 18;
    ASSERT_HRESULT_SUCCEEDED(CallControl(control, kAppearance, DISPATCH_PROPERTYPUT, {I2(0)}));
}

TEST_F(InPlace, ScreenShowsTheBackColour) {
    ::SetCursorPos(1000, 900);  // a pointer left over the button would show the mouse-in look
    PutFlat(dispatch_.get());
    PutColour(DISPID_BACKCOLOR, RGB(200, 30, 40));
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(50);
    POINT corner{4, 4};
    ::ClientToScreen(window, &corner);
    win::WindowDc screen(nullptr);
    EXPECT_EQ(::GetPixel(screen.get(), corner.x, corner.y), RGB(200, 30, 40));
}

TEST_F(InPlace, RealMouseClickFiresDownUpAndClick) {
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    POINT centre{43, 12};
    ::ClientToScreen(window, &centre);
    ::SetCursorPos(centre.x, centre.y);
    Pump(100);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pump(100);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(150);

    ASSERT_EQ(Count(DISPID_CLICK), 1);
    std::vector<DISPID> order;
    for (DISPID e : events_.events) {
        if (e == DISPID_MOUSEDOWN || e == DISPID_MOUSEUP || e == DISPID_CLICK || e == 1) order.push_back(e);
    }
    EXPECT_EQ(order, (std::vector<DISPID>{1, DISPID_MOUSEDOWN, DISPID_MOUSEUP, DISPID_CLICK}));
    EXPECT_EQ(events_.down_button, 1);
    EXPECT_EQ(events_.down_x, 43);
    EXPECT_EQ(events_.down_y, 12);
    EXPECT_EQ(::GetFocus(), window) << "a press takes the focus";
    EXPECT_EQ(::GetCapture(), nullptr) << "the release gives the capture back";
}

TEST_F(InPlace, SpaceOnTheFocusedButtonClicks) {
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ::SetFocus(window);
    Pump(50);
    SendKey(VK_SPACE, false);
    Pump(60);
    EXPECT_EQ(Count(DISPID_CLICK), 0) << "the click comes when Space is released";
    SendKey(VK_SPACE, true);
    Pump(100);
    EXPECT_EQ(Count(DISPID_CLICK), 1);
    EXPECT_GE(Count(DISPID_KEYDOWN), 1);
    EXPECT_GE(Count(DISPID_KEYUP), 1);
}

TEST_F(InPlace, HoldingTheButtonRepeats) {
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    POINT centre{43, 12};
    ::ClientToScreen(window, &centre);
    ::SetCursorPos(centre.x, centre.y);
    Pump(60);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pump(700);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(60);
    // 250 ms to the first repeat and one per 50 ms after: about nine in 700 ms;
    // timers under load may run late, never early.
    EXPECT_GE(Count(4), 3);
    EXPECT_LE(Count(4), 10);
}

TEST_F(InPlace, AltWithTheMnemonicClicks) {
    const win::UniqueBstr caption(L"&Save");
    ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), DISPID_CAPTION, DISPATCH_PROPERTYPUT, {Text(caption)}));
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ComPtr<IOleInPlaceActiveObject> active;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&active));
    MSG other{window, WM_SYSKEYDOWN, 'X', 0, 0, {}};
    EXPECT_EQ(active->TranslateAccelerator(&other), S_FALSE);
    MSG mnemonic{window, WM_SYSKEYDOWN, 'S', 0, 0, {}};
    EXPECT_EQ(active->TranslateAccelerator(&mnemonic), S_OK) << "the mnemonic is consumed";
    EXPECT_EQ(Count(DISPID_CLICK), 1);
    MSG tab{window, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(active->TranslateAccelerator(&tab), S_FALSE) << "Tab goes on to the container";
    EXPECT_EQ(Count(DISPID_KEYDOWN), 1) << "after the control's KeyDown saw it";
}

// Forms hand the handle to SendMessage and SetWindowPos.
TEST_F(InPlace, HWndIsTheWindowWhileItExists) {
    const auto read_hwnd = [this] {
        win::UniqueVariant value;
        EXPECT_HRESULT_SUCCEEDED(Call(DISPID_HWND, DISPATCH_PROPERTYGET, nullptr, value.put()));
        EXPECT_EQ(value->vt, VT_I4);
        return value->lVal;
    };
    EXPECT_EQ(read_hwnd(), 0) << "before activation there is no window";
    const HWND window = Activate();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(read_hwnd(), HandleToLong(window));
    EXPECT_EQ(reinterpret_cast<HWND>(static_cast<LONG_PTR>(read_hwnd())), window) << "the handle survives the trip";
    ComPtr<IOleInPlaceObject> inplace;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&inplace));
    ASSERT_HRESULT_SUCCEEDED(inplace->InPlaceDeactivate());
    EXPECT_EQ(read_hwnd(), 0) << "after deactivation";
}

// VB-style forms pre-translate Tab and the arrows; KeyDown still sees the
// modifiers the user holds.
TEST_F(InPlace, PreTranslatedKeysReportTheHeldModifiers) {
    const HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ::SetFocus(window);
    ComPtr<IOleInPlaceActiveObject> active;
    ASSERT_HRESULT_SUCCEEDED(object_.As(&active));
    SendKey(VK_SHIFT, false);
    Pump(60);
    events_.key_down_shift = -1;  // the Shift key's own KeyDown went by
    MSG tab{window, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    active->TranslateAccelerator(&tab);
    SendKey(VK_SHIFT, true);
    Pump(60);
    EXPECT_EQ(events_.key_down_shift, 1) << "Shift+Tab";
    events_.key_down_shift = -1;
    MSG right{window, WM_KEYDOWN, VK_RIGHT, 0, 0, {}};
    active->TranslateAccelerator(&right);
    EXPECT_EQ(events_.key_down_shift, 0) << "the arrow alone";
}

// What the control last asked the system's sound player for.
struct SoundRequest {
    LPCWSTR sound = nullptr;
    HMODULE module = nullptr;
    DWORD flags = 0;
    int calls = 0;
} g_sound_request;

BOOL WINAPI RecordPlaySound(LPCWSTR sound, HMODULE module, DWORD flags) {
    g_sound_request = {sound, module, flags, g_sound_request.calls + 1};
    return TRUE;
}

// Values 1 and 2 are the built-in sounds; another number has no sound of
// ours, and the system's player is asked for it all the same, so that it
// plays its default sound.
TEST_F(InPlace, BuiltInSoundNumbersReachThePlayer) {
    ImportPatch player(library_.get(), "winmm.dll", "PlaySoundW", reinterpret_cast<void*>(&RecordPlaySound));
    ASSERT_TRUE(player.active()) << "the control plays through winmm's PlaySoundW";
    const HWND window = Activate();
    ASSERT_NE(window, nullptr);
    for (const short value : {1, 5}) {
        SCOPED_TRACE(value);
        VARIANT sound = I2(value);
        ASSERT_HRESULT_SUCCEEDED(Call(13, DISPATCH_PROPERTYPUT, &sound));  // ClickSound
        g_sound_request = {};
        ASSERT_HRESULT_SUCCEEDED(Call(116, DISPATCH_METHOD));  // PerformClick
        ASSERT_EQ(g_sound_request.calls, 1);
        EXPECT_NE(g_sound_request.flags & SND_ASYNC, 0u);
        if (value == 1) {
            EXPECT_NE(g_sound_request.flags & SND_MEMORY, 0u) << "our own wave, copied";
        } else {
            EXPECT_EQ(g_sound_request.flags & SND_RESOURCE, static_cast<DWORD>(SND_RESOURCE));
            EXPECT_EQ(g_sound_request.flags & SND_NODEFAULT, 0u) << "the default sound may play";
            EXPECT_EQ(g_sound_request.sound, MAKEINTRESOURCEW(105));
            EXPECT_EQ(g_sound_request.module, library_.get());
        }
    }
    EXPECT_EQ(Count(DISPID_CLICK), 2);
}

struct CursorCase {
    short pointer;
    LPCWSTR expected;  // nullptr: no cursor at all
};

TEST_F(InPlace, MousePointerChoosesTheCursor) {
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    const CursorCase cases[] = {{2, IDC_CROSS}, {5, IDC_SIZEALL}, {4, IDC_ARROW}, {11, IDC_WAIT}, {99, nullptr}};
    for (const CursorCase& c : cases) {
        VARIANT v{};
        v.vt = VT_I2;
        v.iVal = c.pointer;
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&v, &named, 1, 1};
        ASSERT_HRESULT_SUCCEEDED(dispatch_->Invoke(11, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                                                   nullptr));
        ::SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        const HCURSOR expected = c.expected ? ::LoadCursorW(nullptr, c.expected) : nullptr;
        EXPECT_EQ(::GetCursor(), expected) << "MousePointer " << c.pointer;
    }
}

struct TooltipSearch {
    HWND owner;
    HWND found = nullptr;
};

// A named callback, not a lambda: the x86 build needs the stdcall convention.
BOOL CALLBACK FindTooltipOf(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TooltipSearch*>(param);
    wchar_t cls[64] = {};
    ::GetClassNameW(window, cls, 64);
    if (::GetWindow(window, GW_OWNER) == search->owner && std::wstring(cls) == L"tooltips_class32") {
        search->found = window;
    }
    return TRUE;
}

TEST_F(InPlace, ToolTipTextReachesTheTooltip) {
    const win::UniqueBstr text(L"Saves the file");
    HWND window = Activate();
    ASSERT_NE(window, nullptr);
    ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), 7, DISPATCH_PROPERTYPUT, {Text(text)}));  // ToolTipText
    TooltipSearch search{::GetAncestor(window, GA_ROOT)};  // a popup is owned by the top-level window
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindTooltipOf, reinterpret_cast<LPARAM>(&search));
    ASSERT_NE(search.found, nullptr) << "the control creates a tooltip window";
    EXPECT_EQ(::SendMessageW(search.found, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t shown[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = shown;
    ::SendMessageW(search.found, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(shown, L"Saves the file");
}

TEST_F(InPlace, ToggleStateMethodsLatchTheWindowedButton) {
    VARIANT on{};
    on.vt = VT_BOOL;
    on.boolVal = VARIANT_TRUE;
    ASSERT_HRESULT_SUCCEEDED(Call(20, DISPATCH_PROPERTYPUT, &on));  // ToggleButton
    EXPECT_FALSE(ToggleState()) << "no window, nothing latched";
    const HWND window = Activate();
    ASSERT_NE(window, nullptr);

    ASSERT_HRESULT_SUCCEEDED(Call(113, DISPATCH_METHOD, &on));  // SetToggleState(True)
    Pump(50);
    EXPECT_TRUE(ToggleState());
    EXPECT_EQ(Count(3), 1) << "ButtonToggled fired once";
    EXPECT_EQ(::GetFocus(), window) << "setting the state takes the focus";
    ASSERT_HRESULT_SUCCEEDED(Call(113, DISPATCH_METHOD, &on));
    EXPECT_EQ(Count(3), 1) << "the same state again fires nothing";

    // A click from code flips the latch back, as the user's click would.
    ASSERT_HRESULT_SUCCEEDED(Call(118, DISPATCH_METHOD));  // PerformClickActions
    Pump(50);
    EXPECT_FALSE(ToggleState());
    EXPECT_EQ(Count(3), 2);
    EXPECT_EQ(Count(DISPID_CLICK), 1);
    EXPECT_HRESULT_SUCCEEDED(Call(DISPID_REFRESH, DISPATCH_METHOD));
}

TEST_F(InPlace, PressingHidesTheContainersOwnTooltip) {
    WNDCLASSW bubble_class{};
    bubble_class.lpfnWndProc = ::DefWindowProcW;
    bubble_class.lpszClassName = L"VBBubble";
    ::RegisterClassW(&bubble_class);
    win::UniqueWindow bubble(::CreateWindowExW(WS_EX_TOPMOST, L"VBBubble", L"", WS_POPUP | WS_VISIBLE, 600, 600, 80,
                                               20, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(bubble);
    ExtendedControl extended(L"Prints the page");
    site_->extended_control = &extended;
    const HWND window = Activate();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(::IsWindowVisible(bubble.get()));

    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(::IsWindowVisible(bubble.get())) << "the container's tooltip is hidden on the press";
    site_->extended_control = nullptr;
}

COLORREF ScreenPixel(HWND window, POINT p) {
    ::ClientToScreen(window, &p);
    win::WindowDc screen(nullptr);
    return ::GetPixel(screen.get(), p.x, p.y);
}

TEST_F(InPlace, TranslucentButtonShowsTheContainerBehindIt) {
    PutFlat(dispatch_.get());
    PutColour(DISPID_BACKCOLOR, RGB(200, 30, 40));
    const POINT inside{site_->position.left + 30, site_->position.top + 12};
    ::RedrawWindow(host_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(50);
    const COLORREF container = ScreenPixel(host_.get(), inside);
    ASSERT_NE(container, RGB(200, 30, 40));

    VARIANT all{};
    all.vt = VT_I2;
    all.iVal = 1;  // kvnAll
    ASSERT_HRESULT_SUCCEEDED(Call(28, DISPATCH_PROPERTYPUT, &all));  // TranslucentStyle
    VARIANT level{};
    level.vt = VT_I2;
    level.iVal = 0;  // nothing of the button, only what is behind it
    ASSERT_HRESULT_SUCCEEDED(Call(29, DISPATCH_PROPERTYPUT, &level));
    const HWND window = Activate();
    ASSERT_NE(window, nullptr);
    EXPECT_NE(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(50);
    EXPECT_EQ(ScreenPixel(host_.get(), inside), container);

    // Switched off at run time: the window style goes and the face is opaque.
    VARIANT none{};
    none.vt = VT_I2;
    none.iVal = 0;
    ASSERT_HRESULT_SUCCEEDED(Call(28, DISPATCH_PROPERTYPUT, &none));
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(50);
    EXPECT_EQ(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
    EXPECT_EQ(ScreenPixel(host_.get(), inside), RGB(200, 30, 40));

    // On again after the face was shown: the copy is still the container's.
    ASSERT_HRESULT_SUCCEEDED(Call(28, DISPATCH_PROPERTYPUT, &all));
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(50);
    EXPECT_EQ(ScreenPixel(host_.get(), inside), container);
}

TEST_F(InPlace, RoundedCornersShapeTheWindowAndFollowTheProperty) {
    PutFlat(dispatch_.get());
    constexpr DISPID kCornerStyle = 81;
    const win::UniqueBstr rounded(L"1;1;1;1");
    ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), kCornerStyle, DISPATCH_PROPERTYPUT, {Text(rounded)}));
    const HWND window = Activate();
    ASSERT_NE(window, nullptr);
    win::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(window, region.get()), ERROR) << "the window has a region";
    EXPECT_FALSE(::PtInRegion(region.get(), 0, 0)) << "the corner is cut away";
    EXPECT_TRUE(::PtInRegion(region.get(), 40, 12));

    // Square again: the whole rectangle, corners included.
    const win::UniqueBstr square(L"0;0;0;0");
    ASSERT_HRESULT_SUCCEEDED(CallControl(dispatch_.get(), kCornerStyle, DISPATCH_PROPERTYPUT, {Text(square)}));
    win::UniqueRegion after(::CreateRectRgn(0, 0, 0, 0));
    const int kind = ::GetWindowRgn(window, after.get());
    EXPECT_TRUE(kind == ERROR || ::PtInRegion(after.get(), 0, 0));
}

}  // namespace
}  // namespace brixel::testing
