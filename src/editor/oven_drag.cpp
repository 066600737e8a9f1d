// The editor's graph mouse: the shared ramp operations over the oven programme.
#include "editor/oven_drag.h"

#include "editor/menu_states.h"
#include "editor/oven_form.h"
#include "editor/oven_graph.h"
#include "method/inlet_method.h"

namespace {

void WriteOvenStep(int32_t k, const RampPoint& moved) {
  WriteRampPoint(inletMethod.ovenStep[k], &OvenStep::temp, moved);
}

}  // namespace

constinit const RampGraphWiring kOvenGraph{ovenGraph, OvenRamp, WriteOvenStep, MenuWindowInset};

void OnGraphMouseMove(DialogPort& editor, GraphWindow& window, uint32_t position, int frameId) {
  if (!MoveOverGraph(kOvenGraph, window, position, frameId)) return;
  if (!editorValues.methodModified) {
    editorValues.methodModified = 1;
    UpdateMenuStates(editor);
  }
  window.Invalidate();
}

void OnGraphButtonDown(GraphWindow& window, uint32_t position, int frameId) {
  PressOnGraph(kOvenGraph, window, position, frameId);
}

void OnGraphButtonUp(DialogPort& editor, HostPort& host, GraphWindow& window, uint32_t position,
                     int frameId) {
  if (ReleaseOnGraph(kOvenGraph, window, position, frameId)) ShowRampFields(editor, host);
}

void ResetOvenGraphMouse() { ResetGraphMouse(ovenGraph); }
