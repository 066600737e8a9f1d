// Painting the ULVO channel dialog's graph, and its mouse wiring.
#include "ulvo/ulvo_graph.h"

#include "resource_ids.h"
#include "ulvo/ulvo_form.h"

namespace {

RampGraphState& UlvoGraphState(EditorSession& session) { return session.channel.graph; }

void WriteUlvoStep(EditorSession& session, int32_t k, const RampPoint& moved) {
  WriteRampPoint(EditedUlvoRamp(session).step[k], moved);
}

void MarkNothing(EditorSession&, DialogPort&) {}

RampAxesPlace UlvoAxes(EditorSession& session) {
  UlvoRamp& ramp = EditedUlvoRamp(session);
  const double cap = EditedUlvoMode(session) == kUlvoFlow ? kFlowAxisCap : kPressureAxisCap;
  return {ramp.valueAxisMax, ramp.timeAxisMax, session.channel.ulvoAxesChanged, cap, false,
          LevelRounding::kUp};
}

// The edited ramp as the shared rules see it: its steps in use (at least one), its axes,
// and 0 as the bottom of the value axis.
RampSnapshot UlvoRampSnapshot(const EditorSession& session) {
  const UlvoRamp& edited = EditedUlvoRamp(session);
  RampSnapshot ramp = SnapshotOf(edited.step);
  ramp.inUse = UlvoStepsInUse(session);
  ramp.valueAxisMax = edited.valueAxisMax;
  ramp.timeAxisMax = edited.timeAxisMax;
  ramp.valueFloor = 0.0;
  return ramp;
}

}  // namespace

constinit const RampGraphWiring kUlvoGraph{
    UlvoGraphState,       UlvoRampSnapshot, WriteUlvoStep,      DialogFrameInset,
    IDC_ULVO_GRAPH_FRAME, MarkNothing,      ShowUlvoRampFields, UlvoAxes};

void PaintUlvoGraph(EditorSession& session, GraphWindow& window, ChartAxisPort& axes) {
  const bool flow = EditedUlvoMode(session) == kUlvoFlow;
  PaintRampGraph(kUlvoGraph, session, window, axes, flow ? kFlowAxisLabels : kPressureAxisLabels);
  session.channel.ulvoEditChanged = false;
}
