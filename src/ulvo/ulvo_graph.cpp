// Painting the ULVO channel dialog's graph, and its mouse wiring.
#include "ulvo/ulvo_graph.h"

#include "resource_ids.h"
#include "ulvo/ulvo_form.h"

namespace {

RampGraphState& UlvoGraphState(EditorSession& session) { return session.channel.graph; }

void WriteUlvoStep(EditorSession& session, int32_t k, const RampPoint& moved) {
  WriteRampPoint(EditedUlvoRamp(session).step[k], &UlvoStep::value, moved);
}

void MarkNothing(EditorSession&, DialogPort&) {}

}  // namespace

RampSnapshot UlvoRampSnapshot(const EditorSession& session) {
  const UlvoRamp& edited = EditedUlvoRamp(session);
  RampSnapshot ramp = SnapshotOf(edited.step, &UlvoStep::value);
  ramp.inUse = UlvoStepsInUse(session);
  ramp.valueAxisMax = edited.valueAxisMax;
  ramp.timeAxisMax = edited.timeAxisMax;
  ramp.valueFloor = 0.0;
  return ramp;
}

void PaintUlvoGraph(EditorSession& session, GraphWindow& window, ChartAxisPort& axes) {
  ChannelSession& channel = session.channel;
  const bool dragging = channel.graph.dragging != 0;
  const bool erase = channel.ulvoAxesChanged && !dragging;
  const RampAxisLabels& labels =
      EditedUlvoMode(session) == kUlvoFlow ? kFlowAxisLabels : kPressureAxisLabels;
  const std::optional<PixelRect> plot = PaintRampFrame(
      window, axes, IDC_ULVO_GRAPH_FRAME, {UlvoRampSnapshot(session), labels, dragging, erase});
  if (plot) {
    channel.graph.plotRect = *plot;
    if (erase) channel.ulvoAxesChanged = 0;
  }
  channel.ulvoEditChanged = 0;
}

constinit const RampGraphWiring kUlvoGraph{UlvoGraphState,    UlvoRampSnapshot,     WriteUlvoStep,
                                           DialogFrameInset,  IDC_ULVO_GRAPH_FRAME, MarkNothing,
                                           ShowUlvoRampFields};
