// The editor's command table: menu choices and control notifications.
#include "editor/editor_commands.h"

#include <string>

#include "editor/menu_states.h"
#include "editor/oven_axes.h"
#include "editor/oven_form.h"
#include "editor/oven_validation.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "storage/method_storage.h"

namespace {

constexpr int kEditChange = 0x0300;     // EN_CHANGE
constexpr int kEditKillFocus = 0x0200;  // EN_KILLFOCUS
constexpr const char* kHelpFile = "ACQUHELP.HLP";
constexpr int kHelpContext = 266;

void MarkModified(DialogPort& editor) {
  editorValues.methodModified = 1;
  UpdateMenuStates(editor);
}

void AcceptForm(DialogPort& editor) {
  editor.Invalidate();
  MarkModified(editor);
}

void OnEnter(DialogPort& editor, HostPort& host) {
  editorValues.ovenEditChanged = 0;
  if (ValidateOvenForm(editor, host)) AcceptForm(editor);
}

void OnRowCheck(DialogPort& editor, HostPort& host, int id) {
  ReadStepChecks(editor);
  EnableStepFields(editor, host);
  ShowStepChecks(editor);
  ShiftStepAfterCheck(id);
  FitOvenAxes();
  editor.Invalidate();
  MarkModified(editor);
}

void OnPhaseCheck(DialogPort& editor, HostPort& host) {
  ReadStepChecks(editor);
  EnableStepFields(editor, host);
  ShowStepChecks(editor);
  MarkModified(editor);
}

void OnDumpValve(DialogPort& editor) {
  inletMethod.dumpValve = editor.IsChecked(IDC_DUMP_VALVE) ? 1 : 0;
  MarkModified(editor);
}

// Only the ramp rows validate as the user leaves them; the zones and the two phase
// times wait for Enter, a save or closing. A window being destroyed hides first and so
// takes the focus from its field: that is no edit to check, and its owner closing it
// must not be met with a message.
void OnRampField(DialogPort& editor, HostPort& host, int code) {
  if (code == kEditChange) {
    editorValues.ovenEditChanged = 1;
  } else if (code == kEditKillFocus && editorValues.ovenEditChanged && editor.IsShown()) {
    // The repaint that follows clears the pending edit; validation itself does not.
    if (ValidateOvenForm(editor, host)) AcceptForm(editor);
  }
}

void OnNew(DialogPort& editor, HostPort& host) {
  editorValues.ovenEditChanged = 0;
  if (!ValidateOvenForm(editor, host)) return;
  if (!SaveMethod(editor, host, FileChoice::kAsk, SavePrompt::kAskFirst)) return;
  SetMethodDefaults();
  editorValues.methodModified = 0;
  UpdateMenuStates(editor);
  editorValues.methodUntitled = 1;
  ShowMethod(editor, host);
  FitOvenAxes();
  EnableStepFields(editor, host);
  editor.Invalidate();
}

// Open does not validate: the form is about to be replaced.
void OnOpen(DialogPort& editor, HostPort& host) {
  editorValues.ovenEditChanged = 0;
  if (!SaveMethod(editor, host, FileChoice::kAsk, SavePrompt::kAskFirst)) return;
  if (!OpenMethod(editor, host, FileChoice::kAsk)) return;
  editorValues.methodUntitled = 0;
  ShowMethod(editor, host);
  EnableStepFields(editor, host);
  FitOvenAxes();
  editor.Invalidate();
  editorValues.methodModified = 0;
  UpdateMenuStates(editor);
}

void OnSave(DialogPort& editor, HostPort& host, FileChoice file) {
  editorValues.ovenEditChanged = 0;
  if (!ValidateOvenForm(editor, host)) return;
  if (!SaveMethod(editor, host, file, SavePrompt::kNone)) return;
  editorValues.methodUntitled = 0;
  ShowMethod(editor, host);
  editorValues.methodModified = 0;
  UpdateMenuStates(editor);
}

// File > Exit goes the same way as the close box: the window's close handling
// validates and offers to save.
void OnExit(DialogPort& editor) {
  editorValues.ovenEditChanged = 0;
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
void RunModal(DialogPort& editor, ModalDialog dialog) {
  const int result = editor.RunDialog(dialog);
  if (result == kDialogNotCreated) {
    editor.Ask(std::string("The ") + DialogName(dialog) +
                   " window could not be opened.\n\nThe plug-in may be damaged; reinstall it.",
               "TOVREX", AskKind::kOkInformation);
    return;
  }
  if (result) MarkModified(editor);
}

void RunChannel(DialogPort& editor, int channel) {
  editorValues.ulvoChannel = channel;
  RunModal(editor, ModalDialog::kUlvoControl);
}

}  // namespace

int OnEditorCommand(DialogPort& editor, HostPort& host, int id, int code) {
  switch (id) {
    case CMD_ENTER: OnEnter(editor, host); break;
    case IDC_BUTTON_UP:
      EnlargeTempAxis();
      editor.Invalidate();
      break;
    case IDC_BUTTON_RIGHT:
      EnlargeTimeAxis();
      editor.Invalidate();
      break;
    case IDC_BUTTON_DEFAULT:
      FitOvenAxes();
      editor.Invalidate();
      break;
    case IDC_ROW1_CHECK:
    case IDC_ROW2_CHECK:
    case IDC_ROW3_CHECK:
    case IDC_ROW4_CHECK: OnRowCheck(editor, host, id); break;
    case IDC_STANDBY_CHECK:
    case IDC_TIME5_CHECK: OnPhaseCheck(editor, host); break;
    case IDC_DUMP_VALVE: OnDumpValve(editor); break;
    case IDC_ROW1_TEMP:
    case IDC_ROW1_TIME:
    case IDC_ROW1_RATE:
    case IDC_ROW2_RATE:
    case IDC_ROW3_RATE:
    case IDC_ROW2_TEMP:
    case IDC_ROW3_TEMP:
    case IDC_ROW4_TEMP:
    case IDC_ROW2_TIME:
    case IDC_ROW3_TIME:
    case IDC_ROW4_TIME: OnRampField(editor, host, code); break;
    case IDM_FILE_NEW: OnNew(editor, host); break;
    case IDM_FILE_OPEN: OnOpen(editor, host); break;
    case IDM_FILE_SAVE: OnSave(editor, host, FileChoice::kCurrent); break;
    case IDM_FILE_SAVE_AS: OnSave(editor, host, FileChoice::kAsk); break;
    case IDM_FILE_EXIT: OnExit(editor); break;
    case IDM_VALVE_TIMETABLE: RunModal(editor, ModalDialog::kValveTimetable); break;
    case IDM_HELP_TOVREX: editor.ShowHelp(kHelpFile, kHelpContext); break;
    case IDM_ULVO_RIGHT: RunChannel(editor, 1); break;
    case IDM_ULVO_LEFT: RunChannel(editor, 0); break;
    case IDM_ULVO_CONFIGURATION: RunModal(editor, ModalDialog::kUlvoConfiguration); break;
    default: break;
  }
  return 0;
}
