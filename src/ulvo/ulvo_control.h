// The ULVO channel dialog's life: opening on the channel the editor chose, its commands,
// closing and destruction. The dialog changes the method in place; Cancel (and the close
// box) copy back the whole method as it was when the dialog opened.
#pragma once

#include "editor/editor_session.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

inline constexpr const char* kUlvoPosSection = "ULVODisplay";
inline constexpr const char* kUlvoPosKey = "Parent";

// Takes the ramp of the channel's mode and a copy of the method, moves the dialog to its
// stored place, shows the ramp and fits the axes, and forgets a drag cut short by an
// earlier dialog's end (it can end under the mouse, by Escape). The adapter loads the
// button bitmaps.
void InitUlvoControl(EditorSession& session, DialogPort& dialog, HostPort& host);
// Commands, with what happened to the field when it is an edit field.
void OnUlvoCommand(EditorSession& session, DialogPort& dialog, HostPort& host, int id,
                   EditNotice notice = EditNotice::kNone);
// The close box: the whole form is checked (a refusal is shown) before the dialog
// manager turns the close into Cancel, which restores the method.
void CloseUlvoControl(EditorSession& session, DialogPort& dialog, HostPort& host);
// Destruction: stores the dialog's position unless it is minimised.
void DestroyUlvoControl(DialogPort& dialog, HostPort& host);
