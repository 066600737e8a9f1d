// Fitting and enlarging the oven graph's axes.
#include "editor/oven_axes.h"

#include "editor/oven_graph.h"

void FitOvenAxes(EditorSession& session) {
  const RampAxes axes = FitRampAxes(OvenRamp(session), LevelRounding::kCut);
  session.method.tempAxisMax = axes.valueAxisMax;
  session.method.timeAxisMax = axes.timeAxisMax;
  session.values.ovenAxesChanged = 1;
}

void EnlargeTempAxis(EditorSession& session) {
  double& top = session.method.tempAxisMax;
  top = top >= 0.0 ? top * 1.5 : top * -1.5;
  if (top > kTempAxisCap) top = kTempAxisCap;
  session.values.ovenAxesChanged = 1;
}

void EnlargeTimeAxis(EditorSession& session) {
  double& end = session.method.timeAxisMax;
  end *= 1.5;
  if (end > kTimeAxisCap) end = kTimeAxisCap;
  session.values.ovenAxesChanged = 1;
}
