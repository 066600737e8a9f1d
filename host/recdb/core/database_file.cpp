// Writing and checking the record-database file format.
#include "recdb/core/database_file.h"

#include <algorithm>
#include <utility>

#include "recdb/core/crc32.h"

namespace recdb {

namespace {

constexpr uint8_t kMagic[8] = {'R', 'D', 'B', '3', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kVersionAt = 8, kDatabaseAt = 12, kSizeAt = 16, kCountAt = 20;
constexpr std::size_t kHeaderCrcAt = 24;
constexpr std::size_t kCrcSize = 4;

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t GetU32(std::span<const uint8_t> bytes, std::size_t at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
  return value;
}

// A record's checksum covers its number too, so records that changed places are caught.
uint32_t RecordCrc(uint32_t number, std::span<const uint8_t> record) {
  const uint8_t numberBytes[4] = {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                                  static_cast<uint8_t>(number >> 16),
                                  static_cast<uint8_t>(number >> 24)};
  return Crc32(record, Crc32(numberBytes));
}

}  // namespace

std::span<uint8_t> DatabaseImage::Record(uint32_t number) {
  return std::span<uint8_t>(records).subspan(std::size_t{number - 1} * recordSize, recordSize);
}

std::span<const uint8_t> DatabaseImage::Record(uint32_t number) const {
  return std::span<const uint8_t>(records).subspan(std::size_t{number - 1} * recordSize,
                                                   recordSize);
}

std::size_t MaxFileSize(uint32_t recordSize) {
  return kHeaderSize + std::size_t{kMaxRecords} * (std::size_t{recordSize} + kCrcSize);
}

std::vector<uint8_t> SerializeDatabase(const DatabaseImage& image) {
  std::vector<uint8_t> out(std::begin(kMagic), std::end(kMagic));
  out.reserve(kHeaderSize + std::size_t{image.count} * (image.recordSize + kCrcSize));
  PutU32(out, kFormatVersion);
  PutU32(out, image.database);
  PutU32(out, image.recordSize);
  PutU32(out, image.count);
  PutU32(out, Crc32(out));
  for (uint32_t n = 1; n <= image.count; ++n) {
    const auto record = image.Record(n);
    out.insert(out.end(), record.begin(), record.end());
    PutU32(out, RecordCrc(n, record));
  }
  return out;
}

Result ParseDatabase(std::span<const uint8_t> file, uint32_t database, uint32_t recordSize,
                     DatabaseImage& image) {
  if (file.size() < kHeaderSize ||
      !std::equal(std::begin(kMagic), std::end(kMagic), file.begin())) {
    return kNotADatabase;
  }
  // Another version may lay out the rest of its header differently: refuse it first.
  if (GetU32(file, kVersionAt) != kFormatVersion) return kNotADatabase;
  if (GetU32(file, kHeaderCrcAt) != Crc32(file.first(kHeaderCrcAt))) return kCorrupt;
  const uint32_t count = GetU32(file, kCountAt);
  if (GetU32(file, kDatabaseAt) != database || GetU32(file, kSizeAt) != recordSize ||
      count > kMaxRecords) {
    return kNotADatabase;
  }
  const std::size_t slot = std::size_t{recordSize} + kCrcSize;
  if (file.size() != kHeaderSize + std::size_t{count} * slot) return kNotADatabase;

  std::vector<uint8_t> records;
  records.reserve(std::size_t{count} * recordSize);
  for (uint32_t n = 1; n <= count; ++n) {
    const auto record = file.subspan(kHeaderSize + (n - 1) * slot, recordSize);
    if (GetU32(file, kHeaderSize + (n - 1) * slot + recordSize) != RecordCrc(n, record)) {
      return kCorrupt;
    }
    records.insert(records.end(), record.begin(), record.end());
  }
  image.database = database;
  image.recordSize = recordSize;
  image.count = count;
  image.records = std::move(records);
  return kOk;
}

}  // namespace recdb
