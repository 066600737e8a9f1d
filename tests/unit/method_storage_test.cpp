// Saving and opening the method: the host calls in order with their arguments, what
// each answer and each failure leads to, and the audit text.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editor/editor_window.h"
#include "fakes/fake_dialog.h"
#include "fakes/fake_storage_host.h"
#include "method/inlet_method.h"
#include "storage/file_blocks.h"
#include "storage/method_record.h"
#include "storage/method_storage.h"

namespace {

using Calls = std::vector<std::string>;

const char* const kAuditPrefix = "TOVREX setup file written to disk.\r\nFilename : ";

// The calls of a save that reaches the database, for the file `names` (dir|name|ext).
Calls WriteCalls(const std::string& names) {
  return {"LogEvent 1 3 0 0", "SetGlobalFile " + names,   "DB3Open 14 0 4",
          "DB3Open 14 0 2",   "DB3HandleRecord 14 1 3 1", "DB3Close 14"};
}

Calls Then(Calls first, const Calls& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

const Calls kReadCalls = {"DB3Open 14 0 0", "DB3HandleRecord 14 1 1 0", "DB3Close 14"};

class StorageTest : public testing::Test {
 protected:
  void SetUp() override {
    SetMethodDefaults();
    inletMethod.zone1Temp = 222.0;
    inletMethod.ulvo[1].ramp[1].step[4].value = 77.5;
    editorValues = {};
    host.SetRegistry("c:\\data", "m1", "db");
  }
  // A record in the fake database holding `method` under `name`.
  void StoreInDatabase(const InletMethod& method, const char* name = "TOVREX") {
    EncodeMethodRecord(method, host.record);
    std::memset(host.record.bytes.data(), 0, 11);
    std::memcpy(host.record.bytes.data(), name, std::strlen(name));
  }
  bool MethodIs(const InletMethod& want) {
    MethodDbRecord a, b;
    EncodeMethodRecord(want, a);
    EncodeMethodRecord(inletMethod, b);
    return a.bytes == b.bytes && want.tempAxisMax == inletMethod.tempAxisMax &&
           want.ulvo[0].ramp[0].valueAxisMax == inletMethod.ulvo[0].ramp[0].valueAxisMax;
  }
  FakeDialog owner;
  FakeStorageHost host;
};

// ---- SaveMethod --------------------------------------------------------------------

TEST_F(StorageTest, UnchangedTitledMethodNeedsNoSaveWhateverThePrompt) {
  for (int prompt : {0, 1}) {
    SCOPED_TRACE(prompt);
    EXPECT_EQ(SaveMethod(owner, host, 0, prompt), 1);
  }
  EXPECT_TRUE(host.calls.empty());
  EXPECT_TRUE(owner.questions.empty());
  EXPECT_TRUE(host.auditTexts.empty());
}

TEST_F(StorageTest, SaveLogsSwitchesTheRegistryAndStoresRecordOne) {
  editorValues.methodModified = 1;
  ASSERT_EQ(SaveMethod(owner, host, 0, 0), 1);
  EXPECT_EQ(host.calls, Then({"GetGlobalFile"}, WriteCalls("c:\\data|m1|db")));
  EXPECT_TRUE(owner.questions.empty());
  ASSERT_EQ(host.auditTexts.size(), 1u);
  EXPECT_EQ(host.auditTexts[0], std::string(kAuditPrefix) + "C:\\DATA\\M1.DB");
  MethodDbRecord want;
  EncodeMethodRecord(inletMethod, want);
  EXPECT_EQ(host.record.bytes, want.bytes);
  EXPECT_EQ(editorValues.methodModified, 1);  // the callers clear it
}

TEST_F(StorageTest, TheSaveQuestionDecidesBeforeAnythingIsTouched) {
  struct Case {
    Answer answer;
    int want;
    bool writes;
  } cases[] = {{Answer::kNo, 1, false}, {Answer::kCancel, 0, false}, {Answer::kYes, 1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    FakeDialog window;
    FakeStorageHost db;
    db.SetRegistry("c:\\data", "m1", "db");
    window.answers = {c.answer};
    editorValues.methodModified = 1;
    EXPECT_EQ(SaveMethod(window, db, 0, 1), c.want);
    ASSERT_EQ(window.questions.size(), 1u);
    EXPECT_EQ(window.questions[0].text, "Dialog has Changed. Save changes ?");
    EXPECT_EQ(window.questions[0].caption, "TOVREX");
    EXPECT_EQ(window.questions[0].kind, AskKind::kYesNoCancel);
    EXPECT_EQ(db.calls, c.writes ? Then({"GetGlobalFile"}, WriteCalls("c:\\data|m1|db")) : Calls{});
  }
}

// New and Open ask even about an unchanged method, and Yes always asks for a name.
TEST_F(StorageTest, NewAndOpenAskThenShowSaveAsEvenWithAFile) {
  owner.answers = {Answer::kYes};
  ASSERT_EQ(SaveMethod(owner, host, 1, 1), 1);
  EXPECT_EQ(owner.questions.size(), 1u);
  EXPECT_EQ(host.calls, Then({"GetGlobalFile", "GenSetNormalFile 4096 Save File As c:\\data|m1|db"},
                             WriteCalls("d:\\chosen|picked|mdb")));
  EXPECT_EQ(host.auditTexts.at(0), std::string(kAuditPrefix) + "D:\\CHOSEN\\PICKED.MDB");
}

TEST_F(StorageTest, UntitledMethodAsksForANameOnSave) {
  editorValues.methodModified = 1;
  editorValues.methodUntitled = 1;
  ASSERT_EQ(SaveMethod(owner, host, 0, 0), 1);
  ASSERT_GE(host.calls.size(), 2u);
  EXPECT_EQ(host.calls[1], "GenSetNormalFile 4096 Save File As c:\\data|m1|db");
}

TEST_F(StorageTest, SaveAsDialogResultCountsByItsLow16Bits) {
  struct Case {
    int result;
    int want;
  } cases[] = {{0, 0}, {0x10000, 0}, {1, 1}, {2, 1}, {0x10001, 1}, {-1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    FakeDialog window;
    FakeStorageHost db;
    db.SetRegistry("c:\\data", "m1", "db");
    db.saveDialogResult = c.result;
    EXPECT_EQ(SaveMethod(window, db, 1, 0), c.want);
    if (c.want == 0) {
      // Cancelled: nothing logged, the registry unchanged, the database untouched.
      EXPECT_EQ(db.calls,
                Calls({"GetGlobalFile", "GenSetNormalFile 4096 Save File As c:\\data|m1|db"}));
      EXPECT_TRUE(db.auditTexts.empty());
      EXPECT_EQ(db.stores, 0);
    } else {
      EXPECT_EQ(db.stores, 1);
    }
  }
}

TEST_F(StorageTest, FailedWriteReturnsZeroSilentlyAfterLoggingAndSwitching) {
  struct Case {
    const char* what;
    int openForUpdate, store, close;
    Calls tail;
    int want;
  } cases[] = {
      {"open for update fails", 3, 0, 0, {"DB3Open 14 0 4", "DB3Open 14 0 2"}, 0},
      {"close fails",
       0,
       0,
       4,
       {"DB3Open 14 0 4", "DB3Open 14 0 2", "DB3HandleRecord 14 1 3 1", "DB3Close 14"},
       0},
      {"store result is not examined",
       0,
       9,
       0,
       {"DB3Open 14 0 4", "DB3Open 14 0 2", "DB3HandleRecord 14 1 3 1", "DB3Close 14"},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeDialog window;
    FakeStorageHost db;
    db.SetRegistry("c:\\data", "m1", "db");
    db.openResult[4] = 5;  // the check's result is never examined
    db.openResult[2] = c.openForUpdate;
    db.storeResult = c.store;
    db.closeResult = c.close;
    editorValues.methodModified = 1;
    window.answers = {Answer::kYes};
    EXPECT_EQ(SaveMethod(window, db, 1, 1), c.want);
    EXPECT_EQ(db.calls, Then({"GetGlobalFile", "GenSetNormalFile 4096 Save File As c:\\data|m1|db",
                              "LogEvent 1 3 0 0", "SetGlobalFile d:\\chosen|picked|mdb"},
                             c.tail));
    EXPECT_EQ(window.questions.size(), 1u);  // only the save question: no message
    EXPECT_EQ(db.auditTexts.size(), 1u);
    EXPECT_EQ(WriteMethodRecord(db), c.want);
  }
}

TEST_F(StorageTest, AuditPathJoinsTheNamePartsAndIsUpperCase) {
  struct Case {
    const char* directory;
    const char* name;
    const char* extension;
    const char* path;
  } cases[] = {
      {"c:\\data", "m1", "db", "C:\\DATA\\M1.DB"},
      {"c:\\data\\", "m1", "db", "C:\\DATA\\M1.DB"},
      {"c:/data/", "m1", "db", "C:/DATA/M1.DB"},
      {"c:\\data", "m1", ".db", "C:\\DATA\\M1.DB"},
      {"c:\\data", "m1", "", "C:\\DATA\\M1"},
      {"", "m1", "db", "M1.DB"},
      {"", "", "", ""},
      {"c:\\d\xe9j\xe0", "\xfc", "db", "C:\\D\xe9J\xe0\\\xfc.DB"},  // only ASCII letters change
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    FakeDialog window;
    FakeStorageHost db;
    db.SetRegistry(c.directory, c.name, c.extension);
    editorValues.methodModified = 1;
    ASSERT_EQ(SaveMethod(window, db, 0, 0), 1);
    ASSERT_EQ(db.auditTexts.size(), 1u);
    EXPECT_EQ(db.auditTexts[0], std::string(kAuditPrefix) + c.path);
  }
}

TEST_F(StorageTest, AuditPathIsCutAt259Characters) {
  GlobalFileEntry entry{};
  std::memset(entry.directory, 'd', 200);
  std::memset(entry.fileName, 'n', 100);
  std::strcpy(entry.extension, "db");
  const std::string path = FullPath(entry);
  EXPECT_EQ(path, std::string(200, 'd') + "\\" + std::string(58, 'n'));
  // Fields with no terminator are read only to their end.
  std::memset(entry.directory, 'x', sizeof entry.directory);
  EXPECT_EQ(FullPath(entry).size(), 259u);
  EXPECT_EQ(SaveAuditText("a\\b"), std::string(kAuditPrefix) + "A\\B");
}

TEST_F(StorageTest, FileRequestCarriesTheTitleAndEntryAndTheChoiceComesBack) {
  GlobalFileEntry entry{};
  std::memset(entry.directory, 'D', sizeof entry.directory);  // no terminator
  std::strcpy(entry.fileName, "m1");
  std::strcpy(entry.extension, "db");
  const FileRequest request = MakeFileRequest("Save File As", entry);
  EXPECT_STREQ(request.title, "Save File As");
  EXPECT_EQ(std::string(request.directory), std::string(259, 'D'));
  EXPECT_STREQ(request.fileName, "m1");
  EXPECT_STREQ(request.extension, "db");

  FileRequest chosen{};
  std::strcpy(chosen.directory, "e:\\x");
  std::memset(chosen.fileName, 'n', sizeof chosen.fileName);
  TakeChosenFile(chosen, entry);
  EXPECT_STREQ(entry.directory, "e:\\x");
  EXPECT_EQ(std::string(entry.fileName), std::string(255, 'n'));
  EXPECT_STREQ(entry.extension, "");
}

// ---- OpenMethod and ReadMethodRecord -----------------------------------------------

TEST_F(StorageTest, OpeningTheCurrentDatabaseReadsRecordOneAndKeepsTheAxes) {
  InletMethod stored = inletMethod;
  stored.zone3Temp = 301.0;
  stored.tempAxisMax = 5.0;
  StoreInDatabase(stored);
  const InletMethod before = inletMethod;
  ASSERT_EQ(OpenMethod(owner, host, 0), 1);
  EXPECT_EQ(host.calls,
            Then({"GetGlobalFile", "SetGlobalFile c:\\data|m1|db", "DB3Open 14 0 4"}, kReadCalls));
  EXPECT_EQ(inletMethod.zone3Temp, 301.0);
  EXPECT_EQ(inletMethod.tempAxisMax, before.tempAxisMax);
  EXPECT_TRUE(owner.questions.empty());
}

TEST_F(StorageTest, OpenDialogMustReturnExactlyOneInItsLow16Bits) {
  InletMethod stored = inletMethod;
  stored.zone2Temp = 55.0;
  struct Case {
    int result;
    int want;
  } cases[] = {{0, 0}, {1, 1}, {2, 0}, {0xFFFF, 0}, {0x10001, 1}, {0x10000, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    SetMethodDefaults();
    const InletMethod before = inletMethod;
    FakeDialog window;
    FakeStorageHost db;
    db.SetRegistry("c:\\data", "m1", "db");
    EncodeMethodRecord(stored, db.record);
    db.openDialogResult = c.result;
    EXPECT_EQ(OpenMethod(window, db, 1), c.want);
    ASSERT_GE(db.calls.size(), 2u);
    EXPECT_EQ(db.calls[1], "GenGetNormalFile 4096 Open c:\\data|m1|db");
    if (c.want) {
      EXPECT_EQ(db.calls[2], "SetGlobalFile d:\\chosen|picked|mdb");
      EXPECT_EQ(inletMethod.zone2Temp, 55.0);
    } else {
      EXPECT_EQ(db.calls.size(), 2u);  // nothing switched, nothing read
      EXPECT_TRUE(MethodIs(before));
    }
  }
}

TEST_F(StorageTest, ADatabaseThatCannotBeOpenedIsReportedAndTheRegistryStaysSwitched) {
  StoreInDatabase(inletMethod);
  host.openResult[4] = 3;
  const InletMethod before = inletMethod;
  EXPECT_EQ(OpenMethod(owner, host, 1), 0);
  EXPECT_EQ(host.calls, Calls({"GetGlobalFile", "GenGetNormalFile 4096 Open c:\\data|m1|db",
                               "SetGlobalFile d:\\chosen|picked|mdb", "DB3Open 14 0 4",
                               "MsgReport 8 GC DataBase"}));
  EXPECT_EQ(host.calls.back(), "MsgReport 8 GC DataBase");
  EXPECT_TRUE(MethodIs(before));
  EXPECT_TRUE(owner.questions.empty());
}

TEST_F(StorageTest, ReadFailuresLeaveTheMethodAndSayNothing) {
  InletMethod stored = inletMethod;
  stored.zone1Temp = 1.0;
  struct Case {
    const char* what;
    int open, fetch, close;
    Calls calls;
  } cases[] = {
      {"open fails", 2, 0, 0, {"DB3Open 14 0 0"}},
      {"fetch fails", 0, 8, 0, kReadCalls},
      {"close fails", 0, 0, 7, kReadCalls},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetMethodDefaults();
    const InletMethod before = inletMethod;
    FakeDialog window;
    FakeStorageHost db;
    EncodeMethodRecord(stored, db.record);
    db.openResult[0] = c.open;
    db.fetchResult = c.fetch;
    db.closeResult = c.close;
    EXPECT_EQ(ReadMethodRecord(window, db), 0);
    EXPECT_EQ(db.calls, c.calls);
    EXPECT_TRUE(MethodIs(before));
    EXPECT_TRUE(window.questions.empty());
    db.calls.clear();
    EXPECT_EQ(OpenMethod(window, db, 0), 0);
    EXPECT_EQ(db.calls, Then({"GetGlobalFile", "SetGlobalFile ||", "DB3Open 14 0 4"}, c.calls));
  }
}

TEST_F(StorageTest, AnotherInstrumentsMethodIsNamedAndNotTaken) {
  for (const char* name : {"AS800", "tovrex", "TOVREX2", ""}) {
    SCOPED_TRACE(name);
    InletMethod stored = inletMethod;
    stored.zone1Temp = 3.0;
    StoreInDatabase(stored, name);
    FakeDialog window;
    const InletMethod before = inletMethod;
    EXPECT_EQ(OpenMethod(window, host, 0), 0);
    ASSERT_EQ(window.questions.size(), 1u);
    EXPECT_EQ(window.questions[0].text, std::string("The data base currently selected will \n"
                                                    "only work with a ") +
                                            name +
                                            " autosampler\n\nDefault Parameters will be used");
    EXPECT_EQ(window.questions[0].caption, "TOVREX");
    EXPECT_EQ(window.questions[0].kind, AskKind::kOkInformation);
    EXPECT_TRUE(MethodIs(before));
  }
}

// ---- The editor's use ----------------------------------------------------------------

TEST_F(StorageTest, EditorOpensOnTheStoredMethodOrTheDefaults) {
  InletMethod stored = inletMethod;
  stored.zone1Temp = 123.0;
  StoreInDatabase(stored);
  inletMethod = {};
  InitEditorWindow(owner, host);
  EXPECT_EQ(inletMethod.zone1Temp, 123.0);

  for (const char* failure : {"missing", "other instrument"}) {
    SCOPED_TRACE(failure);
    FakeDialog window;
    FakeStorageHost db;
    if (std::string(failure) == "missing") {
      db.openResult[4] = 3;
    } else {
      EncodeMethodRecord(stored, db.record);
      std::memcpy(db.record.bytes.data(), "AS800\0", 6);
      window.answers = {Answer::kOk};
    }
    inletMethod = {};
    InitEditorWindow(window, db);
    EXPECT_EQ(inletMethod.zone1Temp, 150.0);  // the default
  }
}

TEST_F(StorageTest, ClosingOffersToSaveOnlyAModifiedMethod) {
  InitEditorWindow(owner, host);
  struct Case {
    int modified;
    Answer answer;
    bool destroyed;
    int stores;
  } cases[] = {{0, Answer::kCancel, true, 0},
               {1, Answer::kCancel, false, 0},
               {1, Answer::kNo, true, 0},
               {1, Answer::kYes, true, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.modified << " " << static_cast<int>(c.answer));
    FakeStorageHost db;
    db.SetRegistry("c:\\data", "m1", "db");
    FakeDialog window;
    InitEditorWindow(window, db);
    window.questions.clear();
    window.answers = {c.answer};
    editorValues.methodModified = c.modified;
    EXPECT_EQ(CloseEditorWindow(window, db), c.destroyed ? 1 : 0);
    EXPECT_EQ(window.destroyed, c.destroyed);
    EXPECT_EQ(window.questions.size(), c.modified ? 1u : 0u);
    EXPECT_EQ(db.stores, c.stores);
  }
}

}  // namespace
