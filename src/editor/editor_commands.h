// The editor's commands: menu choices and control notifications.
#pragma once

#include "ui/dialog_port.h"
#include "ui/host_port.h"

// Handles command `id` with notification `code`. Ids it does not know do nothing.
// Returns 0.
int OnEditorCommand(DialogPort& editor, HostPort& host, int id, int code);
