#include "png_reader.h"

#include <fstream>
#include <iterator>

namespace brixel::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) << 24 | static_cast<std::uint32_t>(b[at + 1]) << 16 |
           static_cast<std::uint32_t>(b[at + 2]) << 8 | b[at + 3];
}

struct Chunks {
    Bytes header;  // IHDR's data
    Bytes data;    // every IDAT's data, joined
    std::string error;
};

// Walks the chunks, checking each one's length and CRC against the file.
Chunks ReadChunks(const Bytes& file) {
    Chunks out;
    if (file.size() < 8 || !std::equal(std::begin(kSignature), std::end(kSignature), file.begin()))
        return {{}, {}, "not a PNG file"};
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = BigEndian(file, at);
        if (length > file.size() - at - 12) return {{}, {}, "chunk runs past the end of the file"};
        const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               file.begin() + static_cast<std::ptrdiff_t>(at + 8));
        const std::uint8_t* typed = file.data() + at + 4;
        if (Crc32(typed, length + 4) != BigEndian(file, at + 8 + length)) return {{}, {}, "bad CRC in " + type};
        const Bytes data(typed + 4, typed + 4 + length);
        if (type == "IHDR") out.header = data;
        if (type == "IDAT") out.data.insert(out.data.end(), data.begin(), data.end());
        if (type == "IEND") return out;
        at += 12 + length;
    }
    return {{}, {}, "no IEND chunk"};
}

// The zlib stream's stored blocks, joined; an error for any compressed block.
Bytes Inflate(const Bytes& zlib, std::string& error) {
    Bytes raw;
    if (zlib.size() < 6 || (zlib[0] & 0x0F) != 8 || (zlib[0] << 8 | zlib[1]) % 31 != 0) {
        error = "not a zlib stream";
        return {};
    }
    std::size_t at = 2;
    for (bool last = false; !last;) {
        if (at + 5 > zlib.size()) return error = "deflate data ends early", Bytes{};
        last = (zlib[at] & 1) != 0;
        if ((zlib[at] >> 1 & 3) != 0) return error = "compressed deflate blocks are not supported", Bytes{};
        const std::size_t len = zlib[at + 1] | zlib[at + 2] << 8;
        const std::size_t nlen = zlib[at + 3] | zlib[at + 4] << 8;
        if ((len ^ nlen) != 0xFFFF || at + 5 + len > zlib.size()) return error = "bad stored block", Bytes{};
        raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(at + 5),
                   zlib.begin() + static_cast<std::ptrdiff_t>(at + 5 + len));
        at += 5 + len;
    }
    if (at + 4 > zlib.size() || BigEndian(zlib, at) != Adler32(raw.data(), raw.size()))
        return error = "bad Adler-32 checksum", Bytes{};
    return raw;
}

}  // namespace

PngReadResult DecodePng(const std::vector<std::uint8_t>& file) {
    Chunks chunks = ReadChunks(file);
    if (!chunks.error.empty()) return {{}, chunks.error};
    const Bytes& h = chunks.header;
    if (h.size() != 13) return {{}, "no IHDR chunk"};
    const std::uint32_t width = BigEndian(h, 0), height = BigEndian(h, 4);
    if (h[8] != 8 || h[9] != 2 || h[10] != 0 || h[11] != 0 || h[12] != 0)
        return {{}, "not 8-bit RGB without interlace"};
    if (width == 0 || height == 0 || width > 1u << 14 || height > 1u << 14) return {{}, "unreasonable image size"};
    std::string error;
    const Bytes raw = Inflate(chunks.data, error);
    if (!error.empty()) return {{}, error};
    const std::size_t row = width * 3;
    if (raw.size() != (row + 1) * height) return {{}, "image data of the wrong size"};
    PngReadResult out;
    out.image = {static_cast<int>(width), static_cast<int>(height), {}};
    out.image.pixels.reserve(row * height);
    for (std::size_t y = 0; y < height; ++y) {
        const auto start = raw.begin() + static_cast<std::ptrdiff_t>(y * (row + 1));
        if (*start != 0) return {{}, "filtered rows are not supported"};
        out.image.pixels.insert(out.image.pixels.end(), start + 1, start + 1 + static_cast<std::ptrdiff_t>(row));
    }
    return out;
}

PngReadResult ReadPng(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {{}, "cannot open " + path};
    const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PngReadResult r = DecodePng(file);
    if (!r.error.empty()) r.error = path + ": " + r.error;
    return r;
}

}  // namespace brixel::tools
