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

bool CaptureWindow(HWND window, WindowImage& image, std::string& error) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) {
    error = "the window is gone";
    return false;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    error = "the window has no area";
    return false;
  }

  WindowDC source(window, WindowDC::kWholeWindow);
  if (!source.Get()) {
    error = "GetWindowDC failed";
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
  GdiObject<HBITMAP> dib(CreateDIBSection(source.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDC memory(source.Get());
  if (!dib || !bits || !memory) {
    error = "cannot create a bitmap of " + std::to_string(width) + " x " + std::to_string(height);
    return false;
  }
  {
    ScopedSelect selected(memory.Get(), dib.Get());
    if (!selected.Ok() || !BitBlt(memory.Get(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY)) {
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

}  // namespace gchost
