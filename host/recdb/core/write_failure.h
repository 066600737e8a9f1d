// A store that did not reach the disk, told to the user and to the audit trail: the
// plug-in logs its save before writing and shows nothing when the write fails, so the
// library that knows the file and the reason has to say so.
#pragma once

#include <cstdint>
#include <string>

#include "recdb/core/file_system.h"
#include "recdb/recdb_codes.h"

namespace recdb {

struct WriteFailure {
  int32_t database = 0;
  std::string path;  // "" when the registry named no file
  Result result = kOk;
  FileError error = FileError::kNone;  // the file operation's reason, for kIoError
};

// The audit entry's numbers: this library (2), a write that failed (4), the database
// number and the result.
inline constexpr int32_t kAuditSource = 2;
inline constexpr int32_t kAuditWriteFailed = 4;

// Why, in words that end a sentence: "the disk is full".
std::string FailureReason(const WriteFailure& failure);

// The audit entry's text; the file is named in upper case as the saving program names it.
std::string FailureAuditText(const WriteFailure& failure);

}  // namespace recdb
