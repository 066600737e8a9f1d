// Fuzz target: a record-database file as the library reads it. The file is parsed as a
// method database and as the database its own header claims; one it accepts must be
// written back byte for byte. Then sessions run on it as the editor's do: a check, a read
// of every record, and an update that stores record 1 (appending it to an empty
// database), after which the file on disk must read back with the stored record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fakes/memory_file_system.h"
#include "recdb/core/database_file.h"
#include "recdb/core/file_system.h"
#include "recdb/core/record_database.h"
#include "recdb/recdb_codes.h"

namespace {

void Require(bool holds) {
  if (!holds) __builtin_trap();
}

uint32_t HeaderWord(std::span<const uint8_t> file, std::size_t at) {
  uint32_t value = 0;
  for (std::size_t i = 0; i < 4 && at + i < file.size(); ++i)
    value |= uint32_t{file[at + i]} << 8 * i;
  return value;
}

void ParseAndWriteBack(std::span<const uint8_t> file, uint32_t database, uint32_t recordSize) {
  recdb::DatabaseImage image;
  if (recdb::ParseDatabase(file, database, recordSize, image) != recdb::kOk) return;
  const std::vector<uint8_t> again = recdb::SerializeDatabase(image);
  Require(std::equal(again.begin(), again.end(), file.begin(), file.end()));
}

void RunSessions(std::span<const uint8_t> file) {
  const std::string path = "methods.db";
  MemoryFileSystem files;  // the unit tests' files in memory, no fault armed
  files.files[path].assign(file.begin(), file.end());
  recdb::RecordDatabase db(files);
  constexpr int32_t kMethod = recdb::kMethodDatabase;
  std::vector<uint8_t> buffer(recdb::kMethodRecordSize);

  db.Open(kMethod, path, recdb::kModeCheck);
  if (db.Open(kMethod, path, recdb::kModeRead) == recdb::kOk) {
    for (int32_t n = 0; n <= 3; ++n) db.HandleRecord(kMethod, n, buffer.data(), recdb::kOpFetch, 0);
    db.Close(kMethod);
  }
  if (db.Open(kMethod, path, recdb::kModeUpdate) != recdb::kOk) return;
  std::fill(buffer.begin(), buffer.end(), uint8_t{0x5A});
  const bool stored = db.HandleRecord(kMethod, 1, buffer.data(), recdb::kOpStore, 1) == recdb::kOk;
  if (db.Close(kMethod) != recdb::kOk || !stored) return;
  recdb::DatabaseImage image;
  Require(recdb::ParseDatabase(files.files[path], kMethod, recdb::kMethodRecordSize, image) ==
          recdb::kOk);
  Require(image.count >= 1 && std::ranges::equal(image.Record(1), buffer));
  db.TakeWriteFailure();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> file(data, size);
  ParseAndWriteBack(file, recdb::kMethodDatabase, recdb::kMethodRecordSize);
  ParseAndWriteBack(file, HeaderWord(file, 12), HeaderWord(file, 16));
  RunSessions(file);
  return 0;
}
