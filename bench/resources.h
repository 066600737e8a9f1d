// What a process holds that a leak would grow: GDI and USER objects and private memory,
// taken before and after a long run of the same operation and printed side by side.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace bench {

struct Resources {
  int liveGdi = -1;          // live GDI objects in the shared handle table (-1: unreadable)
  DWORD reportedGdi = 0;     // GetGuiResources(GR_GDIOBJECTS): 0 under Wine, a stub there
  DWORD reportedUser = 0;    // GetGuiResources(GR_USEROBJECTS): likewise
  int windows = 0;           // this thread's windows, top-level and child: USER objects
  size_t privateBytes = 0;   // PROCESS_MEMORY_COUNTERS_EX.PrivateUsage
  size_t pagefileBytes = 0;  // PROCESS_MEMORY_COUNTERS_EX.PagefileUsage
};

Resources TakeResources();

// "  <what>: GDI a -> b (+d), ..." on one line per figure kind, indented under a heading.
void PrintResources(const std::string& what, const Resources& before, const Resources& after);

}  // namespace bench
