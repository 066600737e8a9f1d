// The modal dialogs' procedures. Until their dialogs are built each one ends its dialog
// at once with 0 (Cancel), so the editor treats the menu command as cancelled.
#include <windows.h>

#include "entry/exports.h"

namespace {
INT_PTR EndAtOnce(HWND window, UINT message) {
  if (message != WM_INITDIALOG) return 0;
  EndDialog(window, 0);
  return 1;
}
}  // namespace

extern "C" INT_PTR CALLBACK AcqULVOConfigWndProc(HWND window, UINT message, WPARAM, LPARAM) {
  return EndAtOnce(window, message);
}

extern "C" INT_PTR CALLBACK AcqULVOControlWndProc(HWND window, UINT message, WPARAM, LPARAM) {
  return EndAtOnce(window, message);
}

extern "C" INT_PTR CALLBACK AcqGCInletEventWndProc(HWND window, UINT message, WPARAM, LPARAM) {
  return EndAtOnce(window, message);
}
