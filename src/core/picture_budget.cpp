#include "core/picture_budget.h"

#include <algorithm>

namespace brixel {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint64_t kNominalDpi = 96;
constexpr std::uint64_t kHundredthsOfMmPerInch = 2540;
constexpr std::size_t kMaxIconImages = 256;
constexpr int kMaxJpegSegments = 4096;

bool Has(Bytes b, std::size_t at, std::size_t count) { return at <= b.size() && count <= b.size() - at; }
std::uint32_t Le32(Bytes b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t Le16(Bytes b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8); }
std::uint32_t Be32(Bytes b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}
std::uint16_t Be16(Bytes b, std::size_t at) { return static_cast<std::uint16_t>(b[at] << 8 | b[at + 1]); }
bool StartsWith(Bytes b, std::initializer_list<std::uint8_t> magic) {
    return b.size() >= magic.size() && std::equal(magic.begin(), magic.end(), b.begin());
}
std::uint64_t Magnitude(std::int64_t v) { return static_cast<std::uint64_t>(v < 0 ? -v : v); }
// Sides come from 32-bit fields (at most 2^32 - 1), so the product fits.
std::uint64_t Area(std::uint64_t w, std::uint64_t h) { return w * h; }

// A BITMAPINFOHEADER or BITMAPCOREHEADER at `at`; icons store twice the height.
std::optional<std::uint64_t> InfoHeaderPixels(Bytes b, std::size_t at, bool icon) {
    if (!Has(b, at, 4)) return std::nullopt;
    const std::uint32_t size = Le32(b, at);
    std::uint64_t w = 0, h = 0;
    if (size == 12 && Has(b, at, 12)) {
        w = Le16(b, at + 4);
        h = Le16(b, at + 6);
    } else if (size >= 40 && Has(b, at, 40)) {
        w = Magnitude(static_cast<std::int32_t>(Le32(b, at + 4)));
        h = Magnitude(static_cast<std::int32_t>(Le32(b, at + 8)));
    } else {
        return std::nullopt;
    }
    return Area(w, icon ? (h + 1) / 2 : h);
}

std::optional<std::uint64_t> PngPixels(Bytes b) {
    if (!Has(b, 0, 24)) return std::nullopt;
    return Area(Be32(b, 16), Be32(b, 20));
}

std::optional<std::uint64_t> IconPixels(Bytes b) {
    if (!Has(b, 0, 6)) return std::nullopt;
    const std::size_t count = Le16(b, 4);
    if (count == 0 || count > kMaxIconImages || !Has(b, 6, count * 16)) return std::nullopt;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + i * 16;
        const std::uint64_t listed = Area(b[entry] == 0 ? 256 : b[entry], b[entry + 1] == 0 ? 256 : b[entry + 1]);
        const std::size_t offset = Le32(b, entry + 12);
        const std::uint32_t length = Le32(b, entry + 8);
        if (!Has(b, offset, length)) return std::nullopt;
        const Bytes image = b.subspan(offset, length);
        const auto own = StartsWith(image, {0x89, 'P', 'N', 'G'}) ? PngPixels(image) : InfoHeaderPixels(image, 0, true);
        if (!own) return std::nullopt;
        // Far beyond any cap, and 256 of them still cannot wrap the sum.
        total += std::min(std::max(listed, *own), std::uint64_t{1} << 48);
    }
    return total;
}

std::optional<std::uint64_t> JpegPixels(Bytes b) {
    std::size_t at = 2;
    for (int segments = 0; segments < kMaxJpegSegments && Has(b, at, 4); ++segments) {
        if (b[at] != 0xFF) return std::nullopt;
        const std::uint8_t marker = b[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (!Has(b, at, 9)) return std::nullopt;
            return Area(Be16(b, at + 7), Be16(b, at + 5));
        }
        if (marker == 0xDA || marker == 0xD9) return std::nullopt;  // no frame header before the data
        at += 2 + Be16(b, at + 2);
    }
    return std::nullopt;
}

// A frame side in units of 1/`units_per_inch` inch, in pixels at the nominal
// resolution, rounded up.
std::uint64_t FrameToPixels(std::int64_t low, std::int64_t high, std::uint64_t units_per_inch) {
    return (Magnitude(high - low) * kNominalDpi + units_per_inch - 1) / units_per_inch;
}

std::optional<std::uint64_t> PlaceableMetafilePixels(Bytes b) {
    if (!Has(b, 0, 22)) return std::nullopt;
    const auto left = static_cast<std::int16_t>(Le16(b, 6)), top = static_cast<std::int16_t>(Le16(b, 8));
    const auto right = static_cast<std::int16_t>(Le16(b, 10)), bottom = static_cast<std::int16_t>(Le16(b, 12));
    const std::uint16_t inch = Le16(b, 14);
    if (inch == 0) return std::nullopt;
    return Area(FrameToPixels(left, right, inch), FrameToPixels(top, bottom, inch));
}

std::optional<std::uint64_t> EnhancedMetafilePixels(Bytes b) {
    if (!Has(b, 0, 44) || Le32(b, 40) != 0x464D4520) return std::nullopt;  // " EMF"
    const auto at = [&](std::size_t i) { return std::int64_t{static_cast<std::int32_t>(Le32(b, i))}; };
    const std::uint64_t bounds = Area(Magnitude(at(16) - at(8)) + 1, Magnitude(at(20) - at(12)) + 1);
    const std::uint64_t frame = Area(FrameToPixels(at(24), at(32), kHundredthsOfMmPerInch),
                                     FrameToPixels(at(28), at(36), kHundredthsOfMmPerInch));
    return std::max(bounds, frame);
}

}  // namespace

std::optional<std::uint64_t> ClaimedPicturePixels(std::span<const std::uint8_t> stored) {
    Bytes b = stored;
    if (StartsWith(b, {'l', 't', 0, 0})) {
        if (!Has(b, 0, 8)) return std::nullopt;
        const std::uint32_t size = Le32(b, 4);
        if (!Has(b, 8, size)) return std::nullopt;
        b = b.subspan(8, size);
    }
    if (StartsWith(b, {'B', 'M'})) return InfoHeaderPixels(b, 14, false);
    if (StartsWith(b, {0, 0, 1, 0}) || StartsWith(b, {0, 0, 2, 0})) return IconPixels(b);
    if (StartsWith(b, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return PngPixels(b);
    if (StartsWith(b, {'G', 'I', 'F', '8'}) && Has(b, 0, 10)) return Area(Le16(b, 6), Le16(b, 8));
    if (StartsWith(b, {0xFF, 0xD8})) return JpegPixels(b);
    if (StartsWith(b, {0xD7, 0xCD, 0xC6, 0x9A})) return PlaceableMetafilePixels(b);
    if (StartsWith(b, {1, 0, 0, 0})) return EnhancedMetafilePixels(b);
    return std::nullopt;
}

bool PictureBudget::MayDecode(std::span<const std::uint8_t> stored) {
    if (decoded_ >= kMaxDecodedPictures) return false;
    const auto pixels = ClaimedPicturePixels(stored);
    if (!pixels || *pixels > kMaxPicturePixels) return false;
    ++decoded_;
    return true;
}

}  // namespace brixel
