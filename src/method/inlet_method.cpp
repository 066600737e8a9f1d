// The method's defaults and the minimum oven temperature.
#include "method/inlet_method.h"

namespace {

UlvoRamp DefaultUlvoRamp(double valueAxisMax, double standbyAndSample) {
  UlvoRamp ramp{};
  ramp.valueAxisMax = valueAxisMax;
  ramp.timeAxisMax = 12.0;
  ramp.standbyEnabled = 1;
  ramp.standbyValue = standbyAndSample;
  ramp.sampleEnabled = 1;
  ramp.sampleValue = standbyAndSample;
  ramp.step = {{{0.0, 10.0, 2.0, 1},
                {10.0, 15.0, 2.0, 1},
                {14.0, 20.0, 2.0, 0},
                {18.0, 25.0, 2.0, 0},
                {22.0, 30.0, 2.0, 0}}};
  return ramp;
}

}  // namespace

InletMethod DefaultMethod() {
  InletMethod m{};
  m.tempAxisMax = 1000.0;
  m.timeAxisMax = 12.0;
  m.standbyEnabled = 0;
  m.standbyTime = 0.0;
  m.time5Enabled = 1;
  m.time5 = 0.0;
  m.ovenStep = {
      {{0.0, 100.0, 2.0, 1}, {10.0, 150.0, 2.0, 1}, {14.0, 200.0, 2.0, 0}, {18.0, 250.0, 10.0, 0}}};
  m.zone1Temp = 150.0;
  m.zone2Temp = 0.0;
  m.zone3Temp = 0.0;
  m.dumpValve = 0;
  // Valve times and events stay 0.0 from the value-initialisation above.
  for (UlvoChannel& channel : m.ulvo) {
    channel.mode = kUlvoManual;
    channel.ramp[0] = DefaultUlvoRamp(kFlowAxisCap, 1.0);
    channel.ramp[1] = DefaultUlvoRamp(kPressureAxisCap, 3.0);
  }
  return m;
}

void SetMethodDefaults(InletMethod& method) { method = DefaultMethod(); }

float GetMinOvenTemp(const EditorValues& values) { return values.minOvenTemp; }
