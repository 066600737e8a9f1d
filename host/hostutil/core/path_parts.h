// A full file path as the host's file registry and file dialogs hold it: directory,
// file name without extension, and extension without the point.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "bounded_copy.h"

namespace hostutil {

struct PathParts {
  std::string directory;  // without a trailing backslash, unless it is a root ("C:\", "\")
  std::string name;
  std::string extension;

  bool operator==(const PathParts&) const = default;
};

// Splits at the last backslash (or slash) and the last point after it. A path with no
// folder has an empty directory; a name with no point has an empty extension.
PathParts SplitPath(std::string_view path);

// The inverse of SplitPath: directory + "\" + name + "." + extension, with no separator
// after a directory that already ends in one (or in a drive's colon) and no point when
// the extension is empty.
std::string JoinPath(const PathParts& parts);

// name + "." + extension (no point when the extension is empty).
std::string JoinFileName(std::string_view name, std::string_view extension);

// The folder part of a file path, as SplitPath gives it ("" when there is none).
std::string FolderOf(std::string_view path);

// The file `fileName` inside `folder`.
std::string FileInFolder(std::string_view folder, std::string_view fileName);

// The longest full path the host's callers hold: they join the parts into a buffer of
// MAX_PATH bytes, its terminator included.
inline constexpr std::size_t kMaxFullPath = 259;

// The path the file registry stores for `parts`, or nothing when it refuses them: no
// name at all (what a caller hands back after a lookup found nothing, which must not
// erase the registration it could not read), or a part that does not fit its field of
// the host's blocks (GlobalFileEntry, FileRequest) with its terminator, or a joined
// path longer than kMaxFullPath. Cut, a path would name another file.
std::optional<std::string> RegistryPath(const PathParts& parts);

// The three name fields of a host block (GlobalFileEntry, FileRequest), read bounded.
template <class Block>
PathParts ReadPathParts(const Block& block) {
  return {std::string(ReadBounded(block.directory)), std::string(ReadBounded(block.fileName)),
          std::string(ReadBounded(block.extension))};
}

// Stores the parts into a host block's three fields; each is cut at its field's size.
template <class Block>
void StorePathParts(const PathParts& parts, Block& block) {
  CopyBounded(block.directory, parts.directory);
  CopyBounded(block.fileName, parts.name);
  CopyBounded(block.extension, parts.extension);
}

}  // namespace hostutil
