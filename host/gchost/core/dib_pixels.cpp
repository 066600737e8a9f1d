// Byte reordering from a DIB's BGRX pixels to RGB.
#include "gchost/core/dib_pixels.h"

namespace gchost {

std::vector<uint8_t> RgbFromBgrx(std::span<const uint8_t> bgrx) {
  if (bgrx.size() % 4 != 0) return {};
  std::vector<uint8_t> rgb;
  rgb.reserve(bgrx.size() / 4 * 3);
  for (size_t i = 0; i < bgrx.size(); i += 4) {
    rgb.push_back(bgrx[i + 2]);
    rgb.push_back(bgrx[i + 1]);
    rgb.push_back(bgrx[i]);
  }
  return rgb;
}

}  // namespace gchost
