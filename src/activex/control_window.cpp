#include "activex/control_window.h"

#include "activex/control.h"
#include "activex/menu_hook.h"
#include "activex/module.h"
#include "core/enums.h"
#include "activex/ole_values.h"
#include "activex/sound_player.h"
#include "core/click_sounds.h"
#include "core/dispids.h"
#include "core/hyperlink.h"
#include "core/sound_file.h"
#include "gdi/gdi_canvas.h"
#include "menu/popup_layout.h"
#include "render/draw_button.h"

#include <commctrl.h>
#include <olectl.h>
#include <shellapi.h>
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

// The shell first, then the registered HTML handler, with wide strings all
// the way so no character of the address can turn into a quote.
class Win32Hyperlinks final : public HyperlinkPlatform {
public:
    explicit Win32Hyperlinks(HWND owner) : owner_(owner) {}
    bool ShellOpen(std::u16string_view target) override {
        const std::wstring wide = ToWide(target);
        const auto result = reinterpret_cast<INT_PTR>(
            ::ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32;
    }
    std::optional<std::u16string> HtmlHandlerCommand() override {
        wchar_t cls[261] = {};
        DWORD bytes = sizeof(cls) - sizeof(wchar_t);
        if (::RegGetValueW(HKEY_CLASSES_ROOT, L".htm", nullptr, RRF_RT_REG_SZ, nullptr, cls, &bytes) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        const std::wstring key = std::wstring(cls) + L"\\shell\\open\\command";
        wchar_t command[261] = {};
        bytes = sizeof(command) - sizeof(wchar_t);
        if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, command,
                           &bytes) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return ToU16(command);
    }
    bool StartCommand(std::u16string_view command_line) override {
        std::wstring line = ToWide(command_line);
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION pi{};
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            return false;
        }
        const win::UniqueKernelHandle thread(pi.hThread);
        const win::UniqueKernelHandle process(pi.hProcess);
        return true;
    }
    void ShowFailure(std::u16string_view message) override {
        ::MessageBoxW(owner_, ToWide(message).c_str(), L"BrixelDemo", MB_OK | MB_ICONEXCLAMATION);
    }

private:
    HWND owner_;
};

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
    if (hwnd_ != nullptr) return true;
    if (!RegisterWindowClass()) return false;
    hwnd_ = ::CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
                              position.left, position.top, position.right - position.left,
                              position.bottom - position.top, parent, nullptr, ModuleHandle(), nullptr);
    if (hwnd_ == nullptr) return false;
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindow::Proc));
    MenuHook::WindowCreated();
    counted_in_hook_ = true;
    ProcessShortcutRegistry().RegisterShortcuts(reinterpret_cast<WindowHandle>(hwnd_), control_.menu_);
    const ButtonProperties& p = control_.model_->Props();
    if (!p.Enabled || !p.Active) ::EnableWindow(hwnd_, FALSE);
    CreateTooltip();
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
    return self != nullptr && self->hwnd_ == window ? self : nullptr;
}

bool ControlWindow::IsControlClass(HWND window) noexcept {
    wchar_t name[32] = {};
    return window != nullptr && ::GetClassNameW(window, name, 32) > 0 && std::wstring_view(name) == kWindowClass;
}

// One tool, the whole window, with ToolTipText; off while the text is empty.
// A tooltip that cannot be created is simply absent.
void ControlWindow::CreateTooltip() noexcept {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&init);
    tooltip_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                     ModuleHandle(), nullptr));
    if (!tooltip_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = const_cast<wchar_t*>(L"");
    ::SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    const std::wstring text = ToWide(control_.model_->Props().ToolTipText);
    SetTooltip(text, !text.empty());
}

void ControlWindow::SetTooltip(const std::wstring& text, bool active) noexcept {
    if (!tooltip_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(tooltip_.get(), TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void ControlWindow::RelayToTooltip(TooltipRelay, Point p) {
    if (!tooltip_) return;
    MSG msg{hwnd_, message_, wparam_, MAKELPARAM(p.x, p.y), static_cast<DWORD>(::GetMessageTime()), {}};
    ::SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

// The cursor of MousePointer while the control is active; 99 is MouseIcon's
// picture, or no cursor at all when it holds none.
bool ControlWindow::OnSetCursor(LPARAM lparam) {
    const ButtonProperties& p = control_.model_->Props();
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
    tooltip_.reset();
    if (hwnd_ == nullptr) return;
    // Handlers running during destruction see a dead window; the window
    // itself goes when this owner leaves the scope, after the clean-up below.
    const win::UniqueWindow window(std::exchange(hwnd_, nullptr));
    const HWND raw = window.get();
    ProcessShortcutRegistry().UnregisterShortcuts(reinterpret_cast<WindowHandle>(raw));
    if (counted_in_hook_) MenuHook::WindowDestroyed();
    counted_in_hook_ = false;
    // A popup still being tracked is destroyed when its tracking returns.
    if (!tracking_popup_) popup_.Destroy();
    ::SetWindowLongPtrW(raw, GWLP_USERDATA, 0);
}

LRESULT CALLBACK ControlWindow::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<ControlWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->hwnd_ != hwnd) return ::DefWindowProcW(hwnd, message, wparam, lparam);
    // User code runs inside our events and may release the control: keep it
    // alive until this message is handled.
    win::ComPtr<IUnknown> keep_alive(static_cast<IDispatch*>(&self->control_));
    const UINT saved_message = self->message_;
    const WPARAM saved_wparam = self->wparam_;
    const LPARAM saved_lparam = self->lparam_;
    self->message_ = message;
    self->wparam_ = wparam;
    self->lparam_ = lparam;
    const bool user_action = message == WM_LBUTTONUP || message == WM_KEYDOWN || message == WM_KEYUP ||
                             message == WM_CHAR || message == kUmShortcutInvoke;
    std::optional<CTavloCtrl::UserActionScope> action;
    if (user_action) action.emplace(self->control_);
    const LRESULT result = self->Dispatch(message, wparam, lparam);
    action.reset();
    self->message_ = saved_message;
    self->wparam_ = saved_wparam;
    self->lparam_ = saved_lparam;
    return result;
}

LRESULT ControlWindow::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
    const std::int16_t shift = ShiftState();
    switch (message) {
        case WM_PAINT: OnPaint(); return 0;
        case WM_ERASEBKGND: return 1;  // the whole face is painted at once
        case WM_LBUTTONDOWN: behavior_.LeftButtonDown(PointOf(lparam), shift); return 0;
        case WM_LBUTTONUP: behavior_.LeftButtonUp(PointOf(lparam), shift); return 0;
        case WM_LBUTTONDBLCLK: behavior_.LeftDoubleClick(PointOf(lparam), shift); return 0;
        case WM_RBUTTONDOWN: behavior_.OtherButtonDown(MouseButton::Right, PointOf(lparam), shift); return 0;
        case WM_RBUTTONUP: behavior_.OtherButtonUp(MouseButton::Right, PointOf(lparam), shift); return 0;
        case WM_MBUTTONDOWN: behavior_.OtherButtonDown(MouseButton::Middle, PointOf(lparam), shift); return 0;
        case WM_MBUTTONUP: behavior_.OtherButtonUp(MouseButton::Middle, PointOf(lparam), shift); return 0;
        case WM_RBUTTONDBLCLK: behavior_.OtherDoubleClick(MouseButton::Right); return 0;
        case WM_MBUTTONDBLCLK: behavior_.OtherDoubleClick(MouseButton::Middle); return 0;
        case WM_MOUSEMOVE: behavior_.MouseMove(PointOf(lparam), HeldButtons(wparam), shift); return 0;
        case WM_TIMER: behavior_.Timer(static_cast<int>(wparam)); return 0;
        case WM_SETFOCUS: behavior_.FocusGained(); return 0;
        case WM_KILLFOCUS: behavior_.FocusLost(); return 0;
        case WM_GETDLGCODE: return DLGC_BUTTON | DLGC_WANTCHARS;
        case WM_MEASUREITEM:
            if (wparam == 0 && popup_.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam), Look())) return TRUE;
            return ::DefWindowProcW(hwnd_, message, wparam, lparam);
        case WM_DRAWITEM:
            if (wparam == 0 && popup_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam), Look())) return TRUE;
            return ::DefWindowProcW(hwnd_, message, wparam, lparam);
        case WM_INITMENUPOPUP: return 0;  // no update pass may change an entry
        case WM_ENTERMENULOOP:
            if (tracking_popup_) OnMenuLoopStart();
            return 0;
        case WM_EXITMENULOOP:
            if (tracking_popup_) OnMenuLoopEnd();
            return 0;
        case kUmAutoDropProbe: OnAutoDropProbe(lparam); return 0;
        case kUmAutoDropNow: OnAutoDropNow(); return 0;
        case kUmShortcutInvoke: OnShortcutInvoke(wparam, lparam); return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(lparam)) return TRUE;
            return ::DefWindowProcW(hwnd_, message, wparam, lparam);
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            if (OnKey(message, wparam, lparam)) return ::DefWindowProcW(hwnd_, message, wparam, lparam);
            return 0;
        default: return ::DefWindowProcW(hwnd_, message, wparam, lparam);
    }
}

bool ControlWindow::OnKey(UINT message, WPARAM wparam, LPARAM lparam) {
    const auto key = static_cast<std::int16_t>(wparam);
    if (message == WM_KEYDOWN) return behavior_.KeyDown(key, (lparam & (1 << 30)) != 0, ShiftState());
    if (message == WM_KEYUP) return behavior_.KeyUp(key, ShiftState());
    behavior_.Character(key);
    return false;
}

BehaviorSettings ControlWindow::Settings() const {
    const bool window_enabled = hwnd_ != nullptr && ::IsWindowEnabled(hwnd_);
    const bool window_visible = hwnd_ != nullptr && (::GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
    return SettingsFor(control_.model_->Props(), control_.model_->UserMode(), window_enabled, window_visible);
}

bool ControlWindow::ClientContains(Point p) const {
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    return p.x >= client.left && p.y >= client.top && p.x < client.right && p.y < client.bottom;
}

// The menu-button strip of a split button: MenuButtonWidth pixels on its side.
bool ControlWindow::InMenuButtonStrip(Point p) const {
    const ButtonProperties& props = control_.model_->Props();
    if (!props.Menu || !ClientContains(p)) return false;
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    if (props.MenuButtonAlignment == kvnMenuButtonAlignmentLeft) return p.x < client.left + props.MenuButtonWidth;
    return p.x >= client.right - props.MenuButtonWidth;
}

bool ControlWindow::CursorOutsideClient() const {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(hwnd_, &cursor);
    return !ClientContains(Point{cursor.x, cursor.y});
}

void ControlWindow::ReleaseCapture() {
    if (HoldsCapture()) ::ReleaseCapture();
}

void ControlWindow::GiveCaptureTo(WindowId window) {
    const auto target = reinterpret_cast<HWND>(window);
    if (target != nullptr && ::IsWindow(target)) ::SetCapture(target);
}

// An inactive control hands the focus on as if Tab had been pressed.
void ControlWindow::PassFocusToNextControl() {
    win::ComPtr<IOleControlSite> site;
    if (!control_.site_ || FAILED(control_.site_.As(&site))) return;
    MSG tab{hwnd_, WM_KEYDOWN, VK_TAB, 0, static_cast<DWORD>(::GetMessageTime()), {}};
    site->TranslateAccelerator(&tab, 0);
}

void ControlWindow::Redraw(bool after_click) {
    if (hwnd_ == nullptr) return;
    win::WindowDc dc(hwnd_);
    if (dc) Paint(dc.get(), after_click);
}

void ControlWindow::Repaint() noexcept { Redraw(false); }

// The face paints the frame from the focus it finds; a change of focus only
// needs a fresh face.
void ControlWindow::ShowFocusBorder(bool) { Repaint(); }

void ControlWindow::ShowHandCursor() {
    constexpr int kHandCursor = 213;
    ::SetCursor(::LoadCursorW(ModuleHandle(), MAKEINTRESOURCEW(kHandCursor)));
}

void ControlWindow::DefaultProcessing() {
    if (hwnd_ != nullptr) ::DefWindowProcW(hwnd_, message_, wparam_, lparam_);
}

void ControlWindow::SendButtonUp(MouseButton button, Point p) {
    const UINT message = button == MouseButton::Left    ? WM_LBUTTONUP
                         : button == MouseButton::Right ? WM_RBUTTONUP
                                                        : WM_MBUTTONUP;
    ::SendMessageW(hwnd_, message, 0, MAKELPARAM(p.x, p.y));
}

void ControlWindow::SendSpaceKeyUp() { ::SendMessageW(hwnd_, WM_KEYUP, VK_SPACE, 0xC0000001); }

void ControlWindow::UIActivateAfterClick() { control_.UIActivateIfPending(); }

void ControlWindow::PlayButtonSound(SoundSlot slot) {
    const ButtonProperties& p = control_.model_->Props();
    const SoundSlotId id = slot == SoundSlot::Click ? SoundSlotId::Click : SoundSlotId::MouseIn;
    const auto& block = control_.model_->SoundMemory(id);
    // A custom sound that fails the check is kept for saving but never played.
    const bool playable = block.has_value() && IsPlayableWave(SoundBlockData(*block));
    const SoundChoice choice = ChooseSound(slot == SoundSlot::Click ? p.ClickSound : p.MouseInSound, playable);
    if (choice.kind == SoundChoice::Kind::Memory) {
        PlayWaveAsync(SoundBlockData(*block));
    } else if (choice.kind == SoundChoice::Kind::Resource) {
        PlayResourceSoundAsync(ModuleHandle(), choice.resource_id);
    }
}

void ControlWindow::OpenButtonHyperlink() {
    if (control_.Untrusted() && !control_.InUserAction()) return;  // a script's own PerformHyperlink
    Win32Hyperlinks platform(hwnd_);
    OpenHyperlink(platform, control_.model_->Props().HyperlinkAddress, control_.LinkTrust());
}

// A chosen menu entry, from the popup or by its shortcut: the event first,
// then the item's own hyperlink.
void ControlWindow::ChooseMenuItem(std::int16_t id, bool hyperlink, const std::u16string& address, bool enabled) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    control_.FireEventArgs(kDispidMenuItemClicked, &v, 1);
    auto target = HyperlinkToOpen(hyperlink, address, enabled);
    if (!target || hwnd_ == nullptr) return;
    Win32Hyperlinks platform(hwnd_);
    if (control_.Untrusted()) target = UntrustedShellTarget(*target);
    if (!target || !platform.ShellOpen(*target)) platform.ShowFailure(kHyperlinkFailedMessage);
}

void ControlWindow::FireClick() { control_.FireEvent(DISPID_CLICK); }
void ControlWindow::FireDblClick() { control_.FireEvent(DISPID_DBLCLICK); }

namespace {
// Automation passes arguments last to first.
struct MouseArgs {
    VARIANT v[4];
    MouseArgs(std::int16_t button, std::int16_t shift, int x, int y) {
        v[3].vt = VT_I2;
        v[3].iVal = button;
        v[2].vt = VT_I2;
        v[2].iVal = shift;
        v[1].vt = VT_I4;
        v[1].lVal = x;
        v[0].vt = VT_I4;
        v[0].lVal = y;
    }
};
}  // namespace

void ControlWindow::FireMouseDown(std::int16_t button, std::int16_t shift, int x, int y) {
    MouseArgs args(button, shift, x, y);
    control_.FireEventArgs(DISPID_MOUSEDOWN, args.v, 4);
}
void ControlWindow::FireMouseMove(std::int16_t buttons, std::int16_t shift, int x, int y) {
    MouseArgs args(buttons, shift, x, y);
    control_.FireEventArgs(DISPID_MOUSEMOVE, args.v, 4);
}
void ControlWindow::FireMouseUp(std::int16_t button, std::int16_t shift, int x, int y) {
    MouseArgs args(button, shift, x, y);
    control_.FireEventArgs(DISPID_MOUSEUP, args.v, 4);
}

void ControlWindow::FireKeyDown(std::int16_t& key_code, std::int16_t shift) {
    VARIANT v[2] = {};
    v[1].vt = VT_I2 | VT_BYREF;
    v[1].piVal = &key_code;
    v[0].vt = VT_I2;
    v[0].iVal = shift;
    control_.FireEventArgs(DISPID_KEYDOWN, v, 2);
}

void ControlWindow::FireKeyPress(std::int16_t& key_ascii) {
    VARIANT v{};
    v.vt = VT_I2 | VT_BYREF;
    v.piVal = &key_ascii;
    control_.FireEventArgs(DISPID_KEYPRESS, &v, 1);
}

void ControlWindow::FireKeyUp(std::int16_t& key_code, std::int16_t shift) {
    VARIANT v[2] = {};
    v[1].vt = VT_I2 | VT_BYREF;
    v[1].piVal = &key_code;
    v[0].vt = VT_I2;
    v[0].iVal = shift;
    control_.FireEventArgs(DISPID_KEYUP, v, 2);
}

void ControlWindow::FireMouseEnter() { control_.FireEvent(1); }
void ControlWindow::FireMouseExit() { control_.FireEvent(2); }

void ControlWindow::FireButtonToggled(bool toggled) {
    VARIANT v{};
    v.vt = VT_BOOL;
    v.boolVal = toggled ? VARIANT_TRUE : VARIANT_FALSE;
    control_.FireEventArgs(3, &v, 1);
}

void ControlWindow::FireWhileMouseDown() { control_.FireEvent(4); }

void ControlWindow::OnPaint() {
    win::PaintScope paint(hwnd_);
    Paint(paint.dc(), false);
}

// The face itself is the control's: a draw request from the container paints
// the same face without a window.
void ControlWindow::Paint(HDC dc, bool after_click) {
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const FocusOutcome focus = control_.PaintFace(dc, client, after_click, ::GetFocus() == hwnd_);
    if (focus == FocusOutcome::InvalidateContainer) {
        RECT in_parent = client;
        ::MapWindowPoints(hwnd_, ::GetParent(hwnd_), reinterpret_cast<POINT*>(&in_parent), 2);
        ::InvalidateRect(::GetParent(hwnd_), &in_parent, FALSE);
    }
}

}  // namespace brixel::activex
