// gchost.exe run as a user or a script runs it: the screenshot run and the picture it
// writes, the host home of a first run, and the exit codes of failed runs.
#include <process.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "gchost/core/host_options.h"
#include "harness/harness.h"
#include "harness/pixels.h"

namespace {

std::string ThisFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  return std::filesystem::path(path).parent_path().string();
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Runs `exe` with `args` and returns its exit code. A run that does not end within a
// minute (a box waiting for a click) is killed and fails.
DWORD RunProgram(const std::string& exe, std::vector<std::string> args) {
  args.insert(args.begin(), exe);
  std::vector<const char*> argv;
  for (std::string& arg : args) argv.push_back((arg = Quoted(arg)).c_str());
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

template <class Fn>
Fn Proc(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A PNG file's pixels as GDI+ decodes them (loaded here: nothing else of the tests links
// it); none when it cannot read the file.
e2e::Pixels ReadPng(const std::string& path) {
  const struct {
    UINT32 version = 1;
    void* debugCallback = nullptr;
    BOOL noBackgroundThread = FALSE, noCodecs = FALSE;
  } startup;
  using SizeFn = int(WINAPI*)(void*, UINT*);
  const HMODULE gdiplus = LoadLibraryA("gdiplus.dll");
  const auto start = Proc<int(WINAPI*)(ULONG_PTR*, const void*, void*)>(gdiplus, "GdiplusStartup");
  const auto load = Proc<int(WINAPI*)(const wchar_t*, void**)>(gdiplus, "GdipCreateBitmapFromFile");
  const auto width = Proc<SizeFn>(gdiplus, "GdipGetImageWidth");
  const auto height = Proc<SizeFn>(gdiplus, "GdipGetImageHeight");
  const auto pixel = Proc<int(WINAPI*)(void*, INT, INT, uint32_t*)>(gdiplus, "GdipBitmapGetPixel");
  const auto dispose = Proc<int(WINAPI*)(void*)>(gdiplus, "GdipDisposeImage");
  ULONG_PTR token = 0;
  void* bitmap = nullptr;
  UINT w = 0, h = 0;
  e2e::Pixels image;
  if (!gdiplus || start(&token, &startup, nullptr) != 0 ||
      load(std::filesystem::path(path).wstring().c_str(), &bitmap) != 0) {
    return image;
  }
  width(bitmap, &w);
  height(bitmap, &h);
  image = {static_cast<int>(w), static_cast<int>(h), std::vector<uint32_t>(size_t{w} * h)};
  for (UINT y = 0; y < h; ++y) {
    for (UINT x = 0; x < w; ++x) pixel(bitmap, x, y, &image.bgrx[y * w + x]);
  }
  dispose(bitmap);
  return image;
}

class GcHostTest : public testing::Test {
 protected:
  e2e::HostHome home;
  const std::string host = ThisFolder() + "\\gchost.exe";
};

// The first run makes the home folder with its host.ini and method database; the picture
// is the editor as it opens there, so the same editor opened here must look the same.
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
  const e2e::Pixels image = ReadPng(png);
  ASSERT_GT(image.width, 0) << "cannot read " << png;

  e2e::DialogAnswerer answerer;
  ASSERT_NE(e2e::AcqGCInlet(), nullptr);
  e2e::OwnerWindow owner(100, 60);
  e2e::AcqGCInlet()(owner.Get());
  HWND editor = e2e::EditorWindow();
  ASSERT_NE(editor, nullptr);
  // Whether the host's editor was the active window depends on what else ran on the
  // display, so the caption is drawn both ways here. A caret may blink in one and not
  // the other; swapped colour channels change the caption (about 4 % of the window), a
  // shifted row or an unpainted window far more.
  int best = 0, samples = 0;
  for (BOOL active : {TRUE, FALSE}) {
    SendMessageA(editor, WM_NCACTIVATE, active, 0);
    const e2e::Pixels shown = e2e::CaptureWindow(editor);
    ASSERT_EQ(image.width, shown.width);
    ASSERT_EQ(image.height, shown.height);
    int same = 0;
    samples = 0;
    for (int y = 1; y < image.height; y += 3) {
      for (int x = 1; x < image.width; x += 5, ++samples) same += image.At(x, y) == shown.At(x, y);
    }
    best = std::max(best, same);
  }
  e2e::DestroyEditor();
  ASSERT_GT(samples, 1000);
  EXPECT_GE(best, samples * 99 / 100) << best << " of " << samples << " pixels agree";
}

TEST_F(GcHostTest, FailedRunsExitWithTheirCode) {
  // A host folder without the plug-in: only the executable and the library it imports.
  const std::string bare = home.File("bare");
  std::filesystem::create_directories(bare);
  for (const char* file : {"gchost.exe", "hostutil.dll"}) {
    std::filesystem::copy_file(ThisFolder() + "\\" + file, bare + "\\" + file);
  }
  EXPECT_EQ(RunProgram(bare + "\\gchost.exe", {"--screenshot", home.File("x.png")}),
            DWORD{gchost::kExitPluginMissing});
  EXPECT_EQ(RunProgram(host, {"--screenshot", home.File("no such folder\\x.png")}),
            DWORD{gchost::kExitFailed});
  EXPECT_EQ(RunProgram(host, {"--screenshot"}), DWORD{gchost::kExitUsage});
  EXPECT_FALSE(std::filesystem::exists(home.File("x.png")));
}

}  // namespace
