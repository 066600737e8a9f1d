// Painting the ULVO channel dialog's graph.
#include "ulvo/ulvo_graph.h"

#include <array>

#include "method/inlet_method.h"
#include "ulvo/ulvo_state.h"

RampGraphState ulvoGraph;

RampSnapshot UlvoRampSnapshot() {
  const UlvoRamp& edited = EditedUlvoRamp();
  RampSnapshot ramp = SnapshotOf(edited.step, &UlvoStep::value);
  ramp.inUse = UlvoStepsInUse();
  ramp.valueAxisMax = edited.valueAxisMax;
  ramp.timeAxisMax = edited.timeAxisMax;
  ramp.valueFloor = 0.0;
  return ramp;
}

void PaintUlvoGraph(GraphWindow& window, ChartAxisPort& axes, int frameId) {
  const bool dragging = ulvoGraph.dragging != 0;
  const bool erase = ulvoValues.ulvoAxesChanged && !dragging;
  const RampAxisLabels& labels =
      EditedUlvoMode() == kUlvoFlow ? kFlowAxisLabels : kPressureAxisLabels;
  const std::optional<PixelRect> plot =
      PaintRampFrame(window, axes, frameId, {UlvoRampSnapshot(), labels, dragging, erase});
  if (plot) {
    ulvoGraph.plotRect = *plot;
    if (erase) ulvoValues.ulvoAxesChanged = 0;
  }
  ulvoValues.ulvoEditChanged = 0;
}
