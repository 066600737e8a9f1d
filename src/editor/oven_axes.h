// The oven graph's axis maxima: fitted to the ramp, or enlarged by the Up and Right
// buttons. Only the two maxima and ovenAxesChanged are written; callers repaint.
#pragma once

#include "editor/editor_session.h"

inline constexpr double kTempAxisCap = 450.0;
inline constexpr double kTimeAxisCap = 800.0;

// tempAxisMax := the highest temperature of the steps in use, cut to whole degrees,
// but at least minOvenTemp; timeAxisMax := the end of the last step's hold.
// With no step in use the time axis keeps its value.
void FitOvenAxes(EditorSession& session);

// Up: 1.5 times the top (of its magnitude when negative), at most 450.
void EnlargeTempAxis(EditorSession& session);

// Right: 1.5 times the end, at most 800.
void EnlargeTimeAxis(EditorSession& session);
