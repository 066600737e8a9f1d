// ChartAxisPort over the host's chart-axis library, reached through its import library.
#pragma once

#include "ui/chart_axis_port.h"

class Win32ChartAxis final : public ChartAxisPort {
 public:
  AxesRef Create(int32_t horizontal, int32_t vertical, int32_t ticks, int32_t numbers) override;
  int32_t GetBorder(CanvasRef dc, PixelRect& margins, std::string_view horizontalLabel,
                    std::string_view verticalLabel, int32_t reserved) override;
  int32_t PositionAxis(AxesRef axes, int32_t reserved1, int32_t reserved2,
                       const AxisPlacement& placement) override;
  int32_t SetAxisRange(AxesRef axes, const AxisRange& range, int32_t axis) override;
  int32_t DisplayDefaultAxes(CanvasRef dc, AxesRef axes, std::string_view horizontalLabel,
                             int32_t horizontalStyle, std::string_view verticalLabel,
                             int32_t verticalStyle) override;
  int32_t Delete(AxesRef axes) override;
};
