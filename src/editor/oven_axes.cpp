// Fitting and enlarging the oven graph's axes.
#include "editor/oven_axes.h"

#include <cmath>

int FitOvenAxes() {
  InletMethod& m = inletMethod;
  m.tempAxisMax = static_cast<double>(GetMinOvenTemp());
  const int32_t inUse = editorValues.ovenStepsInUse;
  for (int32_t k = 0; k < inUse && k < 4; ++k) {
    // A step whose temperature is NaN never compares greater, so it cannot reach here.
    if (m.ovenStep[k].temp > m.tempAxisMax) m.tempAxisMax = std::trunc(m.ovenStep[k].temp);
  }
  // A stored method may have no step in use; the graph then draws no ramp and the
  // time axis keeps whatever span it had.
  if (inUse >= 1 && inUse <= 4) {
    const OvenStep& last = m.ovenStep[inUse - 1];
    m.timeAxisMax = last.start + last.hold;
  }
  editorValues.ovenAxesChanged = 1;
  return 1;
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
