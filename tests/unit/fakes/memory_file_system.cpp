#include "fakes/memory_file_system.h"

recdb::ReadStatus MemoryFileSystem::ReadAll(const std::string& path, std::size_t maxBytes,
                                            std::vector<uint8_t>& content) {
  if (readError) {
    readError = false;
    return recdb::ReadStatus::kError;
  }
  const auto found = files.find(path);
  if (found == files.end()) return recdb::ReadStatus::kNotFound;
  if (found->second.size() > maxBytes) return recdb::ReadStatus::kTooLarge;
  content = found->second;
  return recdb::ReadStatus::kOk;
}

bool MemoryFileSystem::WriteDurably(const std::string& path, std::span<const uint8_t> content) {
  log.push_back("write " + path);
  if (diskFullOnWrite) {
    diskFullOnWrite = false;
    files[path].assign(content.begin(), content.begin() + content.size() / 2);
    return false;
  }
  files[path].assign(content.begin(), content.end());
  return true;
}

bool MemoryFileSystem::ReplaceWith(const std::string& from, const std::string& to) {
  log.push_back("replace " + from + " " + to);
  if (crashBeforeReplace) {
    crashBeforeReplace = false;
    throw SimulatedCrash{};
  }
  if (replaceFails || files.count(from) == 0) {
    replaceFails = false;
    return false;
  }
  files[to] = std::move(files[from]);
  files.erase(from);
  return true;
}

void MemoryFileSystem::Remove(const std::string& path) {
  log.push_back("remove " + path);
  files.erase(path);
}
