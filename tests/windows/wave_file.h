// A short, valid PCM wave: as bytes for stored sound blocks, and as a file
// on disk for the sound-file properties.
#pragma once

#include "gdi/raii.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace brixel::testing {

// 8 kHz, 8-bit mono, `samples` samples of silence.
inline std::vector<std::uint8_t> MinimalWave(std::uint32_t samples = 16) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + samples);
    const auto text = [&](const char* four) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(four[i]));
    };
    const auto number = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    text("RIFF");
    number(36 + samples, 4);
    text("WAVE");
    text("fmt ");
    number(16, 4);
    number(1, 2);     // PCM
    number(1, 2);     // mono
    number(8000, 4);  // samples per second
    number(8000, 4);  // bytes per second
    number(1, 2);     // block alignment
    number(8, 2);     // bits per sample
    text("data");
    number(samples, 4);
    bytes.resize(bytes.size() + samples, std::uint8_t{0x80});
    return bytes;
}

// The wave written to a file in the temporary folder, removed again at the end.
class TempWaveFile {
public:
    explicit TempWaveFile(const wchar_t* name) {
        wchar_t folder[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, folder);
        path_ = std::wstring(folder) + name;
        const std::vector<std::uint8_t> bytes = MinimalWave();
        HANDLE opened = ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (opened == INVALID_HANDLE_VALUE) return;
        const win::UniqueKernelHandle file(opened);
        DWORD written = 0;
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    ~TempWaveFile() { Remove(); }
    TempWaveFile(const TempWaveFile&) = delete;
    TempWaveFile& operator=(const TempWaveFile&) = delete;

    const std::wstring& path() const { return path_; }
    void Remove() { ::DeleteFileW(path_.c_str()); }

private:
    std::wstring path_;
};

}  // namespace brixel::testing
