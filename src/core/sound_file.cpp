#include "core/sound_file.h"

namespace brixel {
namespace {

constexpr std::size_t kCountBytes = 4;

AutomationError ErrorFor(FileError error) {
    switch (error) {
        case FileError::NotFound: return kErrFileNotFound;
        case FileError::PathNotFound: return kErrPathNotFound;
        default: return kErrFileAccess;
    }
}

// Fills `into` as far as the file allows; a partial read is retried until the
// file reports its end.
ReadableFile::ReadResult ReadFully(ReadableFile& file, std::span<std::uint8_t> into) {
    std::size_t total = 0;
    while (total < into.size()) {
        const ReadableFile::ReadResult r = file.Read(into.subspan(total));
        if (r.error != FileError::None) return {total, r.error};
        if (r.count == 0) break;
        total += r.count;
    }
    return {total, FileError::None};
}

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 | std::uint32_t{bytes[at + 2]} << 16 |
           std::uint32_t{bytes[at + 3]} << 24;
}

std::uint16_t Le16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool IsTag(std::span<const std::uint8_t> bytes, std::size_t at, const char (&tag)[5]) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (bytes[at + i] != static_cast<std::uint8_t>(tag[i])) return false;
    }
    return true;
}

constexpr std::uint16_t kFormatPcm = 1;

// The format chunk's body: what the player divides by and allocates from.
bool PlayableFormat(std::span<const std::uint8_t> fmt) {
    if (fmt.size() < 16) return false;
    const std::uint16_t tag = Le16(fmt, 0);
    if (tag != kFormatPcm && (fmt.size() < 18 || fmt.size() - 18 < Le16(fmt, 16))) return false;
    return Le16(fmt, 2) != 0 && Le32(fmt, 4) != 0 && Le32(fmt, 8) != 0 && Le16(fmt, 12) != 0;
}

}  // namespace

bool IsPlayableWave(std::span<const std::uint8_t> image) {
    if (image.size() < 12 || !IsTag(image, 0, "RIFF") || !IsTag(image, 8, "WAVE")) return false;
    // Sizes are 32-bit in the file; in 64 bits no sum below can wrap.
    const std::uint64_t riff_end = std::uint64_t{8} + Le32(image, 4);
    if (riff_end > image.size()) return false;
    bool has_format = false;
    bool has_data = false;
    for (std::uint64_t at = 12; at < riff_end;) {
        if (riff_end - at < 8) return false;
        const auto header = static_cast<std::size_t>(at);
        const std::uint64_t size = Le32(image, header + 4);
        const std::uint64_t body_end = at + 8 + size;
        if (body_end > riff_end) return false;
        const auto body = image.subspan(header + 8, static_cast<std::size_t>(size));
        if (IsTag(image, header, "fmt ")) {
            if (!PlayableFormat(body)) return false;
            has_format = true;
        } else if (IsTag(image, header, "data")) {
            has_data = has_data || has_format;  // the player looks for the data after the format
        }
        at = body_end + (size & 1);  // chunks start on even offsets
    }
    return has_data;
}

SoundFileRead ReadSoundFile(ModelHost& host, std::u16string_view path) {
    if (path.empty()) return {};
    OpenedFile opened = host.OpenFile(path);
    if (opened.error != FileError::None || opened.file == nullptr) {
        return {std::nullopt, ErrorFor(opened.error == FileError::None ? FileError::Other : opened.error)};
    }
    const std::uint64_t length = opened.file->Length();
    if (length > kMaxSoundFileBytes) return {std::nullopt, kErrFileAccess};

    SoundBlock block(kCountBytes + static_cast<std::size_t>(length));
    for (std::size_t i = 0; i < kCountBytes; ++i) block[i] = static_cast<std::uint8_t>(length >> (8 * i));
    const ReadableFile::ReadResult read = ReadFully(*opened.file, std::span(block).subspan(kCountBytes));
    if (read.error != FileError::None) return {std::nullopt, ErrorFor(read.error)};
    if (read.count < length) return {};  // the file shrank under us: no custom sound
    return {std::move(block), std::nullopt};
}

std::span<const std::uint8_t> SoundBlockData(const SoundBlock& block) {
    if (block.size() < kCountBytes) return {};
    std::uint64_t count = 0;
    for (std::size_t i = 0; i < kCountBytes; ++i) count |= std::uint64_t{block[i]} << (8 * i);
    if (count > block.size() - kCountBytes) return {};
    return std::span(block).subspan(kCountBytes, static_cast<std::size_t>(count));
}

}  // namespace brixel
