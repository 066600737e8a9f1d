// Saving and opening the method: the host calls in order with their arguments, what
// each answer and each failure leads to, and the audit text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fakes/fake_dialog.h"
#include "fakes/fake_host.h"
#include "editor/editor_session.h"
#include "method/inlet_method.h"
#include "storage/file_blocks.h"
#include "storage/method_record.h"
#include "storage/method_storage.h"

namespace {

using Calls = std::vector<std::string>;

const std::string kAuditPrefix = "TOVREX setup file written to disk.\r\nFilename : ";
const std::string kHere = "c:\\data|m1|db", kChosen = "d:\\chosen|picked|mdb";
const std::string kSaveAsDialog = "GenSetNormalFile 4096 Save File As " + kHere;
const std::string kOpenDialog = "GenGetNormalFile 4096 Open " + kHere;
const Calls kRead = {"DB3Open 14 0 0", "DB3HandleRecord 14 1 1 0", "DB3Close 14"};

// The calls of a save that reaches the database, for the file `names` (dir|name|ext).
Calls Write(const std::string& names) {
  return {"LogEvent 1 3 0 0", "SetGlobalFile " + names,   "DB3Open 14 0 4",
          "DB3Open 14 0 2",   "DB3HandleRecord 14 1 3 1", "DB3Close 14"};
}

Calls Cat(Calls first, const Calls& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

// The record of `method` under the instrument name `name`, which is written raw: a name
// of 12 characters has no NUL inside its 11-byte field.
std::vector<uint8_t> Encoded(const InletMethod& method, const char* name = "TOVREX") {
  MethodDbRecord record;
  EncodeMethodRecord(method, record);
  std::memset(record.bytes.data(), 0, 11);
  std::memcpy(record.bytes.data(), name, std::strlen(name));
  return {record.bytes.begin(), record.bytes.end()};
}

class StorageTest : public testing::Test {
 protected:
  void SetUp() override {
    SetMethodDefaults(session.method);
    stored = session.method;
    stored.zone1Temp = 222.0;
    stored.ulvo[1].ramp[1].step[4].level = 77.5;
    session.values = {};
    host.globalFile = FileEntry("c:\\data", "m1", "db");
    host.chosenFile = FileEntry("d:\\chosen", "picked", "mdb");
    host.saveDialogResult = host.openDialogResult = 1;
  }
  EditorSession session{};
  InletMethod stored;  // the method in the database, unlike the defaults in memory
  FakeDialog owner;
  FakeHost host;
};

// What a row of the table below sets: the editor's flags, the user's answer, the host's
// results and the stored record's instrument name.
struct Script {
  int modified = 0, untitled = 0;
  Answer answer = Answer::kCancel;
  int saveDialog = 1, openDialog = 1;
  int checkOpen = 0, updateOpen = 0, readOpen = 0, fetch = 0, store = 0, close = 0;
  const char* name = "TOVREX";  // the instrument name in the stored record
};

// The message that refuses another instrument's method.
std::string Refusal(const char* name) {
  return "The data base currently selected will \nonly work with a " + std::string(name) +
         " autosampler\n\nDefault Parameters will be used";
}

// Every way through saving and opening: the result, the host calls, the question or
// message shown, and whether the method or the database changed.
TEST_F(StorageTest, CallSequencesAndResults) {
  enum Op { kSave, kSaveAs, kNewOrOpen, kClose, kOpenCurrent, kOpenChosen };
  struct Row {
    const char* what;
    Op op;
    Script script;
    int want;
    Calls calls;
    std::string question;  // the one question or message shown, if any
  };
  using enum Answer;
  const Calls saveHere = Cat({"GetGlobalFile"}, Write(kHere));
  const Calls saveChosen = Cat({"GetGlobalFile", kSaveAsDialog}, Write(kChosen));
  const Calls saveAsOnly = {"GetGlobalFile", kSaveAsDialog};
  const Calls updateRefused = {"GetGlobalFile", "LogEvent 1 3 0 0", "SetGlobalFile " + kHere,
                               "DB3Open 14 0 4", "DB3Open 14 0 2"};
  const Calls openHere = {"GetGlobalFile", "SetGlobalFile " + kHere, "DB3Open 14 0 4"};
  const Calls openCancelled = {"GetGlobalFile", kOpenDialog};
  const Calls openChosen = Cat(openCancelled, {"SetGlobalFile " + kChosen, "DB3Open 14 0 4"});
  const Calls reported = Cat(openChosen, {"ReportDatabaseNotOpened GC DataBase"});
  const Calls read = Cat(openHere, kRead);
  const std::string ask = "Dialog has Changed. Save changes ?";
  const Row rows[] = {
      {"Save, unchanged", kSave, {}, 1, {}, ""},
      {"close, unchanged", kClose, {}, 1, {}, ""},
      {"Save", kSave, {.modified = 1}, 1, saveHere, ""},
      {"close, No", kClose, {.modified = 1, .answer = kNo}, 1, {}, ask},
      {"close, Cancel", kClose, {.modified = 1}, 0, {}, ask},
      {"close, Yes", kClose, {.modified = 1, .answer = kYes}, 1, saveHere, ask},
      // New and Open ask about an unchanged method too, and then always for a name.
      {"New/Open, Yes", kNewOrOpen, {.answer = kYes}, 1, saveChosen, ask},
      // Any nonzero low word of the Save As dialog's result is a choice.
      {"untitled", kSave, {.modified = 1, .untitled = 1, .saveDialog = 2}, 1, saveChosen, ""},
      {"Save As cancelled", kSaveAs, {.modified = 1, .saveDialog = 0x10000}, 0, saveAsOnly, ""},
      {"update refused", kSave, {.modified = 1, .updateOpen = 3}, 0, updateRefused, ""},
      {"close fails after the store", kSave, {.modified = 1, .close = 4}, 0, saveHere, ""},
      {"results ignored", kSave, {.modified = 1, .checkOpen = 5, .store = 9}, 1, saveHere, ""},
      {"open current", kOpenCurrent, {}, 1, read, ""},
      // Only a low word of exactly 1 from the Open dialog is a choice.
      {"Open chosen", kOpenChosen, {.openDialog = 0x10001}, 1, Cat(openChosen, kRead), ""},
      {"Open cancelled", kOpenChosen, {.openDialog = 0}, 0, openCancelled, ""},
      {"Open result 2", kOpenChosen, {.openDialog = 2}, 0, openCancelled, ""},
      // Reported by the host; the registry stays switched to the chosen file.
      {"database refused", kOpenChosen, {.checkOpen = 3}, 0, reported, ""},
      {"read refused", kOpenCurrent, {.readOpen = 2}, 0, Cat(openHere, {"DB3Open 14 0 0"}), ""},
      {"fetch fails", kOpenCurrent, {.fetch = 8}, 0, read, ""},
      {"close fails after the fetch", kOpenCurrent, {.close = 7}, 0, read, ""},
      // Another instrument's method, compared case by case and named in the message; a name
      // without its NUL stops at the end of its field.
      {"AS800", kOpenCurrent, {.name = "AS800"}, 0, read, Refusal("AS800")},
      {"tovrex", kOpenCurrent, {.name = "tovrex"}, 0, read, Refusal("tovrex")},
      {"TOVREX2", kOpenCurrent, {.name = "TOVREX2"}, 0, read, Refusal("TOVREX2")},
      {"12 characters", kOpenCurrent, {.name = "ABCDEFGHIJKL"}, 0, read, Refusal("ABCDEFGHIJK")},
  };
  const InletMethod memory = session.method;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const Script& s = row.script;
    session.method = memory;
    session.values = {};
    session.values.methodModified = s.modified;
    session.values.methodUntitled = s.untitled;
    FakeHost db = host;
    db.saveDialogResult = s.saveDialog;
    db.openDialogResult = s.openDialog;
    db.openResult = {{0, s.readOpen}, {2, s.updateOpen}, {4, s.checkOpen}};
    db.fetchResult = s.fetch;
    db.storeResult = s.store;
    db.closeResult = s.close;
    db.dbRecord = Encoded(stored, s.name);
    FakeDialog window;
    window.answers = {s.answer};
    const auto choice = [](bool ask) { return ask ? FileChoice::kAsk : FileChoice::kCurrent; };
    EXPECT_EQ(row.op >= kOpenCurrent
                  ? OpenMethod(session.method, window, db, choice(row.op == kOpenChosen))
                  : SaveMethod(session.method, session.values, window, db,
                               choice(row.op == kSaveAs || row.op == kNewOrOpen),
                               row.op >= kNewOrOpen ? SavePrompt::kAskFirst : SavePrompt::kNone),
              row.want != 0);
    EXPECT_EQ(db.log, row.calls);
    ASSERT_EQ(window.questions.size(), row.question.empty() ? 0u : 1u);
    if (!row.question.empty()) {
      EXPECT_EQ(window.questions[0].text, row.question);
      EXPECT_EQ(window.questions[0].caption, "TOVREX");
      EXPECT_EQ(window.questions[0].kind,
                row.op >= kOpenCurrent ? AskKind::kOkInformation : AskKind::kYesNoCancel);
    }
    // Only an open that succeeds replaces the method; a store writes the one in memory.
    const bool opened = row.op >= kOpenCurrent && row.want == 1;
    EXPECT_EQ(Encoded(session.method), Encoded(opened ? stored : memory));
    const bool written =
        std::count(row.calls.begin(), row.calls.end(), "DB3HandleRecord 14 1 3 1") != 0;
    EXPECT_EQ(db.dbRecord, written ? Encoded(memory) : Encoded(stored, s.name));
  }
}

TEST_F(StorageTest, AuditTextNamesTheFileInUpperCaseWithinBounds) {
  const char* const cases[][4] = {
      {"c:\\data", "m1", "db", "C:\\DATA\\M1.DB"},
      {"c:\\data\\", "m1", "db", "C:\\DATA\\M1.DB"},
      {"c:/data/", "m1", ".db", "C:/DATA/M1.DB"},
      {"", "zm1", "", "ZM1"},
      {"c:\\d\xe9j\xe0", "\xfc", "db", "C:\\D\xe9J\xe0\\\xfc.DB"},  // only ASCII letters change
  };
  for (const auto& [directory, name, extension, path] : cases) {
    SCOPED_TRACE(path);
    FakeHost db;
    db.globalFile = FileEntry(directory, name, extension);
    session.values.methodModified = true;
    ASSERT_TRUE(SaveMethod(session.method, session.values, owner, db, FileChoice::kCurrent,
                           SavePrompt::kNone));
    EXPECT_EQ(db.auditTexts, Calls{kAuditPrefix + path});
  }
  // The path stops at 259 characters; a field without its NUL, in the entry or in the
  // file dialog's block, is read to its end only.
  GlobalFileEntry entry = FileEntry(std::string(200, 'd'), std::string(100, 'n'), "db");
  EXPECT_EQ(FullPath(entry), std::string(200, 'd') + "\\" + std::string(58, 'n'));
  std::memset(entry.directory, 'x', sizeof entry.directory);
  EXPECT_EQ(FullPath(entry), std::string(259, 'x'));
  EXPECT_EQ(std::string(MakeFileRequest("Open", entry).directory), std::string(259, 'x'));
  FileRequest chosen{};
  std::memset(chosen.fileName, 'n', sizeof chosen.fileName);
  TakeChosenFile(chosen, entry);
  EXPECT_EQ(std::string(entry.fileName), std::string(255, 'n'));
}

}  // namespace
