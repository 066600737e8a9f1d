// The floors that each figure is read against: the least work the editor's own rules
// make unavoidable, done by plain code under the same Wine, display and process, measured
// in the same run as the real operation, one beside the other.
#pragma once

#include <windows.h>

#include <string>

#include "win32/owned_handle.h"

namespace bench {

// A plain top-level window the size of `like`, away from it, that a step of takes one
// WM_MOUSEMOVE, invalidates its whole client area without erasing (as a drag does) and
// paints the plot: the four axis label texts measured, the 340 x 210 plot filled, a
// 7-segment ramp and its 6 handles; then every queued message is delivered.
class DragFloor {
 public:
  explicit DragFloor(HWND like);
  ~DragFloor();
  DragFloor(const DragFloor&) = delete;
  DragFloor& operator=(const DragFloor&) = delete;
  bool Ok() const { return window_ != nullptr; }
  void Step(int i);

 private:
  HWND window_ = nullptr;
};

// The paint that both floors share, into `dc` with the plot's corner at `corner`;
// `shift` moves the ramp's middle points, as a held handle moves them.
void PaintFloorPlot(HDC dc, POINT corner, int shift);

// One opening floor: the plug-in's dialog `templateName` made into a window (its class,
// controls and menu) owned by `owner`, `fileBytes` bytes of `file` read (none when 0),
// its edit fields set (at most `fields`), shown, the plot painted into control
// `frameId`, and every queued message delivered. Returns the milliseconds; the window is
// destroyed afterwards, untimed. Negative when the template could not be made.
double OpenFloor(HWND owner, const char* templateName, int frameId, const std::string& file,
                 int fileBytes, int fields);

// The editor's method file size, which its opening floor reads.
inline constexpr int kMethodFileBytes = 2456;

}  // namespace bench
