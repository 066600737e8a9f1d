// Painting the oven graph.
#include "editor/oven_graph.h"

#include <algorithm>
#include <array>
#include <memory>

#include "method/inlet_method.h"
#include "resource_ids.h"

RampGraphState ovenGraph;

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

}  // namespace

int32_t OvenStepsDrawn() {
  return std::clamp<int32_t>(editorValues.ovenStepsInUse, 0,
                             static_cast<int32_t>(inletMethod.ovenStep.size()));
}

RampSnapshot OvenRamp() {
  RampSnapshot ramp = SnapshotOf(inletMethod.ovenStep, &OvenStep::temp);
  ramp.inUse = OvenStepsDrawn();
  ramp.valueAxisMax = inletMethod.tempAxisMax;
  ramp.timeAxisMax = inletMethod.timeAxisMax;
  ramp.valueFloor = static_cast<double>(GetMinOvenTemp());
  return ramp;
}

void PaintOvenGraph(GraphWindow& window, ChartAxisPort& axes, int frameId) {
  const bool dragging = ovenGraph.dragging != 0;
  if (!dragging) PaintLegend(window);
  const bool erase = editorValues.ovenAxesChanged && !dragging;
  const std::optional<PixelRect> plot = PaintRampFrame(
      window, axes, frameId, {OvenRamp(), {kTempAxisLabel, kTempAxisLabel}, dragging, erase});
  if (plot) {
    ovenGraph.plotRect = *plot;
    if (erase) editorValues.ovenAxesChanged = 0;
  }
  editorValues.ovenEditChanged = 0;
}
