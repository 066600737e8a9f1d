// The method on its way between the editor and the host's method database: loaded when
// the editor opens, offered for saving when it closes, written as record 1 and logged
// in the audit trail; another instrument's method and a missing database are refused.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "audit/core/audit_chain.h"
#include "harness/dialog_answerer.h"
#include "harness/host_home.h"
#include "harness/method_database.h"
#include "harness/owner_window.h"
#include "harness/plugin.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "sha256.h"
#include "storage/method_record.h"

namespace {

// A method that differs from the defaults where the form shows it.
InletMethod StoredMethod() {
  const InletMethod saved = inletMethod;
  SetMethodDefaults();
  InletMethod method = inletMethod;
  inletMethod = saved;
  method.zone1Temp = 175.0;
  method.zone3Temp = 60.0;
  return method;
}

MethodDbRecord RecordOf(const InletMethod& method, const char* instrument = "TOVREX") {
  MethodDbRecord record;
  EncodeMethodRecord(method, record);
  std::memset(record.bytes.data(), 0, 11);
  std::memcpy(record.bytes.data(), instrument, std::strlen(instrument));
  return record;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
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
};

TEST_F(MethodStorageTest, AModifiedMethodSavedOnCloseOpensAgainFromTheDatabase) {
  ASSERT_TRUE(e2e::WriteMethodDatabase(home, RecordOf(StoredMethod())));
  e2e::DialogAnswerer answerer;
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Text(editor, IDC_ZONE1_TEMP), "175");
  EXPECT_EQ(IsDlgButtonChecked(editor, IDC_DUMP_VALVE), BST_UNCHECKED);

  SetDlgItemTextA(editor, IDC_ZONE1_TEMP, "180");
  SendMessageA(GetDlgItem(editor, IDC_DUMP_VALVE), BM_CLICK, 0, 0);  // marks it modified
  e2e::PumpMessages();
  answerer.Press(IDYES);
  SendMessageA(editor, WM_CLOSE, 0, 0);
  e2e::PumpMessages();
  ASSERT_EQ(e2e::EditorWindow(), nullptr) << "Yes saves and closes";
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, "TOVREX");
  EXPECT_EQ(answerer.Seen()[0].text, "Dialog has Changed. Save changes ?");
  EXPECT_EQ(answerer.Unexpected(), 0);

  // On disk: record 1 of the registered database, in the stored layout.
  MethodDbRecord onDisk{};
  ASSERT_TRUE(e2e::ReadMethodDatabase(onDisk));
  EXPECT_EQ(StoredInstrumentName(onDisk), "TOVREX");
  InletMethod read{};
  DecodeMethodRecord(onDisk, read);
  EXPECT_EQ(read.zone1Temp, 180.0);
  EXPECT_EQ(read.zone3Temp, 60.0);
  EXPECT_EQ(read.dumpValve, 1);
  EXPECT_EQ(GetFileAttributesA(home.File("methods.db.new").c_str()), INVALID_FILE_ATTRIBUTES);

  // The save is in the audit trail, under the file's upper-cased path, and the trail
  // checks out with the platform's SHA-256.
  const std::string trail = ReadWhole(home.File("audit.log"));
  std::string upperPath = home.File("methods.db");
  for (char& ch : upperPath) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  std::string escapedPath;
  for (char ch : upperPath) escapedPath += ch == '\\' ? std::string("\\\\") : std::string(1, ch);
  EXPECT_NE(trail.find("\t1\t3\t0\t0\tTOVREX setup file written to disk.\\r\\nFilename : " +
                       escapedPath + "\t"),
            std::string::npos)
      << trail;
  const audit::TrailCheck check = audit::VerifyTrail(trail, audit::Sha256);
  EXPECT_TRUE(check.intact) << audit::DescribeCheck(check);
  EXPECT_EQ(check.entries, 1u);

  editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Text(editor, IDC_ZONE1_TEMP), "180");
  EXPECT_EQ(IsDlgButtonChecked(editor, IDC_DUMP_VALVE), BST_CHECKED);
  EXPECT_EQ(answerer.Seen().size(), 1u) << "an unchanged method closes without a question";
  SendMessageA(editor, WM_CLOSE, 0, 0);
  e2e::PumpMessages();
  EXPECT_EQ(e2e::EditorWindow(), nullptr);
  EXPECT_EQ(answerer.Seen().size(), 1u);
}

TEST_F(MethodStorageTest, CancelAtTheCloseQuestionKeepsTheEditorAndTheFile) {
  ASSERT_TRUE(e2e::WriteMethodDatabase(home, RecordOf(StoredMethod())));
  const std::string before = ReadWhole(home.File("methods.db"));
  e2e::DialogAnswerer answerer;
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  SendMessageA(GetDlgItem(editor, IDC_DUMP_VALVE), BM_CLICK, 0, 0);
  answerer.Press(IDCANCEL);
  SendMessageA(editor, WM_CLOSE, 0, 0);
  e2e::PumpMessages();
  EXPECT_EQ(e2e::EditorWindow(), editor);
  EXPECT_EQ(ReadWhole(home.File("methods.db")), before);
  EXPECT_EQ(GetFileAttributesA(home.File("audit.log").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(answerer.Unexpected(), 0);
}

TEST_F(MethodStorageTest, AnotherInstrumentsDatabaseIsNamedAndTheDefaultsAreUsed) {
  ASSERT_TRUE(e2e::WriteMethodDatabase(home, RecordOf(StoredMethod(), "AS800")));
  e2e::DialogAnswerer answerer;
  answerer.Press(IDOK);
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, "TOVREX");
  EXPECT_EQ(answerer.Seen()[0].text,
            "The data base currently selected will \nonly work with a AS800 autosampler\n\n"
            "Default Parameters will be used");
  EXPECT_EQ(Text(editor, IDC_ZONE1_TEMP), "150");
  EXPECT_EQ(Text(editor, IDC_ZONE3_TEMP), "0");
  EXPECT_EQ(answerer.Unexpected(), 0);
}

// A home whose registry names no database, or a file that is not one: the host's
// message, then the defaults.
TEST_F(MethodStorageTest, AnUnusableDatabaseIsReportedAndTheDefaultsAreUsed) {
  struct Case {
    const char* what;
    const char* content;  // null: no file registered
  } cases[] = {{"none registered", nullptr},
               {"truncated", "RDB3\r\n\x1a\n\x01"},
               {"foreign", "[SystemList]\r\nGC_DB=x\r\n"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::HostHome fresh;
    if (c.content) {
      std::ofstream(fresh.File("bad.db"), std::ios::binary) << c.content;
      fresh.WriteIni("SystemList", "GC_DB", fresh.File("bad.db").c_str());
    }
    e2e::DialogAnswerer answerer;
    answerer.Press(IDOK);
    HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_NE(answerer.Seen()[0].text.find("GC DataBase"), std::string::npos)
        << answerer.Seen()[0].text;
    EXPECT_EQ(Text(editor, IDC_ZONE1_TEMP), "150");
    EXPECT_EQ(answerer.Unexpected(), 0);
    e2e::DestroyEditor();
    if (c.content) {
      EXPECT_EQ(ReadWhole(fresh.File("bad.db")), c.content);
    }
  }
}

}  // namespace
