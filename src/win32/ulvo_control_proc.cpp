// The ULVO channel dialog's procedure: unpacks each message and hands it on.
#include <windows.h>

#include "entry/exports.h"
#include "entry/module.h"
#include "no_throw.h"
#include "ulvo/ulvo_control.h"
#include "ulvo/ulvo_graph.h"
#include "win32/graph_messages.h"
#include "win32/win32_dialog.h"
#include "win32/win32_host.h"

namespace {

constexpr GraphDialog kChannelDialog{kUlvoGraph, EditorBitmaps::kNoLegend, PaintUlvoGraph};

void OnDestroy(HWND window) {
  FreeRecord(window);
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
    EditorSession& session = editorSession;
    if (OnGraphDialogMessage(kChannelDialog, session, window, message, lParam)) return 0;
    Win32Dialog dialog(window);
    Win32Host host;
    switch (message) {
      case WM_INITDIALOG:
        InitGraphDialog(kChannelDialog, window);
        InitUlvoControl(session, dialog, host);
        return 1;
      case WM_COMMAND:
        OnUlvoCommand(session, dialog, host, LOWORD(wParam), EditNoticeOf(wParam));
        break;
      case WM_CLOSE: CloseUlvoControl(session, dialog, host); break;
      case WM_DESTROY: OnDestroy(window); break;
      default: break;
    }
    return 0;
  });
}
