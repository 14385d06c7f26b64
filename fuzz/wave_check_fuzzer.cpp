// Any bytes as a stored custom sound. Whatever the check lets through is
// walked the way the system's player walks it, believing every size: the
// RIFF header, then chunk after chunk to "fmt ", its format fields, then on
// to "data" and its samples. Every byte that walk reads must lie inside the
// image, or the check let an overrun through.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/sound_file.h"

namespace {

class TrustingReader {
public:
    explicit TrustingReader(std::span<const std::uint8_t> image) : image_(image) {}
    // Reads `count` bytes at `at` as the player would: aborts if outside.
    std::uint64_t Read(std::uint64_t at, std::size_t count) const {
        if (at > image_.size() || count > image_.size() - at) std::abort();
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count && i < 8; ++i) value |= std::uint64_t{image_[at + i]} << (8 * i);
        return value;
    }
    std::size_t size() const { return image_.size(); }

private:
    std::span<const std::uint8_t> image_;
};

constexpr std::uint64_t Tag(const char (&t)[5]) {
    return std::uint64_t{std::uint8_t(t[0])} | std::uint64_t{std::uint8_t(t[1])} << 8 |
           std::uint64_t{std::uint8_t(t[2])} << 16 | std::uint64_t{std::uint8_t(t[3])} << 24;
}

// Finds a chunk from `at` to `end` by its tag; returns its header offset or end.
std::uint64_t Descend(const TrustingReader& r, std::uint64_t at, std::uint64_t end, std::uint64_t tag) {
    while (at + 8 <= end) {
        const std::uint64_t id = r.Read(at, 4);
        const std::uint64_t size = r.Read(at + 4, 4);
        if (id == tag) return at;
        at += 8 + size + (size & 1);
    }
    return end;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> image(data, size);
    if (!brixel::IsPlayableWave(image)) return 0;
    const TrustingReader r(image);
    const std::uint64_t end = 8 + r.Read(4, 4);
    const std::uint64_t fmt = Descend(r, 12, end, Tag("fmt "));
    if (fmt == end) std::abort();
    const std::uint64_t fmt_size = r.Read(fmt + 4, 4);
    r.Read(fmt + 8, 16);
    if (r.Read(fmt + 8, 2) != 1) r.Read(fmt + 8 + 18, static_cast<std::size_t>(r.Read(fmt + 8 + 16, 2)));
    if (r.Read(fmt + 8 + 12, 2) == 0) std::abort();  // the player divides by the block alignment
    const std::uint64_t after_fmt = fmt + 8 + fmt_size + (fmt_size & 1);
    const std::uint64_t samples = Descend(r, after_fmt, end, Tag("data"));
    if (samples == end) std::abort();
    const std::uint64_t length = r.Read(samples + 4, 4);
    if (length > 0) r.Read(samples + 8, static_cast<std::size_t>(length));
    return 0;
}
