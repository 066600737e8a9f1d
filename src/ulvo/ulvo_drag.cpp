// The channel dialog's graph mouse: the shared ramp operations over the edited ramp.
#include "ulvo/ulvo_drag.h"

#include "method/inlet_method.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_state.h"

namespace {

void WriteUlvoStep(int32_t k, const RampPoint& moved) {
  WriteRampPoint(EditedUlvoRamp().step[k], &UlvoStep::value, moved);
}

}  // namespace

constinit const RampGraphWiring kUlvoGraph{ulvoGraph, UlvoRampSnapshot, WriteUlvoStep,
                                           DialogFrameInset};

void OnUlvoGraphMouseMove(GraphWindow& window, uint32_t position, int frameId) {
  if (MoveOverGraph(kUlvoGraph, window, position, frameId)) window.Invalidate();
}

void OnUlvoGraphButtonDown(GraphWindow& window, uint32_t position, int frameId) {
  PressOnGraph(kUlvoGraph, window, position, frameId);
}

void OnUlvoGraphButtonUp(DialogPort& dialog, HostPort& host, GraphWindow& window, uint32_t position,
                         int frameId) {
  if (ReleaseOnGraph(kUlvoGraph, window, position, frameId)) ShowUlvoRampFields(dialog, host);
}

void ResetUlvoGraphMouse() { ResetGraphMouse(ulvoGraph); }
