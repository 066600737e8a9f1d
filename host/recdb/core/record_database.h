// The record-database library's behaviour behind its three exported calls: sessions
// opened on a file, records fetched and stored in memory, and the file replaced as a
// whole when an update session closes.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "recdb/core/database_file.h"
#include "recdb/core/file_system.h"
#include "recdb/core/write_failure.h"
#include "recdb/recdb_codes.h"

namespace recdb {

// The record size of a database number, when the library knows its layout.
std::optional<uint32_t> RecordSizeOf(int32_t database);

class RecordDatabase {
 public:
  explicit RecordDatabase(FileSystem& files) : files_(files) {}
  RecordDatabase(const RecordDatabase&) = delete;
  RecordDatabase& operator=(const RecordDatabase&) = delete;

  // Opens database `database` on the file `path` in `mode` (see Mode). Opening a
  // database that already has a session ends that session first, without writing it.
  Result Open(int32_t database, const std::string& path, int32_t mode);

  // Fetches record `number` into `buffer`, or stores `buffer` as record `number`; the
  // buffer holds the database's record size. A store replaces an existing record, or
  // with `flag` kStoreOrAppend appends the record that follows the last one.
  Result HandleRecord(int32_t database, int32_t number, void* buffer, int32_t operation,
                      int32_t flag);

  // Ends the session. An update session that stored a record writes the whole file
  // first; kOk means it is on the disk. The session ends whatever the result.
  Result Close(int32_t database);

  // The write that the last update-mode Open or the last Close could not make, handed
  // out once. A caller that opens for update means to store, so a refused open is a
  // failed write too; a check or read that fails is the caller's to report.
  std::optional<WriteFailure> TakeWriteFailure();

 private:
  struct Session {
    int32_t mode = kModeRead;
    std::string path;
    DatabaseImage image;
    bool changed = false;
  };

  // Reads and checks the whole file. A missing file is kFileNotFound; for kIoError,
  // `error` says why.
  Result Load(int32_t database, const std::string& path, DatabaseImage& image, FileError& error);

  FileSystem& files_;
  std::map<int32_t, Session> sessions_;
  std::optional<WriteFailure> failure_;
};

}  // namespace recdb
