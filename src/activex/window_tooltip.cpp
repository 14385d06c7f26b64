#include "activex/window_tooltip.h"

#include "activex/module.h"

#include <commctrl.h>

namespace brixel::activex {

void WindowTooltip::Create(HWND tool_window, const std::wstring& text) noexcept {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&init);
    tool_window_ = tool_window;
    tooltip_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, tool_window,
                                     nullptr, ModuleHandle(), nullptr));
    if (!tooltip_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = tool_window;
    tool.uId = reinterpret_cast<UINT_PTR>(tool_window);
    tool.lpszText = const_cast<wchar_t*>(L"");
    ::SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    Set(text, !text.empty());
}

void WindowTooltip::Set(const std::wstring& text, bool active) noexcept {
    if (!tooltip_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = tool_window_;
    tool.uId = reinterpret_cast<UINT_PTR>(tool_window_);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(tooltip_.get(), TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void WindowTooltip::Relay(const MSG& message) noexcept {
    if (!tooltip_) return;
    MSG copy = message;
    ::SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}

}  // namespace brixel::activex
