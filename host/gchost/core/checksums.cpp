// CRC-32 from a table built at compile time; Adler-32 with its sums reduced in blocks.
#include "gchost/core/checksums.h"

#include <array>

namespace gchost {

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

constexpr uint32_t kAdlerModulus = 65521;
// The most bytes whose sums cannot overflow 32 bits before they are reduced (zlib's NMAX).
constexpr size_t kAdlerBlock = 5552;

}  // namespace

uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t previous) {
  uint32_t c = ~previous;
  for (uint8_t b : bytes) c = kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
  return ~c;
}

uint32_t Adler32(std::span<const uint8_t> bytes, uint32_t previous) {
  uint32_t a = previous & 0xFFFF;
  uint32_t b = previous >> 16;
  while (!bytes.empty()) {
    const size_t n = bytes.size() < kAdlerBlock ? bytes.size() : kAdlerBlock;
    for (uint8_t byte : bytes.first(n)) {
      a += byte;
      b += a;
    }
    a %= kAdlerModulus;
    b %= kAdlerModulus;
    bytes = bytes.subspan(n);
  }
  return (b << 16) | a;
}

}  // namespace gchost
