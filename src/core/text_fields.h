// Four-field texts such as CaptionMargins ("6;6;6;6") and CornerStyle. The
// stored text is never validated or normalised; readers take one field at a
// time so that a malformed text still draws something predictable.
#pragma once

#include <cstdint>
#include <string_view>

namespace brixel {

inline constexpr std::int32_t kMissingField = -1;

// Field `index` (0 based) converted the way atol does: leading blanks, an
// optional sign, then digits; no digits gives 0. A field that does not exist
// (fewer than `index` semicolons, or nothing after the last one) is -1.
std::int32_t ParseIndexData(std::u16string_view text, int index);
std::int32_t ParseIndexData(std::string_view text, int index);

}  // namespace brixel
