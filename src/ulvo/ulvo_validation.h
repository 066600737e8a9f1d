// Range-checking the ULVO channel dialog's fields and moving accepted values into the
// edited ramp. The ranges follow the channel's mode (flow in ml/min, pressure in kPa).
// The first refused value is reported in a box captioned "ULVO" with its allowed range
// and gets the focus; values accepted before it stay stored until Cancel restores the
// method.
#pragma once

#include "editor/editor_session.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

// Checks every row in use (row 1 always), then stores them (a typed rate becomes the
// next row's start), refits the axes, then checks and stores the sample and the
// standby value.
bool ValidateUlvoForm(EditorSession& session, DialogPort& dialog, HostPort& host);
