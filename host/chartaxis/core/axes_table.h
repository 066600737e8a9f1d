// The library's live axes objects, addressed by small handles so that a stale or
// invented handle is refused instead of followed.
#pragma once

#include <cstdint>
#include <map>

#include "chartaxis/core/axes_layout.h"

namespace chartaxis {

class AxesTable {
 public:
  // More live objects than any caller holds unless it never deletes them.
  static constexpr std::size_t kMaxLive = 4096;

  // A new object; 0 when kMaxLive are alive.
  uint32_t Create(bool horizontal, bool vertical, bool ticks, bool numbers);
  // Null for an unknown handle. Valid until that handle is deleted.
  AxesState* Find(uint32_t handle);
  bool Delete(uint32_t handle);
  std::size_t Live() const { return live_.size(); }

 private:
  std::map<uint32_t, AxesState> live_;
  uint32_t next_ = 1;
};

// The operations of the library's exports on a table, without the platform.
bool PositionAxes(AxesState& axes, const AxisPlacement& placement);
bool SetAxisSpan(AxesState& axes, const AxisRange& range, int32_t axis);

}  // namespace chartaxis
