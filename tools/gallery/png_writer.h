// A minimal PNG encoder: 8-bit RGB, no filtering, the image data in stored
// (uncompressed) deflate blocks. Enough for a gallery image; no zlib needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brixel::tools {

struct RgbImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels;  // row after row, r g b per pixel
};

// The encoded file; empty for an image without pixels.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);
bool WritePng(const RgbImage& image, const std::wstring& path);

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

}  // namespace brixel::tools
