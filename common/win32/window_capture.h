// A window's pixels as it shows them, read back from its device context: what the demo
// host saves as a screenshot and what the end-to-end tests look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct WindowImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> bgrx;  // top-down rows of 32-bpp DIB pixels: 0x00RRGGBB

  COLORREF At(int x, int y) const;  // as RGB(); black outside the picture
};

// Repaints the whole window now: frame, erased background and every child.
void RedrawCompletely(HWND window);

// The whole window, frame and children included, copied from its window DC into a
// 32-bpp DIB section (PrintWindow misses children and custom painting under Wine).
// Nothing is repainted first. False with `error` filled when the window is gone, has
// no area or a GDI call fails.
bool CaptureWindow(HWND window, WindowImage& image, std::string& error);

// The same for the window's client area.
bool CaptureClient(HWND window, WindowImage& image, std::string& error);

// Two windows as a user sees them, `top` over `bottom`, each captured as CaptureWindow
// does, on a picture that just holds both (what neither covers stays black).
bool CaptureOneOverOther(HWND bottom, HWND top, WindowImage& image, std::string& error);
