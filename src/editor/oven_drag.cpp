// The hit test, the mouse-to-value conversion and the drag rules of the oven ramp.
#include "editor/oven_drag.h"

#include <cmath>
#include <cstdlib>

#include "editor/menu_states.h"
#include "editor/oven_form.h"
#include "editor/oven_graph.h"
#include "method/inlet_method.h"

namespace {

// The held temperature stays within the temperature axis.
double ClampDragTemp() {
  double temp = ovenGraph.ovenDragTemp;
  const double minTemp = static_cast<double>(GetMinOvenTemp());
  if (minTemp > temp) temp = minTemp;
  if (temp > inletMethod.tempAxisMax) temp = inletMethod.tempAxisMax;
  ovenGraph.ovenDragTemp = temp;
  return temp;
}

bool HandleUnder(const RampScale& scale, const FrameBox& box, MousePoint mouse, double time,
                 double temp) {
  return NearPoint(TimeToPixel(scale, time) + box.originX, ValueToPixel(scale, temp) + box.originY,
                   mouse.x, mouse.y) != 0;
}

int Grab(int32_t step, int32_t holdEnd) {
  ovenGraph.ovenDragStep = step;
  ovenGraph.ovenDragHoldEnd = holdEnd;
  return 1;
}

}  // namespace

MousePoint UnpackMousePosition(uint32_t position) {
  return {static_cast<int64_t>(position & 0xFFFFu), static_cast<int64_t>(position >> 16)};
}

FrameBox FrameBoxFrom(const PixelRect& window, const PixelRect& frame,
                      const WindowMetrics& metrics) {
  FrameBox box{};
  box.originX = int64_t{frame.left} - window.left - metrics.borderWidth;
  box.originY = int64_t{frame.top} - window.top -
                (int64_t{metrics.captionHeight} + metrics.menuHeight + metrics.borderHeight);
  box.width = int64_t{frame.right} - frame.left - metrics.borderWidth;
  box.height = int64_t{frame.bottom} - frame.top;
  return box;
}

FrameBox GraphFrameBox(GraphWindow& window, int frameId) {
  return FrameBoxFrom(window.WindowRect(), window.ControlWindowRect(frameId), window.Metrics());
}

int IsInGraphFrame(GraphWindow& window, uint32_t position, int frameId) {
  const FrameBox box = GraphFrameBox(window, frameId);
  const MousePoint p = UnpackMousePosition(position);
  const bool inside = box.originX <= p.x && p.x <= box.originX + box.width && box.originY <= p.y &&
                      p.y <= box.originY + box.height;
  return inside ? 1 : 0;
}

int NearPoint(int64_t pointX, int64_t pointY, int64_t mouseX, int64_t mouseY) {
  return std::llabs(mouseX - pointX) <= kHandleReach && std::llabs(mouseY - pointY) <= kHandleReach
             ? 1
             : 0;
}

int HitOvenHandle(GraphWindow& window, uint32_t position, int frameId) {
  const int32_t steps = OvenStepsDrawn();
  if (steps == 0) return 0;
  const RampScale scale = OvenScale(ovenGraph.ovenPlotRect);
  const FrameBox box = GraphFrameBox(window, frameId);
  const MousePoint mouse = UnpackMousePosition(position);
  const auto& step = inletMethod.ovenStep;

  if (HandleUnder(scale, box, mouse, step[0].start + step[0].hold, step[0].temp)) return Grab(0, 1);
  for (int32_t k = 1; k < steps; ++k) {
    if (HandleUnder(scale, box, mouse, step[k].start, step[k].temp)) return Grab(k, 0);
    if (HandleUnder(scale, box, mouse, step[k].start + step[k].hold, step[k].temp)) {
      return Grab(k, 1);
    }
  }
  return 0;
}

int MouseToOvenValues(GraphWindow& window, uint32_t position, int frameId) {
  if (OvenStepsDrawn() == 0) return 0;
  const PixelRect& plot = ovenGraph.ovenPlotRect;
  const RampScale scale = OvenScale(plot);
  const FrameBox box = GraphFrameBox(window, frameId);
  const MousePoint mouse = UnpackMousePosition(position);
  const double fromBottom = static_cast<double>(plot.bottom - (mouse.y - box.originY));
  ovenGraph.ovenDragTemp = std::trunc(scale.valueMin + fromBottom / scale.ky);
  ovenGraph.ovenDragTime = static_cast<double>(mouse.x - box.originX - plot.left) / scale.kx;
  return 1;
}

int ApplyOvenDrag(GraphWindow& window, uint32_t position, int frameId) {
  MouseToOvenValues(window, position, frameId);
  return ovenGraph.ovenDragHoldEnd == 1 ? DragHoldEnd() : DragRampEnd();
}

int DragRampEnd() {
  const int32_t n = OvenStepsDrawn();
  const int32_t k = ovenGraph.ovenDragStep;
  if (k < 1 || k >= n) return 1;  // step 0's ramp end is the run's start: no handle
  auto& step = inletMethod.ovenStep;
  step[k].temp = ClampDragTemp();

  const double t = ovenGraph.ovenDragTime;
  const double hold = step[k].hold;
  const double previousEnd = step[k - 1].start + step[k - 1].hold;
  const double timeEnd = inletMethod.timeAxisMax;
  if (t < previousEnd) {
    step[k].start = previousEnd;  // a vertical ramp
  } else if (k < n - 1 && t + hold > step[k + 1].start) {
    step[k].start = step[k + 1].start - hold;
  } else if (k == n - 1 && t + hold >= timeEnd) {
    step[k].start = timeEnd - hold;
  } else {
    step[k].start = t;
  }
  return 1;
}

int DragHoldEnd() {
  const int32_t n = OvenStepsDrawn();
  const int32_t k = ovenGraph.ovenDragStep;
  if (k < 0 || k >= n) return 1;
  auto& step = inletMethod.ovenStep;
  step[k].temp = ClampDragTemp();

  const double t = ovenGraph.ovenDragTime;
  const double start = step[k].start;
  const double timeEnd = inletMethod.timeAxisMax;
  const bool last = k == n - 1;
  double& hold = step[k].hold;
  if (k == 0 && t < 0.0) {
    hold = 0.0;
  } else if (k >= 1 && t <= step[k - 1].start + step[k - 1].hold) {
    hold = 0.0;
  } else if (!last && t > step[k + 1].start) {
    hold = step[k + 1].start - start;  // the next ramp becomes vertical
  } else if (!last && t - start <= 0.0) {
    hold = 0.0;
  } else if (last && t > timeEnd) {
    hold = timeEnd - start;
  } else if (last && t - start <= 0.0) {
    hold = 0.0;
  } else {
    hold = t - start;
  }
  return 1;
}

int OnGraphMouseMove(DialogPort& editor, GraphWindow& window, uint32_t position, int frameId) {
  const bool inFrame = IsInGraphFrame(window, position, frameId) != 0;
  if (!ovenGraph.ovenMouseCaptured) {
    if (inFrame) {
      ovenGraph.ovenMouseCaptured = 1;
      window.CaptureMouse();
    }
    return 1;
  }
  if (!inFrame) {
    // Leaving the frame ends a drag; the rows keep what they showed.
    ovenGraph.ovenMouseCaptured = 0;
    window.ReleaseMouse();
    ovenGraph.ovenDragging = 0;
    return 1;
  }
  if (!ovenGraph.ovenDragging) return 1;
  ApplyOvenDrag(window, position, frameId);
  if (!editorValues.methodModified) {
    editorValues.methodModified = 1;
    UpdateMenuStates(editor);
  }
  window.Invalidate();
  return 1;
}

int OnGraphButtonDown(GraphWindow& window, uint32_t position, int frameId) {
  if (IsInGraphFrame(window, position, frameId) && HitOvenHandle(window, position, frameId)) {
    window.SetCursor(CursorShape::kSize);
    ovenGraph.ovenDragging = 1;
  }
  return 1;
}

int OnGraphButtonUp(DialogPort& editor, HostPort& host, GraphWindow& window, uint32_t position,
                    int frameId) {
  window.SetCursor(CursorShape::kArrow);
  if (IsInGraphFrame(window, position, frameId)) ShowRampFields(editor, host);
  ovenGraph.ovenDragging = 0;
  return 1;
}

int ResetOvenGraphMouse() {
  ovenGraph.ovenDragging = 0;
  ovenGraph.ovenMouseCaptured = 0;
  return 1;
}
