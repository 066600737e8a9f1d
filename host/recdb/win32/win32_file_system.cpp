// Reading whole files, writing them through to the disk, and replacing one by another
// with a single rename.
#include "win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "win32/owned_file.h"

namespace recdb {

namespace {

// ReadFile/WriteFile move at most a DWORD per call.
constexpr std::size_t kChunk = 1 << 20;

}  // namespace

ReadStatus Win32FileSystem::ReadAll(const std::string& path, std::size_t maxBytes,
                                    std::vector<uint8_t>& content) {
  // Sharing delete lets another process's store replace the file while we read it.
  OwnedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadStatus::kNotFound
                                                                          : ReadStatus::kError;
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return ReadStatus::kError;
  if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return ReadStatus::kTooLarge;
  content.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < content.size()) {
    const DWORD want = static_cast<DWORD>(std::min(kChunk, content.size() - done));
    DWORD got = 0;
    if (!::ReadFile(file.Get(), content.data() + done, want, &got, nullptr)) {
      return ReadStatus::kError;
    }
    if (got == 0) break;  // the file shrank while we read it
    done += got;
  }
  content.resize(done);
  return ReadStatus::kOk;
}

bool Win32FileSystem::WriteDurably(const std::string& path, std::span<const uint8_t> content) {
  OwnedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  std::size_t done = 0;
  while (done < content.size()) {
    const DWORD want = static_cast<DWORD>(std::min(kChunk, content.size() - done));
    DWORD wrote = 0;
    if (!WriteFile(file.Get(), content.data() + done, want, &wrote, nullptr) || wrote == 0) {
      return false;
    }
    done += wrote;
  }
  // The data must be on the disk before the rename makes it the database; a write can
  // still fail when the file is closed, so that close is checked too.
  if (!FlushFileBuffers(file.Get())) return false;
  return CloseHandle(file.Release()) != 0;
}

bool Win32FileSystem::ReplaceWith(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void Win32FileSystem::Remove(const std::string& path) { DeleteFileA(path.c_str()); }

}  // namespace recdb
