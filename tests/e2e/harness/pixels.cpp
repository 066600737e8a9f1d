// Captures returned by value, the ramp's handles found in them, and the GDI object count.
#include "harness/pixels.h"

#include <algorithm>
#include <winternl.h>

namespace e2e {

Pixels CaptureClient(HWND window) {
  Pixels image;
  std::string error;
  ::CaptureClient(window, image, error);
  return image;
}

std::vector<POINT> FindHandles(const Pixels& p) {
  constexpr COLORREF kRed = RGB(255, 0, 0);
  std::vector<POINT> found;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      // The top-left pixel of the red inside, with black left and top neighbours. Only
      // the inside's left column is sure to stay red: the next segment of the ramp
      // starts in its right column.
      const bool block = p.At(x, y) == kRed && p.At(x, y + 1) == kRed;
      if (block && p.At(x - 1, y) == RGB(0, 0, 0) && p.At(x, y - 1) == RGB(0, 0, 0)) {
        found.push_back({x, y + 1});
      }
    }
  }
  std::sort(found.begin(), found.end(),
            [](POINT a, POINT b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  return found;
}

int LiveGdiObjects() {
#ifdef _WIN64
  struct Entry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type, flags;
    UINT64 user;
  };
  auto* peb = reinterpret_cast<BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
  auto* table = *reinterpret_cast<Entry**>(peb + 0xF8);  // PEB::GdiSharedHandleTable
  if (!table) return -1;
  int n = 0;
  for (int i = 0; i < 0x10000; ++i) {
    if (table[i].type && !(table[i].unique & 0x80)) ++n;
  }
  return n;
#else
  return -1;
#endif
}

}  // namespace e2e
