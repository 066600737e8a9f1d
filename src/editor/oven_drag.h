// Dragging the oven ramp's handles with the mouse: where the pointer is, which handle it
// grabs, and how a move rewrites the held step. The rules keep the steps in order and
// inside the current axes. Positions are the mouse message's word: x in the low 16 bits,
// y in the high 16 bits, both unsigned, in the editor's client pixels.
#pragma once

#include <cstdint>

#include "ui/dialog_port.h"
#include "ui/graph_window.h"
#include "ui/host_port.h"

// Within this many pixels of a handle's point, in x and in y, the handle is grabbed.
inline constexpr int kHandleReach = 6;

struct MousePoint {
  int64_t x, y;
};
// A point left of or above the client area (possible under capture) reads as a large
// positive number, so it lies outside the frame.
MousePoint UnpackMousePosition(uint32_t position);

// The frame's origin in the editor's client pixels and its size, from the screen
// rectangles of the window and the frame and the system's border, caption and menu sizes.
struct FrameBox {
  int64_t originX, originY, width, height;
};
FrameBox FrameBoxFrom(const PixelRect& window, const PixelRect& frame,
                      const WindowMetrics& metrics);
FrameBox GraphFrameBox(GraphWindow& window, int frameId);

// 1 when the point lies on the frame, its edges included, else 0.
int IsInGraphFrame(GraphWindow& window, uint32_t position, int frameId);

// 1 when the mouse lies within kHandleReach pixels of the point in both directions.
int NearPoint(int64_t pointX, int64_t pointY, int64_t mouseX, int64_t mouseY);

// 1 when a handle lies under the position, recording which in ovenDragStep and
// ovenDragHoldEnd; the first in drawing order wins where handles overlap. 0 otherwise
// (also with no step in use), leaving both as they were.
int HitOvenHandle(GraphWindow& window, uint32_t position, int frameId);

// ovenDragTemp (cut to whole degrees) and ovenDragTime under the position, by the scale
// of ovenPlotRect. 0, with nothing set, when no step is in use.
int MouseToOvenValues(GraphWindow& window, uint32_t position, int frameId);

// Moves the held handle to the position. Returns 1.
int ApplyOvenDrag(GraphWindow& window, uint32_t position, int frameId);

// The held step from ovenDragTemp and ovenDragTime: the ramp-end handle moves the whole
// step (its start), the hold-end handle its plateau's length. Both set its temperature,
// within minOvenTemp .. tempAxisMax. Return 1.
int DragRampEnd();
int DragHoldEnd();

// The three mouse messages of the editor window.
// Move: takes the capture when the pointer reaches the frame and drops it (ending any
// drag) when it leaves; while dragging, applies the move, marks the method modified and
// invalidates the window, whose paint then redraws the ramp.
int OnGraphMouseMove(DialogPort& editor, GraphWindow& window, uint32_t position, int frameId);
// Left button down: on a handle of the frame, starts dragging it.
int OnGraphButtonDown(GraphWindow& window, uint32_t position, int frameId);
// Left button up: ends the drag; over the frame, rewrites the ramp rows from the method.
int OnGraphButtonUp(DialogPort& editor, HostPort& host, GraphWindow& window, uint32_t position,
                    int frameId);

// Forgets a drag and capture that a destroyed editor window left behind, so that a new
// window starts outside the frame. Returns 1.
int ResetOvenGraphMouse();
