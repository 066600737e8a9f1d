// Bounded copies between the host's fixed name fields and text.
#include "storage/file_blocks.h"

#include <cstring>

namespace {

template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
  return std::string_view(field, strnlen(field, N));
}

template <std::size_t N>
void StoreField(char (&field)[N], std::string_view text) {
  const std::size_t length = text.size() < N ? text.size() : N - 1;
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

char UpperAscii(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

}  // namespace

FileRequest MakeFileRequest(std::string_view title, const GlobalFileEntry& entry) {
  FileRequest request{};
  StoreField(request.title, title);
  StoreField(request.directory, FieldText(entry.directory));
  StoreField(request.fileName, FieldText(entry.fileName));
  StoreField(request.extension, FieldText(entry.extension));
  return request;
}

void TakeChosenFile(const FileRequest& request, GlobalFileEntry& entry) {
  StoreField(entry.directory, FieldText(request.directory));
  StoreField(entry.fileName, FieldText(request.fileName));
  StoreField(entry.extension, FieldText(request.extension));
}

std::string FullPath(const GlobalFileEntry& entry) {
  const std::string_view directory = FieldText(entry.directory);
  const std::string_view extension = FieldText(entry.extension);
  std::string path(directory);
  if (!directory.empty() && directory.back() != '\\' && directory.back() != '/') path += '\\';
  path += FieldText(entry.fileName);
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
