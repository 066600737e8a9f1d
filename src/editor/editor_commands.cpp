// The editor's command table: menu choices and control notifications.
#include "editor/editor_commands.h"

#include <string>

#include "editor/menu_states.h"
#include "editor/oven_form.h"
#include "editor/oven_graph.h"
#include "editor/oven_validation.h"
#include "resource_ids.h"
#include "storage/method_storage.h"

namespace {

constexpr const char* kHelpFile = "ACQUHELP.HLP";
constexpr int kHelpContext = 266;

void MarkModified(EditorSession& session, DialogPort& editor) {
  session.values.methodModified = true;
  UpdateMenuStates(session, editor);
}

void AcceptForm(EditorSession& session, DialogPort& editor) {
  editor.Invalidate();
  MarkModified(session, editor);
}

void OnEnter(EditorSession& session, DialogPort& editor, HostPort& host) {
  session.values.ovenEditChanged = false;
  if (ValidateOvenForm(session, editor, host)) AcceptForm(session, editor);
}

void OnRowCheck(EditorSession& session, DialogPort& editor, HostPort& host, int id) {
  ReadStepChecks(session, editor);
  EnableStepFields(session, editor, host);
  ShowStepChecks(session, editor);
  ShiftStepAfterCheck(session, id);
  FitOvenAxes(session);
  editor.Invalidate();
  MarkModified(session, editor);
}

void OnPhaseCheck(EditorSession& session, DialogPort& editor, HostPort& host) {
  ReadStepChecks(session, editor);
  EnableStepFields(session, editor, host);
  ShowStepChecks(session, editor);
  MarkModified(session, editor);
}

void OnDumpValve(EditorSession& session, DialogPort& editor) {
  session.method.dumpValve = editor.IsChecked(IDC_DUMP_VALVE) ? 1 : 0;
  MarkModified(session, editor);
}

// Only the ramp rows validate as the user leaves them; the zones and the two phase
// times wait for Enter, a save or closing. A window being destroyed hides first and so
// takes the focus from its field: that is no edit to check, and its owner closing it
// must not be met with a message.
void OnRampField(EditorSession& session, DialogPort& editor, HostPort& host, EditNotice notice) {
  if (notice == EditNotice::kChanged) {
    session.values.ovenEditChanged = true;
  } else if (notice == EditNotice::kLeft && session.values.ovenEditChanged && editor.IsShown()) {
    // The repaint that follows clears the pending edit; validation itself does not.
    if (ValidateOvenForm(session, editor, host)) AcceptForm(session, editor);
  }
}

void OnNew(EditorSession& session, DialogPort& editor, HostPort& host) {
  session.values.ovenEditChanged = false;
  if (!ValidateOvenForm(session, editor, host)) return;
  if (!SaveMethod(session.method, session.values, editor, host, FileChoice::kAsk,
                  SavePrompt::kAskFirst)) {
    return;
  }
  SetMethodDefaults(session.method);
  session.values.methodModified = false;
  UpdateMenuStates(session, editor);
  session.values.methodUntitled = true;
  ShowMethod(session, editor, host);
  FitOvenAxes(session);
  EnableStepFields(session, editor, host);
  editor.Invalidate();
}

// Open does not validate: the form is about to be replaced.
void OnOpen(EditorSession& session, DialogPort& editor, HostPort& host) {
  session.values.ovenEditChanged = false;
  if (!SaveMethod(session.method, session.values, editor, host, FileChoice::kAsk,
                  SavePrompt::kAskFirst)) {
    return;
  }
  if (!OpenMethod(session.method, editor, host, FileChoice::kAsk)) return;
  session.values.methodUntitled = false;
  ShowMethod(session, editor, host);
  EnableStepFields(session, editor, host);
  FitOvenAxes(session);
  editor.Invalidate();
  session.values.methodModified = false;
  UpdateMenuStates(session, editor);
}

void OnSave(EditorSession& session, DialogPort& editor, HostPort& host, FileChoice file) {
  session.values.ovenEditChanged = false;
  if (!ValidateOvenForm(session, editor, host)) return;
  if (!SaveMethod(session.method, session.values, editor, host, file, SavePrompt::kNone)) return;
  session.values.methodUntitled = false;
  ShowMethod(session, editor, host);
  session.values.methodModified = false;
  UpdateMenuStates(session, editor);
}

// File > Exit goes the same way as the close box: the window's close handling
// validates and offers to save.
void OnExit(EditorSession& session, DialogPort& editor) {
  session.values.ovenEditChanged = false;
  editor.PostClose();
}

const char* DialogName(ModalDialog dialog) {
  switch (dialog) {
    case ModalDialog::kValveTimetable: return "Valve Timetable";
    case ModalDialog::kUlvoConfiguration: return "ULVO Configuration";
    case ModalDialog::kUlvoControl: return "ULVO Channel Control";
  }
  return "";
}

// Every OK of a modal dialog counts as a change, whether or not anything changed. A
// dialog that cannot be created changes nothing either, but the user must learn why
// the menu choice showed nothing.
void RunModal(EditorSession& session, DialogPort& editor, ModalDialog dialog) {
  const int result = editor.RunDialog(dialog);
  if (result == kDialogNotCreated) {
    editor.Ask(std::string("The ") + DialogName(dialog) +
                   " window could not be opened.\n\nThe plug-in may be damaged; reinstall it.",
               "TOVREX", AskKind::kOkInformation);
    return;
  }
  if (result) MarkModified(session, editor);
}

void RunChannel(EditorSession& session, DialogPort& editor, int channel) {
  session.values.ulvoChannel = channel;
  RunModal(session, editor, ModalDialog::kUlvoControl);
}

}  // namespace

void OnEditorCommand(EditorSession& session, DialogPort& editor, HostPort& host, int id,
                     EditNotice notice) {
  if (OnAxisButton(kOvenGraph, session, editor, id)) return;
  switch (id) {
    case CMD_ENTER: OnEnter(session, editor, host); break;
    case IDC_STANDBY_CHECK:
    case IDC_TIME5_CHECK: OnPhaseCheck(session, editor, host); break;
    case IDC_DUMP_VALVE: OnDumpValve(session, editor); break;
    case IDM_FILE_NEW: OnNew(session, editor, host); break;
    case IDM_FILE_OPEN: OnOpen(session, editor, host); break;
    case IDM_FILE_SAVE: OnSave(session, editor, host, FileChoice::kCurrent); break;
    case IDM_FILE_SAVE_AS: OnSave(session, editor, host, FileChoice::kAsk); break;
    case IDM_FILE_EXIT: OnExit(session, editor); break;
    case IDM_VALVE_TIMETABLE: RunModal(session, editor, ModalDialog::kValveTimetable); break;
    case IDM_HELP_TOVREX: editor.ShowHelp(kHelpFile, kHelpContext); break;
    case IDM_ULVO_RIGHT: RunChannel(session, editor, 1); break;
    case IDM_ULVO_LEFT: RunChannel(session, editor, 0); break;
    case IDM_ULVO_CONFIGURATION: RunModal(session, editor, ModalDialog::kUlvoConfiguration); break;
    default:
      if (IsRowCheck(kOvenForm, id)) OnRowCheck(session, editor, host, id);
      if (IsRowField(kOvenForm, id)) OnRampField(session, editor, host, notice);
      break;
  }
}
