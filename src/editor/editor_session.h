// Everything one open editor works on: the method, the values its windows share, the oven
// graph's mouse and the ULVO channel dialog's own values. A plain record, zero when made:
// the plug-in keeps one for the process (the host opens one editor at a time), tests and
// fuzz targets make their own, and every operation takes it by reference.
#pragma once

#include "method/inlet_method.h"
#include "ramp/ramp_wiring.h"
#include "ulvo/ulvo_state.h"

struct EditorSession {
  InletMethod method;
  EditorValues values;
  RampGraphState ovenGraph;
  // Reporting a refusal moves the focus, which makes the field it left ask for another
  // validation; one message at a time is what the user must see.
  bool validating;
  // Set while the editor is being created: its initialisation can show a message box,
  // whose message loop lets the host call again, and a second editor must not be made
  // while the first is not yet in slot 9.
  bool beingCreated;
  ChannelSession channel;
};
