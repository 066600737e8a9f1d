// Fitting and enlarging the oven graph's axes.
#include "editor/oven_axes.h"

#include "editor/oven_graph.h"

void FitOvenAxes() {
  const RampAxes axes = FitRampAxes(OvenRamp(), LevelRounding::kCut);
  inletMethod.tempAxisMax = axes.valueAxisMax;
  inletMethod.timeAxisMax = axes.timeAxisMax;
  editorValues.ovenAxesChanged = 1;
}

void EnlargeTempAxis() {
  double& top = inletMethod.tempAxisMax;
  top = top >= 0.0 ? top * 1.5 : top * -1.5;
  if (top > kTempAxisCap) top = kTempAxisCap;
  editorValues.ovenAxesChanged = 1;
}

void EnlargeTimeAxis() {
  double& end = inletMethod.timeAxisMax;
  end *= 1.5;
  if (end > kTimeAxisCap) end = kTimeAxisCap;
  editorValues.ovenAxesChanged = 1;
}
