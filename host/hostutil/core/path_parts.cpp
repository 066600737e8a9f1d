// Path splitting and joining for the host's fixed name fields.
#include "hostutil/core/path_parts.h"

#include "hostutil/hostutil_types.h"

namespace hostutil {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A directory that ends in a colon and a separator: a drive's root, "C:\" or "C:/", also
// in the long form "\\?\C:\". A directory ending in a colon joins its file without a
// separator ("C:m.db", relative to the drive's current folder), so this one must keep its
// own or the path would name another file.
bool IsDriveRoot(std::string_view directory) {
  return directory.size() >= 2 && IsSeparator(directory.back()) &&
         directory[directory.size() - 2] == ':';
}

bool EndsWithSeparator(std::string_view directory) {
  return !directory.empty() && (IsSeparator(directory.back()) || directory.back() == ':');
}

// The directory needs no check of its own: a joined path of kMaxFullPath characters fits
// its field.
bool FitsFileFields(const PathParts& parts) {
  return parts.name.size() < sizeof GlobalFileEntry::fileName &&
         parts.extension.size() < sizeof GlobalFileEntry::extension;
}

}  // namespace

PathParts SplitPath(std::string_view path) {
  PathParts parts;
  const std::size_t slash = path.find_last_of("\\/");
  std::string_view file = path;
  if (slash != std::string_view::npos) {
    std::string_view directory = path.substr(0, slash + 1);
    // Keep "C:\" and "\" whole; drop the separator everywhere else, including the
    // doubled ones a hand-edited INI file may hold ("C:\data\\x.db").
    while (directory.size() > 1 && IsSeparator(directory.back()) && !IsDriveRoot(directory)) {
      directory.remove_suffix(1);
    }
    parts.directory = directory;
    file = path.substr(slash + 1);
  } else if (path.size() >= 2 && path[1] == ':') {
    // "C:x.db": relative to drive C's current folder; the drive stays the directory.
    parts.directory = path.substr(0, 2);
    file = path.substr(2);
  }
  const std::size_t point = file.rfind('.');
  if (point == std::string_view::npos) {
    parts.name = file;
  } else {
    parts.name = file.substr(0, point);
    parts.extension = file.substr(point + 1);
  }
  return parts;
}

std::string JoinFileName(std::string_view name, std::string_view extension) {
  std::string file(name);
  if (!extension.empty()) {
    file += '.';
    file += extension;
  }
  return file;
}

std::string FileInFolder(std::string_view folder, std::string_view fileName) {
  std::string path(folder);
  if (!path.empty() && !EndsWithSeparator(path)) path += '\\';
  path += fileName;
  return path;
}

std::string JoinPath(const PathParts& parts) {
  return FileInFolder(parts.directory, JoinFileName(parts.name, parts.extension));
}

std::optional<std::string> RegistryPath(const PathParts& parts) {
  std::string path = JoinPath(parts);
  if (path.empty() || path.size() > kMaxFullPath || !FitsFileFields(parts)) return std::nullopt;
  return path;
}

std::string FolderOf(std::string_view path) { return SplitPath(path).directory; }

}  // namespace hostutil
