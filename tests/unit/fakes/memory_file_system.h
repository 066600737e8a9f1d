// Files in memory for the record database, with faults that a test can arm: a full disk
// while writing, a failing replace, or a crash (an exception) at a chosen step.
#pragma once

#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "recdb/core/file_system.h"

struct SimulatedCrash {};

class MemoryFileSystem : public recdb::FileSystem {
 public:
  std::map<std::string, std::vector<uint8_t>> files;
  std::vector<std::string> log;  // "write PATH", "replace FROM TO", "remove PATH"

  // Faults, each for the next call of its kind only.
  bool readError = false;           // as if another program held the file
  bool diskFullOnWrite = false;     // writes half of the content, then fails
  bool replaceFails = false;        // as if the file were read-only
  bool crashBeforeReplace = false;  // throws SimulatedCrash instead of replacing

  recdb::FileError ReadAll(const std::string& path, std::size_t maxBytes,
                           std::vector<uint8_t>& content) override {
    if (std::exchange(readError, false)) return recdb::FileError::kInUse;
    const auto found = files.find(path);
    if (found == files.end()) return recdb::FileError::kNotFound;
    if (found->second.size() > maxBytes) return recdb::FileError::kTooLarge;
    content = found->second;
    return recdb::FileError::kNone;
  }
  recdb::FileError WriteDurably(const std::string& path,
                                std::span<const uint8_t> content) override {
    log.push_back("write " + path);
    const bool full = std::exchange(diskFullOnWrite, false);
    files[path].assign(content.begin(), content.begin() + content.size() / (full ? 2 : 1));
    return full ? recdb::FileError::kDiskFull : recdb::FileError::kNone;
  }
  recdb::FileError ReplaceWith(const std::string& from, const std::string& to) override {
    log.push_back("replace " + from + " " + to);
    if (std::exchange(crashBeforeReplace, false)) throw SimulatedCrash{};
    if (std::exchange(replaceFails, false) || files.count(from) == 0) {
      return recdb::FileError::kAccessDenied;
    }
    files[to] = std::move(files[from]);
    files.erase(from);
    return recdb::FileError::kNone;
  }
  void Remove(const std::string& path) override {
    log.push_back("remove " + path);
    files.erase(path);
  }
};
