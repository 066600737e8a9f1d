// How a typed rate places a ramp row, shared by the oven programme and the ULVO ramps:
// the rate is never stored, it becomes the start of the row it leads into.
#pragma once

#include <cmath>
#include <optional>
#include <span>

#include "method/inlet_method.h"

// The rate of a ramp that rises (or falls) by `rise` over `span` minutes, as a positive
// number; none for a ramp of no duration, which the forms show as "Infinity".
inline std::optional<double> RampRate(double rise, double span) {
  if (span == 0.0) return std::nullopt;
  const double rate = rise / span;
  return rate < 0.0 ? -rate : rate;
}

// The start of a row reached at `rate` from the previous row's hold end. A falling
// ramp takes as long as a rising one of the same size.
inline double StartAfterRamp(double previousStart, double previousHold, double previousLevel,
                             double level, double rate) {
  return previousStart + previousHold + std::fabs(level - previousLevel) / rate;
}

// Row 1's start is never moved by a typed rate, even one before the run's start (a drag
// can hold it there). Only a start that is no time at all (not a number, infinite, or
// past every time a row can have), which only another program's record can hold, is
// taken as 0: kept, it would carry into every later row's start and none would be the
// one the typed rates place.
inline double FirstRowStart(double start, double latestTime) {
  return std::isfinite(start) && start <= latestTime ? start : 0.0;
}

// Moves row k (1-based) of the rows in use to start at `start`. When its hold would
// reach the next row's start, every later row in use moves by the same amount, so the
// programme keeps its spacing. A row whose old start is no number (only a record from
// another program holds one) has no spacing to keep, and moving the later rows by a
// difference that is no number would lose every start after it: it moves alone.
inline void PlaceRampRow(std::span<RampStep> steps, int k, int inUse, double start) {
  const int i = k - 1;
  const double delta = start - steps[i].start;
  if (k >= inUse || start + steps[i].hold < steps[i + 1].start || !std::isfinite(delta)) {
    steps[i].start = start;
    return;
  }
  for (int j = i; j < inUse && j < static_cast<int>(steps.size()); ++j) steps[j].start += delta;
}
