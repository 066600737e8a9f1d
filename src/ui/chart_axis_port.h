// The host's chart-axis library as the graphs call it: one function per export, so that
// the tests can check the calls, their order and their arguments.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/canvas.h"
#include "chartaxis_types.h"

// An axes object of the library; 0 is none.
using AxesRef = std::uintptr_t;

class ChartAxisPort {
 public:
  virtual ~ChartAxisPort() = default;

  // Each argument switches one part on (nonzero) or off.
  virtual AxesRef Create(int32_t horizontal, int32_t vertical, int32_t ticks, int32_t numbers) = 0;
  // Fills `margins` (left, top, right, bottom) and returns the library's border word.
  virtual int32_t GetBorder(CanvasRef dc, PixelRect& margins, std::string_view horizontalLabel,
                            std::string_view verticalLabel, int32_t reserved) = 0;
  virtual int32_t PositionAxis(AxesRef axes, int32_t reserved1, int32_t reserved2,
                               const AxisPlacement& placement) = 0;
  virtual int32_t SetAxisRange(AxesRef axes, const AxisRange& range, int32_t axis) = 0;
  virtual int32_t DisplayDefaultAxes(CanvasRef dc, AxesRef axes, std::string_view horizontalLabel,
                                     int32_t horizontalStyle, std::string_view verticalLabel,
                                     int32_t verticalStyle) = 0;
  virtual int32_t Delete(AxesRef axes) = 0;
};
