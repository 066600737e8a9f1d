// AcqGCInlet: the host's one call to open the editor or bring the open one forward.
#include <windows.h>

#include "editor/editor_window.h"
#include "editor/menu_states.h"
#include "entry/exports.h"
#include "entry/module.h"
#include "hostutil.h"
#include "method/inlet_method.h"
#include "no_throw.h"
#include "resource_ids.h"
#include "win32/win32_dialog.h"

namespace {
// Set while the editor is being created: its initialisation can show a message box,
// whose message loop lets the host call again, and a second editor must not be made
// while the first is not yet in slot 9.
int32_t editorBeingCreated;

void OpenOrRaiseEditor(HWND owner) {
  HWND editor = GetGlobalDialogWnd(kEditorSlot);
  if (!editor) {
    if (editorBeingCreated) return;
    // The window initialises completely during creation, before it enters the slot.
    editorBeingCreated = 1;
    editor = CreateDialogParamA(moduleInstance, TOVREX_DIALOG, owner, AcqGCInletEditorWndProc, 0);
    editorBeingCreated = 0;
    SetGlobalDialogWnd(kEditorSlot, editor);
  } else {
    if (IsIconic(editor)) OpenIcon(editor);
    SetFocus(editor);
  }
  editorValues.methodModified = 0;
  editorValues.ovenEditChanged = 0;
  Win32Dialog dialog(GetGlobalDialogWnd(kEditorSlot));
  UpdateMenuStates(dialog);
}
}  // namespace

// Always returns 1: a failed creation leaves slot 9 empty and the host has nothing to
// report.
extern "C" int WINAPI AcqGCInlet(HWND owner) {
  return NoThrow(1, [&] {
    OpenOrRaiseEditor(owner);
    return 1;
  });
}
