#include "resources.h"

#include <psapi.h>

#include <cstdio>

#include "harness/pixels.h"

namespace bench {

namespace {
// Named, not lambdas: a callback handed to Windows must be stdcall in a 32-bit build.
BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}
}  // namespace

Resources TakeResources() {
  Resources r;
  r.liveGdi = e2e::LiveGdiObjects();
  r.reportedGdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  r.reportedUser = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&r.windows));
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory)) {
    r.privateBytes = memory.PrivateUsage;
    r.pagefileBytes = memory.PagefileUsage;
  }
  return r;
}

void PrintResources(const std::string& what, const Resources& a, const Resources& b) {
  std::printf("  %s\n", what.c_str());
  std::printf("    %-38s %8d -> %8d (%+d)\n", "live GDI objects (handle table)", a.liveGdi,
              b.liveGdi, b.liveGdi - a.liveGdi);
  std::printf("    %-38s %8lu -> %8lu / %lu -> %lu\n", "GetGuiResources GDI / USER", a.reportedGdi,
              b.reportedGdi, a.reportedUser, b.reportedUser);
  std::printf("    %-38s %8d -> %8d (%+d)\n", "windows of this thread (USER objects)", a.windows,
              b.windows, b.windows - a.windows);
  std::printf("    %-38s %8zu -> %8zu KB (%+lld)\n", "private memory (PrivateUsage)",
              a.privateBytes / 1024, b.privateBytes / 1024,
              static_cast<long long>(b.privateBytes / 1024) -
                  static_cast<long long>(a.privateBytes / 1024));
  std::printf("    %-38s %8zu -> %8zu KB (%+lld)\n", "pagefile usage (PagefileUsage)",
              a.pagefileBytes / 1024, b.pagefileBytes / 1024,
              static_cast<long long>(b.pagefileBytes / 1024) -
                  static_cast<long long>(a.pagefileBytes / 1024));
}

}  // namespace bench
