// Margins, plot area and the drawing of a pair of axes.
#include "chartaxis/core/axes_layout.h"

#include <cstdint>

#include "chartaxis/core/axis_ticks.h"

namespace chartaxis {
namespace {

bool InRange(int64_t value) { return value > -kCoordinateLimit && value < kCoordinateLimit; }

void AddHorizontalAxis(const AxesState& axes, const TextMeasure& measure, int axisX, int axisY,
                       AxesDrawing& out) {
  if (axes.showHorizontal) out.lines.push_back({axisX, axisY, axes.plot.right + 1, axisY});
  const AxisSpan& span = axes.span[kHorizontalAxis];
  if (!span.set || !axes.showHorizontal) return;
  const int tickTop = axes.ticksOutward ? axisY + 1 : axisY - kTickLength;
  const int numberTop = (axes.ticksOutward ? axisY + 1 + kTickLength : axisY + 1) + 1;
  for (const Tick& tick : PlaceTicks(span.low, span.high, axes.plot.left, axes.plot.right,
                                     AxisDirection::kHorizontal, measure)) {
    if (axes.showTicks)
      out.lines.push_back({tick.pixel, tickTop, tick.pixel, tickTop + kTickLength});
    if (axes.showNumbers) {
      out.texts.push_back({tick.pixel - measure.Width(tick.text) / 2, numberTop, tick.text});
    }
  }
}

void AddVerticalAxis(const AxesState& axes, const TextMeasure& measure, int axisX, int axisY,
                     AxesDrawing& out) {
  if (axes.showVertical) out.lines.push_back({axisX, axes.plot.top, axisX, axisY + 1});
  const AxisSpan& span = axes.span[kVerticalAxis];
  if (!span.set || !axes.showVertical) return;
  const int tickLeft = axes.ticksOutward ? axisX - kTickLength : axisX + 1;
  const int numberRight = (axes.ticksOutward ? axisX - kTickLength : axisX) - kNumberGap;
  const int halfLine = measure.Height() / 2;
  for (const Tick& tick : PlaceTicks(span.low, span.high, axes.plot.bottom, axes.plot.top,
                                     AxisDirection::kVertical, measure)) {
    if (axes.showTicks)
      out.lines.push_back({tickLeft, tick.pixel, tickLeft + kTickLength, tick.pixel});
    if (axes.showNumbers) {
      out.texts.push_back(
          {numberRight - measure.Width(tick.text), tick.pixel - halfLine, tick.text});
    }
  }
}

}  // namespace

Box MeasureMargins(const TextMeasure& measure, std::string_view horizontalLabel,
                   std::string_view verticalLabel) {
  const int line = measure.Height();
  Box margins{};
  margins.left = measure.Width(kVerticalNumberSample) + kNumberGap + kTickLength + kAxisOffset;
  // The top number is centred on the plot's top edge; the vertical label sits above it.
  margins.top = (verticalLabel.empty() ? 0 : line) + line / 2 + 1;
  margins.right = measure.Width(kHorizontalNumberSample) / 2 + kAxisOffset;
  margins.bottom = kAxisOffset + 1 + kTickLength + 1 + line + (horizontalLabel.empty() ? 0 : line);
  return margins;
}

bool PlotArea(const AxisPlacement& p, Box& plot) {
  const int64_t left = int64_t{p.clientLeft} + p.marginLeft;
  const int64_t top = int64_t{p.clientTop} + p.marginTop;
  const int64_t right = int64_t{p.clientRight} - p.marginRight;
  const int64_t bottom = int64_t{p.clientBottom} - p.marginBottom;
  if (right <= left || bottom <= top) return false;
  // Room for the axes around it must stay drawable too.
  const int64_t around = 16;
  if (!InRange(left - around) || !InRange(top - around) || !InRange(right + around) ||
      !InRange(bottom + around) || !InRange(p.clientLeft) || !InRange(p.clientTop)) {
    return false;
  }
  plot = {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
          static_cast<int>(bottom)};
  return true;
}

AxesDrawing LayoutAxes(const AxesState& axes, const TextMeasure& measure,
                       std::string_view horizontalLabel, std::string_view verticalLabel) {
  AxesDrawing out;
  if (!axes.positioned) return out;
  const Box& plot = axes.plot;
  const int axisX = plot.left - kAxisOffset;
  const int axisY = plot.bottom + kAxisOffset;
  if (axes.boxed) {
    const int boxTop = plot.top - kAxisOffset;
    const int boxRight = plot.right + kAxisOffset;
    out.lines.push_back({axisX, boxTop, boxRight + 1, boxTop});
    out.lines.push_back({boxRight, boxTop, boxRight, axisY + 1});
  }
  AddHorizontalAxis(axes, measure, axisX, axisY, out);
  AddVerticalAxis(axes, measure, axisX, axisY, out);

  const int line = measure.Height();
  if (!horizontalLabel.empty()) {
    const int labelTop = axisY + 1 + kTickLength + 1 + line;
    const int centre = plot.left + (plot.right - plot.left) / 2;
    out.texts.push_back(
        {centre - measure.Width(horizontalLabel) / 2, labelTop, std::string(horizontalLabel)});
  }
  if (!verticalLabel.empty()) {
    out.texts.push_back({axes.client.left, axes.client.top, std::string(verticalLabel)});
  }
  return out;
}

}  // namespace chartaxis
