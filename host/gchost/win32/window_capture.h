// A window's pixels as it shows them, frame and children included.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gchost {

struct WindowImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bgrx;  // top-down rows of 4-byte pixels: blue, green, red, unused
};

// Repaints the whole window now (frame, background, every child) and delivers the
// messages that painting queues, so that a capture afterwards sees finished pixels.
// Returns false when the run is quitting.
bool PaintCompletely(HWND window);

// Copies the window's pixels from its window DC into a 32-bpp DIB section (PrintWindow
// misses children and custom painting under Wine). Returns false with `error` filled
// when the window has no area or a GDI call fails.
bool CaptureWindow(HWND window, WindowImage& image, std::string& error);

// Two windows as a user sees them, `top` over `bottom`, each captured as CaptureWindow
// does, on a picture that just holds both (what neither covers stays black).
bool CaptureOneOverOther(HWND bottom, HWND top, WindowImage& image, std::string& error);

}  // namespace gchost
