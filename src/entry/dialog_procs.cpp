// The ULVO channel dialog's procedure. Until its dialog is built it ends at once with 0
// (Cancel), so the editor treats the menu command as cancelled.
#include <windows.h>

#include "entry/exports.h"

extern "C" INT_PTR CALLBACK AcqULVOControlWndProc(HWND window, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return 0;
  EndDialog(window, 0);
  return 1;
}
