// PNG chunks (signature, IHDR, one IDAT, IEND) around unfiltered scanlines.
#include "gchost/core/png_encoder.h"

#include <algorithm>
#include <string_view>

#include "gchost/core/checksums.h"

namespace gchost {

namespace {

constexpr size_t kMaxStoredBlock = 65535;
constexpr uint32_t kMaxPngDimension = 0x7FFFFFFF;
constexpr uint8_t kColourTypeRgb = 2;
constexpr uint8_t kFilterNone = 0;
// A chunk's length field allows 2^31 - 1 bytes; a longer stream spans several IDATs.
constexpr size_t kMaxIdatChunk = size_t{1} << 30;

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value >> 24));
  out.push_back(static_cast<uint8_t>(value >> 16));
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

void PutLittleEndian16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

// length, type, data, and the CRC over type and data.
void PutChunk(std::vector<uint8_t>& out, std::string_view type, std::span<const uint8_t> data) {
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  const size_t typeStart = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian32(out, Crc32(std::span<const uint8_t>(out).subspan(typeStart)));
}

}  // namespace

std::vector<uint8_t> ZlibStored(std::span<const uint8_t> data) {
  std::vector<uint8_t> out;
  const size_t blocks = std::max<size_t>(1, (data.size() + kMaxStoredBlock - 1) / kMaxStoredBlock);
  out.reserve(2 + data.size() + blocks * 5 + 4);
  // CMF 0x78: deflate with a 32 KiB window; FLG 0x01 makes CMF * 256 + FLG a multiple of 31.
  out.push_back(0x78);
  out.push_back(0x01);
  std::span<const uint8_t> rest = data;
  do {
    const size_t n = std::min(rest.size(), kMaxStoredBlock);
    const bool final = n == rest.size();
    // BFINAL in bit 0, BTYPE 00 (stored); the rest of the byte pads to a byte boundary.
    out.push_back(final ? 1 : 0);
    PutLittleEndian16(out, static_cast<uint16_t>(n));
    PutLittleEndian16(out, static_cast<uint16_t>(~n));
    out.insert(out.end(), rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(n));
    rest = rest.subspan(n);
  } while (!rest.empty());
  PutBigEndian32(out, Adler32(data));
  return out;
}

std::vector<uint8_t> EncodePngRgb(uint32_t width, uint32_t height, std::span<const uint8_t> rgb) {
  if (width == 0 || height == 0 || width > kMaxPngDimension || height > kMaxPngDimension) return {};
  const uint64_t rowBytes = uint64_t{width} * 3;
  if (rgb.size() != rowBytes * height) return {};  // also refuses sizes a size_t cannot hold

  std::vector<uint8_t> scanlines;
  scanlines.reserve(static_cast<size_t>((rowBytes + 1) * height));
  for (uint32_t y = 0; y < height; ++y) {
    scanlines.push_back(kFilterNone);
    const auto row = rgb.subspan(static_cast<size_t>(rowBytes * y), static_cast<size_t>(rowBytes));
    scanlines.insert(scanlines.end(), row.begin(), row.end());
  }

  std::vector<uint8_t> header;
  PutBigEndian32(header, width);
  PutBigEndian32(header, height);
  // bit depth 8, colour type RGB, deflate, adaptive filtering, no interlace
  header.insert(header.end(), {8, kColourTypeRgb, 0, 0, 0});

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  const std::vector<uint8_t> stream = ZlibStored(scanlines);
  for (size_t at = 0; at < stream.size(); at += kMaxIdatChunk) {
    PutChunk(
        png, "IDAT",
        std::span<const uint8_t>(stream).subspan(at, std::min(kMaxIdatChunk, stream.size() - at)));
  }
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace gchost
