// Fitting and enlarging a ramp graph's axes.
#include "ramp/ramp_axes.h"

#include "ramp/ramp_wiring.h"

void FitGraphAxes(const RampGraphWiring& graph, EditorSession& session) {
  const RampAxesPlace axes = graph.axes(session);
  const RampAxes fitted = FitRampAxes(graph.read(session), axes.rounding);
  axes.valueAxisMax = fitted.valueAxisMax;
  axes.timeAxisMax = fitted.timeAxisMax;
  axes.axesChanged = true;
}

void EnlargeValueAxis(const RampGraphWiring& graph, EditorSession& session) {
  const RampAxesPlace axes = graph.axes(session);
  double& top = axes.valueAxisMax;
  top = top < 0.0 && axes.upFromMagnitude ? top * -1.5 : top * 1.5;
  if (top > axes.valueCap) top = axes.valueCap;
  axes.axesChanged = true;
}

void EnlargeTimeAxis(const RampGraphWiring& graph, EditorSession& session) {
  const RampAxesPlace axes = graph.axes(session);
  double& end = axes.timeAxisMax;
  end *= 1.5;
  if (end > kTimeAxisCap) end = kTimeAxisCap;
  axes.axesChanged = true;
}
