// Recording stand-ins for what the menu tree needs from the host.
#pragma once

#include "menu/menu_host.h"
#include "native/core/model_fakes.h"

#include <ostream>
#include <string>
#include <vector>

namespace brixel::testing {

class RecordingMessageBox final : public MessageBoxHost {
public:
    void ShowMessage(std::u16string_view text, MessageBoxIcon icon) override {
        shown.push_back({std::u16string(text), icon});
    }
    std::vector<ShownMessage> shown;
};

inline std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

inline void PrintTo(const ShownMessage& m, std::ostream* os) {
    *os << '"' << Narrow(m.text) << "\" (" << (m.icon == MessageBoxIcon::Stop ? "Stop" : "Exclamation") << ')';
}

}  // namespace brixel::testing

namespace brixel {
inline void PrintTo(MessageBoxIcon icon, std::ostream* os) {
    *os << (icon == MessageBoxIcon::Stop ? "Stop" : icon == MessageBoxIcon::Exclamation ? "Exclamation" : "None");
}
}  // namespace brixel
