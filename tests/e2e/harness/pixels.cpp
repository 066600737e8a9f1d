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

namespace {

// Wine's GDI handle table, in the Windows layout. A 64-bit process finds it in its process
// block; a 32-bit one runs beside a 64-bit thread block (the 32-bit block's
// GdiBatchCount holds its address) whose process block names it, as Wine's own gdi32 finds
// it. Its entries hold 64-bit fields in both.
struct GdiHandleEntry {
  UINT64 object;
  ULONG owner;
  USHORT unique;
  UCHAR type, flags;
  UINT64 user;
};

const GdiHandleEntry* GdiHandleTable() {
  constexpr std::size_t kPeb64Table = 0xF8;  // PEB64::GdiSharedHandleTable
#ifdef _WIN64
  auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#else
  constexpr std::size_t kTebBatchCount = 0xF70, kTeb64Peb = 0x60;
  const auto* teb = reinterpret_cast<const BYTE*>(NtCurrentTeb());
  const UINT_PTR teb64 = *reinterpret_cast<const DWORD*>(teb + kTebBatchCount);
  if (!teb64) return nullptr;
  auto* peb = reinterpret_cast<const BYTE*>(
      static_cast<UINT_PTR>(*reinterpret_cast<const UINT64*>(teb64 + kTeb64Peb)));
#endif
  return reinterpret_cast<const GdiHandleEntry*>(
      static_cast<UINT_PTR>(*reinterpret_cast<const UINT64*>(peb + kPeb64Table)));
}

}  // namespace

int LiveGdiObjects() {
  const GdiHandleEntry* table = GdiHandleTable();
  if (!table) return -1;
  int n = 0;
  for (int i = 0; i < 0x10000; ++i) {
    if (table[i].type && !(table[i].unique & 0x80)) ++n;
  }
  return n;
}

}  // namespace e2e
