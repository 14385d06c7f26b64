// Reading a custom sound file into the block the control plays from memory
// and persists: a 32-bit byte count followed by the whole file image.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/automation_error.h"
#include "core/model_host.h"

namespace brixel {

using SoundBlock = std::vector<std::uint8_t>;

// A script can name any file; a larger one is refused before anything is
// read, so one property write cannot take the process's memory.
inline constexpr std::uint64_t kMaxSoundFileBytes = std::uint64_t{16} * 1024 * 1024;

struct SoundFileRead {
    std::optional<SoundBlock> block;  // none: empty path, short read or error
    std::optional<AutomationError> error;
};

SoundFileRead ReadSoundFile(ModelHost& host, std::u16string_view path);

// The file bytes of a block (after the count), empty when the block is malformed.
std::span<const std::uint8_t> SoundBlockData(const SoundBlock& block);

}  // namespace brixel
