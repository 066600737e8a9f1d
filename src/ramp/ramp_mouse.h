// The mouse over a ramp graph, the oven's and a ULVO channel's alike: the handle held,
// the capture, the values under the pointer and the plot's scale in one state record,
// and the operations that run the shared drag rules over it. What differs between the
// graphs (where the ramp is read and written, the window's frame) is a wiring record;
// what a finished move or release does beyond the graph is left to the caller.
#pragma once

#include <cstdint>

#include "ramp/ramp_drag.h"
#include "ramp/ramp_graph.h"
#include "ui/graph_window.h"

// Zero is a graph with no handle held and no capture.
struct RampGraphState {
  int32_t dragging;       // a handle is held
  int32_t mouseCaptured;  // the window holds the capture: the pointer is on the frame
  int32_t dragStep;       // the held handle's step
  int32_t dragHoldEnd;    // 1: the end of its plateau, 0: the end of its ramp
  double dragLevel;       // the values under the pointer at the last move
  double dragTime;
  PixelRect plotRect;  // the plot area and the handles' overhang; the mouse's scale
};

// One graph: its state, its ramp as a snapshot, where a dragged step is written, and the
// window's border, caption and menu around the client area. Constant-initialised.
struct RampGraphWiring {
  RampGraphState& state;
  RampSnapshot (*read)();
  void (*write)(int32_t step, const RampPoint& moved);
  ClientInset (*inset)(const WindowMetrics& metrics);
};

// The graph frame's place in the window's client pixels.
FrameBox RampFrameBox(const RampGraphWiring& graph, GraphWindow& window, int frameId);

// True when a handle lies under the position, recording which in dragStep and
// dragHoldEnd; the first in drawing order wins where handles overlap. False otherwise
// (also with no step in use), leaving both as they were.
bool HitHandle(const RampGraphWiring& graph, GraphWindow& window, uint32_t position, int frameId);

// dragLevel (cut toward zero to a whole unit) and dragTime under the position, by the
// scale of plotRect. False, with nothing set, when no step is in use.
bool ReadPointer(const RampGraphWiring& graph, GraphWindow& window, uint32_t position, int frameId);

// The held step from dragLevel and dragTime: the ramp-end handle moves the whole step (its
// start), the hold-end handle its plateau's length. Both set its level within the value
// axis and leave that in dragLevel.
void DragHeldHandle(const RampGraphWiring& graph);

// A mouse move: takes the capture when the pointer reaches the frame and drops it (ending
// any drag) when it leaves; while dragging, moves the held handle to the position. True
// when a handle moved, for the caller to mark and repaint.
bool MoveOverGraph(const RampGraphWiring& graph, GraphWindow& window, uint32_t position,
                   int frameId);
// Left button down: on a handle of the frame, starts dragging it.
void PressOnGraph(const RampGraphWiring& graph, GraphWindow& window, uint32_t position,
                  int frameId);
// Left button up: ends the drag. True when released over the frame, where the caller
// rewrites the ramp rows from the method.
bool ReleaseOnGraph(const RampGraphWiring& graph, GraphWindow& window, uint32_t position,
                    int frameId);

// Forgets a drag and capture that a closed window left behind, so that the next window
// starts outside the frame.
void ResetGraphMouse(RampGraphState& state);
