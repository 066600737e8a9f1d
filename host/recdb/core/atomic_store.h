// Replacing a database file so that a crash or a full disk at any moment leaves either
// the old file or the new one whole, never a mixture.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "recdb/core/file_system.h"

namespace recdb {

// Where the new file is written before it replaces `path`.
std::string StagingPath(const std::string& path);

// Writes `content` beside `path`, flushes it, then lets it replace `path` in one step.
// On failure the staging file is removed and `path` is as it was; the result says why.
FileError StoreAtomically(FileSystem& files, const std::string& path,
                          std::span<const uint8_t> content);

}  // namespace recdb
