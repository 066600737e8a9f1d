// Fitting and enlarging the ULVO graph's axes.
#include "ulvo/ulvo_axes.h"

#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_state.h"

void FitUlvoAxes() {
  const RampAxes axes = FitRampAxes(UlvoRampSnapshot(), LevelRounding::kUp);
  UlvoRamp& ramp = EditedUlvoRamp();
  ramp.valueAxisMax = axes.valueAxisMax;
  ramp.timeAxisMax = axes.timeAxisMax;
  ulvoValues.ulvoAxesChanged = 1;
}

void EnlargeUlvoValueAxis() {
  double& top = EditedUlvoRamp().valueAxisMax;
  const double cap = EditedUlvoMode() == kUlvoFlow ? kFlowAxisCap : kPressureAxisCap;
  top *= 1.5;
  if (top > cap) top = cap;
  ulvoValues.ulvoAxesChanged = 1;
}

void EnlargeUlvoTimeAxis() {
  double& end = EditedUlvoRamp().timeAxisMax;
  end *= 1.5;
  if (end > kUlvoTimeAxisCap) end = kUlvoTimeAxisCap;
  ulvoValues.ulvoAxesChanged = 1;
}
