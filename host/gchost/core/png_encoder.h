// A small PNG encoder for screenshots: 8-bit RGB, no interlacing, unfiltered scanlines
// compressed by zlib.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gchost {

// The complete PNG file of a width x height image given as top-down rows of RGB
// triples with no padding. Empty when a size is 0 or beyond PNG's 2^31 - 1, when
// `rgb` does not hold exactly width * height * 3 bytes, or when zlib fails (no memory).
std::vector<uint8_t> EncodePngRgb(uint32_t width, uint32_t height, std::span<const uint8_t> rgb);

}  // namespace gchost
