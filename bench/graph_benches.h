// The graphs measured, each on the real plug-in under Wine: opening its window, one drag
// step, and the live GDI objects over many drag steps.
#pragma once

#include <windows.h>

#include "figures.h"
#include "harness/harness.h"

namespace bench {

struct Counts {
  int openings;   // timed openings, after a first one that is not timed
  int dragSteps;  // timed drag steps
  int leakSteps;  // drag steps between the two GDI object counts
};

// The editor's oven graph, from the default method.
GraphFigures MeasureOvenGraph(const e2e::HostHome& home, HWND owner, const Counts& counts);

// The left channel's graph in the ULVO channel dialog, the channel in Flow mode.
GraphFigures MeasureUlvoChannel(const e2e::HostHome& home, HWND owner, const Counts& counts);

}  // namespace bench
