// The editor window's dialog procedure: unpacks each message and hands it on.
#include <windows.h>

#include "editor/editor_commands.h"
#include "editor/editor_window.h"
#include "editor/oven_graph.h"
#include "entry/exports.h"
#include "entry/module.h"
#include "no_throw.h"
#include "win32/graph_messages.h"
#include "win32/win32_dialog.h"
#include "win32/win32_host.h"

namespace {

constexpr GraphDialog kEditorWindow{kOvenGraph, EditorBitmaps::kWithLegend, PaintOvenGraph};

void OnInitDialog(EditorSession& session, HWND window) {
  InitGraphDialog(kEditorWindow, window);
  Win32Dialog editor(window);
  Win32Host host;
  InitEditorWindow(session, editor, host);
  PaintGraphDialog(kEditorWindow, session, window);
}

void OnDestroy(HWND window) {
  FreeRecord(window);
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
    EditorSession& session = editorSession;
    if (OnGraphDialogMessage(kEditorWindow, session, window, message, lParam)) return 0;
    Win32Dialog editor(window);
    Win32Host host;
    switch (message) {
      case WM_INITDIALOG: OnInitDialog(session, window); return 1;
      case WM_COMMAND:
        OnEditorCommand(session, editor, host, LOWORD(wParam), EditNoticeOf(wParam));
        break;
      case WM_CLOSE: CloseEditorWindow(session, editor, host); break;
      case WM_DESTROY: OnDestroy(window); break;
      default: break;
    }
    return 0;
  });
}
