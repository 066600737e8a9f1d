// The one dialog procedure of both graph windows.
#include "win32/graph_messages.h"

#include <cstdint>

#include "entry/module.h"
#include "resource_ids.h"
#include "win32/win32_canvas.h"
#include "win32/win32_chart_axis.h"
#include "win32/win32_dialog.h"
#include "win32/win32_graph_window.h"
#include "win32/win32_host.h"

namespace {

// The window system's position word: x in the low 16 bits, y in the high 16 bits, both
// unsigned, in the window's client pixels (the low 32 bits of the parameter on every
// architecture).
MousePoint MousePointOf(LPARAM position) {
  const auto word = static_cast<uint32_t>(position);
  return {static_cast<int64_t>(word & 0xFFFFu), static_cast<int64_t>(word >> 16)};
}

// What an edit field's notification (the high word of WM_COMMAND's wParam) says.
EditNotice EditNoticeOf(WPARAM wParam) {
  switch (HIWORD(wParam)) {
    case EN_CHANGE: return EditNotice::kChanged;
    case EN_KILLFOCUS: return EditNotice::kLeft;
    default: return EditNotice::kNone;
  }
}

// Before the window is first shown, the three axis buttons take the size that their first
// owner-draw would give them. Each resize from inside a WM_DRAWITEM uncovers part of the
// window, which then paints again (three more paints of the whole window and three more
// owner-draws on every opening).
void InitGraphDialog(const GraphDialog& kind, EditorSession& session, HWND window) {
  AttachRecord(window, moduleInstance, kind.legend);
  Win32GraphWindow graph(window);
  for (const int id : {IDC_BUTTON_UP, IDC_BUTTON_RIGHT, IDC_BUTTON_DEFAULT}) {
    graph.ResizeControl(id, kButtonFaceSize, kButtonFaceSize);
  }
  Win32Dialog dialog(window);
  Win32Host host;
  kind.init(session, window, dialog, host);
}

void DestroyGraphDialog(const GraphDialog& kind, HWND window) {
  MakeDeferredMove(window);
  FreeRecord(window);
  Win32Dialog dialog(window);
  Win32Host host;
  kind.destroy(dialog, host);
}

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

void OnCommand(const GraphDialog& kind, EditorSession& session, HWND window, WPARAM wParam) {
  Win32Dialog dialog(window);
  Win32Host host;
  kind.command(session, dialog, host, LOWORD(wParam), EditNoticeOf(wParam));
}

void OnClose(const GraphDialog& kind, EditorSession& session, HWND window) {
  Win32Dialog dialog(window);
  Win32Host host;
  kind.close(session, dialog, host);
}

}  // namespace

void PaintGraphDialog(const GraphDialog& kind, EditorSession& session, HWND window) {
  Win32GraphWindow graph(window);
  Win32ChartAxis axes;
  kind.paint(session, graph, axes);
}

INT_PTR RunGraphDialog(const GraphDialog& kind, EditorSession& session, HWND window, UINT message,
                       WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: InitGraphDialog(kind, session, window); return 1;
    case WM_COMMAND: OnCommand(kind, session, window, wParam); break;
    case WM_PAINT: PaintGraphDialog(kind, session, window); break;
    case WM_DRAWITEM: DrawButton(window, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: OnMouse(kind, session, window, message, MousePointOf(lParam)); break;
    case WM_WINDOWPOSCHANGING:
      if (lParam) TakeDeferredMove(window, *reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case WM_CLOSE: OnClose(kind, session, window); break;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE: ForgetMetrics(window); break;
    case WM_DESTROY: DestroyGraphDialog(kind, window); break;
    default: break;
  }
  return 0;
}
