// The oven graph: the oven programme as a ramp snapshot, painting the frame (legend,
// axes, ramp, handles). The graph's process-wide state lives here too, since painting
// and the mouse handlers share it.
#pragma once

#include <cstdint>

#include "ramp/ramp_graph.h"
#include "ramp/ramp_mouse.h"
#include "ui/canvas.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

// The graph's mouse state; zero when the library loads, like the method.
extern RampGraphState ovenGraph;

inline constexpr const char* kTempAxisLabel =
    "    \xB0"
    "C";  // code page 1252 degree sign
// The legend is drawn from this offset in control 151's device context.
inline constexpr int kLegendWidth = 255;
inline constexpr int kLegendHeight = 99;

// The steps drawn and dragged: ovenStepsInUse, held to the four rows there are.
int32_t OvenStepsDrawn();

// The oven programme as the shared rules see it: its steps in use, its axes, and the
// minimum oven temperature as the bottom of the value axis.
RampSnapshot OvenRamp();

// Paints the graph into frame control `frameId`. While a handle is dragged only the plot
// area is erased and the ramp redrawn; the legend, the whole-frame erase and the axes
// wait for the next paint.
void PaintOvenGraph(GraphWindow& window, ChartAxisPort& axes, int frameId);
