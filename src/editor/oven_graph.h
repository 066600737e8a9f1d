// The oven graph: the oven programme as a ramp snapshot, painting the frame (legend,
// axes, ramp, handles). The graph's process-wide state lives here too, since painting
// and the mouse handlers share it.
#pragma once

#include <cstdint>

#include "ramp/ramp_graph.h"
#include "ui/canvas.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

struct OvenGraphState {
  int32_t ovenDragging;       // a handle is held
  int32_t ovenMouseCaptured;  // the editor holds the capture: the pointer is on the frame
  int32_t ovenDragStep;       // the held handle's step
  int32_t ovenDragHoldEnd;    // 1: the end of its plateau, 0: the end of its ramp
  double ovenDragTemp;        // the values under the pointer at the last move
  double ovenDragTime;
  PixelRect ovenPlotRect;  // the plot area and the handles' overhang; the mouse's scale
};

// Zero when the library loads, like the method.
extern OvenGraphState ovenGraph;

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
// wait for the next paint. Returns 1.
int PaintOvenGraph(GraphWindow& window, ChartAxisPort& axes, int frameId);
