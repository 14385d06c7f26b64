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

}  // namespace

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
