// ChartAxisPort over chartaxis.dll: each call is one library call.
#include "win32/win32_chart_axis.h"

#include <string>

#include "chartaxis/chartaxis.h"
#include "win32/win32_canvas.h"

namespace {
HAXES ToAxes(AxesRef axes) { return reinterpret_cast<HAXES>(axes); }
}  // namespace

AxesRef Win32ChartAxis::Create(int32_t horizontal, int32_t vertical, int32_t ticks,
                               int32_t numbers) {
  return reinterpret_cast<AxesRef>(AxsCreate(horizontal, vertical, ticks, numbers));
}

int32_t Win32ChartAxis::GetBorder(CanvasRef dc, PixelRect& margins,
                                  std::string_view horizontalLabel, std::string_view verticalLabel,
                                  int32_t reserved) {
  RECT r{};
  const int32_t result = AxsGetBorder(ToHdc(dc), &r, std::string(horizontalLabel).c_str(),
                                      std::string(verticalLabel).c_str(), reserved);
  margins = {r.left, r.top, r.right, r.bottom};
  return result;
}

int32_t Win32ChartAxis::PositionAxis(AxesRef axes, int32_t reserved1, int32_t reserved2,
                                     const AxisPlacement& placement) {
  return AxsPositionAxis(ToAxes(axes), reserved1, reserved2, placement);
}

int32_t Win32ChartAxis::SetAxisRange(AxesRef axes, const AxisRange& range, int32_t axis) {
  return AxsSetAxisRange(ToAxes(axes), &range, axis);
}

int32_t Win32ChartAxis::DisplayDefaultAxes(CanvasRef dc, AxesRef axes,
                                           std::string_view horizontalLabel,
                                           int32_t horizontalStyle, std::string_view verticalLabel,
                                           int32_t verticalStyle) {
  return AxsDisplayDefaultAxes(ToHdc(dc), ToAxes(axes), std::string(horizontalLabel).c_str(),
                               horizontalStyle, std::string(verticalLabel).c_str(), verticalStyle);
}

int32_t Win32ChartAxis::Delete(AxesRef axes) { return AxsDelete(ToAxes(axes)); }
