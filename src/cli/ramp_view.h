// The oven programme and the ULVO ramps as the editor's forms present them: rows of
// start, level and hold, how many are in use, and the rate that a form's rate field
// shows between two rows, a value that is never stored.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "method/inlet_method.h"

namespace method_tool {

struct RampView {
  std::string name;       // "Oven", "ULVO left flow"
  std::string levelName;  // the level column's head: "Temp", "Flow", "Pressure"
  const char* levelUnit;
  const char* rateUnit;
  int rateDecimals;
  std::span<const RampStep> rows;
  // Rows in use: up to the last enabled one, as the forms count them, and at least row 1,
  // which the forms always take as in use.
  int inUse;
};

// A view of the method's rows: `method` must outlive it.
RampView OvenRampView(const InletMethod& method);
// `ramp` 0 is the channel's flow ramp, 1 its pressure ramp.
RampView UlvoRampView(const InletMethod& method, int channel, int ramp);
// The ramp that runs on a channel: the flow ramp in Flow mode, the pressure ramp in
// Pressure mode; -1 for Manual or a mode the editor does not know.
int UlvoRampInUse(const UlvoChannel& channel);

// What the rate field between row k and row k + 1 (0-based) shows: the level change
// over the time from row k's hold end to row k + 1's start, as a positive number with
// the form's decimals, or "Infinity" when that time is 0.
std::string RateText(const RampView& ramp, int k);
// The number the editor reads back from that field ("Infinity" reads as 0).
double RateAsRead(const RampView& ramp, int k);

// The end of the last row in use: start plus hold.
double EndTime(const RampView& ramp);

}  // namespace method_tool
