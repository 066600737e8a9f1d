// The reasons a store fails, in the user's words.
#include "recdb/core/write_failure.h"

namespace recdb {

namespace {

std::string FileReason(FileError error) {
  switch (error) {
    case FileError::kNotFound: return "its folder does not exist";
    case FileError::kDiskFull: return "the disk is full";
    case FileError::kAccessDenied: return "access was denied (the file or its folder is read-only)";
    case FileError::kInUse: return "another program is using the file";
    default: return "the file could not be read, written or replaced";
  }
}

}  // namespace

std::string FailureReason(const WriteFailure& failure) {
  switch (failure.result) {
    case kUnknownDatabase:
      return "no record layout is known for database " + std::to_string(failure.database);
    case kNoFile: return "the host's file registry names no usable file for it";
    case kIoError: return FileReason(failure.error);
    case kNotADatabase:
      return "it is not a whole database of this kind (another program may have cut it short "
             "or replaced it)";
    case kCorrupt: return "its contents are damaged (a checksum does not match)";
    case kInternalError: return "the record-database library ran out of memory";
    default: return "the request was refused (error " + std::to_string(failure.result) + ")";
  }
}

std::string FailureAuditText(const WriteFailure& failure) {
  std::string text = "Record database write FAILED: nothing was written to disk.\r\nFilename : ";
  for (const char ch : failure.path)
    text += (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
  return text + "\r\nReason : " + FailureReason(failure);
}

}  // namespace recdb
