// The ULVO channel dialog's graph: the edited ramp as a ramp snapshot, painting it with
// the shared painter, and its wiring of the shared mouse operations. Unlike the oven
// graph it has no legend, its value axis starts at 0, the dialog's frame and caption
// surround its client area, and a drag changes the method as the dialog's fields do,
// which Cancel undoes: it neither marks the method modified nor touches the editor's
// menu.
#pragma once

#include "editor/editor_session.h"
#include "ramp/ramp_graph.h"
#include "ramp/ramp_wiring.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

// The chart-axis library measures the flow label with its slash doubled and draws it
// with one; the pressure label is the same both times.
inline constexpr RampAxisLabels kFlowAxisLabels{"ml//Min", "ml/Min"};
inline constexpr RampAxisLabels kPressureAxisLabels{"   kPa", "   kPa"};

// Paints the graph into its frame in one paint session, with the labels of the channel's
// mode. While a handle is dragged only the plot area is erased and the ramp redrawn.
// Every paint ends any pending ramp-row edit's claim to validation (ulvoEditChanged).
void PaintUlvoGraph(EditorSession& session, GraphWindow& window, ChartAxisPort& axes);

// The channel dialog's graph as the mouse operations see it (its state is
// session.channel.graph).
extern const RampGraphWiring kUlvoGraph;

// The value axis fitted to the steps in use (rounded up to a whole unit) and the time axis
// to the last hold's end.
inline void FitUlvoAxes(EditorSession& session) { FitGraphAxes(kUlvoGraph, session); }
