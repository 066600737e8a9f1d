// The ULVO graph's axis maxima: fitted to the edited ramp, or enlarged by the Up and
// Right buttons. Only the two maxima and ulvoAxesChanged are written; callers repaint.
#pragma once

#include "editor/editor_session.h"

inline constexpr double kUlvoTimeAxisCap = 800.0;

// valueAxisMax := the highest value of the steps in use rounded up to a whole unit (0
// when none is above 0); timeAxisMax := the end of the last step's hold.
void FitUlvoAxes(EditorSession& session);

// Up: 1.5 times the top whatever its sign, at most the mode's cap.
void EnlargeUlvoValueAxis(EditorSession& session);

// Right: 1.5 times the end, at most 800.
void EnlargeUlvoTimeAxis(EditorSession& session);
