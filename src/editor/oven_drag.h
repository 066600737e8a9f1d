// Dragging the oven ramp's handles with the mouse: the shared ramp graph's operations
// wired to the oven programme and the editor's border, caption and menu around its
// client area. A drag marks the method modified.
#pragma once

#include <cstdint>

#include "ramp/ramp_mouse.h"
#include "ui/dialog_port.h"
#include "ui/graph_window.h"
#include "ui/host_port.h"

// The oven graph as the shared operations see it (its state is ovenGraph).
extern const RampGraphWiring kOvenGraph;

// The three mouse messages of the editor window.
// Move: as MoveOverGraph; a moved handle marks the method modified and invalidates the
// window, whose paint then redraws the ramp.
void OnGraphMouseMove(DialogPort& editor, GraphWindow& window, uint32_t position, int frameId);
// Left button down: on a handle of the frame, starts dragging it.
void OnGraphButtonDown(GraphWindow& window, uint32_t position, int frameId);
// Left button up: ends the drag; over the frame, rewrites the ramp rows from the method.
void OnGraphButtonUp(DialogPort& editor, HostPort& host, GraphWindow& window, uint32_t position,
                     int frameId);

// Forgets a drag and capture that a destroyed editor window left behind.
void ResetOvenGraphMouse();
