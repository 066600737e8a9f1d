// A small PNG encoder for screenshots: 8-bit RGB, no interlacing, and a zlib stream of
// stored (uncompressed) deflate blocks, so that it needs no compression library.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gchost {

// A zlib stream that holds `data` unchanged in stored deflate blocks of at most
// 65535 bytes each (one empty final block for no data), ending in its Adler-32.
std::vector<uint8_t> ZlibStored(std::span<const uint8_t> data);

// The complete PNG file of a width x height image given as top-down rows of RGB
// triples with no padding. Empty when a size is 0 or beyond PNG's 2^31 - 1, or when
// `rgb` does not hold exactly width * height * 3 bytes.
std::vector<uint8_t> EncodePngRgb(uint32_t width, uint32_t height, std::span<const uint8_t> rgb);

}  // namespace gchost
