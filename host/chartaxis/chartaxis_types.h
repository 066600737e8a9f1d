// Byte layouts that the host's chart-axis library shares with its callers. Plain C++ so
// that the plug-in's portable graph code and the native tests can build them.
#pragma once

#include <cstdint>

// Where the axes go, passed by value to AxsPositionAxis: twelve 32-bit words.
struct AxisPlacement {
  int32_t clientLeft, clientTop, clientRight, clientBottom;  // the frame's client pixels
  int32_t marginLeft, marginTop, marginRight, marginBottom;  // from AxsGetBorder
  int32_t boxed;         // nonzero: also draw the top and right edges of the plot box
  int32_t ticksOutward;  // nonzero: ticks point into the margins, else towards the plot
  int32_t reserved;      // not read
  int32_t border;        // the result of AxsGetBorder
};
static_assert(sizeof(AxisPlacement) == 48);

// The span of one axis. `origin` is reserved: callers pass the low end.
struct AxisRange {
  float low;
  float high;
  float origin;
};
static_assert(sizeof(AxisRange) == 12);

// Axis indices of AxsSetAxisRange.
inline constexpr int32_t kHorizontalAxis = 0;
inline constexpr int32_t kVerticalAxis = 1;
