// Hyperlinks opened for real: the shell first, then the registered HTML
// handler, with wide strings all the way so no character of the address can
// turn into a quote. Failures are shown in a message box over `owner`.
#pragma once

#include "core/hyperlink.h"

#include <windows.h>

namespace brixel::activex {

class ShellHyperlinks final : public HyperlinkPlatform {
public:
    explicit ShellHyperlinks(HWND owner) noexcept : owner_(owner) {}
    bool ShellOpen(std::u16string_view target) override;
    std::optional<std::u16string> HtmlHandlerCommand() override;
    bool StartCommand(std::u16string_view command_line) override;
    void ShowFailure(std::u16string_view message) override;

private:
    HWND owner_;
};

}  // namespace brixel::activex
