// The few file operations the record database needs, behind an interface so that the
// tests can run it on files in memory and fail any step on purpose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace recdb {

// Why a file operation failed, as finely as the message to the user tells it apart.
enum class FileError {
  kNone,          // it worked
  kNotFound,      // no such file, or its folder does not exist
  kTooLarge,      // larger than the caller allowed
  kDiskFull,      // no room left on the disk
  kAccessDenied,  // read-only, or no permission
  kInUse,         // another program holds the file and does not let go of it
  kOther,
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole content of `path`, refused with kTooLarge beyond `maxBytes`.
  virtual FileError ReadAll(const std::string& path, std::size_t maxBytes,
                            std::vector<uint8_t>& content) = 0;
  // Creates or truncates `path` and writes `content` to it; returns only after the data
  // has reached the disk. On failure the file may hold part of it.
  virtual FileError WriteDurably(const std::string& path, std::span<const uint8_t> content) = 0;
  // Puts the file `from` in the place of `to` in one step: whoever opens `to` finds
  // either the old or the new file. `to` may or may not exist.
  virtual FileError ReplaceWith(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
};

}  // namespace recdb
