// The ULVO channel dialog's own values: which ramp it edits, the copy of the method that
// Cancel restores, the flags its fields and graph share and its graph's mouse. Part of
// the editor's session, zero when it is made.
#pragma once

#include <cstdint>

#include "method/inlet_method.h"
#include "ramp/ramp_mouse.h"

struct EditorSession;

struct ChannelSession {
  int32_t ulvoRamp;             // 0 flow, 1 pressure: the channel's mode - 1, set at opening
  int32_t ulvoEditChanged;      // a ramp-row field changed since the last full check
  int32_t ulvoAxesChanged;      // the graph must rebuild its axes
  InletMethod ulvoSavedMethod;  // the whole method as it was when the dialog opened
  RampGraphState graph;
  bool validating;  // as the editor's: one refusal at a time
};

// The channel being edited (values.ulvoChannel, held to 0..1) and its ramp
// (channel.ulvoRamp, held to 0..1): a value set by nobody in range never indexes past
// the method.
UlvoChannel& EditedUlvoChannel(EditorSession& session);
UlvoRamp& EditedUlvoRamp(EditorSession& session);
const UlvoRamp& EditedUlvoRamp(const EditorSession& session);
// kUlvoFlow or kUlvoPressure: the mode whose ranges and texts the dialog uses.
int32_t EditedUlvoMode(const EditorSession& session);

// The steps drawn, dragged, checked and fitted: the ramp's rows in use, at least one. A
// ramp that a stored method left with no step enabled is shown with step 1 in use.
int32_t UlvoStepsInUse(const EditorSession& session);
