// The rules of dragging a ramp's handles, shared by the oven and ULVO graphs: where the
// pointer is, which handle a press grabs, what the pointer reads as, how a move rewrites
// the held step, and when the window takes or drops the mouse capture. All are pure
// functions of a ramp snapshot and a few numbers; the mouse operations (ramp_wiring) read
// the snapshot from the session and write the result back.
#pragma once

#include <cstdint>
#include <optional>

#include "ramp/ramp_graph.h"
#include "ui/graph_window.h"

// Within this many pixels of a handle's point, in x and in y, the handle is grabbed.
inline constexpr int kHandleReach = 6;

// The pointer in the window's client pixels. The window system's position word holds
// each coordinate in 16 unsigned bits, so a point left of or above the client area
// (possible under capture) arrives as a large positive number and lies outside the frame.
struct MousePoint {
  int64_t x, y;
};

// What lies left of and above a window's client area, in pixels.
struct ClientInset {
  int64_t left, top;
};
// The editor: a thin border, a caption and a menu bar.
ClientInset MenuWindowInset(const WindowMetrics& metrics);
// The ULVO dialog: a modal dialog frame and a caption, no menu.
ClientInset DialogFrameInset(const WindowMetrics& metrics);

// The frame's origin in the window's client pixels and its size, from the screen
// rectangles of the window and the frame.
struct FrameBox {
  int64_t originX, originY, width, height;
};
FrameBox FrameBoxFrom(const PixelRect& window, const PixelRect& frame, ClientInset inset);
// True when the point lies on the frame, its edges included.
bool IsInFrame(const FrameBox& box, MousePoint mouse);

// A handle: the end of step `step`'s ramp, or of its plateau when holdEnd.
struct HeldHandle {
  int32_t step;
  bool holdEnd;
};
// The handle under the mouse, the first in drawing order where handles overlap; none
// when no handle is near or no step is in use. `plot` is the rectangle the mouse is
// mapped by.
std::optional<HeldHandle> HitRampHandle(const RampSnapshot& ramp, const PixelRect& plot,
                                        const FrameBox& box, MousePoint mouse);

// What the pointer reads as: the level cut toward zero to a whole unit, the time with
// its fraction. None when no step is in use.
struct PointerValues {
  double level;
  double time;
};
std::optional<PointerValues> PointerToRampValues(const RampSnapshot& ramp, const PixelRect& plot,
                                                 const FrameBox& box, MousePoint mouse);

// Step `step` as the pointer leaves it. Both handles set its level, held to the value
// axis (floor .. valueAxisMax). The ramp end moves the whole step (its start, between
// the end of the previous plateau and the next ramp or the end of the time axis); the
// hold end sets its plateau's length within the same bounds. None for a handle that does
// not exist (step 0's ramp end, a step not in use), which leaves everything as it was.
std::optional<RampPoint> DraggedRampEnd(const RampSnapshot& ramp, int32_t step,
                                        PointerValues pointer);
std::optional<RampPoint> DraggedHoldEnd(const RampSnapshot& ramp, int32_t step,
                                        PointerValues pointer);

// One mouse move through the capture states Outside (not captured), Hovering (captured)
// and Dragging (captured, a handle held): the flags after the move, and whether the
// window takes the capture, drops it, or applies the move to the held handle.
struct MouseMoveStep {
  bool captured;
  bool dragging;
  bool capture;
  bool release;
  bool apply;
};
MouseMoveStep StepMouseMove(bool captured, bool dragging, bool inFrame);
