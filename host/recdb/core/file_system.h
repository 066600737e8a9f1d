// The few file operations the record database needs, behind an interface so that the
// tests can run it on files in memory and fail any step on purpose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace recdb {

enum class ReadStatus { kOk, kNotFound, kTooLarge, kError };

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole content of `path`, refused with kTooLarge beyond `maxBytes`.
  virtual ReadStatus ReadAll(const std::string& path, std::size_t maxBytes,
                             std::vector<uint8_t>& content) = 0;
  // Creates or truncates `path` and writes `content` to it; returns only after the data
  // has reached the disk. False on any failure (the file may then hold part of it).
  virtual bool WriteDurably(const std::string& path, std::span<const uint8_t> content) = 0;
  // Puts the file `from` in the place of `to` in one step: whoever opens `to` finds
  // either the old or the new file. `to` may or may not exist.
  virtual bool ReplaceWith(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
};

}  // namespace recdb
