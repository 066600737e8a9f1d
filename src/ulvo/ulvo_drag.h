// Dragging the ULVO ramp's handles: the channel dialog's named operations over the
// shared rules of ramp/ramp_drag.h, with the edited ramp (values from 0 up to its
// valueAxisMax) and the dialog's frame and caption around its client area. A drag
// changes the method like the dialog's fields do, which Cancel undoes, so it neither
// marks the method modified nor touches the editor's menu.
#pragma once

#include <cstdint>

#include "ramp/ramp_drag.h"
#include "ui/dialog_port.h"
#include "ui/graph_window.h"
#include "ui/host_port.h"

// The graph frame's place in the dialog's client pixels.
FrameBox UlvoGraphFrameBox(GraphWindow& window, int frameId);

// 1 when the point lies on the frame, its edges included, else 0.
int IsInUlvoGraphFrame(GraphWindow& window, uint32_t position, int frameId);

// 1 when a handle lies under the position, recording which in ulvoDragStep and
// ulvoDragHoldEnd; the first in drawing order wins. 0 otherwise, leaving both as they were.
int HitUlvoHandle(GraphWindow& window, uint32_t position, int frameId);

// ulvoDragValue (cut to a whole ml/min or kPa) and ulvoDragTime under the position, by
// the scale of ulvoPlotRect. Returns 1.
int MouseToUlvoValues(GraphWindow& window, uint32_t position, int frameId);

// Moves the held handle to the position. Returns 1.
int ApplyUlvoDrag(GraphWindow& window, uint32_t position, int frameId);

// The held step from ulvoDragValue and ulvoDragTime, by the oven's rules: the ramp end
// moves the step's start, the hold end its hold; both set its value within
// 0 .. valueAxisMax and leave that in ulvoDragValue. Return 1.
int DragUlvoRampEnd();
int DragUlvoHoldEnd();

// The three mouse messages of the channel dialog.
// Move: takes the capture when the pointer reaches the frame and drops it (ending any
// drag) when it leaves; while dragging, applies the move and invalidates the dialog.
int OnUlvoGraphMouseMove(GraphWindow& window, uint32_t position, int frameId);
// Left button down: on a handle of the frame, starts dragging it.
int OnUlvoGraphButtonDown(GraphWindow& window, uint32_t position, int frameId);
// Left button up: ends the drag; over the frame, rewrites the ramp rows from the method.
int OnUlvoGraphButtonUp(DialogPort& dialog, HostPort& host, GraphWindow& window, uint32_t position,
                        int frameId);

// Forgets a drag and capture that an ended dialog left behind (it can end under the
// mouse, by Escape), so that the next one starts outside the frame. Returns 1.
int ResetUlvoGraphMouse();
