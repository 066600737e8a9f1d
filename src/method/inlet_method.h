// The one inlet method being edited, the editor values several windows share, and the
// two operations that belong to the data. Plain records with no pointers: a whole
// method is copied by value (the ULVO dialog restores such a copy on Cancel).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// A row of a ramp: the oven programme's and each ULVO ramp's are alike.
struct RampStep {
  double start;  // minute at which the step's level is reached
  double level;  // °C on the oven, ml/min on a flow ramp, kPa on a pressure ramp
  double hold;   // minutes held
  int32_t enabled;
};

struct ValveEvent {
  double start;
  double finish;
};

struct UlvoRamp {
  double valueAxisMax;
  double timeAxisMax;
  int32_t standbyEnabled;
  double standbyValue;
  int32_t sampleEnabled;
  double sampleValue;
  std::array<RampStep, 5> step;
};

enum UlvoMode : int32_t { kUlvoManual = 0, kUlvoFlow = 1, kUlvoPressure = 2 };

// Where a ULVO value axis ends by default and at the most: the pressure axis at the
// unit's 250 kPa, the flow axis at what a single-precision 99.9 ml/min becomes when
// widened, the value this instrument's methods have always held.
inline constexpr double kFlowAxisCap = static_cast<double>(99.9f);
inline constexpr double kPressureAxisCap = 250.0;

struct UlvoChannel {
  int32_t mode;                  // UlvoMode; the ramp in use is ramp[mode - 1]
  std::array<UlvoRamp, 2> ramp;  // 0 flow, 1 pressure
};

struct InletMethod {
  double tempAxisMax;
  double timeAxisMax;
  int32_t standbyEnabled;
  double standbyTime;
  int32_t time5Enabled;
  double time5;
  std::array<RampStep, 4> ovenStep;
  double zone1Temp;
  double zone2Temp;
  double zone3Temp;
  int32_t dumpValve;
  double purgeTime;
  double splitTime;
  double secondaryCoolTime;
  std::array<ValveEvent, 4> valveEvent;
  std::array<UlvoChannel, 2> ulvo;  // 0 left, 1 right
};

// Editor values that several windows read and write. How many ramp rows are in use is
// not kept here: it is always counted from the rows' enabled flags (RowsInUse), so it
// cannot disagree with them.
struct EditorValues {
  bool methodModified;   // changed since last created, opened or saved
  bool methodUntitled;   // no database file yet (after File > New)
  bool ovenEditChanged;  // an oven field was edited and not validated since
  bool ovenAxesChanged;  // the oven graph must rebuild its axes
  int32_t ulvoChannel;   // 0 left, 1 right
  float minOvenTemp;     // from the host's INI file; read through GetMinOvenTemp
};

// The method a new editor starts with, and what File > New and a host without a
// readable database fall back to.
InletMethod DefaultMethod();

// Writes DefaultMethod() into `method`: two steps in use on every ramp.
void SetMethodDefaults(InletMethod& method);

// The lowest oven temperature allowed; 0 until the INI option has been read.
float GetMinOvenTemp(const EditorValues& values);

// Rows in use of a ramp (the oven programme or a ULVO ramp), from the enabled flags: up
// to the last enabled row, whatever lies before it; 0 when none is.
inline int32_t RowsInUse(std::span<const RampStep> steps) {
  for (std::size_t k = steps.size(); k > 0; --k) {
    if (steps[k - 1].enabled) return static_cast<int32_t>(k);
  }
  return 0;
}
