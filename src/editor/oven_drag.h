// Dragging the oven ramp's handles with the mouse: the editor's named operations over
// the shared rules of ramp/ramp_drag.h, with the oven programme as the ramp and the
// editor's border, caption and menu around its client area.
#pragma once

#include <cstdint>

#include "ramp/ramp_drag.h"
#include "ui/dialog_port.h"
#include "ui/graph_window.h"
#include "ui/host_port.h"

// The graph frame's place in the editor's client pixels.
FrameBox GraphFrameBox(GraphWindow& window, int frameId);

// 1 when the point lies on the frame, its edges included, else 0.
int IsInGraphFrame(GraphWindow& window, uint32_t position, int frameId);

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
// within minOvenTemp .. tempAxisMax, and leave that in ovenDragTemp. Return 1.
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
