// The demo host's PNG encoder: its chunk layout, the scanlines inside its zlib stream,
// and its files decoded by an independent decoder (ImageMagick).
#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <zlib.h>

#include "gchost/core/binary_file.h"
#include "gchost/core/dib_pixels.h"
#include "gchost/core/png_encoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t BigEndian32(const Bytes& bytes, size_t at) {
  return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh folder for the files one test writes, removed afterwards.
class TempFolder {
 public:
  TempFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("gchost-png-test-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A test image whose every byte differs from its neighbours, so that swapped channels,
// shifted rows or a lost filter byte all show.
Bytes TestImage(uint32_t width, uint32_t height) {
  Bytes rgb(size_t{width} * height * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return rgb;
}

// Bytes deflate cannot shrink, so the compressed stream is as long as the image.
Bytes NoiseImage(uint32_t width, uint32_t height) {
  Bytes rgb(size_t{width} * height * 3);
  uint32_t state = 12345;
  for (uint8_t& byte : rgb) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<uint8_t>(state >> 23);
  }
  return rgb;
}

// The chunks of a PNG file in order, each checked against its CRC.
struct Chunk {
  std::string type;
  Bytes data;
};

std::vector<Chunk> ChunksOf(const Bytes& png) {
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<Chunk> chunks;
  if (png.size() < signature.size() ||
      !std::equal(signature.begin(), signature.end(), png.begin())) {
    ADD_FAILURE() << "no PNG signature";
    return chunks;
  }
  size_t at = signature.size();
  while (at < png.size()) {
    if (at + 12 > png.size() || at + 12 + BigEndian32(png, at) > png.size()) {
      ADD_FAILURE() << "a chunk runs past the end of the file at " << at;
      break;
    }
    const uint32_t length = BigEndian32(png, at);
    Chunk chunk{std::string(png.begin() + at + 4, png.begin() + at + 8),
                Bytes(png.begin() + at + 8, png.begin() + at + 8 + length)};
    EXPECT_EQ(BigEndian32(png, at + 8 + length), crc32_z(0, png.data() + at + 4, length + 4))
        << chunk.type;
    chunks.push_back(std::move(chunk));
    at += 12 + length;
  }
  return chunks;
}

TEST(EncodePngRgb, RefusesSizesThatDoNotMatchItsPixels) {
  struct Case {
    const char* name;
    uint32_t width;
    uint32_t height;
    size_t bytes;
  };
  const Case cases[] = {
      {"no width", 0, 4, 0},
      {"no height", 4, 0, 0},
      {"one byte short", 2, 2, 11},
      {"one byte over", 2, 2, 13},
      {"a row without its last pixel", 3, 1, 6},
      {"wider than PNG allows", 0x80000000u, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(gchost::EncodePngRgb(c.width, c.height, Bytes(c.bytes)).empty());
  }
}

TEST(EncodePngRgb, WritesHeaderAndScanlinesInCheckedChunks) {
  const uint32_t width = 3, height = 2;
  const Bytes rgb = TestImage(width, height);
  const std::vector<Chunk> chunks = ChunksOf(gchost::EncodePngRgb(width, height, rgb));
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].type, "IHDR");
  EXPECT_EQ(chunks[1].type, "IDAT");
  EXPECT_EQ(chunks[2].type, "IEND");
  EXPECT_TRUE(chunks[2].data.empty());

  const Bytes& header = chunks[0].data;
  ASSERT_EQ(header.size(), 13u);
  EXPECT_EQ(BigEndian32(header, 0), width);
  EXPECT_EQ(BigEndian32(header, 4), height);
  EXPECT_EQ(Bytes(header.begin() + 8, header.end()), (Bytes{8, 2, 0, 0, 0}));

  // Every row behind a 0 (no filter) byte.
  Bytes scanlines;
  for (uint32_t y = 0; y < height; ++y) {
    scanlines.push_back(0);
    scanlines.insert(scanlines.end(), rgb.begin() + y * width * 3,
                     rgb.begin() + (y + 1) * width * 3);
  }
  Bytes inflated(scanlines.size() + 16);
  uLongf inflatedSize = static_cast<uLongf>(inflated.size());
  ASSERT_EQ(uncompress(inflated.data(), &inflatedSize, chunks[1].data.data(),
                       static_cast<uLong>(chunks[1].data.size())),
            Z_OK);
  inflated.resize(inflatedSize);
  EXPECT_EQ(inflated, scanlines);
}

TEST(EncodePngRgb, CompressesAFlatImage) {
  const uint32_t width = 400, height = 300;
  const Bytes grey(size_t{width} * height * 3, 0xC0);
  const Bytes png = gchost::EncodePngRgb(width, height, grey);
  ASSERT_FALSE(png.empty());
  EXPECT_LT(png.size(), grey.size() / 100) << "the scanlines went in uncompressed";
}

// ImageMagick's PNG reader (libpng and zlib) checks the CRCs and the zlib stream, then
// gives the pixels back as raw RGB.
TEST(EncodePngRgb, DecodesToTheSamePixelsWithImageMagick) {
  if (std::system("convert -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no ImageMagick";
  const TempFolder folder;
  struct Case {
    uint32_t width;
    uint32_t height;
    bool noise;
  };
  // 1 x 1; an odd row length; a larger image; noise, which zlib writes out in many
  // more pieces than it is given room for at once.
  for (const Case& c :
       {Case{1, 1, false}, Case{5, 3, false}, Case{200, 150, false}, Case{300, 300, true}}) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    const Bytes rgb = c.noise ? NoiseImage(c.width, c.height) : TestImage(c.width, c.height);
    const auto png = folder / "image.png";
    const auto raw = folder / "image.rgb";
    ASSERT_TRUE(
        gchost::WriteBinaryFile(png.string(), gchost::EncodePngRgb(c.width, c.height, rgb)));
    const std::string command =
        "convert '" + png.string() + "' -depth 8 'rgb:" + raw.string() + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(ReadFile(raw), rgb);
  }
}

TEST(RgbFromBgrx, ReordersChannelsAndDropsTheFourthByte) {
  struct Case {
    const char* name;
    Bytes bgrx;
    Bytes rgb;
  };
  const Case cases[] = {
      {"nothing", {}, {}},
      {"one pixel", {1, 2, 3, 4}, {3, 2, 1}},
      {"two pixels", {10, 20, 30, 0, 40, 50, 60, 255}, {30, 20, 10, 60, 50, 40}},
      {"a partial pixel", {1, 2, 3, 4, 5}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(gchost::RgbFromBgrx(c.bgrx), c.rgb);
  }
}

TEST(WriteBinaryFile, WritesExactlyTheBytesAndReportsFailure) {
  const TempFolder folder;
  const Bytes bytes = {0, 1, '\n', '\r', 0x1A, 0xFF};  // bytes a text-mode stream would alter
  const auto path = folder / "bytes.bin";
  ASSERT_TRUE(gchost::WriteBinaryFile(path.string(), bytes));
  EXPECT_EQ(ReadFile(path), bytes);
  ASSERT_TRUE(gchost::WriteBinaryFile(path.string(), Bytes{7}));
  EXPECT_EQ(ReadFile(path), Bytes{7}) << "an existing file is replaced, not appended to";
  EXPECT_FALSE(gchost::WriteBinaryFile((folder / "missing" / "x.bin").string(), bytes));
}

}  // namespace
