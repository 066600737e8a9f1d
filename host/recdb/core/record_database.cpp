// Sessions, record access and the write at close.
#include "recdb/core/record_database.h"

#include <cstring>
#include <utility>
#include <vector>

#include "recdb/core/atomic_store.h"

namespace recdb {

std::optional<uint32_t> RecordSizeOf(int32_t database) {
  if (database == kMethodDatabase) return kMethodRecordSize;
  return std::nullopt;
}

Result RecordDatabase::Load(int32_t database, const std::string& path, DatabaseImage& image,
                            FileError& error) {
  const uint32_t recordSize = *RecordSizeOf(database);
  std::vector<uint8_t> content;
  error = files_.ReadAll(path, MaxFileSize(recordSize), content);
  switch (error) {
    case FileError::kNone:
      return ParseDatabase(content, static_cast<uint32_t>(database), recordSize, image);
    case FileError::kNotFound: return kFileNotFound;
    case FileError::kTooLarge: return kNotADatabase;
    default: return kIoError;
  }
}

Result RecordDatabase::Open(int32_t database, const std::string& path, int32_t mode) {
  if (mode != kModeRead && mode != kModeUpdate && mode != kModeCheck) return kBadRequest;
  FileError error = FileError::kNone;
  DatabaseImage image;
  Result opened = !RecordSizeOf(database) ? kUnknownDatabase
                  : path.empty()          ? kNoFile
                                          : Load(database, path, image, error);
  if (mode == kModeCheck) return opened;
  if (mode == kModeUpdate && opened == kFileNotFound) {
    image.database = static_cast<uint32_t>(database);
    image.recordSize = *RecordSizeOf(database);
    opened = kOk;
  }
  sessions_.erase(database);
  if (opened == kOk) {
    sessions_[database] = Session{mode, path, std::move(image), false};
  } else if (mode == kModeUpdate) {
    failure_ = WriteFailure{database, path, opened, error};
  }
  return opened;
}

Result RecordDatabase::HandleRecord(int32_t database, int32_t number, void* buffer,
                                    int32_t operation, int32_t flag) {
  const auto found = sessions_.find(database);
  if (found == sessions_.end()) return kNotOpen;
  Session& session = found->second;
  DatabaseImage& image = session.image;
  if (buffer == nullptr || number < 1) return kBadRecord;
  const auto record = static_cast<uint32_t>(number);

  switch (operation) {
    case kOpFetch:
      if (record > image.count) return kBadRecord;
      std::memcpy(buffer, image.Record(record).data(), image.recordSize);
      return kOk;
    case kOpStore:
      if (session.mode != kModeUpdate) return kBadRequest;
      if (record == image.count + 1 && flag == kStoreOrAppend && image.count < kMaxRecords) {
        image.records.resize(image.records.size() + image.recordSize);
        image.count = record;
      }
      if (record > image.count) return kBadRecord;
      std::memcpy(image.Record(record).data(), buffer, image.recordSize);
      session.changed = true;
      return kOk;
    default: return kBadRequest;
  }
}

Result RecordDatabase::Close(int32_t database) {
  const auto found = sessions_.find(database);
  if (found == sessions_.end()) return kNotOpen;
  const Session session = std::move(found->second);
  sessions_.erase(found);
  if (!session.changed) return kOk;
  const std::vector<uint8_t> content = SerializeDatabase(session.image);
  const FileError error = StoreAtomically(files_, session.path, content);
  if (error == FileError::kNone) return kOk;
  failure_ = WriteFailure{database, session.path, kIoError, error};
  return kIoError;
}

std::optional<WriteFailure> RecordDatabase::TakeWriteFailure() {
  return std::exchange(failure_, std::nullopt);
}

}  // namespace recdb
