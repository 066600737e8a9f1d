// Loading the graph windows' bitmaps from the plug-in's own resources.
#include "win32/editor_bitmaps.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "resource_ids.h"

namespace {

GdiObject<HBITMAP> Load(HINSTANCE instance, const char* name) {
  return GdiObject<HBITMAP>(LoadBitmapA(instance, name));
}

// What a graph window holds from WM_INITDIALOG to WM_DESTROY. In a table of the process,
// not a window property: the table is read on every mouse move and paint, and under Wine
// each property read is a round trip to the window server. The plug-in's windows all run
// on the host's one user-interface thread, and there are at most two (the editor and a
// channel dialog).
struct GraphWindowRecord {
  HWND window;
  std::unique_ptr<EditorBitmaps> bitmaps;
  std::vector<std::pair<int, HWND>> controls;  // looked up so far
};

std::vector<GraphWindowRecord>& Records() {
  static std::vector<GraphWindowRecord> records;
  return records;
}

GraphWindowRecord* RecordOf(HWND window) {
  std::vector<GraphWindowRecord>& records = Records();
  const auto found = std::find_if(records.begin(), records.end(),
                                  [&](const GraphWindowRecord& r) { return r.window == window; });
  return found == records.end() ? nullptr : &*found;
}

}  // namespace

// Members initialise in declaration order, which is the order the windows load them.
EditorBitmaps::EditorBitmaps(HINSTANCE instance, Legend legend)
    : graphic(legend == kWithLegend ? Load(instance, BMP_GRAPHIC) : GdiObject<HBITMAP>()),
      upArrow(Load(instance, BMP_UP_ARROW)),
      rightArrow(Load(instance, BMP_RIGHT_ARROW)),
      defaultAxes(Load(instance, BMP_DEFAULT)),
      upArrowDps(Load(instance, BMP_UP_ARROW_DPS)),
      rightArrowDps(Load(instance, BMP_RIGHT_ARROW_DPS)),
      defaultAxesDps(Load(instance, BMP_DEFAULT_DPS)) {}

void AttachBitmaps(HWND window, HINSTANCE instance, EditorBitmaps::Legend legend) {
  FreeBitmaps(window);
  Records().push_back({window, std::make_unique<EditorBitmaps>(instance, legend), {}});
}

void FreeBitmaps(HWND window) {
  std::vector<GraphWindowRecord>& records = Records();
  records.erase(std::remove_if(records.begin(), records.end(),
                               [&](const GraphWindowRecord& r) { return r.window == window; }),
                records.end());
}

const EditorBitmaps* BitmapsOf(HWND window) {
  const GraphWindowRecord* record = RecordOf(window);
  return record ? record->bitmaps.get() : nullptr;
}

HWND ControlOf(HWND window, int id) {
  GraphWindowRecord* record = RecordOf(window);
  if (!record) return GetDlgItem(window, id);
  for (const auto& [known, control] : record->controls) {
    if (known == id) return control;
  }
  HWND control = GetDlgItem(window, id);
  if (control) record->controls.emplace_back(id, control);
  return control;
}
