// The graph windows' records: their bitmaps from the plug-in's own resources, their
// controls and metrics.
#include "win32/editor_bitmaps.h"

#include <memory>

#include "resource_ids.h"

namespace {

GdiObject<HBITMAP> Load(HINSTANCE instance, const char* name) {
  return GdiObject<HBITMAP>(LoadBitmapA(instance, name));
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

void AttachRecord(HWND window, HINSTANCE instance, EditorBitmaps::Legend legend) {
  FreeRecord(window);
  std::unique_ptr<GraphWindowRecord> record(
      new GraphWindowRecord{EditorBitmaps(instance, legend), {}, std::nullopt});
  SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(record.release()));
}

void FreeRecord(HWND window) {
  const std::unique_ptr<GraphWindowRecord> record(RecordOf(window));
  SetWindowLongPtrA(window, DWLP_USER, 0);
}

GraphWindowRecord* RecordOf(HWND window) {
  return reinterpret_cast<GraphWindowRecord*>(GetWindowLongPtrA(window, DWLP_USER));
}

const EditorBitmaps* BitmapsOf(HWND window) {
  const GraphWindowRecord* record = RecordOf(window);
  return record ? &record->bitmaps : nullptr;
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
