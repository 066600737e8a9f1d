// The host's file blocks filled from an entry and read back into one, and the path and
// audit text an entry names; every field is cut and read by common/'s bounded copies.
#include "storage/file_blocks.h"

#include "bounded_copy.h"

namespace {

char UpperAscii(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

}  // namespace

FileRequest MakeFileRequest(std::string_view title, const GlobalFileEntry& entry) {
  FileRequest request{};
  CopyBounded(request.title, title);
  CopyBounded(request.directory, ReadBounded(entry.directory));
  CopyBounded(request.fileName, ReadBounded(entry.fileName));
  CopyBounded(request.extension, ReadBounded(entry.extension));
  return request;
}

void TakeChosenFile(const FileRequest& request, GlobalFileEntry& entry) {
  CopyBounded(entry.directory, ReadBounded(request.directory));
  CopyBounded(entry.fileName, ReadBounded(request.fileName));
  CopyBounded(entry.extension, ReadBounded(request.extension));
}

std::string FullPath(const GlobalFileEntry& entry) {
  const std::string_view directory = ReadBounded(entry.directory);
  const std::string_view extension = ReadBounded(entry.extension);
  std::string path(directory);
  if (!directory.empty() && directory.back() != '\\' && directory.back() != '/') path += '\\';
  path += ReadBounded(entry.fileName);
  if (!extension.empty() && extension.front() != '.') path += '.';
  path += extension;
  if (path.size() > kMaxPathLength) path.resize(kMaxPathLength);
  return path;
}

std::string SaveAuditText(std::string_view path) {
  std::string text = "TOVREX setup file written to disk.\r\nFilename : ";
  for (const char ch : path) text += UpperAscii(ch);
  return text;
}
