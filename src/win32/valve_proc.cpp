// The valve timetable's dialog procedure: unpacks each message and hands it on.
#include <windows.h>

#include "editor/valve_timetable.h"
#include "entry/exports.h"
#include "entry/module.h"
#include "no_throw.h"
#include "win32/win32_dialog.h"
#include "win32/win32_host.h"

// Returns 1 for WM_INITDIALOG (the dialog manager then puts the focus in Purge) and 0 for
// every other message.
extern "C" INT_PTR CALLBACK AcqGCInletEventWndProc(HWND window, UINT message, WPARAM wParam,
                                                   LPARAM) {
  return NoThrow(INT_PTR{0}, [&]() -> INT_PTR {
    Win32Dialog dialog(window);
    Win32Host host;
    switch (message) {
      case WM_INITDIALOG: ShowValveTimes(editorSession.method, dialog, host); return 1;
      case WM_COMMAND: OnValveCommand(editorSession.method, dialog, host, LOWORD(wParam)); break;
      default: break;
    }
    return 0;
  });
}
