// Handles, positions and ranges of axes objects.
#include "chartaxis/core/axes_table.h"

namespace chartaxis {

uint32_t AxesTable::Create(bool horizontal, bool vertical, bool ticks, bool numbers) {
  if (live_.size() >= kMaxLive) return 0;
  // Handles are not reused soon after deletion, and never 0.
  while (next_ == 0 || live_.count(next_)) ++next_;
  const uint32_t handle = next_++;
  AxesState& axes = live_[handle];
  axes = AxesState{};
  axes.showHorizontal = horizontal;
  axes.showVertical = vertical;
  axes.showTicks = ticks;
  axes.showNumbers = numbers;
  return handle;
}

AxesState* AxesTable::Find(uint32_t handle) {
  auto it = live_.find(handle);
  return it == live_.end() ? nullptr : &it->second;
}

bool AxesTable::Delete(uint32_t handle) { return live_.erase(handle) == 1; }

bool PositionAxes(AxesState& axes, const AxisPlacement& placement) {
  Box plot{};
  axes.positioned = PlotArea(placement, plot);
  if (!axes.positioned) return false;
  axes.plot = plot;
  axes.client = {placement.clientLeft, placement.clientTop, placement.clientRight,
                 placement.clientBottom};
  axes.boxed = placement.boxed != 0;
  axes.ticksOutward = placement.ticksOutward != 0;
  return true;
}

bool SetAxisSpan(AxesState& axes, const AxisRange& range, int32_t axis) {
  if (axis != kHorizontalAxis && axis != kVerticalAxis) return false;
  axes.span[axis] = {true, range.low, range.high};
  return true;
}

}  // namespace chartaxis
