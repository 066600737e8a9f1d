#include "harness/pixels.h"

#include <algorithm>
#include <cstdio>
#include <winternl.h>

namespace e2e {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

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
  HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return out;
  HDC memory = CreateCompatibleDC(source);
  HGDIOBJ previous = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  out.width = width;
  out.height = height;
  const auto* words = static_cast<const uint32_t*>(bits);
  out.bgra.assign(words, words + static_cast<size_t>(width) * height);
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(dib);
  return out;
}

}  // namespace

COLORREF Pixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return RGB(0, 0, 0);
  const uint32_t p = bgra[static_cast<size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Pixels::Count(COLORREF colour) const {
  int n = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) n += At(x, y) == colour;
  }
  return n;
}

void RedrawNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

Pixels CaptureClient(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  HDC dc = GetDC(window);
  Pixels out = Capture(dc, r.right, r.bottom);
  ReleaseDC(window, dc);
  return out;
}

Pixels CaptureWindow(HWND window) {
  RedrawNow(window);
  RECT r{};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  Pixels out = Capture(dc, r.right - r.left, r.bottom - r.top);
  ReleaseDC(window, dc);
  return out;
}

std::vector<POINT> FindHandles(const Pixels& p) {
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

bool WriteBmp(const Pixels& p, const std::string& path) {
  const int stride = (p.width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = p.width;
  info.biHeight = p.height;  // bottom-up
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = static_cast<DWORD>(stride * p.height);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&info, sizeof info, 1, out);
  std::vector<unsigned char> row(stride);
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) {
      const COLORREF c = p.At(x, y);
      row[x * 3] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
    std::fwrite(row.data(), 1, row.size(), out);
  }
  return std::fclose(out) == 0;
}

}  // namespace e2e
