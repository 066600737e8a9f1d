// The record-database and audit stand-ins as a host loads them: by their plain export
// names (imported as the plug-in imports them), on real files in the host's home; a save
// through the editor that they cannot write (another program holding the file among
// them); and a host killed while it saves.
#include <process.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "audit/audit.h"
#include "audit/core/audit_chain.h"
#include "harness/harness.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "sha256.h"
#include "win32/owned_handle.h"

namespace {

std::string ReadWhole(const std::string& path) {
  std::stringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}

// _spawnl, tried once more when the start itself fails (-1: Wine under load has failed
// about one start in a thousand), which says nothing about what is tested.
template <class... Arguments>
intptr_t Spawn(int mode, const std::string& exe, Arguments... arguments) {
  intptr_t result = -1;
  for (int attempt = 0; attempt < 2 && result == -1; ++attempt)
    result = _spawnl(mode, exe.c_str(), ("\"" + exe + "\"").c_str(), arguments..., nullptr);
  return result;
}

// The exit code of auditverify.exe (beside this program) for a trail.
intptr_t RunVerifier(const std::string& trail) {
  return Spawn(_P_WAIT, e2e::ThisFolder() + "\\auditverify.exe", ("\"" + trail + "\"").c_str());
}

TEST(Sha256, MatchesTheStandardVectors) {
  audit::Digest digest;
  ASSERT_TRUE(audit::Sha256("abc", digest));
  EXPECT_EQ(audit::HexOf(digest),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
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
  HANDLE holder = INVALID_HANDLE_VALUE;
  const std::pair<std::function<void(const std::string&)>, std::string> cases[] = {
      {[](auto& f) { SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_READONLY); },
       "access was denied (the file or its folder is read-only)"},
      {[&](auto& f) {
         holder = CreateFileA(f.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
       },
       "another program is using the file"},
      {[](auto& f) { std::filesystem::resize_file(f, 1000); },
       "it is not a whole database of this kind (another program may have cut it short or "
       "replaced it)"},
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

// Killed while saving: a child process runs the editor and saves a changed method again
// and again until it is killed at a random moment. The database must then be the one
// before the save or the one after it, and the trail chained. Save n stores zone 1 at
// 150 + n % 300 after its audit entry, so the record holds the last logged save, the one
// before it when that was this child's too, or else what the child found. Four runs of
// 50 kills, each well within a test's time limit.
constexpr const char* kSaverVariable = "E2E_SAVER_READY_EVENT";
using Owned = OwnedHandle<HANDLE, CloseHandle>;

int LoggedSaves(const std::string& trail) {
  int count = 0;
  for (size_t at = 0; (at = trail.find("setup file written", at)) != std::string::npos; ++at)
    ++count;
  return count;
}

[[noreturn]] void SaveUntilKilled(const char* readyEvent) {
  e2e::OwnerWindow owner{50, 50};
  DialogAnswerer answerer;  // a message would stop the saves: it is cancelled instead
  e2e::AcqGCInlet()(owner.Get());
  e2e::PumpMessages();
  const HWND editor = e2e::EditorWindow();
  int save = LoggedSaves(ReadWhole(std::string(std::getenv("GCHOST_HOME")) + "\\audit.log"));
  SetEvent(Owned(OpenEventA(EVENT_MODIFY_STATE, FALSE, readyEvent)).Get());
  for (;;) {
    SetDlgItemTextA(editor, IDC_ZONE1_TEMP, std::to_string(150 + ++save % 300).c_str());
    SendMessageA(GetDlgItem(editor, IDC_DUMP_VALVE), BM_CLICK, 0, 0);  // marks it modified
    SendMessageA(editor, WM_COMMAND, IDM_FILE_SAVE, 0);
  }
}

class KilledSaves : public testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Runs, KilledSaves, testing::Range(1, 5));

TEST_P(KilledSaves, LeaveTheDatabaseOldOrNewAndTheTrailChained) {
  if (const char* readyEvent = std::getenv(kSaverVariable)) SaveUntilKilled(readyEvent);
  e2e::HostHome home;
  ASSERT_TRUE(e2e::WriteMethodDatabase(home, e2e::DefaultMethodRecord()));  // zone 1 150: save 0
  const std::string eventName = "e2e-saver-" + std::to_string(GetCurrentProcessId());
  const Owned ready(CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
  SetEnvironmentVariableA(kSaverVariable, eventName.c_str());
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::mt19937 random(GetParam());
  int logged = 0, lastLogged = 0, staged = 0;
  double stored = 150;
  MethodDbRecord record{};
  InletMethod method{};
  for (int kill = 1; kill <= 50; ++kill) {
    SCOPED_TRACE(kill);
    ResetEvent(ready.Get());
    const intptr_t started =
        Spawn(_P_NOWAIT, self, "--gtest_filter=Runs/KilledSaves.*/0", "--gtest_brief=1");
    ASSERT_NE(started, -1);
    const Owned child(reinterpret_cast<HANDLE>(started));
    const bool saving = WaitForSingleObject(ready.Get(), 60000) == WAIT_OBJECT_0;
    Sleep(std::uniform_int_distribution<DWORD>(0, 25)(random));
    TerminateProcess(child.Get(), 9);
    WaitForSingleObject(child.Get(), INFINITE);
    ASSERT_TRUE(saving);

    const int before = std::exchange(logged, LoggedSaves(ReadWhole(home.File("audit.log"))));
    ASSERT_TRUE(e2e::ReadMethodDatabase(record)) << "the database is whole";
    DecodeMethodRecord(record, method);
    const bool last = method.zone1Temp == 150 + logged % 300;
    ASSERT_TRUE(last ||
                method.zone1Temp == (logged - 1 > before ? 150 + (logged - 1) % 300 : stored))
        << method.zone1Temp << " after saves " << before << " to " << logged;
    lastLogged += last;
    stored = method.zone1Temp;
    staged += GetFileAttributesA(home.File("methods.db.new").c_str()) != INVALID_FILE_ATTRIBUTES;
    // Killed before its first save was logged, the child leaves no trail to verify.
    if (std::filesystem::exists(home.File("audit.log"))) {
      ASSERT_EQ(RunVerifier(home.File("audit.log")), 0);
    }
  }
  SetEnvironmentVariableA(kSaverVariable, nullptr);
  std::printf(
      "50 kills, %d saves logged; the database held the last logged save %d times, the "
      "one before it %d times; a staging file was left %d times\n",
      logged, lastLogged, 50 - lastLogged, staged);
}

}  // namespace
