// The editor window's dialog procedure: unpacks each message and hands it on.
#include <windows.h>

#include "editor/editor_commands.h"
#include "editor/editor_window.h"
#include "editor/oven_drag.h"
#include "entry/exports.h"
#include "no_throw.h"
#include "entry/module.h"
#include "win32/editor_bitmaps.h"
#include "win32/graph_messages.h"
#include "win32/win32_dialog.h"
#include "win32/win32_graph_window.h"
#include "win32/win32_host.h"

namespace {

void OnInitDialog(HWND window) {
  AttachBitmaps(window, moduleInstance, EditorBitmaps::kWithLegend);
  SizeAxisButtons(window);
  Win32GraphWindow::ForgetMetrics();  // the settings may have changed while it was closed
  Win32Dialog editor(window);
  Win32Host host;
  InitEditorWindow(editor, host);
  ResetOvenGraphMouse();  // a drag cut short by an earlier window's destruction
  PaintEditorGraph(window);
}

void OnDestroy(HWND window) {
  FreeBitmaps(window);
  Win32Dialog editor(window);
  Win32Host host;
  DestroyEditorWindow(editor, host);
}

}  // namespace

// Returns 1 for WM_INITDIALOG (the dialog manager then sets the focus) and 0 for every
// other message, handled or not.
extern "C" INT_PTR CALLBACK AcqGCInletEditorWndProc(HWND window, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
  return NoThrow(INT_PTR{0}, [&]() -> INT_PTR {
    Win32Dialog editor(window);
    Win32Host host;
    switch (message) {
      case WM_INITDIALOG: OnInitDialog(window); return 1;
      case WM_COMMAND: OnEditorCommand(editor, host, LOWORD(wParam), HIWORD(wParam)); break;
      case WM_PAINT: PaintEditorGraph(window); break;
      case WM_DRAWITEM:
        DrawEditorButton(window, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        break;
      case WM_MOUSEMOVE: OnEditorMouseMove(editor, window, lParam); break;
      case WM_LBUTTONDOWN: OnEditorButtonDown(window, lParam); break;
      case WM_LBUTTONUP: OnEditorButtonUp(editor, host, window, lParam); break;
      case WM_CLOSE: CloseEditorWindow(editor, host); break;
      case WM_SETTINGCHANGE:
      case WM_DISPLAYCHANGE: Win32GraphWindow::ForgetMetrics(); break;
      case WM_DESTROY: OnDestroy(window); break;
      default: break;
    }
    return 0;
  });
}
