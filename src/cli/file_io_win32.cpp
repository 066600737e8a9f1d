// Reading and replacing files with Win32 calls, on UTF-16 paths so that every name a
// user can type reaches the file system as typed.
#include <windows.h>

#include <algorithm>

#include "cli/file_io.h"
#include "sha256.h"
#include "win32/owned_file.h"

namespace method_tool {

namespace {

// ReadFile and WriteFile move at most a DWORD per call.
constexpr std::size_t kChunk = 1 << 20;

std::wstring Wide(const std::string& text) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
}

// The system's words for `code`, without the line end it puts after them.
std::string Reason(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string reason = length ? Utf8FromWide(text) : "error " + std::to_string(code);
  LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                             reason.back() == ' ' || reason.back() == '.')) {
    reason.pop_back();
  }
  return reason;
}

bool Failed(const std::string& path, const char* what, DWORD code, std::string& error) {
  error = path + ": " + what + ": " + Reason(code);
  return false;
}

bool WriteAll(HANDLE file, std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min(kChunk, bytes.size() - done));
    DWORD wrote = 0;
    if (!WriteFile(file, bytes.data() + done, want, &wrote, nullptr)) return false;
    if (wrote == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    done += wrote;
  }
  return true;
}

// A device (NUL, CON, a serial port): written into, never created, replaced or removed.
bool IsDevice(const std::wstring& path) {
  const OwnedFile probe(CreateFileW(path.c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return probe && GetFileType(probe.Get()) != FILE_TYPE_DISK;
}

}  // namespace

std::string Utf8FromWide(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return "";
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
  utf8.pop_back();  // the terminating zero
  return utf8;
}

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& error) {
  // Sharing delete lets another program replace the file while it is read.
  OwnedFile file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Failed(path, "cannot open the file", GetLastError(), error);
  bytes.clear();
  std::vector<uint8_t> chunk(1 << 16);
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) {
      return Failed(path, "cannot read the file", GetLastError(), error);
    }
    if (got == 0) return true;
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
    if (bytes.size() > maxBytes) {
      error = path + ": too large for a method file";
      return false;
    }
  }
}

bool StoreFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
  const std::wstring target = Wide(path);
  if (IsDevice(target)) {
    OwnedFile device(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!device || !WriteAll(device.Get(), bytes)) {
      return Failed(path, "cannot write the file", GetLastError(), error);
    }
    return true;
  }
  // Windows refuses to replace a read-only file but Wine's rename does not, so ask first:
  // a file marked read-only is one its owner does not want changed.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return Failed(path, "cannot write the file", ERROR_ACCESS_DENIED, error);
  }
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return Failed(path, "cannot replace the file", ERROR_ACCESS_DENIED, error);
  }
  // A name of its own beside the file (CREATE_NEW never opens another's), so that the
  // move stays on one volume and is one step.
  OwnedFile file;
  std::wstring staging;
  for (unsigned n = 0; !file && n < 100; ++n) {
    staging = target + L".~" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(n) +
              L".tmp";
    file = OwnedFile(CreateFileW(staging.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (!file) return Failed(path, "cannot write the file", GetLastError(), error);
  // The data must be on the disk before the move makes it the file; a write can still
  // fail when the file is closed, so that close is checked too.
  if (!WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get()) ||
      !CloseHandle(file.Release())) {
    const DWORD code = GetLastError();
    file.Reset();
    DeleteFileW(staging.c_str());
    return Failed(path, "cannot write the file", code, error);
  }
  if (!MoveFileExW(staging.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD code = GetLastError();
    DeleteFileW(staging.c_str());
    return Failed(path, "cannot replace the file", code, error);
  }
  return true;
}

std::string Sha256Hex(std::span<const uint8_t> bytes) {
  audit::Digest digest;
  if (!audit::Sha256({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, digest)) {
    return "";
  }
  return audit::HexOf(digest);
}

}  // namespace method_tool
