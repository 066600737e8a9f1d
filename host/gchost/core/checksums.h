// The two checksums a PNG file carries: CRC-32 over every chunk and Adler-32 at the end
// of the zlib stream. Both can be continued: pass the result of the previous part.
#pragma once

#include <cstdint>
#include <span>

namespace gchost {

// CRC-32 as PNG and zlib define it (reflected polynomial 0xEDB88320). Start with 0.
uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t previous = 0);

// Adler-32 as zlib defines it. Start with 1.
uint32_t Adler32(std::span<const uint8_t> bytes, uint32_t previous = 1);

}  // namespace gchost
