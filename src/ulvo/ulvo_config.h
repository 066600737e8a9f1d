// The ULVO configuration dialog: the mode of the left and right channel, each chosen
// from "Manual", "Flow" and "Pressure" (the entry's index is the mode).
#pragma once

#include "method/inlet_method.h"
#include "ui/dialog_port.h"

// Fills both lists and selects each channel's mode. A mode outside the three is shown
// as "Manual", as the stored record reads it.
void ShowUlvoModes(const InletMethod& method, DialogPort& dialog);
// OK (or Enter) stores both modes, changed or not, and ends the dialog with 1; Cancel
// (or Escape, or the close box) ends it with 0 and changes nothing.
void OnUlvoConfigCommand(InletMethod& method, DialogPort& dialog, int id);
