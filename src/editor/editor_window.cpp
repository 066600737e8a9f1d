// The editor window's initialisation, closing and destruction sequences.
#include "editor/editor_window.h"

#include "editor/menu_states.h"
#include "editor/oven_axes.h"
#include "editor/oven_form.h"
#include "editor/oven_graph.h"
#include "editor/oven_validation.h"
#include "editor/window_position.h"
#include "method/inlet_method.h"
#include "storage/method_storage.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_state.h"

namespace {

// The method of the host's current database; false (the caller takes the defaults) when
// it cannot be read or belongs to another instrument.
bool LoadCurrentMethod(DialogPort& editor, HostPort& host) {
  return OpenMethod(editor, host, FileChoice::kCurrent);
}

// Asks about a modified method and saves it on Yes; false (stay open) after Cancel or a
// failed save.
bool OfferToSaveBeforeClose(DialogPort& editor, HostPort& host) {
  return SaveMethod(editor, host, FileChoice::kCurrent, SavePrompt::kAskFirst);
}

}  // namespace

void InitEditorWindow(DialogPort& editor, HostPort& host) {
  if (!LoadCurrentMethod(editor, host)) SetMethodDefaults();
  RestoreWindowPosition(editor, host, kEditorPosSection, kEditorPosKey);
  editorValues.methodUntitled = 0;
  ShowMethod(editor, host);
  EnableStepFields(editor, host);
  FitOvenAxes();
  ApplyUlvoMenuOption(editor, host);
  LoadMinOvenTemp(host);
}

int CloseEditorWindow(DialogPort& editor, HostPort& host) {
  if (!ValidateOvenForm(editor, host)) return 0;
  if (!OfferToSaveBeforeClose(editor, host)) return 0;
  host.SetDialogSlot(kEditorSlot, kNoWindow);
  editor.Destroy();
  return 1;
}

void DestroyEditorWindow(DialogPort& editor, HostPort& host) {
  StoreWindowPosition(editor, host, kEditorPosSection, kEditorPosKey);
  host.SetDialogSlot(kEditorSlot, kNoWindow);
}

void ResetEditorState() {
  inletMethod = {};
  editorValues = {};
  ulvoValues = {};
  ovenGraph = {};
  ulvoGraph = {};
}
