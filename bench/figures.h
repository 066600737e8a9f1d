// Timing and printing shared by every benchmark: one clock, one way to summarise a run
// of timings, one layout for the printed figures, so figures of different graphs can be
// read side by side.
#pragma once

#include <string>
#include <vector>

#include "resources.h"

namespace bench {

// Milliseconds on the performance counter, from an arbitrary origin.
double NowMs();

// What a set of measurements is summarised by.
struct Summary {
  size_t count = 0;
  double median = 0, p90 = 0, p99 = 0, max = 0;
};
Summary Summarise(std::vector<double> ms);  // all zero for no measurements

// One graph's figures, gathered first and printed together at the end.
struct GraphFigures {
  std::string name;               // "oven graph"
  std::string opening;            // "opening the editor"
  std::vector<double> openings;   // ms each
  std::vector<double> dragSteps;  // ms each
  // The floors of each, measured alternately with them (bench/floors.h).
  std::vector<double> openingFloor;
  std::vector<double> dragStepFloor;
  Resources before, after;  // around the leak steps
  int leakSteps = 0;
  std::string notMeasured;  // why the figures are missing or incomplete; empty when whole
};

// The header names the build measured: "i686" or "x86_64".
const char* BuildName();
void PrintHeader();
void Print(const GraphFigures& figures);

}  // namespace bench
