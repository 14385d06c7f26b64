// What a document may make the control decode. A stored picture names its
// own size, and the system's decoder believes it: a few bytes of run-length
// bitmap or a metafile frame can ask for gigabytes. So each stored picture's
// header is read first, and only pictures within the budget are decoded;
// the others keep their bytes, so that saving the document loses nothing,
// but draw nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/persist_exchange.h"
#include "core/shared_objects.h"

namespace brixel {

// Decoded pixels of one picture: 1024 x 1024 (4 MB at 32 bits).
inline constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{1024} * 1024;
// Pictures one load may decode, menu items included.
inline constexpr int kMaxDecodedPictures = 64;

// The pixels a stored picture (the standard picture stream, with or without
// its "lt" header) claims: bitmaps, icons and cursors (every image in them),
// GIF, JPEG and PNG by their headers, placeable metafiles and enhanced
// metafiles by their frames at 96 dots per inch. None for anything else and
// for a header that does not add up.
std::optional<std::uint64_t> ClaimedPicturePixels(std::span<const std::uint8_t> stored);

// A stored picture kept as its bytes only.
class UndecodedPicture final : public PictureObject {
public:
    explicit UndecodedPicture(ByteBlock bytes) : bytes_(std::move(bytes)) {}
    bool HasImage() const override { return false; }
    const ByteBlock& Bytes() const { return bytes_; }

private:
    ByteBlock bytes_;
};

// Decides, picture by picture in the order a load meets them, which may be
// decoded: a readable header within the pixel cap, while the count lasts.
class PictureBudget {
public:
    bool MayDecode(std::span<const std::uint8_t> stored);

private:
    int decoded_ = 0;
};

}  // namespace brixel
