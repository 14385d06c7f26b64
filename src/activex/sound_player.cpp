#include "activex/sound_player.h"

#include <mmsystem.h>

#include <cstring>
#include <mutex>

namespace brixel::activex {
namespace {

// Guards the copy being played; controls on different threads share the player.
std::mutex g_mutex;
// Deliberately never freed at unload: the system may still be reading it.
// Allocated from the process heap so no destructor of this library frees it.
void* g_playing = nullptr;

// The multimedia library starts worker threads of its own for the first
// sound. If it were unloaded together with this library, those threads
// would run on in unmapped code, so once a sound has played it stays.
void KeepMultimediaLoaded() {
    static const bool pinned = [] {
        HMODULE module = nullptr;
        return ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"winmm.dll", &module) != FALSE;
    }();
    static_cast<void>(pinned);
}

}  // namespace

bool PlayWaveAsync(std::span<const std::uint8_t> wave) {
    if (wave.empty()) return false;
    KeepMultimediaLoaded();
    HANDLE heap = ::GetProcessHeap();
    void* copy = ::HeapAlloc(heap, 0, wave.size());
    if (copy == nullptr) return false;
    std::memcpy(copy, wave.data(), wave.size());
    std::lock_guard lock(g_mutex);
    if (!::PlaySoundW(static_cast<LPCWSTR>(copy), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT)) {
        ::HeapFree(heap, 0, copy);
        return false;
    }
    // Starting a sound stops the one before and waits for it, so its copy is free.
    if (g_playing != nullptr) ::HeapFree(heap, 0, g_playing);
    g_playing = copy;
    return true;
}

bool PlayResourceSoundAsync(HMODULE module, int id) {
    if (const auto wave = WaveResource(module, id); !wave.empty()) return PlayWaveAsync(wave);
    // The player finds no such resource and falls back to the default sound
    // (no SND_NODEFAULT here): no bytes of this module are being played.
    KeepMultimediaLoaded();
    std::lock_guard lock(g_mutex);
    return ::PlaySoundW(MAKEINTRESOURCEW(id), module, SND_RESOURCE | SND_ASYNC) != FALSE;
}

std::span<const std::uint8_t> WaveResource(HMODULE module, int id) {
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"WAVE");
    if (found == nullptr) return {};
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) return {};
    return {static_cast<const std::uint8_t*>(bytes), ::SizeofResource(module, found)};
}

}  // namespace brixel::activex
