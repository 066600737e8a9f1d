// The graph windows' records: their bitmaps from the plug-in's own resources, their
// controls and metrics.
#include "win32/graph_window_record.h"

#include <memory>

#include "resource_ids.h"

namespace {

// As DIB sections: the 16-colour resources are then kept as they are stored instead of
// being converted to the display's format, which under Wine made loading the editor's
// seven take about 0.4 ms of each opening instead of 0.15, and each later copy to the
// screen converts the few pixels it copies, about three times faster than copying from
// a bitmap of the display's format. The pictures on the screen are the same.
GdiObject<HBITMAP> Load(HINSTANCE instance, const char* name) {
  return GdiObject<HBITMAP>(
      static_cast<HBITMAP>(LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
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
  auto record = std::make_unique<GraphWindowRecord>(
      GraphWindowRecord{EditorBitmaps(instance, legend), {}, std::nullopt, std::nullopt});
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

void ForgetMetrics(HWND window) {
  if (GraphWindowRecord* record = RecordOf(window)) record->metrics.reset();
}

bool DeferMove(HWND window, int left, int top) {
  GraphWindowRecord* record = RecordOf(window);
  if (!record) return false;
  record->deferredMove = POINT{left, top};
  return true;
}

std::optional<POINT> DeferredMove(HWND window) {
  const GraphWindowRecord* record = RecordOf(window);
  return record ? record->deferredMove : std::nullopt;
}

void TakeDeferredMove(HWND window, WINDOWPOS& change) {
  GraphWindowRecord* record = RecordOf(window);
  if (!record || !record->deferredMove || !(change.flags & SWP_SHOWWINDOW)) return;
  change.x = record->deferredMove->x;
  change.y = record->deferredMove->y;
  change.flags &= ~SWP_NOMOVE;
  record->deferredMove.reset();
}

void MakeDeferredMove(HWND window) {
  GraphWindowRecord* record = RecordOf(window);
  if (!record || !record->deferredMove) return;
  const POINT at = *record->deferredMove;
  record->deferredMove.reset();
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
