// Pixels as a 32-bpp Windows DIB section holds them (blue, green, red, unused) turned
// into the RGB triples an image file wants.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gchost {

// RGB triples in the same order; the fourth byte of every pixel is dropped. Empty when
// the input is not a whole number of 4-byte pixels.
std::vector<uint8_t> RgbFromBgrx(std::span<const uint8_t> bgrx);

}  // namespace gchost
