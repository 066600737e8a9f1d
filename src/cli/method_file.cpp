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

// What a file that starts as a record database but is not one of method records says
// about itself: a method database is a header and whole records, each of the same
// length, which the library's own writer tells.
std::string DatabaseFault(std::size_t size) {
  recdb::DatabaseImage image{recdb::kMethodDatabase, recdb::kMethodRecordSize, 0, {}};
  const std::size_t header = recdb::SerializeDatabase(image).size();
  const std::size_t slot = MethodDatabaseBytes(MethodDbRecord{}).size() - header;
  if (size < header || (size - header) % slot != 0) {
    return "a method database cut short or lengthened (" + std::to_string(size) +
           " bytes, not a header and whole records)";
  }
  return "a record database, but not a method database of this format (another version, "
         "database or record size, or a record count that does not match its length)";
}

}  // namespace

std::string LoadedMethod::Form() const {
  if (!database) return "method record";
  return "method database holding " + std::to_string(records) +
         (records == 1 ? " record" : " records") + ", record " + std::to_string(number);
}

bool ParseMethodFile(std::span<const uint8_t> bytes, uint32_t number, LoadedMethod& method,
                     std::string& error) {
  const bool looksLikeDatabase =
      bytes.size() >= sizeof kDatabaseMagic &&
      std::equal(std::begin(kDatabaseMagic), std::end(kDatabaseMagic), bytes.begin());
  if (!looksLikeDatabase) {
    if (bytes.size() == kMethodRecordSize && TakeRecord(bytes, method)) {
      if (number != 1) {
        error =
            "a bare method record, which is record 1 only, not record " + std::to_string(number);
        return false;
      }
      method.database = false;
      method.number = method.records = 1;
      return true;
    }
    error = "neither a method database nor a TOVREX method record";
    return false;
  }
  recdb::DatabaseImage image;
  switch (recdb::ParseDatabase(bytes, recdb::kMethodDatabase, recdb::kMethodRecordSize, image)) {
    case recdb::kOk: break;
    case recdb::kCorrupt:
      error = "a method database whose header or a record fails its checksum (damaged)";
      return false;
    default: error = DatabaseFault(bytes.size()); return false;
  }
  if (image.count == 0) {
    error = "a method database that holds no method";
    return false;
  }
  if (number < 1 || number > image.count) {
    error = "a method database holding " + std::to_string(image.count) +
            (image.count == 1 ? " record" : " records") + ", no record " + std::to_string(number);
    return false;
  }
  if (!TakeRecord(image.Record(number), method)) {
    error = "a method database whose record " + std::to_string(number) +
            " is a method of another instrument (" + StoredInstrumentName(method.record) + ")";
    return false;
  }
  method.database = true;
  method.number = number;
  method.records = image.count;
  return true;
}

bool LoadMethodFile(const std::string& path, uint32_t number, LoadedMethod& method,
                    std::string& error) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, recdb::MaxFileSize(recdb::kMethodRecordSize), bytes, error)) {
    return false;
  }
  if (ParseMethodFile(bytes, number, method, error)) return true;
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
