// CRC-32 (the reflected polynomial 0xEDB88320 of zip and PNG) for the record checksums.
#pragma once

#include <cstdint>
#include <span>

namespace recdb {

// The CRC of `bytes`, continuing `previous` (start with 0).
uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t previous = 0);

}  // namespace recdb
