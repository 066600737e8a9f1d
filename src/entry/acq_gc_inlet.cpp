// AcqGCInlet: the host's one call to open the editor or bring the open one forward.
#include <windows.h>

#include "editor/editor_window.h"
#include "editor/menu_states.h"
#include "entry/exports.h"
#include "entry/module.h"
#include "hostutil.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "win32/win32_dialog.h"

// Always returns 1: a failed creation leaves slot 9 empty and the host has nothing to
// report.
extern "C" int WINAPI AcqGCInlet(HWND owner) {
  HWND editor = GetGlobalDialogWnd(kEditorSlot);
  if (!editor) {
    // The window initialises completely during creation, before it enters the slot.
    editor = CreateDialogParamA(moduleInstance, TOVREX_DIALOG, owner, AcqGCInletEditorWndProc, 0);
    SetGlobalDialogWnd(kEditorSlot, editor);
  } else {
    if (IsIconic(editor)) OpenIcon(editor);
    SetFocus(editor);
  }
  editorValues.methodModified = 0;
  editorValues.ovenEditChanged = 0;
  Win32Dialog dialog(GetGlobalDialogWnd(kEditorSlot));
  UpdateMenuStates(dialog);
  return 1;
}
