// The record-database and audit stand-ins as a host loads them: by their plain export
// names (imported as the plug-in imports them), on real files in the host's home; and a
// save through the editor that they cannot write.
#include <process.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "audit/audit.h"
#include "audit/core/audit_chain.h"
#include "harness/harness.h"
#include "recdb/recdb.h"
#include "resource_ids.h"
#include "sha256.h"

namespace {

std::string ReadWhole(const std::string& path) {
  std::stringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}

// The exit code of auditverify.exe (beside this program) for a trail.
intptr_t RunVerifier(const std::string& trail) {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string exe(self);
  exe = exe.substr(0, exe.find_last_of('\\')) + "\\auditverify.exe";
  return _spawnl(_P_WAIT, exe.c_str(), ("\"" + exe + "\"").c_str(), ("\"" + trail + "\"").c_str(),
                 nullptr);
}

// Each store writes a new file that takes the old one's place. When it cannot (another
// program holds the old one open without letting it be replaced) the store fails, the
// user is told why, and the old file stays whole.
TEST(RecdbDll, EachStoreReplacesTheFileWhole) {
  e2e::HostHome home;
  const std::string path = home.File("m1.db");
  home.WriteIni("SystemList", "GC_DB", path.c_str());
  // Stores `fill` into record 1 (fetches it when -1): the record's first byte, or -result.
  auto session = [&](int fill) {
    const bool store = fill >= 0;
    std::vector<uint8_t> record(recdb::kMethodRecordSize, static_cast<uint8_t>(fill));
    const int db = recdb::kMethodDatabase;
    if (const int opened = DB3Open(db, 0, store ? recdb::kModeUpdate : recdb::kModeRead))
      return -opened;
    const int result =
        DB3HandleRecord(db, 1, record.data(), store ? recdb::kOpStore : recdb::kOpFetch, 1);
    const int closed = DB3Close(db);
    return result ? -result : closed ? -closed : record[0];
  };
  EXPECT_EQ(session(-1), -recdb::kFileNotFound);
  ASSERT_EQ(session(0x5A), 0x5A);
  ASSERT_EQ(session(0x33), 0x33);
  EXPECT_EQ(session(-1), 0x33);

  const std::string before = ReadWhole(path);
  HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  e2e::DialogAnswerer answerer;
  answerer.Press(IDOK);
  EXPECT_EQ(session(8), -recdb::kIoError);
  CloseHandle(holder);
  ASSERT_EQ(answerer.Seen().size(), 1u) << "the failed write is reported";
  EXPECT_EQ(answerer.Seen()[0].text, "The database \"" + path +
                                         "\" could not be written: another program is using the "
                                         "file.\n\nNothing was saved; the file is as it was.");
  EXPECT_EQ(ReadWhole(path), before);
  EXPECT_EQ(GetFileAttributesA((path + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(session(-1), 0x33);
}

TEST(Sha256, MatchesTheStandardVectors) {
  audit::Digest digest;
  ASSERT_TRUE(audit::Sha256("abc", digest));
  EXPECT_EQ(audit::HexOf(digest),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  ASSERT_TRUE(audit::Sha256(std::string(1000000, 'a'), digest));
  EXPECT_EQ(audit::HexOf(digest),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

// Three threads log at once; the DLL must still chain each entry to the one before, and
// auditverify's exit code says whether the trail is whole (0), broken (1) or unreadable.
TEST(AuditDll, EntriesFromManyThreadsChainAndTheVerifierChecksThem) {
  e2e::HostHome home;
  ASSERT_EQ(LogEvent(7, 8, 9, nullptr, -1), 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 3; ++t) {
    threads.emplace_back([t] {
      for (int i = 0; i < 20; ++i) LogEvent(t, i, 0, "concurrent", 0);
    });
  }
  for (std::thread& thread : threads) thread.join();
  const std::string path = home.File("audit.log");
  std::string trail = ReadWhole(path);
  EXPECT_NE(trail.find("\t7\t8\t9\t-1\t\t"), std::string::npos) << "no text reads as empty";
  const audit::TrailCheck check = audit::VerifyTrail(trail, audit::Sha256);
  EXPECT_TRUE(check.intact) << audit::DescribeCheck(check);
  EXPECT_EQ(check.entries, 61u);
  EXPECT_EQ(RunVerifier(path), 0);
  // An entry cut short by a crash is moved aside by the next one, which follows the
  // recovery's own entry.
  std::ofstream(path, std::ios::binary | std::ios::app) << "A1\t62\t2024-05";
  ASSERT_EQ(LogEvent(1, 3, 0, "after the crash", 0), 0);
  EXPECT_EQ(ReadWhole(path + ".torn"), "A1\t62\t2024-05\n");
  trail = ReadWhole(path);
  EXPECT_EQ(audit::VerifyTrail(trail, audit::Sha256).recoveries, std::vector<uint64_t>{62});
  EXPECT_EQ(RunVerifier(path), 0);
  trail.replace(trail.find("concurrent"), 10, "CONCURRENT");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << trail;
  EXPECT_EQ(RunVerifier(path), 1);
  EXPECT_EQ(RunVerifier(home.File("missing.log")), 2);
}

// What another program, or the disk, did to the database while the editor was open: the
// save is reported and logged as failed, and the editor stays open with its changes.
class FailedSave : public e2e::EditorTest {};

TEST_F(FailedSave, IsReportedAndLoggedAndTheEditorKeepsTheChanges) {
  const std::string notWhole =
      "it is not a whole database of this kind (another program may have cut it short or "
      "replaced it)";
  HANDLE holder = INVALID_HANDLE_VALUE;
  const std::pair<std::function<void(const std::string&)>, std::string> cases[] = {
      {[](auto& f) { SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_READONLY); },
       "access was denied (the file or its folder is read-only)"},
      {[&](auto& f) {
         holder = CreateFileA(f.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
       },
       "another program is using the file"},
      {[](auto& f) { std::filesystem::resize_file(f, 1000); }, notWhole},
      {[](auto& f) { std::ofstream(f) << "methods\r\n"; }, notWhole},
      {[](auto& f) { std::fstream(f, std::ios::in | std::ios::out).seekp(99).put('!'); },
       "its contents are damaged (a checksum does not match)"},
      {[](auto& f) { std::filesystem::remove_all(f.substr(0, f.rfind('\\'))); },
       "its folder does not exist"},
  };
  const std::string file = home.File("db\\methods.db");
  for (const auto& [fault, reason] : cases) {
    SCOPED_TRACE(reason);
    CreateDirectoryA(home.File("db").c_str(), nullptr);
    ASSERT_TRUE(e2e::WriteMethodDatabase(home, e2e::DefaultMethodRecord(), "db\\methods.db"));
    ASSERT_NE(Open(), nullptr);
    const size_t seen = answerer.Seen().size();
    fault(file);
    const std::string before = ReadWhole(file);
    SendMessageA(GetDlgItem(editor, IDC_DUMP_VALVE), BM_CLICK, 0, 0);
    answerer.Press(IDYES);  // save changes?
    answerer.Press(IDOK);   // the failure
    SendMessageA(editor, WM_CLOSE, 0, 0);
    e2e::PumpMessages();
    ASSERT_EQ(e2e::EditorWindow(), editor) << "the editor stays open";
    answerer.Press(IDNO);  // still modified, so closing asks again
    SendMessageA(editor, WM_CLOSE, 0, 0);
    e2e::PumpMessages();
    ASSERT_EQ(answerer.Seen().size(), seen + 3);
    EXPECT_EQ(answerer.Seen()[seen + 1].text, "The database \"" + file +
                                                  "\" could not be written: " + reason +
                                                  ".\n\nNothing was saved; the file is as it was.");
    EXPECT_EQ(answerer.Seen()[seen + 2].text, "Dialog has Changed. Save changes ?");
    EXPECT_EQ(ReadWhole(file), before);
    const std::string trail = ReadWhole(home.File("audit.log"));
    EXPECT_NE(trail.find("FAILED: nothing was written to disk.", trail.rfind("setup file written")),
              std::string::npos);
    EXPECT_NE(trail.find("\\r\\nReason : " + reason + "\t"), std::string::npos);
    EXPECT_TRUE(audit::VerifyTrail(trail, audit::Sha256).intact);
    if (holder != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(holder, INVALID_HANDLE_VALUE));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(home.File("db"));
  }
}

}  // namespace
