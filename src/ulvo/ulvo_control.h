// The ULVO channel dialog's life: opening on the channel the editor chose, its commands,
// closing and destruction. The dialog changes the method in place; Cancel (and the close
// box) copy back the whole method as it was when the dialog opened.
#pragma once

#include "ui/dialog_port.h"
#include "ui/host_port.h"

inline constexpr const char* kUlvoPosSection = "ULVODisplay";
inline constexpr const char* kUlvoPosKey = "Parent";

// Takes the ramp of the channel's mode and a copy of the method, moves the dialog to its
// stored place, shows the ramp and fits the axes. The adapter loads the button bitmaps.
void InitUlvoControl(DialogPort& dialog, HostPort& host);
// Command and control notifications. Returns 0.
int OnUlvoCommand(DialogPort& dialog, HostPort& host, int id, int code);
// The close box: the whole form is checked (a refusal is shown) before the dialog
// manager turns the close into Cancel, which restores the method.
void CloseUlvoControl(DialogPort& dialog, HostPort& host);
// Destruction: stores the dialog's position unless it is minimised.
void DestroyUlvoControl(DialogPort& dialog, HostPort& host);
