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

Result RecordDatabase::Load(int32_t database, const std::string& path, DatabaseImage& image) {
  const uint32_t recordSize = *RecordSizeOf(database);
  std::vector<uint8_t> content;
  switch (files_.ReadAll(path, MaxFileSize(recordSize), content)) {
    case ReadStatus::kOk:
      return ParseDatabase(content, static_cast<uint32_t>(database), recordSize, image);
    case ReadStatus::kNotFound: return kFileNotFound;
    case ReadStatus::kTooLarge: return kNotADatabase;
    case ReadStatus::kError: break;
  }
  return kIoError;
}

Result RecordDatabase::Open(int32_t database, const std::string& path, int32_t mode) {
  if (mode != kModeRead && mode != kModeUpdate && mode != kModeCheck) return kBadRequest;
  const std::optional<uint32_t> recordSize = RecordSizeOf(database);
  if (!recordSize) return kUnknownDatabase;
  if (path.empty()) return kNoFile;

  DatabaseImage image;
  Result loaded = Load(database, path, image);
  if (mode == kModeCheck) return loaded;
  if (mode == kModeUpdate && loaded == kFileNotFound) {
    image.database = static_cast<uint32_t>(database);
    image.recordSize = *recordSize;
    loaded = kOk;
  }
  sessions_.erase(database);
  if (loaded != kOk) return loaded;
  sessions_[database] = Session{mode, path, std::move(image), false};
  return kOk;
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
      if (record == image.count + 1 && flag == 1 && image.count < kMaxRecords) {
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
  return StoreAtomically(files_, session.path, content) ? kOk : kIoError;
}

}  // namespace recdb
