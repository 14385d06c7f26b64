// Errors a property write hands back to the automation caller.
#pragma once

#include <cstdint>
#include <string_view>

namespace brixel {

struct AutomationError {
    std::uint32_t code = 0;
    std::u16string_view text;  // empty: the framework's standard text for the code
    friend bool operator==(const AutomationError&, const AutomationError&) = default;
};

inline constexpr AutomationError kErrFileNotFound{0x800A0035u, u"The specified file was not found"};
inline constexpr AutomationError kErrPathNotFound{0x800A004Cu, u"The specified path was not found"};
inline constexpr AutomationError kErrFileAccess{0x800A004Bu, u"File Access Error"};
// Writing a read-only property.
inline constexpr AutomationError kErrSetNotSupported{0x800A017Fu, {}};

}  // namespace brixel
