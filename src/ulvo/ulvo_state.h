// The ULVO channel dialog's process-wide values: which ramp it edits, the copy of the
// method that Cancel restores, and the flags its fields and graph share. Zero when the
// library loads, like the method.
#pragma once

#include <cstdint>

#include "method/inlet_method.h"

struct UlvoDialogValues {
  int32_t ulvoRamp;             // 0 flow, 1 pressure: the channel's mode - 1, set at opening
  int32_t ulvoEditChanged;      // a ramp-row field changed since the last full check
  int32_t ulvoAxesChanged;      // the graph must rebuild its axes
  InletMethod ulvoSavedMethod;  // the whole method as it was when the dialog opened
};

extern UlvoDialogValues ulvoValues;

// The channel being edited (editorValues.ulvoChannel, held to 0..1) and its ramp
// (ulvoValues.ulvoRamp, held to 0..1): a value set by nobody in range never indexes
// past the method.
UlvoChannel& EditedUlvoChannel();
UlvoRamp& EditedUlvoRamp();
// kUlvoFlow or kUlvoPressure: the mode whose ranges and texts the dialog uses.
int32_t EditedUlvoMode();

// The steps drawn, dragged and fitted: ulvoStepsInUse held to 1..5. A ramp that a
// stored method left with no step enabled is shown with step 1 in use.
int32_t UlvoStepsInUse();
