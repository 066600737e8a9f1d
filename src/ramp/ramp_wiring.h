// A ramp graph in its window, the oven's and a ULVO channel's alike: the handle held, the
// capture, the values under the pointer and the plot's scale in one state record, and the
// graph's paint, mouse messages and axis buttons run over it through the shared rules.
// What differs between the graphs (where the state and the axis maxima live, where the
// ramp is read and written, the window's frame, what a move or a release does beyond the
// graph) is a wiring record of data.
#pragma once

#include <cstdint>

#include "ramp/ramp_axes.h"
#include "ramp/ramp_drag.h"
#include "ramp/ramp_graph.h"
#include "ui/dialog_port.h"
#include "ui/graph_window.h"
#include "ui/host_port.h"

struct EditorSession;

// Zero is a graph with no handle held and no capture.
struct RampGraphState {
  bool dragging;       // a handle is held
  bool mouseCaptured;  // the window holds the capture: the pointer is on the frame
  int32_t dragStep;    // the held handle's step
  bool dragHoldEnd;    // the end of its plateau, not the end of its ramp
  double dragLevel;    // the values under the pointer at the last move
  double dragTime;
  PixelRect plotRect;  // the plot area and the handles' overhang; the mouse's scale
};

// One graph. Constant-initialised.
struct RampGraphWiring {
  RampGraphState& (*state)(EditorSession& session);
  RampSnapshot (*read)(const EditorSession& session);
  void (*write)(EditorSession& session, int32_t step, const RampPoint& moved);
  // The window's border, caption and menu around its client area.
  ClientInset (*inset)(const WindowMetrics& metrics);
  int frameId;  // the control the graph is drawn in
  // After a handle moved, before the window is invalidated (the editor marks the method
  // modified; a channel's Cancel undoes a drag, so it marks nothing).
  void (*moved)(EditorSession& session, DialogPort& window);
  // After a release over the frame: the ramp rows rewritten from the method.
  void (*released)(EditorSession& session, DialogPort& window, HostPort& host);
  // Where the graph's axis maxima live and how they grow.
  RampAxesPlace (*axes)(EditorSession& session);
};

// Paints the graph's ramp with `labels` into its frame: while a handle is dragged only the
// plot area is erased and the ramp redrawn; otherwise, when its axes changed, the whole
// frame is erased and the axes rebuilt, and the change cleared. Keeps the plot rectangle
// the mouse is mapped by.
void PaintRampGraph(const RampGraphWiring& graph, EditorSession& session, GraphWindow& window,
                    ChartAxisPort& axes, const RampAxisLabels& labels);

// The graph frame's place in the window's client pixels.
FrameBox RampFrameBox(const RampGraphWiring& graph, GraphWindow& window);

// True when a handle lies under the pointer, recording which in dragStep and
// dragHoldEnd; the first in drawing order wins where handles overlap. False otherwise
// (also with no step in use), leaving both as they were.
bool HitHandle(const RampGraphWiring& graph, EditorSession& session, GraphWindow& window,
               MousePoint mouse);

// dragLevel (cut toward zero to a whole unit) and dragTime under the pointer, by the
// scale of plotRect; nothing is set when no step is in use.
void ReadPointer(const RampGraphWiring& graph, EditorSession& session, GraphWindow& window,
                 MousePoint mouse);

// The held step from dragLevel and dragTime: the ramp-end handle moves the whole step (its
// start), the hold-end handle its plateau's length. Both set its level within the value
// axis and leave that in dragLevel.
void DragHeldHandle(const RampGraphWiring& graph, EditorSession& session);

// The three mouse messages of a graph's window.
// Move: takes the capture when the pointer reaches the frame and drops it (ending any
// drag) when it leaves; while dragging, moves the held handle to the pointer, then runs
// the wiring's `moved` and invalidates the window, whose paint redraws the ramp.
void OnGraphMouseMove(const RampGraphWiring& graph, EditorSession& session, DialogPort& dialog,
                      GraphWindow& window, MousePoint mouse);
// Left button down: on a handle of the frame, the size cursor and the drag starts.
void OnGraphButtonDown(const RampGraphWiring& graph, EditorSession& session, GraphWindow& window,
                       MousePoint mouse);
// Left button up: the arrow cursor and the drag ends; over the frame, the wiring's
// `released`.
void OnGraphButtonUp(const RampGraphWiring& graph, EditorSession& session, DialogPort& dialog,
                     HostPort& host, GraphWindow& window, MousePoint mouse);

// True when `id` is one of the graph's axis buttons, after its axis was enlarged (or both
// fitted) and the window invalidated.
bool OnAxisButton(const RampGraphWiring& graph, EditorSession& session, DialogPort& dialog, int id);

// Forgets a drag and capture that a closed window left behind (it can end under the
// mouse, by Escape), so that the next window starts outside the frame.
void ResetGraphMouse(RampGraphState& state);
