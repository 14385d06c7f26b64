// Which sound a click or a mouse entry plays.
#pragma once

#include <cstdint>

namespace brixel {

struct SoundChoice {
    enum class Kind : std::uint8_t { None, Memory, Resource };
    Kind kind = Kind::None;
    int resource_id = 0;  // for Resource: the WAVE resource of the module
    friend bool operator==(const SoundChoice&, const SoundChoice&) = default;
};

// 0 plays nothing; 99 the custom file held in memory, if one was read; any
// other value the module's resource numbered value + 100. A value without a
// resource is still asked for: the system then plays its default sound,
// which is what existing documents with such values have always heard.
SoundChoice ChooseSound(std::int16_t value, bool has_custom_block);

}  // namespace brixel
