#include "core/click_sounds.h"

#include "core/enums.h"

namespace brixel {

SoundChoice ChooseSound(std::int16_t value, bool has_custom_block) {
    if (value == kvnNoSound) return {};
    if (value == kvnCustom) return has_custom_block ? SoundChoice{SoundChoice::Kind::Memory, 0} : SoundChoice{};
    return SoundChoice{SoundChoice::Kind::Resource, value + 100};
}

}  // namespace brixel
