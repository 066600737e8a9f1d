// Reading back what a window shows: its client area's pixels, the oven graph's handles
// among them, and the process's live GDI objects.
#pragma once

#include <windows.h>

#include <vector>

#include "win32/window_capture.h"

namespace e2e {

using Pixels = WindowImage;

// The client area of `window` as it stands: no repaint is asked for. Empty when it
// cannot be read.
Pixels CaptureClient(HWND window);

// The points (x, y) of the ramp's handles in a capture: each handle is a black-edged
// 4 x 4 square over x-1..x+2, y-2..y+1 whose 2 x 2 inside is pure red (but where the
// next segment of the ramp crosses its right column). Sorted by x, then y.
std::vector<POINT> FindHandles(const Pixels& pixels);

// Live GDI objects of this process, from the shared handle table that Wine keeps in
// the Windows layout (GetGuiResources is a stub there). -1 where it cannot be read.
int LiveGdiObjects();

}  // namespace e2e
