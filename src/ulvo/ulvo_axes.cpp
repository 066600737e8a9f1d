// Fitting and enlarging the ULVO graph's axes.
#include "ulvo/ulvo_axes.h"

#include <cmath>

#include "ulvo/ulvo_state.h"

int FitUlvoAxes() {
  UlvoRamp& ramp = EditedUlvoRamp();
  ramp.valueAxisMax = 0.0;
  const int32_t inUse = UlvoStepsInUse();
  for (int32_t k = 0; k < inUse; ++k) {
    if (ramp.step[k].value > ramp.valueAxisMax) ramp.valueAxisMax = std::ceil(ramp.step[k].value);
  }
  const UlvoStep& last = ramp.step[inUse - 1];
  ramp.timeAxisMax = last.start + last.hold;
  ulvoValues.ulvoAxesChanged = 1;
  return 1;
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
