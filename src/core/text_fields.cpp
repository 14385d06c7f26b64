#include "core/text_fields.h"

#include <limits>

namespace brixel {
namespace {

template <typename Char>
bool IsAtolBlank(Char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atol's own result is undefined on overflow; clamp instead so that a
// pathological margin cannot wrap into a huge negative inset.
template <typename Char>
std::int32_t AtolField(std::basic_string_view<Char> field) {
    std::size_t i = 0;
    while (i < field.size() && IsAtolBlank(field[i])) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

template <typename Char>
std::int32_t ParseField(std::basic_string_view<Char> text, int index) {
    if (index < 0) return kMissingField;
    std::size_t start = 0;
    for (int skipped = 0; skipped < index; ++skipped) {
        const std::size_t semi = text.find(Char{';'}, start);
        if (semi == std::basic_string_view<Char>::npos) return kMissingField;
        start = semi + 1;
    }
    if (start >= text.size()) return kMissingField;
    std::size_t end = text.find(Char{';'}, start);
    if (end == std::basic_string_view<Char>::npos) end = text.size();
    return AtolField(text.substr(start, end - start));
}

}  // namespace

std::int32_t ParseIndexData(std::u16string_view text, int index) { return ParseField(text, index); }
std::int32_t ParseIndexData(std::string_view text, int index) { return ParseField(text, index); }

}  // namespace brixel
