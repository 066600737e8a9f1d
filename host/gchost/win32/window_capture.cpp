// RedrawWindow, then BitBlt from GetWindowDC into a DIB section.
#include "gchost/win32/window_capture.h"

#include <cstring>

#include "gchost/win32/message_loop.h"
#include "win32/gdi_object.h"

namespace gchost {

bool PaintCompletely(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return PumpUntilIdle();
}

namespace {

// Copies width x height pixels from (x, y) of `source` into a 32-bpp DIB section.
bool CopyPixels(HDC source, int x, int y, int width, int height, WindowImage& image,
                std::string& error) {
  if (width <= 0 || height <= 0) {
    error = "the window has no area";
    return false;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: rows run top-down, as in the PNG
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
  {
    ScopedSelect selected(memory.Get(), dib.Get());
    if (!selected.Ok() || !BitBlt(memory.Get(), 0, 0, width, height, source, x, y, SRCCOPY)) {
      error = "BitBlt from the window failed";
      return false;
    }
    GdiFlush();  // the DIB's bits are read directly below
  }
  image.width = width;
  image.height = height;
  image.bgrx.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
  std::memcpy(image.bgrx.data(), bits, image.bgrx.size());
  return true;
}

// Copies `part` into `whole` with its top-left corner at (x, y); `part` lies inside.
void PlaceImage(WindowImage& whole, const WindowImage& part, int x, int y) {
  const size_t row = static_cast<size_t>(part.width) * 4;
  for (int line = 0; line < part.height; ++line) {
    const size_t to = (static_cast<size_t>(y + line) * whole.width + x) * 4;
    std::memcpy(whole.bgrx.data() + to, part.bgrx.data() + line * row, row);
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
  if (!source.Get()) {
    error = "GetWindowDC failed";
    return false;
  }
  return CopyPixels(source.Get(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, image,
                    error);
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
  image.bgrx.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 4, 0);
  PlaceImage(image, lowerImage, lower.left - both.left, lower.top - both.top);
  PlaceImage(image, upperImage, upper.left - both.left, upper.top - both.top);
  return true;
}

}  // namespace gchost
