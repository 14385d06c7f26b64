#include "activex/control_window.h"

#include "activex/menu_hook.h"
#include "activex/module.h"
#include "core/enums.h"
#include "activex/ole_values.h"
#include "core/dispids.h"
#include "activex/resource_ids.h"
#include "activex/shell_hyperlinks.h"
#include "activex/window_dpi.h"
#include "core/hyperlink.h"
#include "menu/popup_layout.h"

#include <olectl.h>
#include <windowsx.h>

#include <optional>

namespace brixel::activex {
namespace {

constexpr wchar_t kWindowClass[] = L"BrixelDemoButton";

std::int16_t HeldButtons(WPARAM wparam) {
    std::int16_t held = 0;
    if (wparam & MK_LBUTTON) held |= kButtonLeft;
    if (wparam & MK_RBUTTON) held |= kButtonRight;
    if (wparam & MK_MBUTTON) held |= kButtonMiddle;
    return held;
}

Point PointOf(LPARAM lparam) { return Point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

bool RegisterWindowClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window below
    wc.hInstance = ModuleHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

std::int16_t ShiftState() {
    std::int16_t shift = 0;
    if (::GetKeyState(VK_SHIFT) < 0) shift |= kShiftKey;
    if (::GetKeyState(VK_CONTROL) < 0) shift |= kCtrlKey;
    if (::GetKeyState(VK_MENU) < 0) shift |= kAltKey;
    return shift;
}

ControlWindow::~ControlWindow() { Destroy(); }

bool ControlWindow::Create(HWND parent, const RECT& position) noexcept {
    if (window_) return true;
    if (!RegisterWindowClass()) return false;
    window_.reset(::CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
                                    position.left, position.top, position.right - position.left,
                                    position.bottom - position.top, parent, nullptr, ModuleHandle(), nullptr));
    if (!window_) return false;
    const HWND window = window_.get();
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindow::Proc));
    owner_.Host().SetWindow(window);
    accessible_.Attach(window);
    MenuHook::WindowCreated();
    counted_in_hook_ = true;
    owner_.Instance().RegisterShortcuts(ProcessShortcutRegistry(), reinterpret_cast<WindowHandle>(window));
    const ButtonProperties& p = owner_.Instance().Props();
    if (!p.Enabled || !p.Active) ::EnableWindow(window, FALSE);
    tooltip_.Create(window, ToWide(p.ToolTipText));
    return true;
}

// The hook asks about whatever window is under the pointer, which may belong
// to another thread or process (a second browser hosting the control): its
// user data is no address of ours. Only this library's windows of this
// thread are read.
ControlWindow* ControlWindow::FromHandle(HWND window) noexcept {
    if (!IsControlClass(window) || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId() ||
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE)) != ModuleHandle()) {
        return nullptr;
    }
    auto* self = reinterpret_cast<ControlWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr && self->hwnd() == window ? self : nullptr;
}

bool ControlWindow::AutoDropArmed() const noexcept {
    const ButtonProperties& p = owner_.Instance().Props();
    return p.Menu && p.MenuAutoDrop;
}

bool ControlWindow::IsControlClass(HWND window) noexcept {
    wchar_t name[32] = {};
    return window != nullptr && ::GetClassNameW(window, name, 32) > 0 && std::wstring_view(name) == kWindowClass;
}

void ControlWindow::RelayToTooltip(Point p) noexcept {
    tooltip_.Relay(MSG{hwnd(), message_, wparam_, MAKELPARAM(p.x, p.y), static_cast<DWORD>(::GetMessageTime()), {}});
}

// The cursor of MousePointer while the control is active; 99 is MouseIcon's
// picture, or no cursor at all when it holds none.
bool ControlWindow::OnSetCursor(LPARAM lparam) {
    const ButtonProperties& p = owner_.Instance().Props();
    if (LOWORD(lparam) != HTCLIENT || !p.Active) return false;
    static const struct {
        SystemCursor cursor;
        LPCWSTR id;
    } kSystem[] = {
        {SystemCursor::Arrow, IDC_ARROW},       {SystemCursor::Cross, IDC_CROSS},
        {SystemCursor::IBeam, IDC_IBEAM},       {SystemCursor::SizeAll, IDC_SIZEALL},
        {SystemCursor::SizeNESW, IDC_SIZENESW}, {SystemCursor::SizeNS, IDC_SIZENS},
        {SystemCursor::SizeNWSE, IDC_SIZENWSE}, {SystemCursor::SizeWE, IDC_SIZEWE},
        {SystemCursor::UpArrow, IDC_UPARROW},   {SystemCursor::Wait, IDC_WAIT},
        {SystemCursor::No, IDC_NO},             {SystemCursor::AppStarting, IDC_APPSTARTING},
        {SystemCursor::Help, IDC_HELP},
    };
    const SystemCursor wanted = CursorForMousePointer(p.MousePointer);
    if (wanted == SystemCursor::None) return false;
    if (wanted == SystemCursor::Custom) {
        HCURSOR icon = nullptr;
        if (const auto* picture = dynamic_cast<const OlePicture*>(p.MouseIcon.get()); picture && picture->HasImage()) {
            win::ComPtr<IPicture> pic;
            OLE_HANDLE handle = 0;
            if (SUCCEEDED(win::ComPtr<IPictureDisp>(picture->get()).As(&pic)) && SUCCEEDED(pic->get_Handle(&handle))) {
                icon = reinterpret_cast<HCURSOR>(static_cast<UINT_PTR>(handle));
            }
        }
        ::SetCursor(icon);
        return true;
    }
    for (const auto& entry : kSystem) {
        if (entry.cursor == wanted) {
            ::SetCursor(::LoadCursorW(nullptr, entry.id));
            return true;
        }
    }
    return false;
}

// The menu tree stays with the control: a container that deactivates and
// reactivates it (a new window) must still find and save the whole menu.
void ControlWindow::Destroy() noexcept {
    tooltip_.Destroy();
    if (!window_) return;
    // Handlers running during destruction see a dead window; the window
    // itself goes when this owner leaves the scope, after the clean-up below.
    const win::UniqueWindow window(std::move(window_));
    const HWND raw = window.get();
    owner_.Host().SetWindow(nullptr);
    accessible_.Detach();
    owner_.Instance().UnregisterShortcuts();
    if (counted_in_hook_) MenuHook::WindowDestroyed();
    counted_in_hook_ = false;
    menu_.WindowDestroyed();
    ::SetWindowLongPtrW(raw, GWLP_USERDATA, 0);
}

LRESULT CALLBACK ControlWindow::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<ControlWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->hwnd() != hwnd) return ::DefWindowProcW(hwnd, message, wparam, lparam);
    // User code runs inside our events and may release the control: keep it
    // alive until this message is handled.
    win::ComPtr<IUnknown> keep_alive(self->owner_.Identity());
    const UINT saved_message = self->message_;
    const WPARAM saved_wparam = self->wparam_;
    const LPARAM saved_lparam = self->lparam_;
    self->message_ = message;
    self->wparam_ = wparam;
    self->lparam_ = lparam;
    const bool user_action = message == WM_LBUTTONUP || message == WM_KEYDOWN || message == WM_KEYUP ||
                             message == WM_CHAR || message == WM_SYSKEYDOWN || message == kUmShortcutInvoke ||
                             message == kUmAccessibleAction;
    std::optional<UserActionScope> action;
    if (user_action) action.emplace(self->owner_.Host());
    const LRESULT result = self->Dispatch(message, wparam, lparam);
    action.reset();
    self->message_ = saved_message;
    self->wparam_ = saved_wparam;
    self->lparam_ = saved_lparam;
    return result;
}

LRESULT ControlWindow::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
    const std::int16_t shift = ShiftState();
    ButtonInstance& button = owner_.Instance();
    const Point p = PointOf(lparam);
    switch (message) {
        case WM_PAINT: OnPaint(); return 0;
        case WM_ERASEBKGND: return 1;  // the whole face is painted at once
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
        case WM_DISPLAYCHANGE:
            owner_.Host().DesktopSettingsChanged();
            return ::DefWindowProcW(hwnd(), message, wparam, lparam);
        // A top-level window hears WM_DPICHANGED; a child such as ours hears
        // that its parent moved to a monitor of another resolution.
        case win::kWmDpiChanged:
        case win::kWmDpiChangedAfterParent:
            owner_.ResolutionChanged();
            Redraw(false);
            return ::DefWindowProcW(hwnd(), message, wparam, lparam);
        case WM_LBUTTONDOWN: button.LeftButtonDown(Frame(), p, shift); return 0;
        case WM_LBUTTONUP: button.LeftButtonUp(Frame(), p, shift); return 0;
        case WM_LBUTTONDBLCLK: button.LeftDoubleClick(Frame(), p, shift); return 0;
        case WM_RBUTTONDOWN: button.OtherButtonDown(Frame(), MouseButton::Right, p, shift); return 0;
        case WM_RBUTTONUP: button.OtherButtonUp(Frame(), MouseButton::Right, p, shift); return 0;
        case WM_MBUTTONDOWN: button.OtherButtonDown(Frame(), MouseButton::Middle, p, shift); return 0;
        case WM_MBUTTONUP: button.OtherButtonUp(Frame(), MouseButton::Middle, p, shift); return 0;
        case WM_RBUTTONDBLCLK: button.OtherDoubleClick(Frame(), MouseButton::Right); return 0;
        case WM_MBUTTONDBLCLK: button.OtherDoubleClick(Frame(), MouseButton::Middle); return 0;
        case WM_MOUSEMOVE: button.MouseMove(Frame(), p, HeldButtons(wparam), shift); return 0;
        case WM_TIMER: button.Timer(Frame(), static_cast<int>(wparam)); return 0;
        case WM_SETFOCUS:
            owner_.Host().SetWindowFocused(true);
            button.FocusGained(Frame());
            accessible_.FocusGained();
            return 0;
        case WM_KILLFOCUS:
            owner_.Host().SetWindowFocused(false);
            button.FocusLost(Frame());
            accessible_.Changed();
            return 0;
        case WM_GETOBJECT:
            if (const auto answer = accessible_.OnGetObject(wparam, lparam)) return *answer;
            return ::DefWindowProcW(hwnd(), message, wparam, lparam);
        case kUmAccessibleAction: OnAccessibleAction(wparam); return 0;
        case WM_GETDLGCODE: return DLGC_BUTTON | DLGC_WANTCHARS;
        case WM_MEASUREITEM:
            if (wparam == 0 && menu_.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam))) return TRUE;
            return ::DefWindowProcW(hwnd(), message, wparam, lparam);
        case WM_DRAWITEM:
            if (wparam == 0 && menu_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return TRUE;
            return ::DefWindowProcW(hwnd(), message, wparam, lparam);
        case WM_INITMENUPOPUP: return 0;  // no update pass may change an entry
        case WM_ENTERMENULOOP: menu_.OnMenuLoop(true); return 0;
        case WM_EXITMENULOOP: menu_.OnMenuLoop(false); return 0;
        case kUmAutoDropProbe: menu_.OnAutoDropProbe(lparam); return 0;
        case kUmAutoDropNow: menu_.OnAutoDropNow(); return 0;
        case kUmShortcutInvoke: menu_.OnShortcutInvoke(wparam, lparam); return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(lparam)) return TRUE;
            return ::DefWindowProcW(hwnd(), message, wparam, lparam);
        case WM_SYSKEYDOWN:
            // Alt+Down is the one system key a menu button takes (the
            // behaviour decides whether it opens the menu); other buttons
            // leave system keys to the system, as they always have.
            if (wparam != VK_DOWN || !button.Props().Menu) return ::DefWindowProcW(hwnd(), message, wparam, lparam);
            [[fallthrough]];
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            if (OnKey(message, wparam, lparam)) return ::DefWindowProcW(hwnd(), message, wparam, lparam);
            return 0;
        default: return ::DefWindowProcW(hwnd(), message, wparam, lparam);
    }
}

bool ControlWindow::OnKey(UINT message, WPARAM wparam, LPARAM lparam) {
    ButtonInstance& button = owner_.Instance();
    const auto key = static_cast<std::int16_t>(wparam);
    if (message == WM_CHAR) {
        button.Character(Frame(), key);
        return false;
    }
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        button.KeyDown(Frame(), key, (lparam & (1 << 30)) != 0, ShiftState());
    } else {
        button.KeyUp(Frame(), key, ShiftState());
    }
    return button.KeyDefaultRuns();
}

WindowFrame ControlWindow::Frame() const noexcept {
    if (hwnd() == nullptr || !::IsWindow(hwnd())) return WindowFrame{};
    WindowFrame f;
    f.window = reinterpret_cast<WindowId>(hwnd());
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    f.client = Rect{client.left, client.top, client.right, client.bottom};
    f.capture = reinterpret_cast<WindowId>(::GetCapture());
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(hwnd(), &cursor);
    f.cursor = Point{cursor.x, cursor.y};
    f.window_enabled = ::IsWindowEnabled(hwnd()) != FALSE;
    f.window_visible = (::GetWindowLongW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    return f;
}

void ControlWindow::Redraw(bool after_click) noexcept {
    if (hwnd() == nullptr) return;
    win::WindowDc dc(hwnd());
    if (dc) Paint(dc.get(), after_click);
    // Every change of state is followed by a redraw: listeners hear of it here.
    accessible_.Changed();
}

void ControlWindow::OnAccessibleAction(WPARAM part) {
    if (part == static_cast<WPARAM>(AccessiblePart::DropPart)) {
        menu_.DropMenuMethod();
    } else {
        owner_.Instance().PerformClickActions(Frame());
    }
}

void ControlWindow::DefaultProcessing() noexcept {
    if (hwnd() != nullptr) ::DefWindowProcW(hwnd(), message_, wparam_, lparam_);
}

void ControlWindow::SendButtonUp(MouseButton button, Point p) noexcept {
    const UINT message = button == MouseButton::Left    ? WM_LBUTTONUP
                         : button == MouseButton::Right ? WM_RBUTTONUP
                                                        : WM_MBUTTONUP;
    ::SendMessageW(hwnd(), message, 0, MAKELPARAM(p.x, p.y));
}

void ControlWindow::SendSpaceKeyUp() noexcept { ::SendMessageW(hwnd(), WM_KEYUP, VK_SPACE, 0xC0000001); }

void ControlWindow::OpenButtonHyperlink() {
    const ControlInstanceHost& host = owner_.Host();
    if (host.Untrusted() && !host.InUserAction()) return;  // a script's own PerformHyperlink
    ShellHyperlinks platform(hwnd());
    OpenHyperlink(platform, owner_.Instance().Props().HyperlinkAddress, host.LinkTrust());
}

void ControlWindow::OnPaint() {
    win::PaintScope paint(hwnd());
    Paint(paint.dc(), false);
}

// The face itself is the control's: a draw request from the container paints
// the same face without a window.
void ControlWindow::Paint(HDC dc, bool after_click) {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    const FocusOutcome focus = owner_.PaintFace(dc, client, after_click, owner_.Host().WindowFocused());
    if (focus == FocusOutcome::InvalidateContainer) {
        RECT in_parent = client;
        ::MapWindowPoints(hwnd(), ::GetParent(hwnd()), reinterpret_cast<POINT*>(&in_parent), 2);
        ::InvalidateRect(::GetParent(hwnd()), &in_parent, FALSE);
    }
}

}  // namespace brixel::activex
