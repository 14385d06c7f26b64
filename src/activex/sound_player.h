// The button's click and mouse-in sounds, played asynchronously.
//
// An asynchronous sound is read by the system's player after the call
// returns, and it may still be playing when the control that started it is
// gone or this library has been unloaded. So the player never lets it read
// memory the control owns: each sound is a private copy that lives until the
// next sound has replaced it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace brixel::activex {

// Starts a whole RIFF WAVE image playing, stopping whatever sound was
// playing. False when there is nothing to play or no device to play it on.
bool PlayWaveAsync(std::span<const std::uint8_t> wave);

// The bytes of a WAVE resource of `module`; empty when it has none by that number.
std::span<const std::uint8_t> WaveResource(HMODULE module, int id);

// Plays the module's WAVE resource `id` as PlayWaveAsync does. A number the
// module has no resource for is still handed to the system's player, which
// then plays the system's default sound.
bool PlayResourceSoundAsync(HMODULE module, int id);

}  // namespace brixel::activex
