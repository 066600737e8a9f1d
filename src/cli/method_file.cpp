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

// The layout of a method database as the library's own writer lays it out: the header's
// length, a record's slot (its bytes and its checksum) and where in the slot its bytes
// start. Learned from the writer, so that nothing here repeats the format.
struct Layout {
  std::size_t header, slot, recordAt;
};

Layout DatabaseLayout() {
  recdb::DatabaseImage image{recdb::kMethodDatabase, recdb::kMethodRecordSize, 0, {}};
  const std::size_t header = recdb::SerializeDatabase(image).size();
  MethodDbRecord marked{};
  marked.bytes.fill(0xA5);
  const std::vector<uint8_t> one = MethodDatabaseBytes(marked);
  const auto at =
      std::search(one.begin() + header, one.end(), marked.bytes.begin(), marked.bytes.end());
  return {header, one.size() - header, static_cast<std::size_t>(at - one.begin()) - header};
}

// What a file that starts as a record database but is not one of method records says
// about itself: whether its length is a header and whole records.
std::string DatabaseFault(std::size_t size) {
  const Layout layout = DatabaseLayout();
  if (size < layout.header || (size - layout.header) % layout.slot != 0) {
    return "a method database cut short or lengthened (" + std::to_string(size) +
           " bytes, not a header and whole records)";
  }
  return "a record database, but not a method database of this format (another version, "
         "database or record size, or a record count that does not match its length)";
}

// Which checksum of a database fails: the writer, given the records as they lie in the
// file, writes them with the right checksums, and the first byte where the file differs
// is in the header or in the damaged record's slot.
std::string ChecksumFault(std::span<const uint8_t> bytes) {
  const Layout layout = DatabaseLayout();
  const std::string damaged = "a method database whose ";
  if (bytes.size() < layout.header || (bytes.size() - layout.header) % layout.slot != 0) {
    return damaged + "header fails its checksum (damaged)";
  }
  recdb::DatabaseImage image{recdb::kMethodDatabase, recdb::kMethodRecordSize, 0, {}};
  image.count = static_cast<uint32_t>((bytes.size() - layout.header) / layout.slot);
  for (uint32_t n = 0; n < image.count; ++n) {
    const auto record =
        bytes.subspan(layout.header + n * layout.slot + layout.recordAt, recdb::kMethodRecordSize);
    image.records.insert(image.records.end(), record.begin(), record.end());
  }
  const std::vector<uint8_t> rewritten = recdb::SerializeDatabase(image);
  const std::size_t at = static_cast<std::size_t>(
      std::mismatch(bytes.begin(), bytes.end(), rewritten.begin()).first - bytes.begin());
  if (at < layout.header || at == bytes.size()) {
    return damaged + "header fails its checksum (damaged)";
  }
  return damaged + "record " + std::to_string((at - layout.header) / layout.slot + 1) +
         " fails its checksum (damaged)";
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
    case recdb::kCorrupt: error = ChecksumFault(bytes); return false;
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
