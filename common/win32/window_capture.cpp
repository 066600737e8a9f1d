// BitBlt from the window's DC into a DIB section, whose bits are then copied out.
#include "win32/window_capture.h"

#include <cstring>

#include "win32/gdi_object.h"

COLORREF WindowImage::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return RGB(0, 0, 0);
  const uint32_t p = bgrx[static_cast<size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void RedrawCompletely(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

namespace {

// Copies width x height pixels from the top-left corner of `source`.
bool CopyPixels(HDC source, int width, int height, WindowImage& image, std::string& error) {
  if (!source) {
    error = "the window has no device context";
    return false;
  }
  if (width <= 0 || height <= 0) {
    error = "the window has no area";
    return false;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: rows run top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> dib(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDC memory(source);
  if (!dib || !bits || !memory) {
    error = "cannot create a bitmap of " + std::to_string(width) + " x " + std::to_string(height);
    return false;
  }
  ScopedSelect selected(memory.Get(), dib.Get());
  if (!selected.Ok() || !BitBlt(memory.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY)) {
    error = "BitBlt from the window failed";
    return false;
  }
  GdiFlush();  // the DIB's bits are read directly below
  const auto* words = static_cast<const uint32_t*>(bits);
  image.width = width;
  image.height = height;
  image.bgrx.assign(words, words + static_cast<size_t>(width) * static_cast<size_t>(height));
  return true;
}

// Copies `part` into `whole` with its top-left corner at (x, y); `part` lies inside.
void PlaceImage(WindowImage& whole, const WindowImage& part, int x, int y) {
  for (int line = 0; line < part.height; ++line) {
    std::memcpy(&whole.bgrx[static_cast<size_t>(y + line) * whole.width + x],
                &part.bgrx[static_cast<size_t>(line) * part.width],
                static_cast<size_t>(part.width) * sizeof(uint32_t));
  }
}

}  // namespace

bool CaptureWindow(HWND window, WindowImage& image, std::string& error) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) {
    error = "the window is gone";
    return false;
  }
  WindowDC source(window, WindowDC::kWholeWindow);
  return CopyPixels(source.Get(), rect.right - rect.left, rect.bottom - rect.top, image, error);
}

bool CaptureClient(HWND window, WindowImage& image, std::string& error) {
  RECT rect;
  if (!GetClientRect(window, &rect)) {
    error = "the window is gone";
    return false;
  }
  WindowDC source(window);
  return CopyPixels(source.Get(), rect.right, rect.bottom, image, error);
}

bool CaptureOneOverOther(HWND bottom, HWND top, WindowImage& image, std::string& error) {
  RECT lower{}, upper{}, both{};
  WindowImage lowerImage, upperImage;
  if (!GetWindowRect(bottom, &lower) || !GetWindowRect(top, &upper) ||
      !CaptureWindow(bottom, lowerImage, error) || !CaptureWindow(top, upperImage, error)) {
    if (error.empty()) error = "a window is gone";
    return false;
  }
  UnionRect(&both, &lower, &upper);
  image.width = both.right - both.left;
  image.height = both.bottom - both.top;
  image.bgrx.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height), 0);
  PlaceImage(image, lowerImage, lower.left - both.left, lower.top - both.top);
  PlaceImage(image, upperImage, upper.left - both.left, upper.top - both.top);
  return true;
}
