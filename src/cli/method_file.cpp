// Method databases and bare method records on disk.
#include "cli/method_file.h"

#include <algorithm>
#include <iterator>

#include "cli/file_io.h"
#include "recdb/core/database_file.h"
#include "recdb/recdb_codes.h"

namespace method_tool {

namespace {

constexpr uint8_t kDatabaseMagic[4] = {'R', 'D', 'B', '3'};

bool TakeRecord(std::span<const uint8_t> bytes, LoadedMethod& method) {
  std::copy(bytes.begin(), bytes.end(), method.record.bytes.begin());
  if (StoredInstrumentName(method.record) != kInstrumentName) return false;
  method.method = InletMethod{};
  DecodeStoredFields(method.record, method.method);
  return true;
}

}  // namespace

bool ParseMethodFile(std::span<const uint8_t> bytes, LoadedMethod& method, std::string& error) {
  const bool looksLikeDatabase =
      bytes.size() >= sizeof kDatabaseMagic &&
      std::equal(std::begin(kDatabaseMagic), std::end(kDatabaseMagic), bytes.begin());
  if (!looksLikeDatabase) {
    if (bytes.size() == kMethodRecordSize && TakeRecord(bytes, method)) {
      method.form = "method record";
      return true;
    }
    error = "neither a method database nor a TOVREX method record";
    return false;
  }
  recdb::DatabaseImage image;
  switch (recdb::ParseDatabase(bytes, recdb::kMethodDatabase, recdb::kMethodRecordSize, image)) {
    case recdb::kOk: break;
    case recdb::kCorrupt: error = "a record database whose checksums do not match"; return false;
    default: error = "a record database, but not a method database of this format"; return false;
  }
  if (image.count == 0) {
    error = "a method database that holds no method";
    return false;
  }
  if (!TakeRecord(image.Record(kMethodRecordNumber), method)) {
    error = "a method database whose record 1 is a method of another instrument (" +
            StoredInstrumentName(method.record) + ")";
    return false;
  }
  method.form = "method database, record 1";
  return true;
}

bool LoadMethodFile(const std::string& path, LoadedMethod& method, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, recdb::MaxFileSize(recdb::kMethodRecordSize), bytes, error)) {
    return false;
  }
  if (ParseMethodFile(bytes, method, error)) return true;
  error = path + ": " + error;
  return false;
}

std::vector<uint8_t> MethodDatabaseBytes(const MethodDbRecord& record) {
  recdb::DatabaseImage image;
  image.database = recdb::kMethodDatabase;
  image.recordSize = recdb::kMethodRecordSize;
  image.count = 1;
  image.records.assign(record.bytes.begin(), record.bytes.end());
  return recdb::SerializeDatabase(image);
}

}  // namespace method_tool
