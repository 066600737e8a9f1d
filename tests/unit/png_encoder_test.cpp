// The demo host's PNG encoder: what it writes decodes, with an independent decoder
// (ImageMagick), to the very pixels it was given, and sizes that do not fit are refused.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "gchost/core/binary_file.h"
#include "gchost/core/dib_pixels.h"
#include "gchost/core/png_encoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(RgbFromBgrx, ReordersEachPixelAndDropsItsFourthByte) {
  EXPECT_EQ(gchost::RgbFromBgrx(Bytes{1, 2, 3, 4, 5, 6, 7, 8}), (Bytes{3, 2, 1, 7, 6, 5}));
  EXPECT_TRUE(gchost::RgbFromBgrx(Bytes{1, 2, 3}).empty());
}

// ImageMagick's reader (libpng and zlib) checks the CRCs and the zlib stream, then gives
// the pixels back as raw RGB. Noise, so that swapped channels or shifted rows show and
// zlib writes its output in more pieces than it is given room for at once.
TEST(EncodePngRgb, DecodesToTheSamePixelsWithImageMagick) {
  if (std::system("convert -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no ImageMagick";
  const auto folder =
      std::filesystem::temp_directory_path() / ("gchost-png-test-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const auto png = folder / "image.png";
  const auto raw = folder / "image.rgb";
  // 1 x 1; an odd row length; a large image.
  for (const auto& [width, height] :
       {std::pair{1u, 1u}, std::pair{5u, 3u}, std::pair{300u, 300u}}) {
    SCOPED_TRACE(testing::Message() << width << " x " << height);
    Bytes rgb(size_t{width} * height * 3);
    uint32_t state = 12345;
    for (uint8_t& byte : rgb)
      byte = static_cast<uint8_t>((state = state * 1103515245u + 12345u) >> 23);
    ASSERT_TRUE(gchost::WriteBinaryFile(png.string(), gchost::EncodePngRgb(width, height, rgb)));
    const std::string command =
        "convert '" + png.string() + "' -depth 8 'rgb:" + raw.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(raw, std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), rgb);
  }
  std::filesystem::remove_all(folder);
}

TEST(EncodePngRgb, RefusesSizesThatDoNotMatchItsPixels) {
  // No width, no height, a byte short, a byte over, wider than PNG allows.
  const std::tuple<uint32_t, uint32_t, size_t> cases[] = {
      {0, 4, 0}, {4, 0, 0}, {2, 2, 11}, {2, 2, 13}, {0x80000000u, 1, 0}};
  for (const auto& [width, height, bytes] : cases) {
    EXPECT_TRUE(gchost::EncodePngRgb(width, height, Bytes(bytes)).empty())
        << width << "x" << height;
  }
}

}  // namespace
