// The hit test, the pointer's values, the drag rules and the capture states of a ramp.
#include "ramp/ramp_drag.h"

#include <cmath>
#include <cstdlib>

namespace {

// The held level stays on the value axis.
double HeldLevel(const RampSnapshot& ramp, double level) {
  if (ramp.valueFloor > level) level = ramp.valueFloor;
  if (level > ramp.valueAxisMax) level = ramp.valueAxisMax;
  return level;
}

// Whether the mouse lies within kHandleReach pixels of the point in both directions.
bool NearPoint(int64_t pointX, int64_t pointY, int64_t mouseX, int64_t mouseY) {
  return std::llabs(mouseX - pointX) <= kHandleReach && std::llabs(mouseY - pointY) <= kHandleReach;
}

bool HandleUnder(const RampScale& scale, const FrameBox& box, MousePoint mouse, double time,
                 double level) {
  return NearPoint(TimeToPixel(scale, time) + box.originX, ValueToPixel(scale, level) + box.originY,
                   mouse.x, mouse.y);
}

}  // namespace

ClientInset MenuWindowInset(const WindowMetrics& metrics) {
  return {metrics.borderWidth,
          int64_t{metrics.captionHeight} + metrics.menuHeight + metrics.borderHeight};
}

ClientInset DialogFrameInset(const WindowMetrics& metrics) {
  return {metrics.dialogFrameWidth, int64_t{metrics.captionHeight} + metrics.borderHeight};
}

FrameBox FrameBoxFrom(const PixelRect& window, const PixelRect& frame, ClientInset inset) {
  FrameBox box{};
  box.originX = int64_t{frame.left} - window.left - inset.left;
  box.originY = int64_t{frame.top} - window.top - inset.top;
  box.width = int64_t{frame.right} - frame.left - inset.left;
  box.height = int64_t{frame.bottom} - frame.top;
  return box;
}

bool IsInFrame(const FrameBox& box, MousePoint mouse) {
  return box.originX <= mouse.x && mouse.x <= box.originX + box.width && box.originY <= mouse.y &&
         mouse.y <= box.originY + box.height;
}

std::optional<HeldHandle> HitRampHandle(const RampSnapshot& ramp, const PixelRect& plot,
                                        const FrameBox& box, MousePoint mouse) {
  const int32_t steps = StepsInUse(ramp);
  if (steps == 0) return std::nullopt;
  const RampScale scale = RampScaleOf(ramp, plot);
  const auto& step = ramp.step;

  if (HandleUnder(scale, box, mouse, step[0].start + step[0].hold, step[0].level)) {
    return HeldHandle{0, true};
  }
  for (int32_t k = 1; k < steps; ++k) {
    if (HandleUnder(scale, box, mouse, step[k].start, step[k].level)) return HeldHandle{k, false};
    if (HandleUnder(scale, box, mouse, step[k].start + step[k].hold, step[k].level)) {
      return HeldHandle{k, true};
    }
  }
  return std::nullopt;
}

std::optional<PointerValues> PointerToRampValues(const RampSnapshot& ramp, const PixelRect& plot,
                                                 const FrameBox& box, MousePoint mouse) {
  if (StepsInUse(ramp) == 0) return std::nullopt;
  const RampScale scale = RampScaleOf(ramp, plot);
  const double fromBottom = static_cast<double>(plot.bottom - (mouse.y - box.originY));
  PointerValues values{};
  values.level = std::trunc(scale.valueMin + fromBottom / scale.ky);
  values.time = static_cast<double>(mouse.x - box.originX - plot.left) / scale.kx;
  return values;
}

std::optional<RampPoint> DraggedRampEnd(const RampSnapshot& ramp, int32_t step,
                                        PointerValues pointer) {
  const int32_t n = StepsInUse(ramp);
  const int32_t k = step;
  if (k < 1 || k >= n) return std::nullopt;  // step 0's ramp end is the run's start
  RampPoint moved = ramp.step[k];
  moved.level = HeldLevel(ramp, pointer.level);

  const double t = pointer.time;
  const double previousEnd = ramp.step[k - 1].start + ramp.step[k - 1].hold;
  if (t < previousEnd) {
    moved.start = previousEnd;  // a vertical ramp
  } else if (k < n - 1 && t + moved.hold > ramp.step[k + 1].start) {
    moved.start = ramp.step[k + 1].start - moved.hold;
  } else if (k == n - 1 && t + moved.hold >= ramp.timeAxisMax) {
    moved.start = ramp.timeAxisMax - moved.hold;
  } else {
    moved.start = t;
  }
  return moved;
}

std::optional<RampPoint> DraggedHoldEnd(const RampSnapshot& ramp, int32_t step,
                                        PointerValues pointer) {
  const int32_t n = StepsInUse(ramp);
  const int32_t k = step;
  if (k < 0 || k >= n) return std::nullopt;
  RampPoint moved = ramp.step[k];
  moved.level = HeldLevel(ramp, pointer.level);

  const double t = pointer.time;
  const double start = moved.start;
  const bool last = k == n - 1;
  if (k == 0 && t < 0.0) {
    moved.hold = 0.0;
  } else if (k >= 1 && t <= ramp.step[k - 1].start + ramp.step[k - 1].hold) {
    moved.hold = 0.0;
  } else if (!last && t > ramp.step[k + 1].start) {
    moved.hold = ramp.step[k + 1].start - start;  // the next ramp becomes vertical
  } else if (!last && t - start <= 0.0) {
    moved.hold = 0.0;
  } else if (last && t > ramp.timeAxisMax) {
    moved.hold = ramp.timeAxisMax - start;
  } else if (last && t - start <= 0.0) {
    moved.hold = 0.0;
  } else {
    moved.hold = t - start;
  }
  return moved;
}

MouseMoveStep StepMouseMove(bool captured, bool dragging, bool inFrame) {
  MouseMoveStep next{captured, dragging, false, false, false};
  if (!captured) {
    // Arriving on the frame only takes the capture; a press may already hold a handle.
    if (inFrame) {
      next.captured = true;
      next.capture = true;
    }
  } else if (!inFrame) {
    // Leaving the frame ends a drag; the rows keep what they showed.
    next.captured = false;
    next.dragging = false;
    next.release = true;
  } else {
    next.apply = dragging;
  }
  return next;
}
