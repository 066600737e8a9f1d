// Files in memory for the record database, with faults that a test can arm: a full disk
// while writing, a failing replace, or a crash (an exception) at a chosen step.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "recdb/core/file_system.h"

struct SimulatedCrash {};

class MemoryFileSystem : public recdb::FileSystem {
 public:
  std::map<std::string, std::vector<uint8_t>> files;
  std::vector<std::string> log;  // "write PATH", "replace FROM TO", "remove PATH"

  // Faults, each for the next call of its kind only.
  bool readError = false;
  bool diskFullOnWrite = false;  // writes half of the content, then fails
  bool replaceFails = false;
  bool crashBeforeReplace = false;  // throws SimulatedCrash instead of replacing

  recdb::ReadStatus ReadAll(const std::string& path, std::size_t maxBytes,
                            std::vector<uint8_t>& content) override;
  bool WriteDurably(const std::string& path, std::span<const uint8_t> content) override;
  bool ReplaceWith(const std::string& from, const std::string& to) override;
  void Remove(const std::string& path) override;
};
