// The editor window's initialisation, closing and destruction sequences.
#include "editor/editor_window.h"

#include "editor/menu_states.h"
#include "editor/oven_graph.h"
#include "editor/oven_form.h"
#include "editor/oven_validation.h"
#include "editor/window_position.h"
#include "storage/method_storage.h"

namespace {

// The method of the host's current database; false (the caller takes the defaults) when
// it cannot be read or belongs to another instrument.
bool LoadCurrentMethod(InletMethod& method, DialogPort& editor, HostPort& host) {
  return OpenMethod(method, editor, host, FileChoice::kCurrent);
}

// Asks about a modified method and saves it on Yes; false (stay open) after Cancel or a
// failed save.
bool OfferToSaveBeforeClose(const EditorSession& session, DialogPort& editor, HostPort& host) {
  return SaveMethod(session.method, session.values, editor, host, FileChoice::kCurrent,
                    SavePrompt::kAskFirst);
}

}  // namespace

EditorOpening DecideEditorOpening(bool editorInSlot, bool beingCreated) {
  if (editorInSlot) return EditorOpening::kRaise;
  return beingCreated ? EditorOpening::kIgnore : EditorOpening::kCreate;
}

void InitEditorWindow(EditorSession& session, DialogPort& editor, HostPort& host) {
  if (!LoadCurrentMethod(session.method, editor, host)) SetMethodDefaults(session.method);
  RestoreWindowPosition(editor, host, kEditorPosSection, kEditorPosKey);
  session.values.methodUntitled = false;
  ShowMethod(session, editor, host);
  EnableStepFields(session, editor, host);
  FitOvenAxes(session);
  ApplyUlvoMenuOption(editor, host);
  LoadMinOvenTemp(session.values, host);
  ResetGraphMouse(session.ovenGraph);
}

void CloseEditorWindow(EditorSession& session, DialogPort& editor, HostPort& host) {
  if (!ValidateOvenForm(session, editor, host)) return;
  if (!OfferToSaveBeforeClose(session, editor, host)) return;
  host.SetDialogSlot(kEditorSlot, kNoWindow);
  editor.Destroy();
}

void DestroyEditorWindow(DialogPort& editor, HostPort& host) {
  StoreWindowPosition(editor, host, kEditorPosSection, kEditorPosKey);
  host.SetDialogSlot(kEditorSlot, kNoWindow);
}
