// PNG chunks (signature, IHDR, IDAT, IEND) around scanlines that zlib deflates row by
// row, so the image is never copied whole.
#include "gchost/core/png_encoder.h"

#include <algorithm>
#include <string_view>

#define ZLIB_CONST  // next_in is then a pointer to const: the rows are read, never written
#include <zlib.h>

namespace gchost {

namespace {

constexpr uint32_t kMaxPngDimension = 0x7FFFFFFF;
constexpr uint8_t kColourTypeRgb = 2;
// A chunk's length field allows 2^31 - 1 bytes; a longer stream spans several IDATs.
constexpr size_t kMaxIdatChunk = size_t{1} << 30;
// zlib counts its input and output in unsigned int; longer spans go in pieces.
constexpr size_t kMaxDeflatePiece = size_t{1} << 30;
// How much room each deflate call is given to write into; a call that fills it is
// repeated. The vector underneath grows geometrically however small this is.
constexpr size_t kDeflateOutputStep = 4 * 1024;

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value >> 24));
  out.push_back(static_cast<uint8_t>(value >> 16));
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

// length, type, data, and the CRC over type and data.
void PutChunk(std::vector<uint8_t>& out, std::string_view type, std::span<const uint8_t> data) {
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  const size_t typeStart = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian32(out,
                 static_cast<uint32_t>(crc32_z(0, out.data() + typeStart, out.size() - typeStart)));
}

// One zlib stream being written; its state is freed on every path out.
class Deflater {
 public:
  Deflater() : ok_(deflateInit(&stream_, Z_DEFAULT_COMPRESSION) == Z_OK) {}
  ~Deflater() {
    if (ok_) deflateEnd(&stream_);
  }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  // Compresses `bytes` onto the end of `out`; `last` ends the stream after them.
  // False when zlib could not start or failed.
  bool Write(std::span<const uint8_t> bytes, bool last, std::vector<uint8_t>& out) {
    if (!ok_) return false;
    do {
      const size_t piece = std::min(bytes.size(), kMaxDeflatePiece);
      stream_.next_in = bytes.data();
      stream_.avail_in = static_cast<uInt>(piece);
      bytes = bytes.subspan(piece);
      const int flush = last && bytes.empty() ? Z_FINISH : Z_NO_FLUSH;
      // Until zlib leaves room in the output it may hold back more.
      do {
        const size_t used = out.size();
        out.resize(used + kDeflateOutputStep);
        stream_.next_out = out.data() + used;
        stream_.avail_out = static_cast<uInt>(kDeflateOutputStep);
        const int result = deflate(&stream_, flush);
        out.resize(out.size() - stream_.avail_out);
        if (result == Z_STREAM_ERROR) return false;
      } while (stream_.avail_out == 0);
    } while (!bytes.empty());
    return true;
  }

 private:
  z_stream stream_{};
  bool ok_;
};

// The zlib stream of the unfiltered scanlines: each row behind its filter-type byte.
bool DeflateScanlines(uint32_t height, size_t rowBytes, std::span<const uint8_t> rgb,
                      std::vector<uint8_t>& stream) {
  Deflater deflater;
  // The first byte, the row's filter type, stays 0 from the vector's zeroing: none.
  std::vector<uint8_t> scanline(rowBytes + 1);
  for (uint32_t y = 0; y < height; ++y) {
    const auto row = rgb.subspan(rowBytes * y, rowBytes);
    std::copy(row.begin(), row.end(), scanline.begin() + 1);
    if (!deflater.Write(scanline, y + 1 == height, stream)) return false;
  }
  return true;
}

}  // namespace

std::vector<uint8_t> EncodePngRgb(uint32_t width, uint32_t height, std::span<const uint8_t> rgb) {
  if (width == 0 || height == 0 || width > kMaxPngDimension || height > kMaxPngDimension) return {};
  const uint64_t rowBytes = uint64_t{width} * 3;
  if (rgb.size() != rowBytes * height) return {};  // also refuses sizes a size_t cannot hold

  std::vector<uint8_t> stream;
  if (!DeflateScanlines(height, static_cast<size_t>(rowBytes), rgb, stream)) return {};

  std::vector<uint8_t> header;
  PutBigEndian32(header, width);
  PutBigEndian32(header, height);
  // bit depth 8, colour type RGB, deflate, adaptive filtering, no interlace
  header.insert(header.end(), {8, kColourTypeRgb, 0, 0, 0});

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  for (size_t at = 0; at < stream.size(); at += kMaxIdatChunk) {
    PutChunk(
        png, "IDAT",
        std::span<const uint8_t>(stream).subspan(at, std::min(kMaxIdatChunk, stream.size() - at)));
  }
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace gchost
