// The mouse operations of a ramp graph over the shared drag rules.
#include "ramp/ramp_mouse.h"

#include <optional>

namespace {

bool IsInGraphFrame(const RampGraphWiring& graph, GraphWindow& window, uint32_t position,
                    int frameId) {
  return IsInFrame(RampFrameBox(graph, window, frameId), UnpackMousePosition(position));
}

}  // namespace

FrameBox RampFrameBox(const RampGraphWiring& graph, GraphWindow& window, int frameId) {
  return FrameBoxFrom(window.WindowRect(), window.ControlWindowRect(frameId),
                      graph.inset(window.Metrics()));
}

bool HitHandle(const RampGraphWiring& graph, GraphWindow& window, uint32_t position, int frameId) {
  const std::optional<HeldHandle> hit =
      HitRampHandle(graph.read(), graph.state.plotRect, RampFrameBox(graph, window, frameId),
                    UnpackMousePosition(position));
  if (!hit) return false;
  graph.state.dragStep = hit->step;
  graph.state.dragHoldEnd = hit->holdEnd;
  return true;
}

bool ReadPointer(const RampGraphWiring& graph, GraphWindow& window, uint32_t position,
                 int frameId) {
  const std::optional<PointerValues> values =
      PointerToRampValues(graph.read(), graph.state.plotRect, RampFrameBox(graph, window, frameId),
                          UnpackMousePosition(position));
  if (!values) return false;
  graph.state.dragLevel = values->level;
  graph.state.dragTime = values->time;
  return true;
}

void DragHeldHandle(const RampGraphWiring& graph) {
  RampGraphState& s = graph.state;
  const PointerValues pointer{s.dragLevel, s.dragTime};
  const std::optional<RampPoint> moved = s.dragHoldEnd == 1
                                             ? DraggedHoldEnd(graph.read(), s.dragStep, pointer)
                                             : DraggedRampEnd(graph.read(), s.dragStep, pointer);
  // A rule gives a step only for a handle of a step in use, so dragStep indexes a row;
  // the clamped level is what the pointer holds from then on.
  if (!moved) return;
  graph.write(s.dragStep, *moved);
  s.dragLevel = moved->level;
}

bool MoveOverGraph(const RampGraphWiring& graph, GraphWindow& window, uint32_t position,
                   int frameId) {
  RampGraphState& s = graph.state;
  const MouseMoveStep next =
      StepMouseMove(s.mouseCaptured, s.dragging, IsInGraphFrame(graph, window, position, frameId));
  s.mouseCaptured = next.captured;
  s.dragging = next.dragging;
  if (next.capture) window.CaptureMouse();
  if (next.release) window.ReleaseMouse();
  if (!next.apply) return false;
  ReadPointer(graph, window, position, frameId);
  DragHeldHandle(graph);
  return true;
}

void PressOnGraph(const RampGraphWiring& graph, GraphWindow& window, uint32_t position,
                  int frameId) {
  if (IsInGraphFrame(graph, window, position, frameId) &&
      HitHandle(graph, window, position, frameId)) {
    window.SetCursor(CursorShape::kSize);
    graph.state.dragging = 1;
  }
}

bool ReleaseOnGraph(const RampGraphWiring& graph, GraphWindow& window, uint32_t position,
                    int frameId) {
  window.SetCursor(CursorShape::kArrow);
  graph.state.dragging = 0;
  return IsInGraphFrame(graph, window, position, frameId);
}

void ResetGraphMouse(RampGraphState& state) {
  state.dragging = 0;
  state.mouseCaptured = 0;
}
