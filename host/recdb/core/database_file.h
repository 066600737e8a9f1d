// The record-database file: a fixed header and the records, each followed by its
// checksum. All numbers little-endian.
//
//   offset  size  content
//   0       8     magic "RDB3\r\n\x1a\n" (the line-end and ^Z bytes catch a file that
//                 went through a text-mode copy)
//   8       4     format version, 1
//   12      4     database number
//   16      4     record size in bytes
//   20      4     record count
//   24      4     CRC-32 of bytes 0..23
//   28            record 1, record 2, ...: each `record size` bytes, then the CRC-32 of
//                 its record number (4 bytes, little-endian) followed by its bytes
//
// The file is exactly 28 + count * (size + 4) bytes long; anything else is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "recdb/recdb_codes.h"

namespace recdb {

inline constexpr uint32_t kFormatVersion = 1;
inline constexpr std::size_t kHeaderSize = 28;
// A bound on what a file may claim, so that a damaged count cannot make the library
// read or allocate without limit.
inline constexpr uint32_t kMaxRecords = 10000;

// A whole database in memory: `count` records of `recordSize` bytes, back to back.
struct DatabaseImage {
  uint32_t database = 0;
  uint32_t recordSize = 0;
  uint32_t count = 0;
  std::vector<uint8_t> records;

  std::span<uint8_t> Record(uint32_t number);  // 1-based; number must be in 1..count
  std::span<const uint8_t> Record(uint32_t number) const;
};

// The largest file a database of this record size can be.
std::size_t MaxFileSize(uint32_t recordSize);

// The file's bytes for `image`.
std::vector<uint8_t> SerializeDatabase(const DatabaseImage& image);

// Reads a file that must hold database `database` with records of `recordSize` bytes.
// kOk with `image` filled, or kNotADatabase / kCorrupt with `image` untouched.
Result ParseDatabase(std::span<const uint8_t> file, uint32_t database, uint32_t recordSize,
                     DatabaseImage& image);

}  // namespace recdb
