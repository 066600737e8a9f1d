// The editor's hit test, pointer values and drag rules: the shared rules over the oven.
#include "editor/oven_drag.h"

#include "editor/menu_states.h"
#include "editor/oven_form.h"
#include "editor/oven_graph.h"
#include "method/inlet_method.h"

namespace {

// The held step as the rule left it; the clamped temperature is what the pointer holds.
// A rule gives a step only for a handle of a step in use, so ovenDragStep indexes a row.
int StoreDraggedStep(const std::optional<RampPoint>& moved) {
  if (!moved) return 1;
  OvenStep& step = inletMethod.ovenStep[ovenGraph.ovenDragStep];
  step.start = moved->start;
  step.temp = moved->level;
  step.hold = moved->hold;
  ovenGraph.ovenDragTemp = moved->level;
  return 1;
}

PointerValues HeldPointer() { return {ovenGraph.ovenDragTemp, ovenGraph.ovenDragTime}; }

}  // namespace

FrameBox GraphFrameBox(GraphWindow& window, int frameId) {
  return FrameBoxFrom(window.WindowRect(), window.ControlWindowRect(frameId),
                      MenuWindowInset(window.Metrics()));
}

int IsInGraphFrame(GraphWindow& window, uint32_t position, int frameId) {
  return IsInFrame(GraphFrameBox(window, frameId), UnpackMousePosition(position)) ? 1 : 0;
}

int HitOvenHandle(GraphWindow& window, uint32_t position, int frameId) {
  const std::optional<HeldHandle> hit =
      HitRampHandle(OvenRamp(), ovenGraph.ovenPlotRect, GraphFrameBox(window, frameId),
                    UnpackMousePosition(position));
  if (!hit) return 0;
  ovenGraph.ovenDragStep = hit->step;
  ovenGraph.ovenDragHoldEnd = hit->holdEnd;
  return 1;
}

int MouseToOvenValues(GraphWindow& window, uint32_t position, int frameId) {
  const std::optional<PointerValues> values =
      PointerToRampValues(OvenRamp(), ovenGraph.ovenPlotRect, GraphFrameBox(window, frameId),
                          UnpackMousePosition(position));
  if (!values) return 0;
  ovenGraph.ovenDragTemp = values->level;
  ovenGraph.ovenDragTime = values->time;
  return 1;
}

int ApplyOvenDrag(GraphWindow& window, uint32_t position, int frameId) {
  MouseToOvenValues(window, position, frameId);
  return ovenGraph.ovenDragHoldEnd == 1 ? DragHoldEnd() : DragRampEnd();
}

int DragRampEnd() {
  return StoreDraggedStep(DraggedRampEnd(OvenRamp(), ovenGraph.ovenDragStep, HeldPointer()));
}

int DragHoldEnd() {
  return StoreDraggedStep(DraggedHoldEnd(OvenRamp(), ovenGraph.ovenDragStep, HeldPointer()));
}

int OnGraphMouseMove(DialogPort& editor, GraphWindow& window, uint32_t position, int frameId) {
  const MouseMoveStep next = StepMouseMove(ovenGraph.ovenMouseCaptured, ovenGraph.ovenDragging,
                                           IsInGraphFrame(window, position, frameId) != 0);
  ovenGraph.ovenMouseCaptured = next.captured;
  ovenGraph.ovenDragging = next.dragging;
  if (next.capture) window.CaptureMouse();
  if (next.release) window.ReleaseMouse();
  if (!next.apply) return 1;
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
