#include "figures.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace bench {

double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / ticksPerMs;
}

Summary Summarise(std::vector<double> ms) {
  if (ms.empty()) return {};
  std::sort(ms.begin(), ms.end());
  auto at = [&](double q) { return ms[static_cast<size_t>(q * (ms.size() - 1))]; };
  return {ms.size(), at(0.5), at(0.9), at(0.99), ms.back()};
}

namespace {
void PrintTimes(const char* what, const std::vector<double>& ms) {
  if (ms.empty()) return;
  const Summary s = Summarise(ms);
  std::printf("  %-34s %6zu %9.3f ms %8.3f %8.3f %8.3f\n", what, s.count, s.median, s.p90, s.p99,
              s.max);
}

// A figure, its floor, and each percentile as a multiple of the floor's same percentile.
void PrintAgainstFloor(const char* what, const std::vector<double>& ms,
                       const std::vector<double>& floor) {
  PrintTimes(what, ms);
  if (ms.empty() || floor.empty()) return;
  PrintTimes("  floor", floor);
  const Summary s = Summarise(ms), f = Summarise(floor);
  auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
  std::printf("  %-34s %6s %9.2fx    %7.2fx %7.2fx\n", "  ratio to floor", "",
              ratio(s.median, f.median), ratio(s.p90, f.p90), ratio(s.p99, f.p99));
}
}  // namespace

const char* BuildName() { return sizeof(void*) == 8 ? "x86_64" : "i686"; }

void PrintHeader() {
  std::printf("  %-34s %6s %12s %8s %8s %8s\n", "", "n", "median", "p90", "p99", "max");
}

void Print(const GraphFigures& f) {
  std::printf("%s\n", f.name.c_str());
  PrintAgainstFloor(f.opening.c_str(), f.openings, f.openingFloor);
  PrintAgainstFloor("drag step (move + repaint)", f.dragSteps, f.dragStepFloor);
  if (f.leakSteps > 0) {
    PrintResources("before -> after " + std::to_string(f.leakSteps) + " further drag steps",
                   f.before, f.after);
  }
  if (!f.notMeasured.empty()) std::printf("  not measured: %s\n", f.notMeasured.c_str());
}

}  // namespace bench
