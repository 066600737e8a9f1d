// Tick placement: round steps (1, 2 or 5 times a power of ten) chosen so that the tick
// numbers of an axis fit its pixels without overlapping.
#pragma once

#include <string>
#include <vector>

#include "chartaxis/core/text_measure.h"

namespace chartaxis {

// The smallest round step that is at least `minimum`; 0 when `minimum` is not a positive
// finite number or no round step of a double reaches it.
double RoundStepAtLeast(double minimum);

// The round step after `step` (1 -> 2 -> 5 -> 10 ...).
double NextRoundStep(double step);

// A tick number: as many decimals as the step needs; exponent form for magnitudes of a
// million or more and for steps below a millionth. Never "-0".
std::string FormatTickValue(double value, double step);

struct Tick {
  double value;
  int pixel;
  std::string text;
};

enum class AxisDirection { kHorizontal, kVertical };

// Ticks of an axis whose value `low` lies at pixel `pixelAtLow` and `high` at
// `pixelAtHigh` (either order; a zero-length span counts as one unit). Numbers of a
// horizontal axis stand side by side and need their width plus a gap; those of a
// vertical axis stand one above the other and need a line each. Empty when an end is
// not finite, the axis has no pixels, or no round step can label it.
std::vector<Tick> PlaceTicks(double low, double high, int pixelAtLow, int pixelAtHigh,
                             AxisDirection direction, const TextMeasure& measure);

}  // namespace chartaxis
