// Painting the oven graph, and its mouse wiring.
#include "editor/oven_graph.h"

#include <memory>

#include "editor/menu_states.h"
#include "editor/oven_form.h"
#include "resource_ids.h"

namespace {

// Step 1 of every paint but a drag's: the legend picture below the oven group. It is
// anchored at control 151's corner and covers the empty area beyond that small control.
void PaintLegend(GraphWindow& window) {
  PaintSession paint(window);
  std::unique_ptr<Canvas> legend = window.AnchoredCanvas(IDC_LEGEND);
  if (!legend || !legend->DrawBitmap(GraphBitmap::kLegend, kLegendWidth, kLegendHeight, 1, 1)) {
    window.Beep();
  }
}

RampGraphState& OvenGraphState(EditorSession& session) { return session.ovenGraph; }

void WriteOvenStep(EditorSession& session, int32_t k, const RampPoint& moved) {
  WriteRampPoint(session.method.ovenStep[k], moved);
}

void MarkModified(EditorSession& session, DialogPort& editor) {
  if (session.values.methodModified) return;
  session.values.methodModified = true;
  UpdateMenuStates(session, editor);
}

RampAxesPlace OvenAxes(EditorSession& session) {
  return {session.method.tempAxisMax,
          session.method.timeAxisMax,
          session.values.ovenAxesChanged,
          kTempAxisCap,
          true,
          LevelRounding::kCut};
}

// The oven programme as the shared rules see it: its steps in use, its axes, and the
// minimum oven temperature as the bottom of the value axis.
RampSnapshot OvenRamp(const EditorSession& session) {
  const InletMethod& method = session.method;
  RampSnapshot ramp = SnapshotOf(method.ovenStep);
  ramp.inUse = RowsInUse(method.ovenStep);
  ramp.valueAxisMax = method.tempAxisMax;
  ramp.timeAxisMax = method.timeAxisMax;
  ramp.valueFloor = static_cast<double>(GetMinOvenTemp(session.values));
  return ramp;
}

}  // namespace

constinit const RampGraphWiring kOvenGraph{OvenGraphState,  OvenRamp,        WriteOvenStep,
                                           MenuWindowInset, IDC_GRAPH_FRAME, MarkModified,
                                           ShowRampFields,  OvenAxes};

void PaintOvenGraph(EditorSession& session, GraphWindow& window, ChartAxisPort& axes) {
  if (!session.ovenGraph.dragging) PaintLegend(window);
  PaintRampGraph(kOvenGraph, session, window, axes, {kTempAxisLabel, kTempAxisLabel});
  session.values.ovenEditChanged = false;
}
