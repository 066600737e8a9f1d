// The record-database and audit stand-ins as a host loads them: by their plain export
// names, on real files in the host's home.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "audit/core/audit_chain.h"
#include "harness/host_home.h"
#include "recdb/recdb_codes.h"
#include "sha256.h"

namespace {

using Db3Open = int(WINAPI*)(int, int, int);
using Db3HandleRecord = int(WINAPI*)(int, int, void*, int, int);
using Db3Close = int(WINAPI*)(int);
using LogEventFn = int(WINAPI*)(int, int, int, const char*, int);

template <class Fn>
Fn Export(const char* dll, const char* name) {
  HMODULE module = LoadLibraryA(dll);
  return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteWhole(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

class RecdbDllTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(open && handle && close);
    home.WriteIni("SystemList", "GC_DB", path.c_str());
  }
  int Store(int seed) {
    std::vector<uint8_t> record(recdb::kMethodRecordSize, static_cast<uint8_t>(seed));
    int result = open(14, 0, recdb::kModeUpdate);
    if (result != 0) return result;
    result = handle(14, 1, record.data(), recdb::kOpStore, 1);
    const int closed = close(14);
    return result != 0 ? result : closed;
  }
  // Record 1's first byte, or -result when it cannot be fetched.
  int Fetch() {
    std::vector<uint8_t> record(recdb::kMethodRecordSize);
    int result = open(14, 0, recdb::kModeRead);
    if (result != 0) return -result;
    result = handle(14, 1, record.data(), recdb::kOpFetch, 0);
    close(14);
    return result != 0 ? -result : record[0];
  }

  Db3Open open = Export<Db3Open>("recdb.dll", "DB3Open");
  Db3HandleRecord handle = Export<Db3HandleRecord>("recdb.dll", "DB3HandleRecord");
  Db3Close close = Export<Db3Close>("recdb.dll", "DB3Close");
  e2e::HostHome home;
  std::string path = home.File("m1.db");
};

TEST_F(RecdbDllTest, ANewFileIsCreatedOnlyByAStoreAndReadBack) {
  EXPECT_EQ(open(14, 0, recdb::kModeRead), recdb::kFileNotFound);
  EXPECT_EQ(open(14, 0, recdb::kModeCheck), recdb::kFileNotFound);
  ASSERT_EQ(open(14, 0, recdb::kModeUpdate), recdb::kOk);
  EXPECT_EQ(close(14), recdb::kOk);
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);

  ASSERT_EQ(Store(0x5A), recdb::kOk);
  const std::string file = ReadWhole(path);
  EXPECT_EQ(file.size(), 28u + recdb::kMethodRecordSize + 4);
  EXPECT_EQ(file.substr(0, 8), std::string("RDB3\r\n\x1a\n", 8));
  EXPECT_EQ(open(14, 0, recdb::kModeCheck), recdb::kOk);
  EXPECT_EQ(Fetch(), 0x5A);
  ASSERT_EQ(Store(0x33), recdb::kOk);
  EXPECT_EQ(Fetch(), 0x33);
  EXPECT_EQ(GetFileAttributesA((path + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RecdbDllTest, DamagedFilesFailEveryModeAndStayAsTheyAre) {
  ASSERT_EQ(Store(1), recdb::kOk);
  const std::string good = ReadWhole(path);
  std::string flipped = good;
  flipped[100] ^= 4;
  struct Case {
    const char* what;
    std::string content;
    int want;
  } cases[] = {
      {"empty", "", recdb::kNotADatabase},
      {"truncated", good.substr(0, good.size() - 1), recdb::kNotADatabase},
      {"foreign", "MZ" + good.substr(2), recdb::kNotADatabase},
      {"bad checksum", flipped, recdb::kCorrupt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteWhole(path, c.content);
    for (int mode : {recdb::kModeRead, recdb::kModeUpdate, recdb::kModeCheck}) {
      EXPECT_EQ(open(14, 0, mode), c.want) << "mode " << mode;
    }
    EXPECT_EQ(close(14), recdb::kNotOpen);
    EXPECT_EQ(Store(2), c.want);
    EXPECT_EQ(ReadWhole(path), c.content);
  }
}

// The new file cannot take the old one's place (another program holds the old one
// open without letting it be replaced): the store fails and the old file is whole.
TEST_F(RecdbDllTest, AReplaceThatFailsLeavesTheOldFile) {
  ASSERT_EQ(Store(7), recdb::kOk);
  const std::string before = ReadWhole(path);
  HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Store(8), recdb::kIoError);
  CloseHandle(holder);
  EXPECT_EQ(ReadWhole(path), before);
  EXPECT_EQ(GetFileAttributesA((path + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Fetch(), 7);
}

class AuditDllTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(logEvent, nullptr); }
  std::string Trail() const { return ReadWhole(home.File("audit.log")); }

  LogEventFn logEvent = Export<LogEventFn>("audit.dll", "LogEvent");
  e2e::HostHome home;
};

TEST(Sha256, MatchesTheStandardVectors) {
  struct Case {
    std::string input;
    const char* hex;
  } cases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {std::string(1000000, 'a'),
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 8));
    audit::Digest digest;
    ASSERT_TRUE(audit::Sha256(c.input, digest));
    EXPECT_EQ(audit::HexOf(digest), c.hex);
  }
}

TEST_F(AuditDllTest, EachCallAppendsOneChainedLineWithTheUserAndComputer) {
  ASSERT_EQ(logEvent(1, 3, 0, "TOVREX setup file written to disk.\r\nFilename : C:\\M.DB", 0), 0);
  ASSERT_EQ(logEvent(7, 8, 9, nullptr, -1), 0);
  ASSERT_EQ(logEvent(1, 3, 0, "third", 0), 0);
  const std::string trail = Trail();
  ASSERT_EQ(std::count(trail.begin(), trail.end(), '\n'), 3);
  char user[257] = "";
  DWORD size = sizeof user;
  GetUserNameA(user, &size);
  char computer[MAX_COMPUTERNAME_LENGTH + 1] = "";
  size = sizeof computer;
  GetComputerNameA(computer, &size);
  EXPECT_NE(trail.find(std::string("\t") + user + "\t" + computer + "\t1\t3\t0\t0\t" +
                       "TOVREX setup file written to disk.\\r\\nFilename : C:\\\\M.DB\t"),
            std::string::npos)
      << trail;
  EXPECT_NE(trail.find("\t7\t8\t9\t-1\t\t"), std::string::npos);
  const audit::TrailCheck check = audit::VerifyTrail(trail, audit::Sha256);
  EXPECT_TRUE(check.intact) << audit::DescribeCheck(check);
  EXPECT_EQ(check.entries, 3u);
}

TEST_F(AuditDllTest, ConcurrentCallersChainOneAfterTheOther) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 3; ++t) {
    threads.emplace_back([this, t] {
      for (int i = 0; i < 20; ++i) logEvent(t, i, 0, "concurrent", 0);
    });
  }
  for (std::thread& thread : threads) thread.join();
  const audit::TrailCheck check = audit::VerifyTrail(Trail(), audit::Sha256);
  EXPECT_TRUE(check.intact) << audit::DescribeCheck(check);
  EXPECT_EQ(check.entries, 60u);
}

// auditverify.exe beside this program: exit code and report.
struct VerifyRun {
  DWORD exitCode = 99;
  std::string output;
};

VerifyRun RunVerifier(const std::string& trailPath, const std::string& outPath) {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string folder(self);
  folder.resize(folder.find_last_of('\\'));
  std::string command = "\"" + folder + "\\auditverify.exe\" \"" + trailPath + "\"";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = out;
  PROCESS_INFORMATION process{};
  VerifyRun run;
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  run.output = ReadWhole(outPath);
  return run;
}

TEST_F(AuditDllTest, TheVerifierNamesTheFirstBrokenEntry) {
  for (int i = 0; i < 4; ++i)
    ASSERT_EQ(logEvent(1, 3, 0, ("save " + std::to_string(i)).c_str(), 0), 0);
  const std::string trail = home.File("audit.log");
  VerifyRun run = RunVerifier(trail, home.File("verify1.txt"));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_NE(run.output.find("intact: 4 entries"), std::string::npos) << run.output;

  std::string edited = Trail();
  edited.replace(edited.find("save 2"), 6, "save 9");
  WriteWhole(trail, edited);
  // A file of its own per run: the last run's output may still be held open briefly.
  run = RunVerifier(trail, home.File("verify2.txt"));
  EXPECT_EQ(run.exitCode, 1u);
  EXPECT_NE(run.output.find("broken at entry 3"), std::string::npos) << run.output;

  run = RunVerifier(home.File("missing.log"), home.File("verify3.txt"));
  EXPECT_EQ(run.exitCode, 2u);
}

}  // namespace
