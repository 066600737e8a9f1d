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

// The reason behind the calling thread's last error.
FileError LastError() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return FileError::kNotFound;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FileError::kDiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return FileError::kAccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return FileError::kInUse;
    default: return FileError::kOther;
  }
}

}  // namespace

FileError Win32FileSystem::ReadAll(const std::string& path, std::size_t maxBytes,
                                   std::vector<uint8_t>& content) {
  // Sharing delete lets another process's store replace the file while we read it.
  OwnedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastError();
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return LastError();
  if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return FileError::kTooLarge;
  content.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < content.size()) {
    const DWORD want = static_cast<DWORD>(std::min(kChunk, content.size() - done));
    DWORD got = 0;
    if (!::ReadFile(file.Get(), content.data() + done, want, &got, nullptr)) return LastError();
    if (got == 0) break;  // the file shrank while we read it
    done += got;
  }
  content.resize(done);
  return FileError::kNone;
}

FileError Win32FileSystem::WriteDurably(const std::string& path, std::span<const uint8_t> content) {
  OwnedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastError();
  std::size_t done = 0;
  while (done < content.size()) {
    const DWORD want = static_cast<DWORD>(std::min(kChunk, content.size() - done));
    DWORD wrote = 0;
    if (!WriteFile(file.Get(), content.data() + done, want, &wrote, nullptr)) return LastError();
    if (wrote == 0) return FileError::kOther;
    done += wrote;
  }
  // The data must be on the disk before the rename makes it the database; a write can
  // still fail when the file is closed, so that close is checked too.
  if (!FlushFileBuffers(file.Get()) || !CloseHandle(file.Release())) return LastError();
  return FileError::kNone;
}

FileError Win32FileSystem::ReplaceWith(const std::string& from, const std::string& to) {
  // Windows refuses to replace a read-only file but Wine's rename does not, so ask first:
  // a database marked read-only is one its owner does not want changed.
  const DWORD attributes = GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return FileError::kAccessDenied;
  }
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return FileError::kNone;
  }
  const FileError error = LastError();
  if (error != FileError::kAccessDenied) return error;
  // "Access denied" also answers a replace of a file that another program holds open
  // without letting it be deleted. The user's remedy differs: ask the file which it is.
  const OwnedFile probe(CreateFileA(to.c_str(), DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return !probe && GetLastError() == ERROR_SHARING_VIOLATION ? FileError::kInUse : error;
}

void Win32FileSystem::Remove(const std::string& path) { DeleteFileA(path.c_str()); }

}  // namespace recdb
