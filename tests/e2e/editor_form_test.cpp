// Editing the oven programme through the real form: typing into fields, leaving them,
// pressing Enter, and saving. Refusals must reach the user as one message naming the
// allowed range, with the cursor back in the refused field.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "harness/dialog_answerer.h"
#include "harness/file_dialog.h"
#include "harness/host_home.h"
#include "harness/method_database.h"
#include "harness/owner_window.h"
#include "harness/plugin.h"
#include "resource_ids.h"

namespace {

class EditorFormTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(e2e::LoadPlugin().acqGCInlet, nullptr);
    ASSERT_TRUE(e2e::InstallDefaultMethodDatabase(home));
    e2e::LoadPlugin().acqGCInlet(owner.Get());
    e2e::PumpMessages();
    editor = e2e::EditorWindow();
    ASSERT_NE(editor, nullptr);
  }
  void TearDown() override {
    e2e::DestroyEditor();
    EXPECT_EQ(answerer.Unexpected(), 0) << "a message or dialog nobody expected";
  }

  HWND Field(int id) const { return GetDlgItem(editor, id); }
  std::string Text(int id) const {
    char text[256] = "";
    GetDlgItemTextA(editor, id, text, sizeof text);
    return text;
  }
  // Types into a field as a user does: focus it, then replace its text (a real
  // EN_CHANGE follows).
  void Type(int id, const char* text) {
    SetFocus(Field(id));
    SetWindowTextA(Field(id), text);
    e2e::PumpMessages();
  }
  void PressEnter() {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(GetFocus(), WM_KEYUP, VK_RETURN, 0);
    e2e::PumpMessages();
  }
  bool SaveEnabled() const {
    return !(GetMenuState(GetMenu(editor), IDM_FILE_SAVE, MF_BYCOMMAND) & MF_GRAYED);
  }
  void ExpectFocusedWithAllSelected(int id) {
    EXPECT_EQ(GetFocus(), Field(id));
    DWORD start = 1, end = 0;
    SendMessageA(Field(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, Text(id).size());
  }

  e2e::HostHome home;
  e2e::OwnerWindow owner{0, 0};
  e2e::DialogAnswerer answerer;
  HWND editor = nullptr;
};

TEST_F(EditorFormTest, TheDefaultsAreShownWhenNoMethodCanBeLoaded) {
  EXPECT_EQ(Text(IDC_ZONE1_TEMP), "150");
  EXPECT_EQ(Text(IDC_STANDBY_TIME), "0.00");
  EXPECT_EQ(Text(IDC_ROW1_TIME), "2.00");
  EXPECT_EQ(Text(IDC_ROW2_TEMP), "150");
  EXPECT_EQ(Text(IDC_ROW1_RATE), "6.2");
  EXPECT_FALSE(IsWindowEnabled(Field(IDC_ROW3_TEMP)));
  EXPECT_FALSE(IsWindowEnabled(Field(IDC_STANDBY_TIME)));
  EXPECT_EQ(IsDlgButtonChecked(editor, IDC_TIME5_CHECK), BST_CHECKED);
  char title[128] = "";
  GetWindowTextA(editor, title, sizeof title);
  EXPECT_EQ(std::string(title).rfind("TOVREX Control - ", 0), 0u) << title;
}

TEST_F(EditorFormTest, LeavingARefusedRampFieldShowsOneMessageAndReturnsTheCursor) {
  answerer.Press(IDOK);
  Type(IDC_ROW2_TEMP, "451");
  SetFocus(Field(IDC_ZONE1_TEMP));  // a real EN_KILLFOCUS
  e2e::PumpMessages();
  ASSERT_EQ(answerer.Seen().size(), 1u) << "one message, however the focus moved";
  EXPECT_EQ(answerer.Seen()[0].caption, "TOVREX");
  EXPECT_EQ(answerer.Seen()[0].text, "Temperature \n\nAllowed Range is 0 to 450");
  EXPECT_EQ(answerer.Unexpected(), 0);
  ExpectFocusedWithAllSelected(IDC_ROW2_TEMP);
  EXPECT_EQ(Text(IDC_ROW2_TEMP), "451") << "the user's text stays";
  EXPECT_FALSE(SaveEnabled());
}

TEST_F(EditorFormTest, AnAcceptedRampFieldIsRewrittenAndMarksTheMethodModified) {
  // Both edits are made before the focus leaves: a repaint in between would drop the
  // pending validation, as the graph's paint always does.
  SetFocus(Field(IDC_ROW1_RATE));
  SetWindowTextA(Field(IDC_ROW1_RATE), "10");
  SetWindowTextA(Field(IDC_ROW2_TEMP), "180.6");
  SetFocus(Field(IDC_ZONE1_TEMP));
  e2e::PumpMessages();
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_EQ(Text(IDC_ROW2_TEMP), "180");
  EXPECT_EQ(Text(IDC_ROW1_RATE), "10.0");
  EXPECT_TRUE(SaveEnabled());
}

TEST_F(EditorFormTest, APaintBeforeLeavingDropsThePendingValidation) {
  Type(IDC_ROW2_TEMP, "999");
  RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  SetFocus(Field(IDC_ZONE1_TEMP));
  e2e::PumpMessages();
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_FALSE(SaveEnabled());
}

TEST_F(EditorFormTest, DestroyingTheEditorWithAPendingEditAsksNothing) {
  Type(IDC_ROW2_TEMP, "999");
  DestroyWindow(editor);  // as the host does when it shuts down
  e2e::PumpMessages();
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_EQ(e2e::EditorWindow(), nullptr);
}

TEST_F(EditorFormTest, EnterValidatesTheZonesThatLeavingThemDoesNot) {
  answerer.Press(IDOK);
  Type(IDC_ZONE2_TEMP, "460");
  SetFocus(Field(IDC_ZONE3_TEMP));
  e2e::PumpMessages();
  EXPECT_TRUE(answerer.Seen().empty()) << "leaving a zone does not validate";
  PressEnter();
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].text, "Zone 2 Temperature \n\nAllowed Range is 0 to 450");
  ExpectFocusedWithAllSelected(IDC_ZONE2_TEMP);
  Type(IDC_ZONE2_TEMP, "200");
  PressEnter();
  EXPECT_EQ(answerer.Seen().size(), 1u);
  EXPECT_TRUE(SaveEnabled()) << "Enter on a valid form marks the method modified";
}

TEST_F(EditorFormTest, RowCheckBoxesEnableTheirFieldsAndMoveTheRow) {
  SendMessageA(Field(IDC_ROW3_CHECK), BM_CLICK, 0, 0);
  e2e::PumpMessages();
  EXPECT_EQ(IsDlgButtonChecked(editor, IDC_ROW3_CHECK), BST_CHECKED);
  EXPECT_TRUE(IsWindowEnabled(Field(IDC_ROW3_TEMP)));
  EXPECT_TRUE(IsWindowEnabled(Field(IDC_ROW2_RATE)));
  EXPECT_TRUE(SaveEnabled());
  // Row 4 cannot be in use behind a row 3 that is not.
  SendMessageA(Field(IDC_ROW3_CHECK), BM_CLICK, 0, 0);
  SendMessageA(Field(IDC_ROW4_CHECK), BM_CLICK, 0, 0);
  e2e::PumpMessages();
  EXPECT_EQ(IsDlgButtonChecked(editor, IDC_ROW4_CHECK), BST_UNCHECKED);
  EXPECT_FALSE(IsWindowEnabled(Field(IDC_ROW4_TEMP)));
}

TEST_F(EditorFormTest, AMethodSavedThroughTheFormOpensAgainAsSaved) {
  Type(IDC_ROW1_TEMP, "120");
  Type(IDC_ROW1_RATE, "5");
  Type(IDC_ZONE3_TEMP, "275");
  Type(IDC_TIME5, "3.5");
  SendMessageA(Field(IDC_DUMP_VALVE), BM_CLICK, 0, 0);
  PressEnter();
  ASSERT_TRUE(answerer.Seen().empty());
  e2e::AnswerFileDialog(answerer, home.File("edited.db"));
  SendMessageA(editor, WM_COMMAND, IDM_FILE_SAVE_AS, 0);
  e2e::PumpMessages();
  ASSERT_EQ(answerer.Unexpected(), 0);
  EXPECT_FALSE(SaveEnabled());
  char title[128] = "";
  GetWindowTextA(editor, title, sizeof title);
  EXPECT_STREQ(title, "TOVREX Control - EDITED.DB");

  SendMessageA(editor, WM_CLOSE, 0, 0);  // unchanged since the save: no question
  ASSERT_EQ(e2e::EditorWindow(), nullptr);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  e2e::LoadPlugin().acqGCInlet(owner.Get());
  e2e::PumpMessages();
  editor = e2e::EditorWindow();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Text(IDC_ROW1_TEMP), "120");
  EXPECT_EQ(Text(IDC_ROW1_RATE), "5.0");
  EXPECT_EQ(Text(IDC_ZONE3_TEMP), "275");
  EXPECT_EQ(Text(IDC_TIME5), "3.50");
  EXPECT_EQ(IsDlgButtonChecked(editor, IDC_DUMP_VALVE), BST_CHECKED);
}

}  // namespace

namespace {

TEST_F(EditorFormTest, ClosingWithARefusedFieldKeepsTheEditorOpen) {
  answerer.Press(IDOK);
  Type(IDC_TIME5, "801");
  SendMessageA(editor, WM_CLOSE, 0, 0);
  e2e::PumpMessages();
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].text, "Time 5 \n\nAllowed Range is 0.00 to 800.00");
  EXPECT_TRUE(IsWindow(editor));
  EXPECT_EQ(e2e::EditorWindow(), editor);
  ExpectFocusedWithAllSelected(IDC_TIME5);
}

TEST_F(EditorFormTest, OpenShowsTheChosenMethodAndItsFile) {
  MethodDbRecord other = e2e::DefaultMethodRecord();
  InletMethod method{};
  DecodeMethodRecord(other, method);
  method.zone1Temp = 222;
  method.ovenStep[2].enabled = 1;
  EncodeMethodRecord(method, other);
  ASSERT_TRUE(e2e::WriteMethodDatabase(home, other, "other.db"));

  answerer.Press(IDNO);  // "Dialog has Changed. Save changes ?"
  e2e::AnswerFileDialog(answerer, home.File("other.db"));
  SendMessageA(editor, WM_COMMAND, IDM_FILE_OPEN, 0);
  e2e::PumpMessages();
  ASSERT_EQ(answerer.Seen().size(), 2u);
  EXPECT_EQ(answerer.Seen()[0].text, "Dialog has Changed. Save changes ?");
  EXPECT_EQ(answerer.Seen()[1].caption, "Open");
  EXPECT_EQ(Text(IDC_ZONE1_TEMP), "222");
  EXPECT_TRUE(IsWindowEnabled(Field(IDC_ROW3_TEMP)));
  char title[128] = "";
  GetWindowTextA(editor, title, sizeof title);
  EXPECT_STREQ(title, "TOVREX Control - OTHER.DB");
  EXPECT_FALSE(SaveEnabled());
}

TEST_F(EditorFormTest, NewStartsAnUntitledDefaultMethod) {
  Type(IDC_ZONE1_TEMP, "99");
  PressEnter();
  answerer.Press(IDNO);
  SendMessageA(editor, WM_COMMAND, IDM_FILE_NEW, 0);
  e2e::PumpMessages();
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(Text(IDC_ZONE1_TEMP), "150");
  char title[128] = "";
  GetWindowTextA(editor, title, sizeof title);
  EXPECT_STREQ(title, "TOVREX Control - [Untitled]");
  EXPECT_FALSE(SaveEnabled());
}

std::string DialogText(HWND dialog, int id) {
  char text[256] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

TEST_F(EditorFormTest, ValveTimesAreCheckedInTheirOrderAndOnlyOkMarksTheMethod) {
  using e2e::DialogAnswerer;
  HWND valves = nullptr;
  answerer.Then([&](HWND dialog) {
    valves = dialog;
    SetDlgItemTextA(dialog, IDC_VALVE_PURGE, "12.5");
    SetDlgItemTextA(dialog, IDC_VALVE_COOL, "200");
    SetDlgItemTextA(dialog, IDC_VALVE_SPLIT, "101");
    DialogAnswerer::Click(dialog, IDC_VALVE_OK);
  });
  answerer.Then([&](HWND box) {  // Secondary Cool is refused before Split is read
    DialogAnswerer::Click(box, IDOK);
    SetDlgItemTextA(valves, IDC_VALVE_COOL, "20");
    DialogAnswerer::Click(valves, IDC_VALVE_OK);
  });
  answerer.Then([&](HWND box) {  // now Split
    DialogAnswerer::Click(box, IDOK);
    DialogAnswerer::Click(valves, IDC_VALVE_CANCEL);
  });
  SendMessageA(editor, WM_COMMAND, IDM_VALVE_TIMETABLE, 0);
  e2e::PumpMessages();
  ASSERT_EQ(answerer.Seen().size(), 3u);
  EXPECT_EQ(answerer.Seen()[0].caption, "TOVREX Valve Control");
  EXPECT_NE(answerer.Seen()[1].text.find("\"Secondary Cool\""), std::string::npos);
  EXPECT_NE(answerer.Seen()[2].text.find("\"Split Time\""), std::string::npos);
  EXPECT_FALSE(SaveEnabled()) << "Cancel marks nothing, though what passed stays";

  std::string shown[3];
  answerer.Then([&](HWND dialog) {
    shown[0] = DialogText(dialog, IDC_VALVE_PURGE);
    shown[1] = DialogText(dialog, IDC_VALVE_COOL);
    shown[2] = DialogText(dialog, IDC_VALVE_SPLIT);
    DialogAnswerer::Click(dialog, IDOK);  // Enter
  });
  SendMessageA(editor, WM_COMMAND, IDM_VALVE_TIMETABLE, 0);
  e2e::PumpMessages();
  EXPECT_EQ(shown[0], "12.50");
  EXPECT_EQ(shown[1], "20.00");
  EXPECT_EQ(shown[2], "0.00");
  EXPECT_TRUE(SaveEnabled());
}

TEST_F(EditorFormTest, ChannelModesChosenWithOkEnableTheirChannelItems) {
  using e2e::DialogAnswerer;
  home.WriteIni("TOVREX", "ULVOControl", "1");
  e2e::DestroyEditor();
  e2e::LoadPlugin().acqGCInlet(owner.Get());
  e2e::PumpMessages();
  editor = e2e::EditorWindow();
  ASSERT_NE(editor, nullptr);
  auto itemEnabled = [&](int id) {
    return !(GetMenuState(GetMenu(editor), id, MF_BYCOMMAND) & MF_GRAYED);
  };
  std::string shown[2];
  answerer.Then([&](HWND dialog) {
    shown[0] = DialogText(dialog, IDC_ULVO_LEFT_MODE);
    shown[1] = DialogText(dialog, IDC_ULVO_RIGHT_MODE);
    SendDlgItemMessageA(dialog, IDC_ULVO_LEFT_MODE, CB_SETCURSEL, 1, 0);
    DialogAnswerer::Click(dialog, IDCANCEL);
  });
  answerer.Then([&](HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_ULVO_LEFT_MODE, CB_SETCURSEL, 1, 0);
    SendDlgItemMessageA(dialog, IDC_ULVO_RIGHT_MODE, CB_SETCURSEL, 2, 0);
    DialogAnswerer::Click(dialog, IDOK);
  });
  SendMessageA(editor, WM_COMMAND, IDM_ULVO_CONFIGURATION, 0);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, "ULVO Configuration");
  EXPECT_EQ(shown[0], "Manual");
  EXPECT_EQ(shown[1], "Manual");
  EXPECT_FALSE(SaveEnabled());
  EXPECT_FALSE(itemEnabled(IDM_ULVO_LEFT));

  SendMessageA(editor, WM_COMMAND, IDM_ULVO_CONFIGURATION, 0);
  EXPECT_TRUE(SaveEnabled());
  EXPECT_TRUE(itemEnabled(IDM_ULVO_LEFT));
  EXPECT_TRUE(itemEnabled(IDM_ULVO_RIGHT));
}

}  // namespace
