// gchost.exe run as a user or a script runs it: the screenshot run and the picture it
// writes, the host home of a first run, and the exit codes of failed runs.
#include <process.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "gchost/core/host_options.h"
#include "harness/harness.h"

namespace {

// Runs `exe` with `args` and returns its exit code. A run that does not end within a
// minute (a box waiting for a click) is killed and fails.
DWORD RunProgram(const std::string& exe, std::vector<std::string> args) {
  args.insert(args.begin(), exe);
  std::vector<const char*> argv;
  for (std::string& arg : args) argv.push_back((arg = "\"" + arg + "\"").c_str());
  argv.push_back(nullptr);
  const auto process = reinterpret_cast<HANDLE>(_spawnv(_P_NOWAIT, exe.c_str(), argv.data()));
  DWORD code = ~DWORD{0};
  if (process == INVALID_HANDLE_VALUE) return code;
  if (WaitForSingleObject(process, 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process, code);
    WaitForSingleObject(process, 5000);
    ADD_FAILURE() << exe << " did not end within a minute";
  }
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code;
}

// A PNG file's width and height from its header; 0 x 0 when it is not a PNG file.
std::pair<uint32_t, uint32_t> PngSize(const std::string& path) {
  unsigned char head[24] = {};
  std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(head), sizeof head);
  if (std::memcmp(head, "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) != 0) return {0, 0};
  const auto big = [&](int at) {
    return uint32_t{head[at]} << 24 | uint32_t{head[at + 1]} << 16 | head[at + 2] << 8 |
           head[at + 3];
  };
  return {big(16), big(20)};
}

class GcHostTest : public testing::Test {
 protected:
  e2e::HostHome home;
  const std::string host = e2e::ThisFolder() + "\\gchost.exe";
};

// The first run makes the home folder with its host.ini and method database and pictures
// the editor as it opens there.
TEST_F(GcHostTest, FirstScreenshotRunMakesTheHomeAndPicturesTheEditor) {
  const std::string newHome = home.File("lab\\gc host");
  SetEnvironmentVariableA("GCHOST_HOME", newHome.c_str());
  const std::string png = home.File("editor.png");
  ASSERT_EQ(RunProgram(host, {"--screenshot", png}), 0u);
  char db[MAX_PATH] = "";
  GetPrivateProfileStringA("SystemList", "GC_DB", "", db, sizeof db,
                           (newHome + "\\host.ini").c_str());
  EXPECT_EQ(db, newHome + "\\methods.db");
  EXPECT_GT(std::filesystem::file_size(newHome + "\\methods.db"), 0u);
  const auto [width, height] = PngSize(png);

  // The same editor opened here has the picture's size (its pixels are the capture the
  // pixel tests read, through the encoder the unit tests decode).
  DialogAnswerer answerer;
  ASSERT_NE(e2e::AcqGCInlet(), nullptr);
  e2e::OwnerWindow owner(100, 60);
  e2e::AcqGCInlet()(owner.Get());
  HWND editor = e2e::EditorWindow();
  ASSERT_NE(editor, nullptr);
  RECT rect{};
  GetWindowRect(editor, &rect);
  e2e::DestroyEditor();
  EXPECT_EQ(width, uint32_t(rect.right - rect.left));
  EXPECT_EQ(height, uint32_t(rect.bottom - rect.top));
}

TEST_F(GcHostTest, FailedRunsExitWithTheirCode) {
  // A host folder without the plug-in: only the executable and the library it imports.
  const std::string bare = home.File("bare");
  std::filesystem::create_directories(bare);
  for (const char* file : {"gchost.exe", "hostutil.dll"}) {
    std::filesystem::copy_file(e2e::ThisFolder() + "\\" + file, bare + "\\" + file);
  }
  EXPECT_EQ(RunProgram(bare + "\\gchost.exe", {"--screenshot", home.File("x.png")}),
            DWORD{gchost::kExitPluginMissing});
  EXPECT_EQ(RunProgram(host, {"--screenshot", home.File("no such folder\\x.png")}),
            DWORD{gchost::kExitFailed});
  EXPECT_EQ(RunProgram(host, {"--screenshot"}), DWORD{gchost::kExitUsage});
  EXPECT_FALSE(std::filesystem::exists(home.File("x.png")));
}

}  // namespace
