// The ULVO channel dialog's procedure: unpacks each message and hands it on.
#include <windows.h>

#include "entry/exports.h"
#include "no_throw.h"
#include "entry/module.h"
#include "ulvo/ulvo_control.h"
#include "ulvo/ulvo_drag.h"
#include "win32/editor_bitmaps.h"
#include "win32/graph_messages.h"
#include "win32/win32_dialog.h"
#include "win32/win32_graph_window.h"
#include "win32/win32_host.h"

namespace {

void OnInitDialog(HWND window) {
  AttachBitmaps(window, moduleInstance, EditorBitmaps::kNoLegend);
  SizeAxisButtons(window);
  Win32GraphWindow::ForgetMetrics();  // the settings may have changed while it was closed
  Win32Dialog dialog(window);
  Win32Host host;
  InitUlvoControl(dialog, host);
  ResetUlvoGraphMouse();  // a drag cut short by an earlier dialog's end
}

void OnDestroy(HWND window) {
  FreeBitmaps(window);
  Win32Dialog dialog(window);
  Win32Host host;
  DestroyUlvoControl(dialog, host);
}

}  // namespace

// Returns 1 for WM_INITDIALOG (the dialog manager then sets the focus) and 0 for every
// other message; a close box answered with 0 becomes Cancel in the dialog manager.
extern "C" INT_PTR CALLBACK AcqULVOControlWndProc(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  return NoThrow(INT_PTR{0}, [&]() -> INT_PTR {
    Win32Dialog dialog(window);
    Win32Host host;
    switch (message) {
      case WM_INITDIALOG: OnInitDialog(window); return 1;
      case WM_COMMAND: OnUlvoCommand(dialog, host, LOWORD(wParam), HIWORD(wParam)); break;
      case WM_PAINT: PaintUlvoDialogGraph(window); break;
      case WM_DRAWITEM:
        DrawUlvoDialogButton(window, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        break;
      case WM_MOUSEMOVE: OnUlvoDialogMouseMove(window, lParam); break;
      case WM_LBUTTONDOWN: OnUlvoDialogButtonDown(window, lParam); break;
      case WM_LBUTTONUP: OnUlvoDialogButtonUp(dialog, host, window, lParam); break;
      case WM_CLOSE: CloseUlvoControl(dialog, host); break;
      case WM_SETTINGCHANGE:
      case WM_DISPLAYCHANGE: Win32GraphWindow::ForgetMetrics(); break;
      case WM_DESTROY: OnDestroy(window); break;
      default: break;
    }
    return 0;
  });
}
