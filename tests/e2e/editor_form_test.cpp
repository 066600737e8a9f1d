// Editing the method through the real form and dialogs: typing, leaving fields, Enter,
// the file dialogs and the database. A refusal must reach the user as one message naming
// the allowed range, with the cursor back in the refused field, all of it selected.
#include <cstring>
#include <fstream>
#include <sstream>

#include "harness/harness.h"
#include "method/inlet_method.h"
#include "resource_ids.h"

namespace {

class EditorFormTest : public e2e::EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    home.WriteIni("TOVREX", "ULVOControl", "1");
    ASSERT_NE(Open(), nullptr);
  }
  void PressEnter() {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(GetFocus(), WM_KEYUP, VK_RETURN, 0);
    e2e::PumpMessages();
  }
  void ExpectFocusedWithAllSelected(int id) {
    EXPECT_EQ(GetFocus(), GetDlgItem(editor, id));
    DWORD start = 1, end = 0;
    SendDlgItemMessageA(editor, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, Text(id).size());
  }
  // A database `fileName` in the home holding the default method with its changes.
  void WriteMethod(const char* fileName, const char* instrument, double zone1) {
    MethodDbRecord record = e2e::DefaultMethodRecord();
    InletMethod method{};
    DecodeMethodRecord(record, method);
    method.zone1Temp = zone1;
    method.ovenStep[2].enabled = 1;
    EncodeMethodRecord(method, record);
    std::memset(record.bytes.data(), 0, 11);
    std::memcpy(record.bytes.data(), instrument, std::strlen(instrument));
    ASSERT_TRUE(e2e::WriteMethodDatabase(home, record, fileName));
  }
};

TEST_F(EditorFormTest, LeavingARefusedRampFieldShowsOneMessageAndReturnsTheCursor) {
  answerer.Press(IDOK);
  Type(IDC_ROW2_TEMP, "451");
  SetFocus(GetDlgItem(editor, IDC_ZONE1_TEMP));  // a real EN_KILLFOCUS
  e2e::PumpMessages();
  ASSERT_EQ(answerer.Seen().size(), 1u) << "one message, however the focus moved";
  EXPECT_EQ(answerer.Seen()[0].caption, "TOVREX");
  EXPECT_EQ(answerer.Seen()[0].text, "Temperature \n\nAllowed Range is 0 to 450");
  ExpectFocusedWithAllSelected(IDC_ROW2_TEMP);
  EXPECT_EQ(Text(IDC_ROW2_TEMP), "451") << "the user's text stays";
  EXPECT_FALSE(MenuEnabled(IDM_FILE_SAVE));

  answerer.Press(IDOK);  // and closing, which validates first, keeps the editor open
  SendMessageA(editor, WM_CLOSE, 0, 0);
  e2e::PumpMessages();
  EXPECT_EQ(answerer.Seen().size(), 2u);
  EXPECT_EQ(e2e::EditorWindow(), editor);
  ExpectFocusedWithAllSelected(IDC_ROW2_TEMP);
}

// The graph's paint clears the pending edit, and a host destroying the editor hides it
// first: neither may bring up a message.
TEST_F(EditorFormTest, APaintOrTheHostsDestroyDropsThePendingValidation) {
  Type(IDC_ROW2_TEMP, "999");
  RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  SetFocus(GetDlgItem(editor, IDC_ZONE1_TEMP));
  e2e::PumpMessages();
  EXPECT_FALSE(MenuEnabled(IDM_FILE_SAVE));
  Type(IDC_ROW2_TEMP, "998");
  DestroyWindow(editor);
  e2e::PumpMessages();
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_EQ(e2e::EditorWindow(), nullptr);
}

TEST_F(EditorFormTest, EnterValidatesTheZonesThatLeavingThemDoesNot) {
  answerer.Press(IDOK);
  Type(IDC_ZONE2_TEMP, "460");
  SetFocus(GetDlgItem(editor, IDC_ZONE3_TEMP));
  e2e::PumpMessages();
  EXPECT_TRUE(answerer.Seen().empty()) << "leaving a zone does not validate";
  PressEnter();
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].text, "Zone 2 Temperature \n\nAllowed Range is 0 to 450");
  ExpectFocusedWithAllSelected(IDC_ZONE2_TEMP);
  Type(IDC_ZONE2_TEMP, "200");
  PressEnter();
  EXPECT_EQ(answerer.Seen().size(), 1u);
  EXPECT_TRUE(MenuEnabled(IDM_FILE_SAVE)) << "Enter on a valid form marks the method modified";
}

// Save As through the common dialog writes record 1 of the chosen file and its audit
// entry; the editor opened again reads it back from there.
TEST_F(EditorFormTest, AMethodSavedAsOpensAgainAsSaved) {
  Type(IDC_ROW1_RATE, "5");
  Type(IDC_ZONE3_TEMP, "275");
  SendMessageA(GetDlgItem(editor, IDC_DUMP_VALVE), BM_CLICK, 0, 0);
  PressEnter();
  e2e::AnswerFileDialog(answerer, home.File("edited.db"));
  SendMessageA(editor, WM_COMMAND, IDM_FILE_SAVE_AS, 0);
  e2e::PumpMessages();
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, "Save File As");
  EXPECT_FALSE(MenuEnabled(IDM_FILE_SAVE));
  EXPECT_EQ(e2e::TextOf(editor), "TOVREX Control - EDITED.DB");
  std::string path;  // upper-cased, its backslashes escaped in the trail
  for (char c : home.File("edited.db")) path += c == '\\' ? "\\\\" : std::string(1, toupper(c));
  std::stringstream trail;
  trail << std::ifstream(home.File("audit.log"), std::ios::binary).rdbuf();
  EXPECT_NE(trail.str().find("Filename : " + path + "\t"), std::string::npos) << trail.str();

  SendMessageA(editor, WM_CLOSE, 0, 0);  // unchanged since the save: no question
  ASSERT_EQ(e2e::EditorWindow(), nullptr);
  MethodDbRecord onDisk{};
  ASSERT_TRUE(e2e::ReadMethodDatabase(onDisk));
  EXPECT_EQ(StoredInstrumentName(onDisk), "TOVREX");
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(Text(IDC_ROW1_RATE), "5.0");
  EXPECT_EQ(Text(IDC_ZONE3_TEMP), "275");
  EXPECT_EQ(IsDlgButtonChecked(editor, IDC_DUMP_VALVE), BST_CHECKED);
}

TEST_F(EditorFormTest, OpenShowsTheChosenMethodAndItsFileAndRefusesAnotherInstruments) {
  WriteMethod("other.db", "TOVREX", 222);
  answerer.Press(IDNO);  // "Dialog has Changed. Save changes ?"
  e2e::AnswerFileDialog(answerer, home.File("other.db"));
  SendMessageA(editor, WM_COMMAND, IDM_FILE_OPEN, 0);
  e2e::PumpMessages();
  ASSERT_EQ(answerer.Seen().size(), 2u);
  EXPECT_EQ(answerer.Seen()[0].text, "Dialog has Changed. Save changes ?");
  EXPECT_EQ(answerer.Seen()[1].caption, "Open");
  EXPECT_EQ(Text(IDC_ZONE1_TEMP), "222");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(editor, IDC_ROW3_TEMP)));
  EXPECT_EQ(e2e::TextOf(editor), "TOVREX Control - OTHER.DB");
  EXPECT_FALSE(MenuEnabled(IDM_FILE_SAVE));

  e2e::DestroyEditor();
  WriteMethod("methods.db", "AS800", 175);
  answerer.Then([&](HWND box) {
    // The host calls again while the message is up: no second editor may be made.
    e2e::AcqGCInlet()(owner.Get());
    DialogAnswerer::Click(box, IDOK);
  });
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(FindWindowExA(nullptr, FindWindowExA(nullptr, nullptr, TOVREX_CLASS, nullptr),
                          TOVREX_CLASS, nullptr),
            nullptr)
      << "one editor window";
  ASSERT_EQ(answerer.Seen().size(), 3u);
  EXPECT_EQ(answerer.Seen()[2].caption, "TOVREX");
  EXPECT_EQ(answerer.Seen()[2].text,
            "The data base currently selected will \nonly work with a AS800 autosampler\n\n"
            "Default Parameters will be used");
  EXPECT_EQ(Text(IDC_ZONE1_TEMP), "150");
}

// The refusals come from the host's message 4, naming the field.
TEST_F(EditorFormTest, ValveTimesAreShownCheckedAndOnlyOkMarksTheMethod) {
  HWND valves = nullptr;
  std::string shown;
  answerer.Then([&](HWND dialog) {
    valves = dialog;
    SetDlgItemTextA(dialog, IDC_VALVE_COOL, "200");
    DialogAnswerer::Click(dialog, IDC_VALVE_OK);
  });
  answerer.Then([&](HWND box) {
    DialogAnswerer::Click(box, IDOK);
    DialogAnswerer::Click(valves, IDC_VALVE_CANCEL);
  });
  answerer.Then([&](HWND dialog) {
    shown = e2e::TextOf(dialog, IDC_VALVE_PURGE);
    SetDlgItemTextA(dialog, IDC_VALVE_SPLIT, "12.5");
    DialogAnswerer::Click(dialog, IDOK);  // Enter
  });
  for (int run = 0; run < 2; ++run) {
    SendMessageA(editor, WM_COMMAND, IDM_VALVE_TIMETABLE, 0);
    e2e::PumpMessages();
    EXPECT_EQ(MenuEnabled(IDM_FILE_SAVE), run == 1) << "Cancel marks nothing";
  }
  ASSERT_EQ(answerer.Seen().size(), 3u);
  EXPECT_EQ(answerer.Seen()[0].caption, "TOVREX Valve Control");
  EXPECT_NE(answerer.Seen()[1].text.find("\"Secondary Cool\""), std::string::npos);
  EXPECT_EQ(shown, "0.00");
}

TEST_F(EditorFormTest, ChannelModesChosenWithOkEnableTheirChannelItems) {
  std::string shown;
  answerer.Then([&](HWND dialog) {
    shown = e2e::TextOf(dialog, IDC_ULVO_LEFT_MODE) + e2e::TextOf(dialog, IDC_ULVO_RIGHT_MODE);
    SendDlgItemMessageA(dialog, IDC_ULVO_LEFT_MODE, CB_SETCURSEL, 1, 0);
    DialogAnswerer::Click(dialog, IDCANCEL);
  });
  answerer.Then([&](HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_ULVO_LEFT_MODE, CB_SETCURSEL, 1, 0);
    DialogAnswerer::Click(dialog, IDOK);
  });
  SendMessageA(editor, WM_COMMAND, IDM_ULVO_CONFIGURATION, 0);
  EXPECT_EQ(shown, "ManualManual");
  EXPECT_FALSE(MenuEnabled(IDM_FILE_SAVE));
  EXPECT_FALSE(MenuEnabled(IDM_ULVO_LEFT));
  SendMessageA(editor, WM_COMMAND, IDM_ULVO_CONFIGURATION, 0);
  ASSERT_EQ(answerer.Seen().size(), 2u);
  EXPECT_EQ(answerer.Seen()[1].caption, "ULVO Configuration");
  EXPECT_TRUE(MenuEnabled(IDM_FILE_SAVE));
  EXPECT_TRUE(MenuEnabled(IDM_ULVO_LEFT));
  EXPECT_FALSE(MenuEnabled(IDM_ULVO_RIGHT));
}

}  // namespace
