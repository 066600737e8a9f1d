// The mapping, axis fitting and painting that the oven and ULVO graphs share.
#include "ramp/ramp_graph.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "method/number_text.h"
#include "resource_ids.h"

namespace {

int32_t SaturatePixel(double pixel) {
  if (std::isnan(pixel)) return 0;
  return static_cast<int32_t>(std::clamp(pixel, double{-kPixelLimit}, double{kPixelLimit}));
}

int32_t ClampPixel(int64_t pixel) {
  return static_cast<int32_t>(std::clamp<int64_t>(pixel, -kPixelLimit, kPixelLimit));
}

// The axes in the frame's margins. Returns the margins the ramp is placed by, which the
// library reports even when it cannot place the axes.
PixelRect PlaceAxes(GraphWindow& window, ChartAxisPort& axes, Canvas& frame, int frameId,
                    const RampPaint& paint) {
  const AxesRef handle = axes.Create(1, 1, 1, 1);
  PixelRect margins{};
  const int32_t border =
      axes.GetBorder(frame.Ref(), margins, kTimeAxisLabel, paint.labels.measured, 0);
  const PixelRect client = window.ControlClientRect(frameId);
  AxisPlacement placement{};  // the word the graph does not set stays 0
  placement.clientLeft = client.left;
  placement.clientTop = client.top;
  placement.clientRight = client.right;
  placement.clientBottom = client.bottom;
  placement.marginLeft = margins.left;
  placement.marginTop = margins.top;
  placement.marginRight = margins.right;
  placement.marginBottom = margins.bottom;
  placement.boxed = 0;
  placement.ticksOutward = 1;
  placement.border = border;
  if (axes.PositionAxis(handle, 0, 0, placement) == 0) {
    axes.Delete(handle);
    return margins;
  }
  const RampSnapshot& ramp = paint.ramp;
  const float floor = SaturateToFloat(ramp.valueFloor);
  axes.SetAxisRange(handle, {0.0f, SaturateToFloat(ramp.timeAxisMax), 0.0f}, kHorizontalAxis);
  axes.SetAxisRange(handle, {floor, SaturateToFloat(ramp.valueAxisMax), floor}, kVerticalAxis);
  if (!paint.dragging) {
    axes.DisplayDefaultAxes(frame.Ref(), handle, kTimeAxisLabel, 0, paint.labels.drawn, 0);
  }
  axes.Delete(handle);
  return margins;
}

// A 4 x 4 handle covering x-1..x+2, y-2..y+1; leaves the position at (x+1, y).
void DrawRampHandle(Canvas& canvas, int32_t x, int32_t y) {
  {
    ScopedPen pen(canvas, kHandleOutline, 1);
    ScopedBrush brush(canvas, kHandleFill);
    canvas.Rectangle({ClampPixel(int64_t{x} - 1), ClampPixel(int64_t{y} - 2),
                      ClampPixel(int64_t{x} + 3), ClampPixel(int64_t{y} + 2)});
  }
  // The next segment starts one pixel right of the point.
  canvas.MoveTo(ClampPixel(int64_t{x} + 1), y);
}

// A line to the point (time, level) of the ramp and the handle on it.
void RampTo(Canvas& canvas, const RampScale& scale, double time, double level) {
  const int32_t x = TimeToPixel(scale, time);
  const int32_t y = ValueToPixel(scale, level);
  canvas.LineTo(x, y);
  DrawRampHandle(canvas, x, y);
}

// The ramp in the plot rectangle, with a handle at every break point but the first;
// nothing when no step is in use.
void DrawRamp(Canvas& canvas, const RampSnapshot& ramp, const PixelRect& plot) {
  const int32_t steps = StepsInUse(ramp);
  if (steps == 0) return;
  const RampScale scale = RampScaleOf(ramp, plot);
  const auto& step = ramp.step;

  ScopedPen pen(canvas, kRampColour, 1);
  // Step 0 has no ramp: its plateau starts where the run starts, without a handle.
  canvas.MoveTo(TimeToPixel(scale, step[0].start), ValueToPixel(scale, step[0].level));
  RampTo(canvas, scale, step[0].start + step[0].hold, step[0].level);
  for (int32_t k = 1; k < steps; ++k) {
    RampTo(canvas, scale, step[k].start, step[k].level);
    RampTo(canvas, scale, step[k].start + step[k].hold, step[k].level);
  }
}

}  // namespace

RampSnapshot SnapshotOf(std::span<const RampStep> steps) {
  RampSnapshot ramp{};
  for (std::size_t k = 0; k < steps.size() && k < ramp.step.size(); ++k) {
    ramp.step[k] = {steps[k].start, steps[k].level, steps[k].hold};
  }
  return ramp;
}

void WriteRampPoint(RampStep& step, const RampPoint& point) {
  step.start = point.start;
  step.level = point.level;
  step.hold = point.hold;
}

int32_t StepsInUse(const RampSnapshot& ramp) { return std::clamp(ramp.inUse, 0, kMaxRampSteps); }

RampScale MakeRampScale(const PixelRect& plot, double timeAxisMax, double valueAxisMax,
                        double valueMin) {
  const double timeSpan = timeAxisMax == 0.0 ? 1.0 : timeAxisMax;
  double valueSpan = valueAxisMax - valueMin;
  if (valueSpan == 0.0) valueSpan = 1.0;
  RampScale scale{};
  scale.left = plot.left;
  scale.bottom = plot.bottom;
  scale.kx = (static_cast<double>(plot.right) - plot.left) / timeSpan;
  scale.ky = (static_cast<double>(plot.bottom) - plot.top) / valueSpan;
  scale.valueMin = valueMin;
  return scale;
}

RampScale RampScaleOf(const RampSnapshot& ramp, const PixelRect& plot) {
  return MakeRampScale(plot, ramp.timeAxisMax, ramp.valueAxisMax, ramp.valueFloor);
}

int32_t TimeToPixel(const RampScale& scale, double time) {
  return SaturatePixel(scale.left + std::trunc(scale.kx * time));
}

int32_t ValueToPixel(const RampScale& scale, double value) {
  return SaturatePixel(scale.bottom - std::trunc(scale.ky * value - scale.valueMin * scale.ky));
}

RampAxes FitRampAxes(const RampSnapshot& ramp, LevelRounding rounding) {
  RampAxes axes{ramp.valueFloor, ramp.timeAxisMax};
  const int32_t steps = StepsInUse(ramp);
  for (int32_t k = 0; k < steps; ++k) {
    // A level that is NaN never compares greater, so it cannot reach the axis.
    const double level = ramp.step[k].level;
    if (level > axes.valueAxisMax) {
      axes.valueAxisMax = rounding == LevelRounding::kUp ? std::ceil(level) : std::trunc(level);
    }
  }
  // A stored method may have no step in use; the graph then draws no ramp and the time
  // axis keeps whatever span it had.
  if (steps > 0) axes.timeAxisMax = ramp.step[steps - 1].start + ramp.step[steps - 1].hold;
  return axes;
}

std::optional<PixelRect> PaintRampFrame(GraphWindow& window, ChartAxisPort& axes, int frameId,
                                        const RampPaint& paint) {
  // The outer size, edges included: the erase and the plot reach that far.
  const PixelRect outer = window.ControlWindowRect(frameId);
  const int64_t width = int64_t{outer.right} - outer.left;
  const int64_t height = int64_t{outer.bottom} - outer.top;

  PaintSession session(window);
  std::unique_ptr<Canvas> frame = window.ControlCanvas(frameId);
  if (!frame) return std::nullopt;  // no such control: nothing to draw into
  if (paint.eraseFrame) {
    frame->FillRect({0, 0, ClampPixel(width), ClampPixel(height)}, frame->WindowColour());
  }

  const PixelRect m = PlaceAxes(window, axes, *frame, frameId, paint);

  // Erasing the plot area with the handles' overhang clears the previous ramp.
  const PixelRect mouseRect{ClampPixel(m.left), ClampPixel(int64_t{m.top} - 2),
                            ClampPixel(width - m.right + 3), ClampPixel(height - m.bottom + 1)};
  frame->FillRect(mouseRect, frame->WindowColour());
  DrawRamp(*frame, paint.ramp,
           {ClampPixel(m.left), ClampPixel(m.top), ClampPixel(width - m.right),
            ClampPixel(height - m.bottom)});
  return mouseRect;
}

std::optional<GraphBitmap> ChooseButtonFace(const ButtonDrawRequest& request) {
  const bool pressed = !request.drawEntire && request.selected;
  switch (request.controlId) {
    case IDC_BUTTON_UP: return pressed ? GraphBitmap::kUpArrowPressed : GraphBitmap::kUpArrow;
    case IDC_BUTTON_RIGHT:
      return pressed ? GraphBitmap::kRightArrowPressed : GraphBitmap::kRightArrow;
    case IDC_BUTTON_DEFAULT:
      return pressed ? GraphBitmap::kDefaultAxesPressed : GraphBitmap::kDefaultAxes;
    default: return std::nullopt;
  }
}

void DrawArrowButton(GraphWindow& window, Canvas& item, const ButtonDrawRequest& request) {
  const std::optional<GraphBitmap> face = ChooseButtonFace(request);
  window.ResizeControl(request.controlId, kButtonFaceSize, kButtonFaceSize);
  if (!face || !item.DrawBitmap(*face, kButtonFaceSize, kButtonFaceSize, 0, 0)) window.Beep();
}
