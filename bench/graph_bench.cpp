// Figures for the editor's graphs, measured on the real plug-in under Wine and printed
// side by side: the oven graph in the editor, the left channel's graph in the ULVO
// channel dialog. It prints; it asserts nothing.
// Then it opens and closes the editor and each dialog many times.
//   bench_graphs [DRAG_STEPS [LEAK_STEPS [CYCLES]]]   (defaults 2000, 100000 and 10000)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "cycle_bench.h"
#include "graph_benches.h"
#include "harness/harness.h"

namespace {
// A crash inside a window procedure would otherwise hang the run under Wine.
LONG WINAPI OnCrash(EXCEPTION_POINTERS* e) {
  std::fprintf(stderr, "CRASH 0x%08lx\n", e->ExceptionRecord->ExceptionCode);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

int main(int argc, char** argv) {
  SetUnhandledExceptionFilter(OnCrash);
  // A hundred openings of each window, each beside one of its floor: with forty, the median
  // of their ratio moved by about 0.1 from run to run on a busy machine, as much as the
  // difference it is read for.
  const bench::Counts counts{
      100,
      argc > 1 ? std::max(1000, std::atoi(argv[1])) : 2000,
      argc > 2 ? std::max(1, std::atoi(argv[2])) : 100000,
  };
  const int cycles = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10000;

  e2e::HostHome home;
  if (!e2e::AcqGCInlet()) {
    std::fprintf(stderr, "cannot load tovrex.dll\n");
    return 1;
  }
  // At the screen's origin: the editor stores its position with its owner's offset
  // added, so any other place would walk it off the screen over many openings.
  e2e::OwnerWindow owner(0, 0);
  SetCursorPos(0, 0);  // the display's own pointer stays off the editor

  const bench::GraphFigures oven = bench::MeasureOvenGraph(home, owner.Get(), counts);
  const bench::GraphFigures ulvo = bench::MeasureUlvoChannel(home, owner.Get(), counts);

  std::printf("graph benchmarks (Wine, %s), each against its floor\n", bench::BuildName());
  bench::PrintHeader();
  bench::Print(oven);
  bench::Print(ulvo);
  std::fflush(stdout);

  std::printf("open/close cycles (Wine, %s)\n", bench::BuildName());
  bench::MeasureOpenCloseCycles(home, owner.Get(), cycles);
  return oven.notMeasured.empty() && ulvo.notMeasured.empty() ? 0 : 1;
}
