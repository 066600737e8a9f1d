// Write beside, flush, replace.
#include "recdb/core/atomic_store.h"

namespace recdb {

std::string StagingPath(const std::string& path) { return path + ".new"; }

FileError StoreAtomically(FileSystem& files, const std::string& path,
                          std::span<const uint8_t> content) {
  // The staging file sits in the same folder so that the replace is a rename within one
  // volume, which the file system performs as a single step. A staging file left by an
  // earlier crash is simply overwritten.
  const std::string staging = StagingPath(path);
  FileError error = files.WriteDurably(staging, content);
  if (error == FileError::kNone) error = files.ReplaceWith(staging, path);
  if (error != FileError::kNone) files.Remove(staging);
  return error;
}

}  // namespace recdb
