// The editor's commands: what each does to the method, the flags, the menu and the
// form, and where a refusal or a cancel stops it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "editor/editor_commands.h"
#include "editor/oven_form.h"
#include "fakes/editor_fixture.h"
#include "method/inlet_method.h"
#include "resource_ids.h"

namespace {

constexpr int kChange = 0x0300;
constexpr int kKillFocus = 0x0200;

class EditorCommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    std::strcpy(host.globalFile.directory, "c:\\data");
    std::strcpy(host.globalFile.fileName, "m1");
    std::strcpy(host.globalFile.extension, "db");
    ShowMethod(editor, host);  // a valid form showing the defaults
    host.log.clear();
    editor.log.clear();
  }
  void Command(int id, int code = 0) { OnEditorCommand(editor, host, id, code); }
  bool HostCalled(const std::string& prefix) const {
    return std::any_of(host.log.begin(), host.log.end(),
                       [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
  }
};

TEST_F(EditorCommandsTest, EnterMarksAValidFormModifiedAndStopsAtARefusedField) {
  editorValues.ovenEditChanged = 1;
  Command(CMD_ENTER);
  EXPECT_EQ(editorValues.methodModified, 1);
  EXPECT_TRUE(editor.menuEnabled[IDM_FILE_SAVE]);
  EXPECT_EQ(editor.invalidations, 1);
  EXPECT_EQ(editorValues.ovenEditChanged, 0);

  editorValues.methodModified = 0;
  editor.text[IDC_ZONE1_TEMP] = "500";
  Command(CMD_ENTER);
  EXPECT_EQ(editorValues.methodModified, 0);
  EXPECT_EQ(editor.invalidations, 1);
  EXPECT_EQ(editor.focusedId, IDC_ZONE1_TEMP);
}

TEST_F(EditorCommandsTest, EscapeAndUnknownCommandsDoNothing) {
  for (int id : {CMD_ESCAPE, 0, 3, 207, 211, 999, 65535}) {
    SCOPED_TRACE(id);
    Command(id);
  }
  EXPECT_TRUE(editor.log.empty());
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(editorValues.methodModified, 0);
}

TEST_F(EditorCommandsTest, LeavingAnEditedRampFieldValidatesTheForm) {
  editor.text[IDC_ROW2_TEMP] = "175";
  Command(IDC_ROW2_TEMP, kKillFocus);
  EXPECT_EQ(inletMethod.ovenStep[1].temp, 150.0) << "unchanged field: no validation";
  Command(IDC_ROW2_TEMP, kChange);
  EXPECT_EQ(editorValues.ovenEditChanged, 1);
  Command(IDC_ROW2_TEMP, kKillFocus);
  EXPECT_EQ(inletMethod.ovenStep[1].temp, 175.0);
  EXPECT_EQ(editorValues.methodModified, 1);
  EXPECT_EQ(editor.invalidations, 1);
  EXPECT_EQ(editorValues.ovenEditChanged, 1) << "the repaint clears it, not validation";
}

TEST_F(EditorCommandsTest, ARefusedRampFieldLeavesTheModifiedFlag) {
  editor.text[IDC_ROW1_RATE] = "0";
  Command(IDC_ROW1_RATE, kChange);
  Command(IDC_ROW1_RATE, kKillFocus);
  EXPECT_EQ(editorValues.methodModified, 0);
  EXPECT_EQ(editor.focusedId, IDC_ROW1_RATE);
}

TEST_F(EditorCommandsTest, LeavingZonesPhaseTimesOrAHiddenWindowDoesNotValidate) {
  editor.text[IDC_ZONE1_TEMP] = "300";
  editor.text[IDC_ROW2_TEMP] = "999";
  editorValues.ovenEditChanged = 1;
  for (int id : {IDC_ZONE1_TEMP, IDC_ZONE2_TEMP, IDC_STANDBY_TIME, IDC_TIME5}) {
    Command(id, kChange);
    Command(id, kKillFocus);
  }
  // A window being destroyed hides first and takes the focus from its field.
  editor.shown = false;
  Command(IDC_ROW2_TEMP, kChange);
  Command(IDC_ROW2_TEMP, kKillFocus);
  EXPECT_EQ(inletMethod.zone1Temp, 150.0);
  EXPECT_TRUE(host.reported.empty());
  EXPECT_EQ(editorValues.methodModified, 0);
}

TEST_F(EditorCommandsTest, ClearingRowTwoDisablesItAndRefitsTheAxes) {
  editor.checked[IDC_ROW2_CHECK] = false;
  Command(IDC_ROW2_CHECK);
  EXPECT_EQ(inletMethod.ovenStep[1].enabled, 0);
  EXPECT_EQ(editorValues.ovenStepsInUse, 1);
  EXPECT_FALSE(editor.enabled[IDC_ROW2_TEMP]);
  EXPECT_FALSE(editor.enabled[IDC_ROW1_RATE]);
  EXPECT_EQ(inletMethod.tempAxisMax, 100.0);
  EXPECT_EQ(inletMethod.timeAxisMax, 2.0);
  EXPECT_EQ(editorValues.methodModified, 1);
  EXPECT_TRUE(editor.menuEnabled[IDM_FILE_SAVE]);
  EXPECT_EQ(editor.invalidations, 1);
}

TEST_F(EditorCommandsTest, TickingARowMovesItBehindThePreviousHold) {
  inletMethod.ovenStep[2].start = 5;  // before row 2's hold ends at 12
  editor.checked[IDC_ROW3_CHECK] = true;
  Command(IDC_ROW3_CHECK);
  EXPECT_EQ(inletMethod.ovenStep[2].start, 12.0);
  EXPECT_EQ(inletMethod.timeAxisMax, 14.0);
  EXPECT_TRUE(editor.enabled[IDC_ROW2_RATE]);
  // Row 4 cannot be in use behind a row 3 that is not: the tick is undone.
  editor.checked[IDC_ROW3_CHECK] = false;
  editor.checked[IDC_ROW4_CHECK] = true;
  Command(IDC_ROW4_CHECK);
  EXPECT_FALSE(editor.checked[IDC_ROW4_CHECK]);
  EXPECT_FALSE(editor.enabled[IDC_ROW4_TEMP]);
}

TEST_F(EditorCommandsTest, PhaseBoxesAndTheDumpValveMarkTheMethodModified) {
  editor.checked[IDC_STANDBY_CHECK] = true;
  Command(IDC_STANDBY_CHECK);
  EXPECT_EQ(inletMethod.standbyEnabled, 1);
  EXPECT_TRUE(editor.enabled[IDC_STANDBY_TIME]);
  EXPECT_EQ(editorValues.methodModified, 1);
  EXPECT_EQ(editor.invalidations, 0) << "no repaint for the phase boxes";

  editorValues.methodModified = 0;
  editor.checked[IDC_DUMP_VALVE] = true;
  Command(IDC_DUMP_VALVE);
  EXPECT_EQ(inletMethod.dumpValve, 1);
  EXPECT_EQ(editorValues.methodModified, 1);
  editor.checked[IDC_DUMP_VALVE] = false;
  Command(IDC_DUMP_VALVE);
  EXPECT_EQ(inletMethod.dumpValve, 0);
}

TEST_F(EditorCommandsTest, AxisButtonsChangeOnlyTheAxesAndRepaint) {
  inletMethod.tempAxisMax = 200;
  inletMethod.timeAxisMax = 12;
  Command(IDC_BUTTON_UP);
  Command(IDC_BUTTON_RIGHT);
  EXPECT_EQ(inletMethod.tempAxisMax, 300.0);
  EXPECT_EQ(inletMethod.timeAxisMax, 18.0);
  Command(IDC_BUTTON_DEFAULT);
  EXPECT_EQ(inletMethod.tempAxisMax, 150.0);
  EXPECT_EQ(inletMethod.timeAxisMax, 12.0);
  EXPECT_EQ(editor.invalidations, 3);
  EXPECT_EQ(editorValues.methodModified, 0);
}

TEST_F(EditorCommandsTest, ADialogEndedWithOkMarksTheMethodModified) {
  struct Case {
    int id;
    ModalDialog dialog;
    int channel;  // -1: not a channel dialog
  };
  const Case cases[] = {
      {IDM_VALVE_TIMETABLE, ModalDialog::kValveTimetable, -1},
      {IDM_ULVO_CONFIGURATION, ModalDialog::kUlvoConfiguration, -1},
      {IDM_ULVO_LEFT, ModalDialog::kUlvoControl, 0},
      {IDM_ULVO_RIGHT, ModalDialog::kUlvoControl, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    for (int result : {0, 1, kDialogNotCreated}) {
      editorValues.methodModified = 0;
      editorValues.ulvoChannel = 7;
      editor.dialogsRun.clear();
      editor.questions.clear();
      editor.dialogResults[c.dialog] = result;
      Command(c.id);
      ASSERT_EQ(editor.dialogsRun.size(), 1u);
      EXPECT_EQ(editor.dialogsRun[0], c.dialog);
      EXPECT_EQ(editorValues.methodModified, result == 1);
      // A dialog that could not be created is not a silent Cancel.
      ASSERT_EQ(editor.questions.size(), result == kDialogNotCreated ? 1u : 0u);
      if (result == kDialogNotCreated) {
        EXPECT_NE(editor.questions[0].text.find("could not be opened"), std::string::npos);
        EXPECT_EQ(editor.questions[0].kind, AskKind::kOkInformation);
      }
      if (c.channel >= 0) {
        EXPECT_EQ(editorValues.ulvoChannel, c.channel);
      }
    }
  }
}

TEST_F(EditorCommandsTest, HelpOpensTheHostsHelpFileAtItsContext) {
  Command(IDM_HELP_TOVREX);
  ASSERT_EQ(editor.helpShown.size(), 1u);
  EXPECT_EQ(editor.helpShown[0].first, "ACQUHELP.HLP");
  EXPECT_EQ(editor.helpShown[0].second, 266);
}

TEST_F(EditorCommandsTest, SaveWritesTheMethodAndGreysSave) {
  editor.text[IDC_ROW1_TEMP] = "120";
  editorValues.methodModified = 1;
  Command(IDM_FILE_SAVE);
  EXPECT_EQ(host.dbRecord.size(), 2456u);
  EXPECT_EQ(host.auditTexts.size(), 1u);
  EXPECT_EQ(inletMethod.ovenStep[0].temp, 120.0);
  EXPECT_EQ(editorValues.methodModified, 0);
  EXPECT_FALSE(editor.menuEnabled[IDM_FILE_SAVE]);
  EXPECT_EQ(editor.title, "TOVREX Control - M1.DB");
  EXPECT_TRUE(editor.questions.empty());
}

TEST_F(EditorCommandsTest, ARefusedFieldOrACancelledSaveAsWritesNothing) {
  editorValues.methodModified = 1;
  editor.text[IDC_TIME5] = "900";
  Command(IDM_FILE_SAVE);
  EXPECT_FALSE(HostCalled("DB3"));
  editor.text[IDC_TIME5] = "0";
  Command(IDM_FILE_SAVE_AS);  // the fake's file dialog is cancelled
  EXPECT_TRUE(HostCalled("GenSetNormalFile"));
  EXPECT_FALSE(HostCalled("LogEvent"));
  EXPECT_EQ(editorValues.methodModified, 1);
}

TEST_F(EditorCommandsTest, NewAnsweredNoTakesTheDefaultsUntitled) {
  inletMethod.zone1Temp = 99;
  editor.text[IDC_ZONE1_TEMP] = "99";
  editorValues.methodModified = 1;
  editor.answers = {Answer::kNo};
  Command(IDM_FILE_NEW);
  ASSERT_EQ(editor.questions.size(), 1u);
  EXPECT_EQ(editor.questions[0].text, "Dialog has Changed. Save changes ?");
  EXPECT_EQ(inletMethod.zone1Temp, 150.0);
  EXPECT_EQ(editor.text[IDC_ZONE1_TEMP], "150");
  EXPECT_EQ(editorValues.methodUntitled, 1);
  EXPECT_EQ(editorValues.methodModified, 0);
  EXPECT_EQ(editor.title, "TOVREX Control - [Untitled]");
  EXPECT_FALSE(HostCalled("DB3"));
}

TEST_F(EditorCommandsTest, NewCancelledOrWithItsSaveCancelledKeepsTheMethod) {
  inletMethod.zone1Temp = 99;
  editor.text[IDC_ZONE1_TEMP] = "99";
  for (Answer answer : {Answer::kCancel, Answer::kYes}) {  // Yes: the file dialog cancels
    editor.answers = {answer};
    Command(IDM_FILE_NEW);
    EXPECT_EQ(inletMethod.zone1Temp, 99.0);
    EXPECT_EQ(editorValues.methodUntitled, 0);
  }
}

TEST_F(EditorCommandsTest, NewOnARefusedFormAsksNothing) {
  editor.text[IDC_ROW1_TIME] = "-1";
  Command(IDM_FILE_NEW);
  EXPECT_TRUE(editor.questions.empty());
}

TEST_F(EditorCommandsTest, OpenCancelledAtTheQuestionShowsNoFileDialog) {
  editor.text[IDC_ROW1_TIME] = "-1";  // Open does not validate: the form is replaced
  editor.answers = {Answer::kCancel};
  Command(IDM_FILE_OPEN);
  EXPECT_TRUE(host.reported.empty());
  EXPECT_EQ(editor.questions.size(), 1u);
  EXPECT_FALSE(HostCalled("GenGetNormalFile"));
  editor.answers = {Answer::kNo};  // the Open dialog is then cancelled
  editorValues.methodModified = 1;
  Command(IDM_FILE_OPEN);
  EXPECT_TRUE(HostCalled("GenGetNormalFile"));
  EXPECT_EQ(editorValues.methodModified, 1);
  EXPECT_EQ(editor.invalidations, 0);
}

}  // namespace
