// The channel dialog's hit test, pointer values and drag rules: the shared rules over
// the edited ULVO ramp.
#include "ulvo/ulvo_drag.h"

#include "method/inlet_method.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_state.h"

namespace {

// The held step as the rule left it; the clamped value is what the pointer holds.
// A rule gives a step only for a handle of a step in use, so ulvoDragStep indexes a row.
int StoreDraggedStep(const std::optional<RampPoint>& moved) {
  if (!moved) return 1;
  UlvoStep& step = EditedUlvoRamp().step[ulvoGraph.ulvoDragStep];
  step.start = moved->start;
  step.value = moved->level;
  step.hold = moved->hold;
  ulvoGraph.ulvoDragValue = moved->level;
  return 1;
}

PointerValues HeldPointer() { return {ulvoGraph.ulvoDragValue, ulvoGraph.ulvoDragTime}; }

}  // namespace

FrameBox UlvoGraphFrameBox(GraphWindow& window, int frameId) {
  return FrameBoxFrom(window.WindowRect(), window.ControlWindowRect(frameId),
                      DialogFrameInset(window.Metrics()));
}

int IsInUlvoGraphFrame(GraphWindow& window, uint32_t position, int frameId) {
  return IsInFrame(UlvoGraphFrameBox(window, frameId), UnpackMousePosition(position)) ? 1 : 0;
}

int HitUlvoHandle(GraphWindow& window, uint32_t position, int frameId) {
  const std::optional<HeldHandle> hit =
      HitRampHandle(UlvoRampSnapshot(), ulvoGraph.ulvoPlotRect, UlvoGraphFrameBox(window, frameId),
                    UnpackMousePosition(position));
  if (!hit) return 0;
  ulvoGraph.ulvoDragStep = hit->step;
  ulvoGraph.ulvoDragHoldEnd = hit->holdEnd;
  return 1;
}

int MouseToUlvoValues(GraphWindow& window, uint32_t position, int frameId) {
  // The edited ramp always has a step in use, so the pointer always reads as values.
  if (const std::optional<PointerValues> values =
          PointerToRampValues(UlvoRampSnapshot(), ulvoGraph.ulvoPlotRect,
                              UlvoGraphFrameBox(window, frameId), UnpackMousePosition(position))) {
    ulvoGraph.ulvoDragValue = values->level;
    ulvoGraph.ulvoDragTime = values->time;
  }
  return 1;
}

int ApplyUlvoDrag(GraphWindow& window, uint32_t position, int frameId) {
  MouseToUlvoValues(window, position, frameId);
  return ulvoGraph.ulvoDragHoldEnd == 1 ? DragUlvoHoldEnd() : DragUlvoRampEnd();
}

int DragUlvoRampEnd() {
  return StoreDraggedStep(
      DraggedRampEnd(UlvoRampSnapshot(), ulvoGraph.ulvoDragStep, HeldPointer()));
}

int DragUlvoHoldEnd() {
  return StoreDraggedStep(
      DraggedHoldEnd(UlvoRampSnapshot(), ulvoGraph.ulvoDragStep, HeldPointer()));
}

int OnUlvoGraphMouseMove(GraphWindow& window, uint32_t position, int frameId) {
  const MouseMoveStep next = StepMouseMove(ulvoGraph.ulvoMouseCaptured, ulvoGraph.ulvoDragging,
                                           IsInUlvoGraphFrame(window, position, frameId) != 0);
  ulvoGraph.ulvoMouseCaptured = next.captured;
  ulvoGraph.ulvoDragging = next.dragging;
  if (next.capture) window.CaptureMouse();
  if (next.release) window.ReleaseMouse();
  if (!next.apply) return 1;
  ApplyUlvoDrag(window, position, frameId);
  window.Invalidate();
  return 1;
}

int OnUlvoGraphButtonDown(GraphWindow& window, uint32_t position, int frameId) {
  if (IsInUlvoGraphFrame(window, position, frameId) && HitUlvoHandle(window, position, frameId)) {
    window.SetCursor(CursorShape::kSize);
    ulvoGraph.ulvoDragging = 1;
  }
  return 1;
}

int OnUlvoGraphButtonUp(DialogPort& dialog, HostPort& host, GraphWindow& window, uint32_t position,
                        int frameId) {
  window.SetCursor(CursorShape::kArrow);
  if (IsInUlvoGraphFrame(window, position, frameId)) ShowUlvoRampFields(dialog, host);
  ulvoGraph.ulvoDragging = 0;
  return 1;
}

int ResetUlvoGraphMouse() {
  ulvoGraph.ulvoDragging = 0;
  ulvoGraph.ulvoMouseCaptured = 0;
  return 1;
}
