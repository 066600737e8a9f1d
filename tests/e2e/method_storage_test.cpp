// The method on its way between the editor and the host's method database: loaded when
// the editor opens, saved as record 1 and logged in the audit trail when a modified
// method is closed with Yes; another instrument's method is refused.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "harness/dialog_answerer.h"
#include "harness/host_home.h"
#include "harness/method_database.h"
#include "harness/owner_window.h"
#include "harness/plugin.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "storage/method_record.h"

namespace {

// The record of a method that differs from the defaults where the form shows it.
MethodDbRecord StoredRecord(const char* instrument) {
  MethodDbRecord record = e2e::DefaultMethodRecord();
  InletMethod method{};
  DecodeMethodRecord(record, method);
  method.zone1Temp = 175.0;
  method.zone3Temp = 60.0;
  EncodeMethodRecord(method, record);
  std::memset(record.bytes.data(), 0, 11);
  std::memcpy(record.bytes.data(), instrument, std::strlen(instrument));
  return record;
}

class MethodStorageTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(e2e::LoadPlugin().acqGCInlet, nullptr); }
  void TearDown() override { e2e::DestroyEditor(); }

  HWND Open() {
    e2e::LoadPlugin().acqGCInlet(owner.Get());
    e2e::PumpMessages();
    return e2e::EditorWindow();
  }
  static std::string Text(HWND editor, int id) {
    char text[64] = "";
    GetDlgItemTextA(editor, id, text, sizeof text);
    return text;
  }

  e2e::HostHome home;
  e2e::OwnerWindow owner{50, 50};
  e2e::DialogAnswerer answerer;
};

TEST_F(MethodStorageTest, AModifiedMethodSavedOnCloseOpensAgainFromTheDatabase) {
  ASSERT_TRUE(e2e::WriteMethodDatabase(home, StoredRecord("TOVREX")));
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Text(editor, IDC_ZONE1_TEMP), "175");
  SetDlgItemTextA(editor, IDC_ZONE1_TEMP, "180");
  SendMessageA(GetDlgItem(editor, IDC_DUMP_VALVE), BM_CLICK, 0, 0);  // marks it modified
  answerer.Press(IDYES);
  SendMessageA(editor, WM_CLOSE, 0, 0);
  e2e::PumpMessages();
  ASSERT_EQ(e2e::EditorWindow(), nullptr) << "Yes saves and closes";
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].text, "Dialog has Changed. Save changes ?");

  // On disk: record 1 of the registered database, in the stored layout.
  MethodDbRecord onDisk{};
  ASSERT_TRUE(e2e::ReadMethodDatabase(onDisk));
  EXPECT_EQ(StoredInstrumentName(onDisk), "TOVREX");
  InletMethod read{};
  DecodeMethodRecord(onDisk, read);
  EXPECT_EQ(read.zone1Temp, 180.0);
  EXPECT_EQ(read.zone3Temp, 60.0);
  EXPECT_EQ(read.dumpValve, 1);

  // The audit trail names the file in upper case, its backslashes escaped.
  std::string path;
  for (unsigned char ch : home.File("methods.db")) {
    path += ch == '\\' ? "\\\\" : std::string(1, static_cast<char>(std::toupper(ch)));
  }
  std::stringstream trail;
  trail << std::ifstream(home.File("audit.log"), std::ios::binary).rdbuf();
  EXPECT_NE(trail.str().find("Filename : " + path + "\t"), std::string::npos) << trail.str();

  editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Text(editor, IDC_ZONE1_TEMP), "180");
  EXPECT_EQ(Text(editor, IDC_ZONE3_TEMP), "60");
  EXPECT_EQ(IsDlgButtonChecked(editor, IDC_DUMP_VALVE), BST_CHECKED);
  EXPECT_EQ(answerer.Unexpected(), 0);
}

TEST_F(MethodStorageTest, AnotherInstrumentsDatabaseIsNamedAndTheDefaultsAreUsed) {
  ASSERT_TRUE(e2e::WriteMethodDatabase(home, StoredRecord("AS800")));
  answerer.Then([&](HWND box) {
    // The host calls again while the message is up: no second editor may be made.
    e2e::LoadPlugin().acqGCInlet(owner.Get());
    e2e::DialogAnswerer::Click(box, IDOK);
  });
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(FindWindowExA(nullptr, FindWindowExA(nullptr, nullptr, "TOVREXWClass", nullptr),
                          "TOVREXWClass", nullptr),
            nullptr)
      << "one editor window";
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, "TOVREX");
  EXPECT_EQ(answerer.Seen()[0].text,
            "The data base currently selected will \nonly work with a AS800 autosampler\n\n"
            "Default Parameters will be used");
  EXPECT_EQ(Text(editor, IDC_ZONE1_TEMP), "150");
  EXPECT_EQ(Text(editor, IDC_ZONE3_TEMP), "0");
  EXPECT_EQ(answerer.Unexpected(), 0);
}

}  // namespace
