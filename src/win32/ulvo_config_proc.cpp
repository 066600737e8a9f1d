// The ULVO configuration's dialog procedure: unpacks each message and hands it on.
#include <windows.h>

#include "entry/exports.h"
#include "entry/module.h"
#include "no_throw.h"
#include "ulvo/ulvo_config.h"
#include "win32/win32_dialog.h"

// Returns 1 for WM_INITDIALOG (the dialog manager then sets the focus) and 0 for every
// other message.
extern "C" INT_PTR CALLBACK AcqULVOConfigWndProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  return NoThrow(INT_PTR{0}, [&]() -> INT_PTR {
    Win32Dialog dialog(window);
    switch (message) {
      case WM_INITDIALOG: ShowUlvoModes(editorSession.method, dialog); return 1;
      case WM_COMMAND: OnUlvoConfigCommand(editorSession.method, dialog, LOWORD(wParam)); break;
      default: break;
    }
    return 0;
  });
}
