// The editor's commands: what each does to the method, the flags, the menu and the
// form, and where a refusal or a cancel stops it.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/editor_commands.h"
#include "editor/oven_form.h"
#include "fakes/editor_fixture.h"
#include "resource_ids.h"

namespace {

constexpr EditNotice kChange = EditNotice::kChanged;
constexpr EditNotice kKillFocus = EditNotice::kLeft;

class EditorCommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    host.globalFile = FileEntry("c:\\data", "m1", "db");
    ShowMethod(session, editor, host);  // a valid form showing the defaults
    host.log.clear();
    editor.log.clear();
  }
  void Command(int id, EditNotice notice = EditNotice::kNone) {
    OnEditorCommand(session, editor, host, id, notice);
  }
  bool HostCalled(const std::string& prefix) const {
    return std::any_of(host.log.begin(), host.log.end(),
                       [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
  }
};

// A ramp field is validated when it loses the focus after an edit; Enter validates the
// whole form. An accepted form marks the method modified, enables Save and repaints.
TEST_F(EditorCommandsTest, AnEditedRampFieldIsValidatedWhenLeftAndTheFormOnEnter) {
  editor.text[IDC_ROW2_TEMP] = "175";
  Command(IDC_ROW2_TEMP, kKillFocus);
  EXPECT_EQ(session.method.ovenStep[1].level, 150.0) << "unchanged field: no validation";
  Command(IDC_ROW2_TEMP, kChange);
  EXPECT_TRUE(session.values.ovenEditChanged);
  Command(IDC_ROW2_TEMP, kKillFocus);
  EXPECT_EQ(session.method.ovenStep[1].level, 175.0);
  EXPECT_TRUE(session.values.methodModified);
  EXPECT_TRUE(editor.menuEnabled[IDM_FILE_SAVE]);
  EXPECT_EQ(editor.invalidations, 1);
  EXPECT_TRUE(session.values.ovenEditChanged) << "the repaint clears it, not validation";

  session.values.methodModified = false;
  editor.text[IDC_ROW1_RATE] = "0";
  Command(IDC_ROW1_RATE, kChange);
  Command(IDC_ROW1_RATE, kKillFocus);
  EXPECT_EQ(editor.focusedId, IDC_ROW1_RATE);
  editor.text[IDC_ROW1_RATE] = "10";
  editor.text[IDC_ZONE1_TEMP] = "500";
  Command(CMD_ENTER);
  EXPECT_EQ(editor.focusedId, IDC_ZONE1_TEMP);
  EXPECT_FALSE(session.values.methodModified);
  EXPECT_EQ(editor.invalidations, 1);
  editor.text[IDC_ZONE1_TEMP] = "300";
  Command(CMD_ENTER);
  EXPECT_TRUE(session.values.methodModified);
  EXPECT_EQ(editor.invalidations, 2);
  EXPECT_FALSE(session.values.ovenEditChanged);
}

// Clearing row 2 takes it out of use and refits the axes; ticking row 3 moves it behind
// row 2's hold (the rules themselves are the form's tests'). The phase boxes store their
// state without a repaint. Every one marks the method modified.
TEST_F(EditorCommandsTest, CheckBoxesChangeTheRowsInUseAndMarkTheMethod) {
  editor.checked[IDC_ROW2_CHECK] = false;
  Command(IDC_ROW2_CHECK);
  EXPECT_EQ(session.method.ovenStep[1].enabled, 0);
  EXPECT_EQ(RowsInUse(session.method.ovenStep), 1);
  EXPECT_FALSE(editor.enabled[IDC_ROW2_TEMP]);
  EXPECT_FALSE(editor.enabled[IDC_ROW1_RATE]);
  EXPECT_EQ(session.method.tempAxisMax, 100.0);
  EXPECT_EQ(session.method.timeAxisMax, 2.0);
  EXPECT_TRUE(session.values.methodModified);
  EXPECT_TRUE(editor.menuEnabled[IDM_FILE_SAVE]);
  EXPECT_EQ(editor.invalidations, 1);

  session.method.ovenStep[2].start = 5;  // before row 2's hold ends at 12
  editor.checked[IDC_ROW2_CHECK] = editor.checked[IDC_ROW3_CHECK] = true;
  Command(IDC_ROW3_CHECK);
  EXPECT_EQ(session.method.timeAxisMax, 14.0) << "row 3 moved behind row 2's hold";
  EXPECT_TRUE(editor.enabled[IDC_ROW2_RATE]);

  session.values.methodModified = false;
  editor.invalidations = 0;
  editor.checked[IDC_STANDBY_CHECK] = true;
  Command(IDC_STANDBY_CHECK);
  EXPECT_EQ(session.method.standbyEnabled, 1);
  EXPECT_TRUE(editor.enabled[IDC_STANDBY_TIME]);
  EXPECT_TRUE(session.values.methodModified);
  EXPECT_EQ(editor.invalidations, 0);
  for (bool on : {true, false}) {
    editor.checked[IDC_DUMP_VALVE] = on;
    Command(IDC_DUMP_VALVE);
    EXPECT_EQ(session.method.dumpValve, on ? 1 : 0);
  }
}

// The axis buttons change only the axes; help opens the host's help file at the editor's
// context; Exit only asks the window to close, dropping a pending edit's claim (the close
// validates); Escape, a zone field's notices (zones wait for Enter) and unknown commands
// do nothing at all.
TEST_F(EditorCommandsTest, AxisButtonsHelpAndOtherCommands) {
  session.method.tempAxisMax = 200;
  Command(IDC_BUTTON_UP);
  Command(IDC_BUTTON_RIGHT);
  EXPECT_EQ(session.method.tempAxisMax, 300.0);
  EXPECT_EQ(session.method.timeAxisMax, 18.0);
  Command(IDC_BUTTON_DEFAULT);
  EXPECT_EQ(session.method.tempAxisMax, 150.0);
  Command(IDM_HELP_TOVREX);
  EXPECT_EQ(editor.helpShown, (std::vector<std::pair<std::string, int>>{{"ACQUHELP.HLP", 266}}));
  session.values.ovenEditChanged = true;
  Command(IDM_FILE_EXIT);
  EXPECT_EQ(editor.closesPosted, 1);
  EXPECT_FALSE(session.values.ovenEditChanged);
  editor.log.clear();
  for (int id : {CMD_ESCAPE, IDC_ZONE1_TEMP, 0, 3, 207, 211, 999, 65535}) {
    for (EditNotice notice : {EditNotice::kNone, kChange, kKillFocus}) Command(id, notice);
  }
  EXPECT_TRUE(editor.log.empty());
  EXPECT_TRUE(host.log.empty());
  EXPECT_FALSE(session.values.methodModified);
  EXPECT_FALSE(session.values.ovenEditChanged);
}

TEST_F(EditorCommandsTest, ADialogEndedWithOkMarksTheMethodModified) {
  const std::tuple<int, ModalDialog, int> cases[] = {
      // the channel, -1 for no channel
      {IDM_VALVE_TIMETABLE, ModalDialog::kValveTimetable, -1},
      {IDM_ULVO_CONFIGURATION, ModalDialog::kUlvoConfiguration, -1},
      {IDM_ULVO_LEFT, ModalDialog::kUlvoControl, 0},
      {IDM_ULVO_RIGHT, ModalDialog::kUlvoControl, 1},
  };
  for (const auto& [id, dialog, channel] : cases) {
    SCOPED_TRACE(id);
    for (int result : {0, 1, kDialogNotCreated}) {
      session.values.methodModified = false;
      session.values.ulvoChannel = 7;
      editor.dialogsRun.clear();
      editor.questions.clear();
      editor.dialogResults[dialog] = result;
      Command(id);
      EXPECT_EQ(editor.dialogsRun, std::vector<ModalDialog>{dialog});
      EXPECT_EQ(session.values.methodModified, result == 1);
      // A dialog that could not be created is not a silent Cancel.
      ASSERT_EQ(editor.questions.size(), result == kDialogNotCreated ? 1u : 0u);
      if (result == kDialogNotCreated) {
        EXPECT_NE(editor.questions[0].text.find("could not be opened"), std::string::npos);
        EXPECT_EQ(editor.questions[0].kind, AskKind::kOkInformation);
      }
      EXPECT_EQ(session.values.ulvoChannel, channel < 0 ? 7 : channel);
    }
  }
}

// New asks (a refused form first stops it), and after No takes the defaults untitled;
// Cancel, or Yes with its Save As cancelled, keeps the method. Open does not validate
// (the form is about to be replaced); Cancel at its question shows no file dialog.
TEST_F(EditorCommandsTest, NewAndOpenAskFirstAndStopAtACancel) {
  editor.text[IDC_ROW1_TIME] = "-1";
  session.values.ovenEditChanged = true;
  Command(IDM_FILE_NEW);
  EXPECT_FALSE(session.values.ovenEditChanged) << "a pending edit is dropped, not checked again";
  EXPECT_TRUE(editor.questions.empty());
  EXPECT_EQ(host.reported.size(), 1u) << "the refusal only";
  host.reported.clear();
  editor.answers = {Answer::kCancel};
  Command(IDM_FILE_OPEN);
  EXPECT_TRUE(host.reported.empty());
  EXPECT_EQ(editor.questions.size(), 1u);
  EXPECT_FALSE(HostCalled("GenGetNormalFile"));
  editor.answers = {Answer::kNo};  // the Open dialog is then cancelled
  session.values.methodModified = true;
  Command(IDM_FILE_OPEN);
  EXPECT_TRUE(HostCalled("GenGetNormalFile"));
  EXPECT_TRUE(session.values.methodModified);
  EXPECT_EQ(editor.invalidations, 0);

  editor.text[IDC_ROW1_TIME] = "2";
  session.method.zone1Temp = 99;
  editor.text[IDC_ZONE1_TEMP] = "99";
  for (Answer answer : {Answer::kCancel, Answer::kYes, Answer::kNo}) {
    SCOPED_TRACE(static_cast<int>(answer));
    editor.questions.clear();
    editor.answers = {answer};
    Command(IDM_FILE_NEW);
    ASSERT_EQ(editor.questions.size(), 1u);
    EXPECT_EQ(editor.questions[0].text, "Dialog has Changed. Save changes ?");
    const bool renewed = answer == Answer::kNo;
    EXPECT_EQ(session.method.zone1Temp, renewed ? 150.0 : 99.0);
    EXPECT_EQ(session.values.methodUntitled, renewed ? 1 : 0);
  }
  EXPECT_EQ(editor.text[IDC_ZONE1_TEMP], "150");
  EXPECT_FALSE(session.values.methodModified);
  EXPECT_EQ(editor.title, "TOVREX Control - [Untitled]");
  EXPECT_FALSE(HostCalled("DB3"));
}

// Save checks the form first: a refused field writes nothing.
TEST_F(EditorCommandsTest, SaveWritesOnlyAValidForm) {
  session.values.methodModified = true;
  editor.text[IDC_TIME5] = "900";
  Command(IDM_FILE_SAVE);
  EXPECT_FALSE(HostCalled("DB3"));
  editor.text[IDC_TIME5] = "0";
  session.values.methodUntitled = true;  // asks for a name, and is titled once saved
  host.saveDialogResult = 1;
  Command(IDM_FILE_SAVE);
  EXPECT_EQ(host.dbRecord.size(), 2456u);
  EXPECT_FALSE(session.values.methodModified);
  EXPECT_FALSE(session.values.methodUntitled);
}

}  // namespace
