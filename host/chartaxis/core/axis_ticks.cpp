// Choosing and labelling the ticks of one axis.
#include "chartaxis/core/axis_ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace chartaxis {
namespace {

// Beyond this many ticks an axis is a smear of numbers whatever its length; candidates
// that would give more are skipped without formatting them.
constexpr double kMaxTicks = 512.0;
// Each candidate step is at least twice the one before, so this many cover any ratio
// between the first candidate and the whole span of a double.
constexpr int kMaxCandidates = 2200;
// Tick values are whole multiples of the step; past 2^52 multiples they stop being
// distinct doubles.
constexpr double kMaxMultiple = 4503599627370496.0;
constexpr int kVerticalGap = 2;

int DecimalExponent(double step) { return static_cast<int>(std::floor(std::log10(step) + 1e-9)); }

double Span(double low, double high) { return high == low ? 1.0 : high - low; }

}  // namespace

double RoundStepAtLeast(double minimum) {
  if (!(minimum > 0.0) || !std::isfinite(minimum)) return 0.0;
  const int exponent = static_cast<int>(std::floor(std::log10(minimum)));
  const double power = std::pow(10.0, exponent);
  for (double mantissa : {1.0, 2.0, 5.0, 10.0}) {
    const double step = mantissa * power;
    if (step >= minimum) return std::isfinite(step) ? step : 0.0;
  }
  return 0.0;
}

double NextRoundStep(double step) {
  const double power = std::pow(10.0, DecimalExponent(step));
  const double mantissa = std::round(step / power);
  const double next = (mantissa < 2.0 ? 2.0 : mantissa < 5.0 ? 5.0 : 10.0) * power;
  // Guarantees progress even where the logarithm misjudges a power of ten.
  return std::max(next, 2.0 * step);
}

std::string FormatTickValue(double value, double step) {
  value += 0.0;  // turns -0 into 0
  const int exponent = DecimalExponent(step);
  char text[64];
  if (std::fabs(value) >= 1e6 || exponent < -6) {
    // Enough significant digits to tell neighbouring ticks apart.
    const double magnitude = std::max(std::fabs(value), step);
    const int digits = std::clamp(DecimalExponent(magnitude) - exponent + 1, 1, 15);
    std::snprintf(text, sizeof text, "%.*g", digits, value);
  } else {
    std::snprintf(text, sizeof text, "%.*f", std::max(0, -exponent), value);
  }
  return text;
}

std::vector<Tick> PlaceTicks(double low, double high, int pixelAtLow, int pixelAtHigh,
                             AxisDirection direction, const TextMeasure& measure) {
  std::vector<Tick> ticks;
  if (!std::isfinite(low) || !std::isfinite(high)) return ticks;
  const double span = Span(low, high);
  const double first = std::min(low, low + span);
  const double last = std::max(low, low + span);
  const double pixels = static_cast<double>(pixelAtHigh) - pixelAtLow;
  const double length = std::fabs(pixels);
  if (length < 1.0 || !std::isfinite(last - first)) return ticks;

  const bool horizontal = direction == AxisDirection::kHorizontal;
  const int lineNeed = measure.Height() + kVerticalGap;
  const int gap = std::max(4, measure.Width("0"));
  // No number is narrower than one digit, so no step below this can fit.
  const int leastNeed = std::max(1, horizontal ? measure.Width("0") + gap : lineNeed);
  double step = RoundStepAtLeast((last - first) * leastNeed / length);

  for (int candidate = 0; candidate < kMaxCandidates && step > 0.0 && std::isfinite(step);
       ++candidate, step = NextRoundStep(step)) {
    const double firstMultiple = std::ceil(first / step - 1e-9);
    const double lastMultiple = std::floor(last / step + 1e-9);
    if (std::fabs(firstMultiple) > kMaxMultiple || std::fabs(lastMultiple) > kMaxMultiple) {
      return ticks;  // the values are too large for steps this small to be distinct
    }
    const double count = lastMultiple - firstMultiple + 1.0;
    if (count > kMaxTicks) continue;

    std::vector<Tick> trial;
    int widest = 0;
    for (double k = firstMultiple; k <= lastMultiple; k += 1.0) {
      const double value = k * step;
      const double offset = (value - low) / span * pixels;
      const int pixel = static_cast<int>(std::lround(pixelAtLow + offset));
      trial.push_back({value, pixel, FormatTickValue(value, step)});
      widest = std::max(widest, measure.Width(trial.back().text));
    }
    const double spacing = step / std::fabs(span) * length;
    const int need = horizontal ? widest + gap : lineNeed;
    if (trial.size() <= 1 || spacing >= need) return trial;
  }
  return ticks;
}

}  // namespace chartaxis
