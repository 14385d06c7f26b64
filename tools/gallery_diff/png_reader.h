// Reads back the PNGs the galleries write: 8-bit RGB, no interlace, rows
// unfiltered, the image data in stored deflate blocks (what EncodePng
// makes). Anything else is refused rather than guessed at.
#pragma once

#include "png_writer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brixel::tools {

struct PngReadResult {
    RgbImage image;
    std::string error;  // empty on success
};

PngReadResult DecodePng(const std::vector<std::uint8_t>& file);
PngReadResult ReadPng(const std::string& path);

}  // namespace brixel::tools
