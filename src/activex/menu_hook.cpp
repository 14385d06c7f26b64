#include "activex/menu_hook.h"

#include "activex/control_window.h"
#include "menu/popup_layout.h"

#include <mutex>
#include <optional>
#include <utility>

namespace brixel::activex {
namespace {

// The process-wide hook and its count of live control windows. Controls may
// live in several apartments, so the count is guarded.
struct HookState {
    std::mutex mutex;
    HHOOK hook = nullptr;
    int windows = 0;
};

HookState& State() {
    static HookState state;
    return state;
}

thread_local HWND t_tracking_window = nullptr;
thread_local const ShortcutInvocation* t_pending_invocation = nullptr;

bool PopupTracked() {
    if (t_tracking_window != nullptr) return true;
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) &&
           (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0;
}

bool KeyDown(int key) { return ::GetKeyState(key) < 0; }

void OnKeyDown(const MSG& msg) {
    const bool alt = KeyDown(VK_MENU) || (msg.message == WM_SYSKEYDOWN && (msg.lParam & (1 << 29)) != 0);
    const ShortcutKeyPress press{static_cast<std::uint16_t>(msg.wParam), KeyDown(VK_CONTROL), KeyDown(VK_SHIFT), alt};
    const HWND top = ::GetAncestor(msg.hwnd, GA_ROOT);
    const auto same_top_level = [top](WindowHandle window) {
        return top != nullptr && ::GetAncestor(reinterpret_cast<HWND>(window), GA_ROOT) == top;
    };
    // Choose hands back a copy, taken under the registry's lock; the message
    // is sent after the lock is gone, as the handler's events may change the
    // tree and so the registry.
    const std::optional<ShortcutRegistry::Chosen> chosen =
        ProcessShortcutRegistry().Choose(press, PopupTracked(), same_top_level);
    if (!chosen) return;
    const ShortcutInvocation& block = chosen->invocation;
    const auto target = reinterpret_cast<HWND>(chosen->window);
    const ShortcutInvocation* outer = std::exchange(t_pending_invocation, &block);
    ::SendMessageW(target, kUmShortcutInvoke, reinterpret_cast<WPARAM>(&block), alt ? 1 : 0);
    t_pending_invocation = outer;
}

void OnMouseMove(const MSG& msg) {
    if (t_tracking_window != nullptr) {
        const HWND under = ::WindowFromPoint(msg.pt);
        if (under == nullptr || under == t_tracking_window) return;
        const ControlWindow* other = ControlWindow::FromHandle(under);
        if (other != nullptr && other->AutoDropArmed()) ::SendMessageW(t_tracking_window, WM_CANCELMODE, 0, 0);
        return;
    }
    // Only our own windows hear the probe: in other classes the number may
    // mean something else entirely.
    if (!ControlWindow::IsControlClass(msg.hwnd)) return;
    const std::uint32_t packed = PackProbePoint(MenuPoint{msg.pt.x, msg.pt.y});
    ::SendMessageW(msg.hwnd, kUmAutoDropProbe, 0, static_cast<LPARAM>(packed));
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HC_ACTION && wparam == PM_REMOVE && lparam != 0) {
        const MSG& msg = *reinterpret_cast<const MSG*>(lparam);
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) OnKeyDown(msg);
        else if (msg.message == WM_MOUSEMOVE) OnMouseMove(msg);
    }
    return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

void MenuHook::WindowCreated() noexcept {
    HookState& s = State();
    std::lock_guard lock(s.mutex);
    if (s.windows++ == 0) {
        s.hook = ::SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, ::GetCurrentThreadId());
    }
}

void MenuHook::WindowDestroyed() noexcept {
    HookState& s = State();
    std::lock_guard lock(s.mutex);
    if (s.windows == 0) return;
    if (--s.windows == 0 && s.hook != nullptr) {
        ::UnhookWindowsHookEx(s.hook);
        s.hook = nullptr;
    }
}

void MenuHook::SetTrackingWindow(HWND window) noexcept { t_tracking_window = window; }
HWND MenuHook::TrackingWindow() noexcept { return t_tracking_window; }

bool MenuHook::IsPendingInvocation(const ShortcutInvocation* block) noexcept {
    return block != nullptr && block == t_pending_invocation;
}

}  // namespace brixel::activex
