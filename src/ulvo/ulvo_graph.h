// The ULVO channel dialog's graph: the edited ramp as a ramp snapshot and painting it
// with the shared painter. Unlike the oven graph it has no legend and its value axis
// starts at 0. The graph's process-wide state lives here, shared with the mouse handlers.
#pragma once

#include <cstdint>

#include "ramp/ramp_graph.h"
#include "ramp/ramp_mouse.h"
#include "ui/canvas.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

// The graph's mouse state; zero when the library loads, like the method.
extern RampGraphState ulvoGraph;

// The chart-axis library measures the flow label with its slash doubled and draws it
// with one; the pressure label is the same both times.
inline constexpr RampAxisLabels kFlowAxisLabels{"ml//Min", "ml/Min"};
inline constexpr RampAxisLabels kPressureAxisLabels{"   kPa", "   kPa"};

// The edited ramp as the shared rules see it: its steps in use (at least one), its axes,
// and 0 as the bottom of the value axis.
RampSnapshot UlvoRampSnapshot();

// Paints the graph into frame control `frameId` in one paint session, with the labels
// of the channel's mode. While a handle is dragged only the plot area is erased and the
// ramp redrawn. Every paint ends any pending ramp-row edit's claim to validation
// (ulvoEditChanged).
void PaintUlvoGraph(GraphWindow& window, ChartAxisPort& axes, int frameId);
