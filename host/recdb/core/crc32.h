// CRC-32 (the reflected polynomial 0xEDB88320 of zip and PNG) for the record checksums,
// computed by zlib.
#pragma once

#include <cstdint>
#include <span>

#include <zlib.h>

namespace recdb {

// The CRC of `bytes`, continuing `previous` (start with 0).
inline uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t previous = 0) {
  // zlib answers 0 for a null buffer, which an empty span may hold: nothing to add.
  if (bytes.empty()) return previous;
  return static_cast<uint32_t>(crc32_z(previous, bytes.data(), bytes.size()));
}

}  // namespace recdb
