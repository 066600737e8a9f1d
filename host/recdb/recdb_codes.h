// The numbers a record-database client passes and gets back: database numbers with a
// known record layout, DB3Open modes, DB3HandleRecord operations and flags, and the
// results. Defined only here, in plain C++: the library, its portable core, the
// editor's storage logic and the tests all read them from this header.
#pragma once

#include <cstdint>

namespace recdb {

// The method database; its records are the editor's 2456-byte method records.
inline constexpr int32_t kMethodDatabase = 14;
inline constexpr uint32_t kMethodRecordSize = 2456;

// DB3Open modes.
enum Mode : int32_t {
  // Open an existing database for reading. Fetches only; DB3Close writes nothing.
  kModeRead = 0,
  // Open for update. A database file that does not exist yet starts empty and is
  // created when DB3Close writes the first stored record.
  kModeUpdate = 2,
  // Check that the file exists and is a whole database. Opens no session: there is
  // nothing to close afterwards, and a session already open stays as it is.
  kModeCheck = 4,
};

// DB3HandleRecord operations.
enum Operation : int32_t {
  kOpFetch = 1,  // copy the record into the buffer; the flag is not used
  kOpStore = 3,  // copy the buffer into the record; kStoreOrAppend also lets it append
};

// The DB3HandleRecord flag of a store that may also append the record that follows the
// last one; with any other flag a store replaces an existing record only.
inline constexpr int32_t kStoreOrAppend = 1;

// Results: 0 is success, anything else says why the call failed.
enum Result : int32_t {
  kOk = 0,
  kUnknownDatabase = 1,  // no record layout is known for the database number
  kNoFile = 2,           // the file registry names no file for the database
  kFileNotFound = 3,     // the file does not exist
  kIoError = 4,          // the file could not be read, written or replaced
  kNotADatabase = 5,     // short, foreign, another version or another record size
  kCorrupt = 6,          // a header or record checksum does not match
  kNotOpen = 7,          // no session is open for the database
  kBadRecord = 8,        // record number out of range, or no buffer
  kBadRequest = 9,       // unknown mode or operation, or a store in a read session
  kInternalError = 10,   // the library ran out of memory
};

}  // namespace recdb
