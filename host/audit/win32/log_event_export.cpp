// LogEvent: the entry's time, user and computer are taken here; the format and the
// chain are the portable core's.
#include "audit.h"

#include <cstring>
#include <mutex>
#include <string>

#include "no_throw.h"
#include "trail_file.h"

namespace {

constexpr int kOutOfMemory = 5;

audit::UtcTime NowUtc() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

std::string UserName() {
  char name[audit::kMaxNameBytes + 1] = "";
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? name : "";
}

std::string ComputerName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = "";
  DWORD size = sizeof name;
  return GetComputerNameA(name, &size) ? name : "";
}

}  // namespace

AUDIT_API int WINAPI LogEvent(int source, int kind, int detail, const char* text, int extra) {
  return NoThrow(int{kOutOfMemory}, [&] {
    // Threads of one process take turns here; processes take turns on the file.
    static std::mutex lock;
    const std::lock_guard<std::mutex> hold(lock);
    audit::EventFields event{
        NowUtc(),       UserName(),
        ComputerName(), source,
        kind,           detail,
        extra,          text ? std::string(text, strnlen(text, audit::kMaxTextBytes)) : ""};
    return audit::AppendEntry(audit::TrailPath(), event);
  });
}
