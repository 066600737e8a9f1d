// The editor's commands: menu choices and control notifications.
#pragma once

#include "editor/editor_session.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

// Handles command `id`, with what happened to the field when it is an edit field. Ids it
// does not know do nothing.
void OnEditorCommand(EditorSession& session, DialogPort& editor, HostPort& host, int id,
                     EditNotice notice = EditNotice::kNone);
