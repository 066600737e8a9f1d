// The valve timetable dialog: the purge, split and secondary-cool times, shown with two
// decimals and accepted from 0 to 100 minutes.
//
// The method also carries four valve events, which this dialog has no fields for. It
// neither shows nor reads them, so confirming the timetable keeps the event times that
// a stored method holds (reading fields that do not exist would give 0 for every one).
#pragma once

#include "method/inlet_method.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

void ShowValveTimes(const InletMethod& method, DialogPort& dialog, HostPort& host);
// OK (or Enter) ends the dialog with 1 once every time passes; Cancel (or Escape, or
// the close box) ends it with 0 at once.
void OnValveCommand(InletMethod& method, DialogPort& dialog, HostPort& host, int id);
// Reads, checks and stores the times in the order Purge, Secondary Cool, Split, each
// stored as soon as it passes. At the first refusal: a beep, the host's out-of-range
// message naming the field, the focus on it, and false.
bool ReadValveTimes(InletMethod& method, DialogPort& dialog, HostPort& host);
