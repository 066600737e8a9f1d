// Fitting and enlarging the ULVO graph's axes.
#include "ulvo/ulvo_axes.h"

#include "ulvo/ulvo_graph.h"

void FitUlvoAxes(EditorSession& session) {
  const RampAxes axes = FitRampAxes(UlvoRampSnapshot(session), LevelRounding::kUp);
  UlvoRamp& ramp = EditedUlvoRamp(session);
  ramp.valueAxisMax = axes.valueAxisMax;
  ramp.timeAxisMax = axes.timeAxisMax;
  session.channel.ulvoAxesChanged = 1;
}

void EnlargeUlvoValueAxis(EditorSession& session) {
  double& top = EditedUlvoRamp(session).valueAxisMax;
  const double cap = EditedUlvoMode(session) == kUlvoFlow ? kFlowAxisCap : kPressureAxisCap;
  top *= 1.5;
  if (top > cap) top = cap;
  session.channel.ulvoAxesChanged = 1;
}

void EnlargeUlvoTimeAxis(EditorSession& session) {
  double& end = EditedUlvoRamp(session).timeAxisMax;
  end *= 1.5;
  if (end > kUlvoTimeAxisCap) end = kUlvoTimeAxisCap;
  session.channel.ulvoAxesChanged = 1;
}
