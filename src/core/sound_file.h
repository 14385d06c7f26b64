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

// Whether a whole file image may be handed to the system's player. Playing
// from memory passes no length: the player believes the sizes in the RIFF
// header and reads as far as they say. So the image must be a RIFF WAVE
// whose size fits in the image, whose chunks all lie inside the RIFF, with a
// "fmt " chunk of at least 16 bytes (18 plus its extra size for formats other
// than PCM) whose channels, rate, byte rate and block alignment are not zero,
// followed by a "data" chunk. A RIFF size that counts a pad byte the image
// lacks is refused like any other size that overruns: the player could read
// that byte. Anything else is kept (and saved) but never played.
bool IsPlayableWave(std::span<const std::uint8_t> image);

}  // namespace brixel
