// A ramp graph's paint, mouse messages and axis buttons, over the shared rules.
#include "ramp/ramp_wiring.h"

#include <optional>

#include "resource_ids.h"

namespace {

bool IsInGraphFrame(const RampGraphWiring& graph, GraphWindow& window, MousePoint mouse) {
  return IsInFrame(RampFrameBox(graph, window), mouse);
}

}  // namespace

void PaintRampGraph(const RampGraphWiring& graph, EditorSession& session, GraphWindow& window,
                    ChartAxisPort& axes, const RampAxisLabels& labels) {
  bool& axesChanged = graph.axes(session).axesChanged;
  RampGraphState& s = graph.state(session);
  const bool dragging = s.dragging;
  const bool erase = axesChanged && !dragging;
  const std::optional<PixelRect> plot =
      PaintRampFrame(window, axes, graph.frameId, {graph.read(session), labels, dragging, erase});
  if (!plot) return;
  s.plotRect = *plot;
  if (erase) axesChanged = false;
}

FrameBox RampFrameBox(const RampGraphWiring& graph, GraphWindow& window) {
  return FrameBoxFrom(window.WindowRect(), window.ControlWindowRect(graph.frameId),
                      graph.inset(window.Metrics()));
}

bool HitHandle(const RampGraphWiring& graph, EditorSession& session, GraphWindow& window,
               MousePoint mouse) {
  RampGraphState& s = graph.state(session);
  const std::optional<HeldHandle> hit =
      HitRampHandle(graph.read(session), s.plotRect, RampFrameBox(graph, window), mouse);
  if (!hit) return false;
  s.dragStep = hit->step;
  s.dragHoldEnd = hit->holdEnd;
  return true;
}

void ReadPointer(const RampGraphWiring& graph, EditorSession& session, GraphWindow& window,
                 MousePoint mouse) {
  RampGraphState& s = graph.state(session);
  const std::optional<PointerValues> values =
      PointerToRampValues(graph.read(session), s.plotRect, RampFrameBox(graph, window), mouse);
  if (!values) return;
  s.dragLevel = values->level;
  s.dragTime = values->time;
}

void DragHeldHandle(const RampGraphWiring& graph, EditorSession& session) {
  RampGraphState& s = graph.state(session);
  const PointerValues pointer{s.dragLevel, s.dragTime};
  const RampSnapshot ramp = graph.read(session);
  const std::optional<RampPoint> moved = s.dragHoldEnd ? DraggedHoldEnd(ramp, s.dragStep, pointer)
                                                       : DraggedRampEnd(ramp, s.dragStep, pointer);
  // A rule gives a step only for a handle of a step in use, so dragStep indexes a row;
  // the clamped level is what the pointer holds from then on.
  if (!moved) return;
  graph.write(session, s.dragStep, *moved);
  s.dragLevel = moved->level;
}

void OnGraphMouseMove(const RampGraphWiring& graph, EditorSession& session, DialogPort& dialog,
                      GraphWindow& window, MousePoint mouse) {
  RampGraphState& s = graph.state(session);
  const MouseMoveStep next =
      StepMouseMove(s.mouseCaptured, s.dragging, IsInGraphFrame(graph, window, mouse));
  s.mouseCaptured = next.captured;
  s.dragging = next.dragging;
  if (next.capture) window.CaptureMouse();
  if (next.release) window.ReleaseMouse();
  if (!next.apply) return;
  ReadPointer(graph, session, window, mouse);
  DragHeldHandle(graph, session);
  graph.moved(session, dialog);
  window.Invalidate();
}

void OnGraphButtonDown(const RampGraphWiring& graph, EditorSession& session, GraphWindow& window,
                       MousePoint mouse) {
  if (IsInGraphFrame(graph, window, mouse) && HitHandle(graph, session, window, mouse)) {
    window.SetCursor(CursorShape::kSize);
    graph.state(session).dragging = true;
  }
}

void OnGraphButtonUp(const RampGraphWiring& graph, EditorSession& session, DialogPort& dialog,
                     HostPort& host, GraphWindow& window, MousePoint mouse) {
  window.SetCursor(CursorShape::kArrow);
  graph.state(session).dragging = false;
  if (IsInGraphFrame(graph, window, mouse)) graph.released(session, dialog, host);
}

bool OnAxisButton(const RampGraphWiring& graph, EditorSession& session, DialogPort& dialog,
                  int id) {
  switch (id) {
    case IDC_BUTTON_UP: EnlargeValueAxis(graph, session); break;
    case IDC_BUTTON_RIGHT: EnlargeTimeAxis(graph, session); break;
    case IDC_BUTTON_DEFAULT: FitGraphAxes(graph, session); break;
    default: return false;
  }
  dialog.Invalidate();
  return true;
}

void ResetGraphMouse(RampGraphState& state) {
  state.dragging = false;
  state.mouseCaptured = false;
}
