// Unpacking the paint, owner-draw, mouse and settings messages of both graph windows.
#include "win32/graph_messages.h"

#include <cstdint>

#include "resource_ids.h"
#include "win32/win32_canvas.h"
#include "win32/win32_chart_axis.h"
#include "win32/win32_dialog.h"
#include "win32/win32_graph_window.h"
#include "win32/win32_host.h"
#include "entry/module.h"

namespace {

void DrawButton(HWND window, const DRAWITEMSTRUCT* item) {
  if (!item) return;
  Win32GraphWindow graph(window);
  Win32Canvas canvas(item->hDC, nullptr, BitmapsOf(window));
  DrawArrowButton(graph, canvas,
                  {static_cast<int>(item->CtlID), (item->itemAction & ODA_DRAWENTIRE) != 0,
                   (item->itemState & ODS_SELECTED) != 0});
}

void OnMouse(const GraphDialog& kind, EditorSession& session, HWND window, UINT message,
             MousePoint mouse) {
  Win32GraphWindow graph(window);
  Win32Dialog dialog(window);
  if (message == WM_MOUSEMOVE) {
    OnGraphMouseMove(kind.graph, session, dialog, graph, mouse);
  } else if (message == WM_LBUTTONDOWN) {
    OnGraphButtonDown(kind.graph, session, graph, mouse);
  } else {
    Win32Host host;
    OnGraphButtonUp(kind.graph, session, dialog, host, graph, mouse);
  }
}

}  // namespace

MousePoint MousePointOf(LPARAM position) {
  const auto word = static_cast<uint32_t>(position);
  return {static_cast<int64_t>(word & 0xFFFFu), static_cast<int64_t>(word >> 16)};
}

EditNotice EditNoticeOf(WPARAM wParam) {
  switch (HIWORD(wParam)) {
    case EN_CHANGE: return EditNotice::kChanged;
    case EN_KILLFOCUS: return EditNotice::kLeft;
    default: return EditNotice::kNone;
  }
}

void InitGraphDialog(const GraphDialog& kind, HWND window) {
  AttachRecord(window, moduleInstance, kind.legend);
  Win32GraphWindow graph(window);
  for (const int id : {IDC_BUTTON_UP, IDC_BUTTON_RIGHT, IDC_BUTTON_DEFAULT}) {
    graph.ResizeControl(id, kButtonFaceSize, kButtonFaceSize);
  }
}

void PaintGraphDialog(const GraphDialog& kind, EditorSession& session, HWND window) {
  Win32GraphWindow graph(window);
  Win32ChartAxis axes;
  kind.paint(session, graph, axes);
}

bool OnGraphDialogMessage(const GraphDialog& kind, EditorSession& session, HWND window,
                          UINT message, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: PaintGraphDialog(kind, session, window); return true;
    case WM_DRAWITEM:
      DrawButton(window, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: OnMouse(kind, session, window, message, MousePointOf(lParam)); return true;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE: Win32GraphWindow::ForgetMetrics(window); return true;
    default: return false;
  }
}
