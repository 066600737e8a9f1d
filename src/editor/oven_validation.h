// Range-checking the editor's oven and zone fields and moving accepted values into
// the method. The first refused value is reported with its allowed range and gets the
// focus; values accepted before it stay stored.
#pragma once

#include "editor/editor_session.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

// Checks and stores the whole form: the rows in use (a typed rate becomes the next
// row's start), the axes refitted, then the zones, the standby time and time 5.
bool ValidateOvenForm(EditorSession& session, DialogPort& editor, HostPort& host);
