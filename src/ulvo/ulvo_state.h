// The ULVO channel dialog's own values: the copy of the method that Cancel restores, the
// flags its fields and graph share and its graph's mouse. Part of the editor's session,
// zero when it is made. Which ramp it edits is not kept: it is always the one of the
// channel's mode, which cannot change while the dialog is open.
#pragma once

#include <cstdint>

#include "method/inlet_method.h"
#include "ramp/ramp_wiring.h"

struct EditorSession;

struct ChannelSession {
  bool ulvoEditChanged;         // a ramp-row field changed since the last full check
  bool ulvoAxesChanged;         // the graph must rebuild its axes
  InletMethod ulvoSavedMethod;  // the whole method as it was when the dialog opened
  RampGraphState graph;
  bool validating;  // as the editor's: one refusal at a time
};

// The channel being edited (values.ulvoChannel, held to 0..1) and the ramp of its mode
// (the pressure ramp in Pressure mode, else the flow ramp): a value set by nobody in range
// never indexes past the method.
UlvoChannel& EditedUlvoChannel(EditorSession& session);
UlvoRamp& EditedUlvoRamp(EditorSession& session);
const UlvoRamp& EditedUlvoRamp(const EditorSession& session);
// kUlvoFlow or kUlvoPressure: the mode whose ranges and texts the dialog uses (a channel
// in Manual, which the editor never opens, reads as Flow).
int32_t EditedUlvoMode(const EditorSession& session);

// The steps drawn, dragged, checked and fitted: the ramp's rows in use, at least one. A
// ramp that a stored method left with no step enabled is shown with step 1 in use.
int32_t UlvoStepsInUse(const EditorSession& session);
