// A ramp graph's axis maxima: fitted to the ramp, or enlarged by the Up and Right buttons
// beside the graph. Only the two maxima and the graph's axes-changed flag are written;
// callers repaint.
#pragma once

#include <cstdint>

#include "ramp/ramp_graph.h"

struct EditorSession;
struct RampGraphWiring;

// Where a time axis stops growing, on both graphs.
inline constexpr double kTimeAxisCap = 800.0;

// Where a graph's maxima live and how its value axis grows.
struct RampAxesPlace {
  double& valueAxisMax;
  double& timeAxisMax;
  bool& axesChanged;       // the graph must rebuild its axes
  double valueCap;         // Up stops here
  bool upFromMagnitude;    // Up grows a top below zero by its magnitude (the oven's degrees)
  LevelRounding rounding;  // how a fit takes the highest level in use
};

// valueAxisMax := the highest level of the steps in use, rounded as the graph rounds it,
// but at least the value floor; timeAxisMax := the end of the last step's hold. With no
// step in use the time axis keeps its value.
void FitGraphAxes(const RampGraphWiring& graph, EditorSession& session);

// Up: 1.5 times the top (of its magnitude, on a graph that grows from it, when the top is
// below zero), at most the graph's cap.
void EnlargeValueAxis(const RampGraphWiring& graph, EditorSession& session);

// Right: 1.5 times the end, at most kTimeAxisCap.
void EnlargeTimeAxis(const RampGraphWiring& graph, EditorSession& session);
