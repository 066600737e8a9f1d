// The demo host's PNG encoder: its checksums against zlib's known values, its zlib
// stream block by block, and its files decoded by an independent decoder (ImageMagick).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gchost/core/binary_file.h"
#include "gchost/core/checksums.h"
#include "gchost/core/dib_pixels.h"
#include "gchost/core/png_encoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

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

TEST(Checksums, MatchZlibsKnownValues) {
  struct Case {
    Bytes data;
    uint32_t crc;
    uint32_t adler;
  };
  const Case cases[] = {
      {{}, 0x00000000, 0x00000001},
      {BytesOf("a"), 0xE8B7BE43, 0x00620062},
      {BytesOf("123456789"), 0xCBF43926, 0x091E01DE},
      {BytesOf("Wikipedia"), 0xADAAC02E, 0x11E60398},
      {BytesOf("The quick brown fox jumps over the lazy dog"), 0x414FA339, 0x5BDC0FDA},
      // Long runs of 0xFF make Adler's sums reach the modulus many times over.
      {Bytes(100000, 0xFF), 0x68C6CEC4, 0x149A302C},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.data.size() << " bytes");
    EXPECT_EQ(gchost::Crc32(c.data), c.crc);
    EXPECT_EQ(gchost::Adler32(c.data), c.adler);
  }
}

TEST(Checksums, ContinueAcrossParts) {
  const Bytes whole(70001, 0xFF);
  const std::span<const uint8_t> all(whole);
  for (size_t cut : {size_t{0}, size_t{1}, size_t{5552}, size_t{65536}, whole.size()}) {
    SCOPED_TRACE(cut);
    EXPECT_EQ(gchost::Crc32(all.subspan(cut), gchost::Crc32(all.first(cut))), gchost::Crc32(all));
    EXPECT_EQ(gchost::Adler32(all.subspan(cut), gchost::Adler32(all.first(cut))),
              gchost::Adler32(all));
  }
}

TEST(ZlibStored, SplitsIntoBlocksOfAtMost65535Bytes) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{65535}, size_t{65536}, size_t{200000}}) {
    SCOPED_TRACE(testing::Message() << size << " bytes");
    Bytes data(size);
    for (size_t i = 0; i < size; ++i) data[i] = static_cast<uint8_t>(i % 253);
    const Bytes stream = gchost::ZlibStored(data);
    ASSERT_GE(stream.size(), 2u + 5u + 4u);
    EXPECT_EQ(stream[0], 0x78);
    EXPECT_EQ((stream[0] * 256 + stream[1]) % 31, 0) << "zlib header check bits";

    Bytes payload;
    size_t at = 2;
    bool final = false;
    int blocks = 0;
    while (!final) {
      ASSERT_LE(at + 5, stream.size());
      EXPECT_EQ(stream[at] & ~1, 0) << "stored block type, no stray bits";
      final = stream[at] & 1;
      const unsigned len = stream[at + 1] | stream[at + 2] << 8;
      const unsigned nlen = stream[at + 3] | stream[at + 4] << 8;
      EXPECT_EQ(len ^ 0xFFFF, nlen);
      EXPECT_TRUE(final || len == 65535) << "only the last block is short";
      at += 5;
      ASSERT_LE(at + len, stream.size());
      payload.insert(payload.end(), stream.begin() + at, stream.begin() + at + len);
      at += len;
      ++blocks;
    }
    EXPECT_EQ(payload, data);
    EXPECT_EQ(blocks, size == 0 ? 1 : static_cast<int>((size + 65534) / 65535));
    ASSERT_EQ(at + 4, stream.size());
    EXPECT_EQ(BigEndian32(stream, at), gchost::Adler32(data));
  }
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

TEST(EncodePngRgb, WritesSignatureChunksAndTheirCrcs) {
  const Bytes png = gchost::EncodePngRgb(3, 2, TestImage(3, 2));
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_GT(png.size(), signature.size());
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));

  std::vector<std::string> types;
  size_t at = signature.size();
  while (at < png.size()) {
    ASSERT_LE(at + 12, png.size());
    const uint32_t length = BigEndian32(png, at);
    ASSERT_LE(at + 12 + length, png.size());
    types.emplace_back(png.begin() + at + 4, png.begin() + at + 8);
    const std::span<const uint8_t> typeAndData(png.data() + at + 4, length + 4);
    EXPECT_EQ(BigEndian32(png, at + 8 + length), gchost::Crc32(typeAndData)) << types.back();
    if (types.back() == "IHDR") {
      ASSERT_EQ(length, 13u);
      EXPECT_EQ(BigEndian32(png, at + 8), 3u);
      EXPECT_EQ(BigEndian32(png, at + 12), 2u);
      EXPECT_EQ(Bytes(png.begin() + at + 16, png.begin() + at + 21), (Bytes{8, 2, 0, 0, 0}));
    }
    at += 12 + length;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
}

// ImageMagick's PNG reader (libpng and zlib) checks the CRCs, the zlib stream and its
// Adler-32, then gives the pixels back as raw RGB.
TEST(EncodePngRgb, DecodesToTheSamePixelsWithImageMagick) {
  if (std::system("convert -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no ImageMagick";
  const TempFolder folder;
  struct Case {
    uint32_t width;
    uint32_t height;
  };
  // 1 x 1; an odd row length; more than one stored block (200 x 150 x 3 > 65535).
  for (const Case& c : {Case{1, 1}, Case{5, 3}, Case{200, 150}}) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    const Bytes rgb = TestImage(c.width, c.height);
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
