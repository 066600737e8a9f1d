// Appending to the trail: the file is held exclusively for writing while its last entry
// is read and the next one written, so concurrent callers chain one after the other.
#include "trail_file.h"

#include <windows.h>

#include <algorithm>

#include "hostutil/core/path_parts.h"
#include "sha256.h"
#include "win32/owned_file.h"

namespace audit {

namespace {

enum AppendResult { kAppended = 0, kNoPlace = 1, kBusy = 2, kIoFailed = 3, kHashFailed = 4 };

// Another writer holds the file for a few milliseconds; give up after about 5 s.
constexpr int kOpenAttempts = 500;
constexpr DWORD kRetryMs = 10;
constexpr DWORD kChunk = 1u << 20;

std::string EnvironmentValue(const char* name) {
  const DWORD needed = GetEnvironmentVariableA(name, nullptr, 0);
  if (needed == 0) return {};
  std::string value(needed, '\0');
  const DWORD length = GetEnvironmentVariableA(name, value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}

std::string ProgramPath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return path.substr(0, length);
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

HANDLE OpenForAppending(const std::string& path) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    // Readers (the verifier) may look on; no other writer may.
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return handle;
    const DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) break;
    Sleep(kRetryMs);
  }
  return INVALID_HANDLE_VALUE;
}

bool SeekTo(HANDLE file, long long offset) {
  LARGE_INTEGER to;
  to.QuadPart = offset;
  return SetFilePointerEx(file, to, nullptr, FILE_BEGIN) != 0;
}

bool ReadExactly(HANDLE file, char* buffer, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(kChunk, size - done));
    if (!ReadFile(file, buffer + done, want, &got, nullptr) || got == 0) return false;
    done += got;
  }
  return true;
}

bool WriteExactly(HANDLE file, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD wrote = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(kChunk, text.size() - done));
    if (!WriteFile(file, text.data() + done, want, &wrote, nullptr) || wrote == 0) return false;
    done += wrote;
  }
  return true;
}

// Adds `text` to the end of `path` (created if need be) and flushes it.
bool AppendDurably(const std::string& path, const std::string& text) {
  const OwnedFile file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && WriteExactly(file.Get(), text) && FlushFileBuffers(file.Get());
}

}  // namespace

std::string TrailPath() {
  std::string folder = EnvironmentValue("GCHOST_HOME");
  if (folder.empty()) folder = hostutil::FolderOf(ProgramPath());
  if (folder.empty()) return {};
  return hostutil::FileInFolder(folder, kTrailFileName);
}

int AppendEntry(const std::string& path, const EventFields& event) {
  if (path.empty()) return kNoPlace;
  const OwnedFile file(OpenForAppending(path));
  if (!file) return GetLastError() == ERROR_SHARING_VIOLATION ? kBusy : kIoFailed;

  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size)) return kIoFailed;
  const long long tailSize = std::min<long long>(size.QuadPart, kTailBytes);
  std::string tail(static_cast<std::size_t>(tailSize), '\0');
  if (!SeekTo(file.Get(), size.QuadPart - tailSize) ||
      !ReadExactly(file.Get(), tail.data(), tail.size())) {
    return kIoFailed;
  }
  const std::string aside = path + kTornSuffix;
  const hostutil::PathParts asideParts = hostutil::SplitPath(aside);
  const std::optional<AppendPlan> plan =
      PlanAppend(tail, static_cast<uint64_t>(size.QuadPart - tailSize), event,
                 hostutil::JoinFileName(asideParts.name, asideParts.extension), Sha256);
  if (!plan) return kHashFailed;
  // The torn bytes are on the disk beside the trail before the entries overwrite them.
  if (!plan->torn.empty() && !AppendDurably(aside, plan->torn + "\n")) return kIoFailed;

  const auto at = static_cast<long long>(plan->writeAt);
  if (!SeekTo(file.Get(), at) || !WriteExactly(file.Get(), plan->text) ||
      !SetEndOfFile(file.Get()) || !FlushFileBuffers(file.Get())) {
    // Put the trail back as it was (a full disk): none of our entries half written, and
    // the torn bytes where the next append finds them again.
    SeekTo(file.Get(), at);
    SetEndOfFile(file.Get());
    WriteExactly(file.Get(), plan->torn);
    return kIoFailed;
  }
  return kAppended;
}

bool ReadTrail(const std::string& path, std::string& content) {
  const OwnedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size)) return false;
  // A writer may be adding an entry: read what was there when we looked.
  content.assign(static_cast<std::size_t>(size.QuadPart), '\0');
  return ReadExactly(file.Get(), content.data(), content.size());
}

}  // namespace audit
