// Capturing a window's client area, finding the ramp's handles in it, and counting GDI
// objects.
#include "harness/pixels.h"

#include <algorithm>
#include <winternl.h>

#include "win32/gdi_object.h"

namespace e2e {

COLORREF Pixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return RGB(0, 0, 0);
  const uint32_t p = bgra[static_cast<size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void RedrawNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

namespace {

// Copies `width` x `height` pixels from the top-left of `source` into a top-down
// 32-bit picture.
Pixels Capture(HDC source, int width, int height) {
  Pixels out;
  if (width <= 0 || height <= 0) return out;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> dib(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDC memory(source);
  if (!dib || !memory) return out;
  ScopedSelect selected(memory.Get(), dib.Get());
  BitBlt(memory.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* words = static_cast<const uint32_t*>(bits);
  out.width = width;
  out.height = height;
  out.bgra.assign(words, words + static_cast<size_t>(width) * height);
  return out;
}

}  // namespace

Pixels CaptureClient(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  WindowDC dc(window);
  return Capture(dc.Get(), r.right, r.bottom);
}

Pixels CaptureWindow(HWND window) {
  RedrawNow(window);
  RECT r{};
  GetWindowRect(window, &r);
  WindowDC dc(window, WindowDC::kWholeWindow);
  return Capture(dc.Get(), r.right - r.left, r.bottom - r.top);
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
