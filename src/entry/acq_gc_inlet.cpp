// AcqGCInlet: the host's one call to open the editor or bring the open one forward.
#include <windows.h>

#include "editor/editor_window.h"
#include "editor/menu_states.h"
#include "entry/exports.h"
#include "entry/module.h"
#include "hostutil.h"
#include "no_throw.h"
#include "reentry_guard.h"
#include "resource_ids.h"
#include "win32/win32_dialog.h"

namespace {

// The window initialises completely during creation, before it enters the slot.
void CreateEditor(EditorSession& session, HWND owner) {
  const ReentryGuard creating(session.beingCreated);
  HWND editor =
      CreateDialogParamA(moduleInstance, TOVREX_DIALOG, owner, AcqGCInletEditorWndProc, 0);
  SetGlobalDialogWnd(kEditorSlot, editor);
}

void RaiseEditor(HWND editor) {
  if (IsIconic(editor)) OpenIcon(editor);
  SetFocus(editor);
}

}  // namespace

// Always returns 1: a failed creation leaves slot 9 empty and the host has nothing to
// report.
extern "C" int WINAPI AcqGCInlet(HWND owner) {
  return NoThrow(1, [&] {
    EditorSession& session = editorSession;
    HWND editor = GetGlobalDialogWnd(kEditorSlot);
    switch (DecideEditorOpening(editor != nullptr, session.beingCreated)) {
      case EditorOpening::kIgnore: return 1;
      case EditorOpening::kCreate: CreateEditor(session, owner); break;
      case EditorOpening::kRaise: RaiseEditor(editor); break;
    }
    session.values.methodModified = false;
    session.values.ovenEditChanged = false;
    Win32Dialog dialog(GetGlobalDialogWnd(kEditorSlot));
    UpdateMenuStates(session, dialog);
    return 1;
  });
}
