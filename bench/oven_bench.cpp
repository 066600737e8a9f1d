// The oven graph in the editor window: opening the editor (AcqGCInlet until its queue is
// empty, first paints done), one drag step, GDI objects over many drag steps.
#include <fstream>
#include <string>

#include "floors.h"
#include "graph_benches.h"
#include "graph_drag.h"
#include "harness/harness.h"
#include "resource_ids.h"

namespace bench {

namespace {
HWND OpenEditor(HWND owner) {
  e2e::AcqGCInlet()(owner);
  e2e::PumpMessages();
  return e2e::EditorWindow();
}
}  // namespace

GraphFigures MeasureOvenGraph(const e2e::HostHome& home, HWND owner, const Counts& counts) {
  GraphFigures figures;
  figures.name = "oven graph (editor, default method)";
  figures.opening = "opening the editor";
  if (!e2e::WriteMethodDatabase(home, e2e::DefaultMethodRecord())) {
    figures.notMeasured = "the method database could not be written";
    return figures;
  }
  // The opening floor reads a file of the method's size, as the editor reads its method.
  const std::string file = home.File("floor.bin");
  std::ofstream(file, std::ios::binary) << std::string(kMethodFileBytes, 'm');
  // The first opening also loads the chart-axis library's pages; it is not timed.
  for (int i = 0; i <= counts.openings; ++i) {
    const double floor = OpenFloor(owner, "TOVREX", IDC_GRAPH_FRAME, file, kMethodFileBytes, 30);
    if (i > 0 && floor >= 0) figures.openingFloor.push_back(floor);
    const double t0 = NowMs();
    HWND editor = OpenEditor(owner);
    const double t1 = NowMs();
    if (!editor) {
      figures.notMeasured = "the editor did not open";
      return figures;
    }
    if (i > 0) figures.openings.push_back(t1 - t0);
    e2e::DestroyEditor();
  }

  HWND editor = OpenEditor(owner);
  GraphDrag drag(editor, IDC_GRAPH_FRAME);
  if (!editor || !drag.Grab()) {
    figures.notMeasured = "no handle to drag";
  } else {
    MeasureDrag(drag, counts.dragSteps, counts.leakSteps, figures);
    drag.Release();
  }
  e2e::DestroyEditor();
  return figures;
}

}  // namespace bench
