// The oven graph: the oven programme as a ramp snapshot, painting the frame (legend,
// axes, ramp, handles), and its wiring of the shared mouse operations: the editor's
// border, caption and menu around its client area, and a drag that marks the method
// modified.
#pragma once

#include "editor/editor_session.h"
#include "ramp/ramp_graph.h"
#include "ramp/ramp_wiring.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

inline constexpr const char* kTempAxisLabel =
    "    \xB0"
    "C";  // code page 1252 degree sign
// Up stops the temperature axis here.
inline constexpr double kTempAxisCap = 450.0;
// The legend is drawn from this offset in control 151's device context.
inline constexpr int kLegendWidth = 255;
inline constexpr int kLegendHeight = 99;

// Paints the graph into its frame. While a handle is dragged only the plot area is erased
// and the ramp redrawn; the legend, the whole-frame erase and the axes wait for the next
// paint.
void PaintOvenGraph(EditorSession& session, GraphWindow& window, ChartAxisPort& axes);

// The oven graph as the mouse operations see it (its state is session.ovenGraph).
extern const RampGraphWiring kOvenGraph;

// The temperature axis fitted to the steps in use (cut to whole degrees, at least the
// minimum oven temperature) and the time axis to the last hold's end.
inline void FitOvenAxes(EditorSession& session) { FitGraphAxes(kOvenGraph, session); }
