// Dragging the ULVO ramp's handles: the shared ramp graph's operations wired to the
// edited ramp (values from 0 up to its valueAxisMax) and the dialog's frame and caption
// around its client area. A drag changes the method like the dialog's fields do, which
// Cancel undoes, so it neither marks the method modified nor touches the editor's menu.
#pragma once

#include <cstdint>

#include "ramp/ramp_mouse.h"
#include "ui/dialog_port.h"
#include "ui/graph_window.h"
#include "ui/host_port.h"

// The channel dialog's graph as the shared operations see it (its state is ulvoGraph).
extern const RampGraphWiring kUlvoGraph;

// The three mouse messages of the channel dialog.
// Move: as MoveOverGraph; a moved handle invalidates the dialog.
void OnUlvoGraphMouseMove(GraphWindow& window, uint32_t position, int frameId);
// Left button down: on a handle of the frame, starts dragging it.
void OnUlvoGraphButtonDown(GraphWindow& window, uint32_t position, int frameId);
// Left button up: ends the drag; over the frame, rewrites the ramp rows from the method.
void OnUlvoGraphButtonUp(DialogPort& dialog, HostPort& host, GraphWindow& window, uint32_t position,
                         int frameId);

// Forgets a drag and capture that an ended dialog left behind (it can end under the
// mouse, by Escape), so that the next one starts outside the frame.
void ResetUlvoGraphMouse();
