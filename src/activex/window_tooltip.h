// The tooltip of a control window: one tool covering the whole window, whose
// text is ToolTipText and which is off while that text is empty.
#pragma once

#include "gdi/raii.h"

#include <windows.h>

#include <string>

namespace brixel::activex {

class WindowTooltip {
public:
    WindowTooltip() = default;
    WindowTooltip(const WindowTooltip&) = delete;
    WindowTooltip& operator=(const WindowTooltip&) = delete;

    // A tooltip that cannot be created is simply absent: the calls below
    // then do nothing.
    void Create(HWND tool_window, const std::wstring& text) noexcept;
    void Destroy() noexcept { tooltip_.reset(); }
    void Set(const std::wstring& text, bool active) noexcept;
    // Hands a mouse message of the tool window to the tooltip.
    void Relay(const MSG& message) noexcept;

private:
    HWND tool_window_ = nullptr;  // not owned: the window the tooltip belongs to
    win::UniqueWindow tooltip_;
};

}  // namespace brixel::activex
