// gchost.exe run as a user or a script runs it: the screenshot run and the picture it
// writes, the host.ini of a first run, and the exit codes and messages of failed runs.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gchost/core/host_options.h"
#include "gchost/win32/main_window.h"
#include "harness/dialog_answerer.h"
#include "harness/host_home.h"
#include "harness/owner_window.h"
#include "harness/plugin.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::string ThisFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  return std::filesystem::path(path).parent_path().string();
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct RunResult {
  DWORD exitCode = 0;
  std::string errors;  // what the program wrote to stderr
};

// Runs `exe` with `args` and waits for it; its stderr goes into `errorFile`. A run
// that does not end within a minute (a box waiting for a click) is killed and fails.
RunResult RunProgram(const std::string& exe, const std::string& args,
                     const std::string& errorFile) {
  RunResult result;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE errors = CreateFileA(errorFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE nothing =
      CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, 0, &inherit, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nothing;
  startup.hStdOutput = nothing;
  startup.hStdError = errors;
  std::string commandLine = "\"" + exe + "\" " + args;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(errors);
  CloseHandle(nothing);
  if (!started) {
    ADD_FAILURE() << "cannot start " << exe << " (error " << GetLastError() << ")";
    result.exitCode = ~DWORD{0};
    return result;
  }
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
    ADD_FAILURE() << commandLine << " did not end within a minute";
  }
  GetExitCodeProcess(process.hProcess, &result.exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const Bytes text = ReadFile(errorFile);
  result.errors.assign(text.begin(), text.end());
  return result;
}

// A program started without waiting for it; ended by force if a test leaves it running.
class StartedProgram {
 public:
  StartedProgram(const std::string& exe, const std::string& args) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\" " + args;
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
      process_ = {};
    }
  }
  ~StartedProgram() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 99);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  // Waits until the program has handled its input and waits for more.
  void WaitForIdle() const { WaitForInputIdle(process_.hProcess, 5000); }
  DWORD ThreadId() const { return process_.dwThreadId; }
  // The exit code, or STILL_ACTIVE when it has not ended within `milliseconds`.
  DWORD WaitForExit(DWORD milliseconds) const {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_.hProcess, &code);
    }
    return code;
  }
  // The program's visible top-level window of this class, waiting for it to appear.
  // Message boxes that open meanwhile are cancelled: nobody else would answer them.
  HWND WaitForWindow(const char* className) const {
    for (int tries = 0; tries < 300; ++tries) {
      if (HWND box = FindThreadWindow("#32770")) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      } else if (HWND window = FindThreadWindow(className)) {
        return window;
      }
      Sleep(100);
    }
    return nullptr;
  }

 private:
  HWND FindThreadWindow(const char* className) const {
    struct Search {
      const char* className;
      HWND found;
    } search{className, nullptr};
    EnumThreadWindows(
        process_.dwThreadId,
        [](HWND window, LPARAM context) -> BOOL {
          auto* s = reinterpret_cast<Search*>(context);
          char name[64] = "";
          GetClassNameA(window, name, sizeof name);
          if (lstrcmpA(name, s->className) == 0 && IsWindowVisible(window)) s->found = window;
          return !s->found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  PROCESS_INFORMATION process_{};
};

// The window that has the keyboard focus in another program's thread.
HWND FocusOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

uint32_t BigEndian32(const Bytes& bytes, size_t at) {
  return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

struct Image {
  uint32_t width = 0;
  uint32_t height = 0;
  Bytes rgb;
  COLORREF At(uint32_t x, uint32_t y) const {
    const size_t i = (size_t{y} * width + x) * 3;
    return RGB(rgb[i], rgb[i + 1], rgb[i + 2]);
  }
};

// Reads a PNG of the kind gchost writes (8-bit RGB, stored deflate blocks, no row
// filters): enough to compare its pixels here, where no image library exists. Its
// checksums are checked by the encoder's unit tests against an independent decoder.
testing::AssertionResult ReadHostPng(const Bytes& file, Image& image) {
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || !std::equal(signature.begin(), signature.end(), file.begin())) {
    return testing::AssertionFailure() << "no PNG signature";
  }
  Bytes stream;
  for (size_t at = 8; at + 12 <= file.size();) {
    const uint32_t length = BigEndian32(file, at);
    if (at + 12 + length > file.size()) return testing::AssertionFailure() << "chunk cut short";
    const std::string type(file.begin() + at + 4, file.begin() + at + 8);
    const auto data = file.begin() + at + 8;
    if (type == "IHDR") {
      image.width = BigEndian32(file, at + 8);
      image.height = BigEndian32(file, at + 12);
      if (data[8] != 8 || data[9] != 2) return testing::AssertionFailure() << "not 8-bit RGB";
    } else if (type == "IDAT") {
      stream.insert(stream.end(), data, data + length);
    }
    at += 12 + length;
  }
  Bytes scanlines;
  size_t at = 2;  // after the zlib header
  for (bool final = false; !final;) {
    if (at + 5 > stream.size() || (stream[at] & 6) != 0) {
      return testing::AssertionFailure() << "not a stored deflate block at " << at;
    }
    final = stream[at] & 1;
    const size_t length = stream[at + 1] | stream[at + 2] << 8;
    if (at + 5 + length > stream.size()) return testing::AssertionFailure() << "block cut short";
    scanlines.insert(scanlines.end(), stream.begin() + at + 5, stream.begin() + at + 5 + length);
    at += 5 + length;
  }
  const size_t row = size_t{image.width} * 3;
  if (scanlines.size() != (row + 1) * image.height) {
    return testing::AssertionFailure()
           << scanlines.size() << " bytes of rows for " << image.width << " x " << image.height;
  }
  for (size_t y = 0; y < image.height; ++y) {
    if (scanlines[y * (row + 1)] != 0) return testing::AssertionFailure() << "row filter " << y;
    const auto begin = scanlines.begin() + static_cast<std::ptrdiff_t>(y * (row + 1) + 1);
    image.rgb.insert(image.rgb.end(), begin, begin + static_cast<std::ptrdiff_t>(row));
  }
  return testing::AssertionSuccess();
}

class GcHostTest : public testing::Test {
 protected:
  RunResult RunHost(const std::string& args) {
    return RunProgram(ThisFolder() + "\\gchost.exe", args, home.File("stderr.txt"));
  }

  e2e::HostHome home;
};

TEST_F(GcHostTest, ScreenshotShowsTheEditorWindowAsItIsDrawn) {
  const std::string png = home.File("editor.png");
  const RunResult run = RunHost("--screenshot " + Quoted(png));
  ASSERT_EQ(run.exitCode, 0u) << run.errors;
  Image image;
  ASSERT_TRUE(ReadHostPng(ReadFile(png), image));

  // The same editor, opened here with the same host home, must look the same. Boxes it
  // shows while opening (a method database not created yet) were cancelled there too.
  e2e::DialogAnswerer answerer;
  ASSERT_NE(e2e::LoadPlugin().acqGCInlet, nullptr);
  e2e::OwnerWindow owner(100, 60);
  e2e::LoadPlugin().acqGCInlet(owner.Get());
  HWND editor = e2e::EditorWindow();
  ASSERT_NE(editor, nullptr);
  RedrawWindow(editor, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  e2e::PumpMessages();
  RECT window;
  GetWindowRect(editor, &window);
  ASSERT_EQ(image.width, static_cast<uint32_t>(window.right - window.left));
  ASSERT_EQ(image.height, static_cast<uint32_t>(window.bottom - window.top));

  // The whole window, caption included: its colours are the only ones besides greys so
  // far, so it shows swapped channels. Whether the host's editor was the active window
  // depends on what else ran on the display, so the caption is drawn both ways here.
  int samples = 0, same = 0;
  for (BOOL active : {TRUE, FALSE}) {
    SendMessageA(editor, WM_NCACTIVATE, active, 0);
    e2e::PumpMessages();
    samples = 0;
    int agreeing = 0;
    HDC dc = GetWindowDC(editor);
    for (uint32_t y = 1; y < image.height; y += 3) {
      for (uint32_t x = 1; x < image.width; x += 5) {
        ++samples;
        if (GetPixel(dc, static_cast<int>(x), static_cast<int>(y)) == image.At(x, y)) ++agreeing;
      }
    }
    ReleaseDC(editor, dc);
    same = std::max(same, agreeing);
  }
  e2e::DestroyEditor();
  ASSERT_GT(samples, 1000);
  // A caret may blink in one and not the other. Swapped colour channels change the
  // caption (about 4 % of the window), a shifted row or an unpainted window far more.
  EXPECT_GE(same, samples * 99 / 100) << same << " of " << samples << " pixels agree";
}

// The host's own message loop hands the editor's keys to IsDialogMessage: Tab moves the
// focus to the next field, which an edit or check box would not do by itself. Exit
// closes the editor and ends the host normally.
TEST_F(GcHostTest, OpenEditorRunsAHostLoopThatTabsThroughTheEditor) {
  StartedProgram host(ThisFolder() + "\\gchost.exe", "--open-editor");
  ASSERT_TRUE(host.Started());
  HWND main = host.WaitForWindow("GCHostMainWindow");
  ASSERT_NE(main, nullptr);
  HWND editor = host.WaitForWindow("TOVREXWClass");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(GetWindow(editor, GW_OWNER), main);

  // Tab goes to the field that has the focus; when other programs on the display have
  // taken the activation, this thread may have none, and the first field takes it. Such
  // a program can also take it in the middle of a try, hence three tries.
  bool tabbed = false;
  for (int attempt = 0; attempt < 3 && !tabbed; ++attempt) {
    host.WaitForIdle();
    HWND before = FocusOf(host.ThreadId());
    if (before && !IsChild(editor, before)) before = nullptr;
    HWND target = before ? before : GetNextDlgTabItem(editor, nullptr, FALSE);
    ASSERT_NE(target, nullptr);
    PostMessageA(target, WM_KEYDOWN, VK_TAB, 1);
    PostMessageA(target, WM_KEYUP, VK_TAB, 1 | 0xC0000000);
    for (int tries = 0; tries < 40 && !tabbed; ++tries) {
      Sleep(50);
      HWND after = FocusOf(host.ThreadId());
      tabbed = after && after != before && IsChild(editor, after);
    }
  }
  EXPECT_TRUE(tabbed) << "Tab did not move the focus to another field of the editor";

  PostMessageA(main, WM_COMMAND, gchost::kCommandExit, 0);
  EXPECT_EQ(host.WaitForExit(30000), 0u);
}

TEST_F(GcHostTest, FirstRunCreatesTheHomeAndItsHostIni) {
  const std::string newHome = home.File("lab\\gc host");
  SetEnvironmentVariableA("GCHOST_HOME", newHome.c_str());
  const RunResult run = RunHost("--screenshot " + Quoted(home.File("editor.png")));
  ASSERT_EQ(run.exitCode, 0u) << run.errors;
  const std::string ini = newHome + "\\host.ini";
  auto read = [&](const char* section, const char* key) {
    char value[512] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, ini.c_str());
    return std::string(value);
  };
  EXPECT_EQ(read("TOVREX", "ULVOControl"), "1");
  EXPECT_EQ(read("TOVREX", "TOVREXMinTemp"), "0");
  EXPECT_EQ(read("SystemList", "GC_DB"), newHome + "\\methods.db");
}

TEST_F(GcHostTest, AnExistingHostIniIsLeftAsItIs) {
  home.WriteIni("TOVREX", "ULVOControl", "0");
  const RunResult run = RunHost("--screenshot " + Quoted(home.File("editor.png")));
  ASSERT_EQ(run.exitCode, 0u) << run.errors;
  EXPECT_EQ(home.ReadIni("TOVREX", "ULVOControl"), "0");
  EXPECT_EQ(home.ReadIni("TOVREX", "TOVREXMinTemp"), "") << "first-run settings were written";
}

TEST_F(GcHostTest, FailedRunsSayWhyAndExitWithTheirCode) {
  // A host folder without the plug-in: only the executable and the library it imports.
  const std::string bare = home.File("bare");
  std::filesystem::create_directories(bare);
  for (const char* file : {"gchost.exe", "hostutil.dll"}) {
    std::filesystem::copy_file(ThisFolder() + "\\" + file, bare + "\\" + file);
  }
  struct Case {
    const char* name;
    std::string exe;
    std::string args;
    DWORD exitCode;
    std::string mentions;
  };
  const std::string host = ThisFolder() + "\\gchost.exe";
  const std::string unwritable = home.File("no such folder\\editor.png");
  const Case cases[] = {
      {"no plug-in", bare + "\\gchost.exe", "--screenshot " + Quoted(home.File("x.png")),
       gchost::kExitPluginMissing, "tovrex.dll"},
      {"unwritable picture", host, "--screenshot " + Quoted(unwritable), gchost::kExitFailed,
       unwritable},
      {"no file name", host, "--screenshot", gchost::kExitUsage, "usage"},
      {"unknown option", host, "--screenshot x.png --bogus", gchost::kExitUsage, "--bogus"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResult run = RunProgram(c.exe, c.args, home.File("stderr.txt"));
    EXPECT_EQ(run.exitCode, c.exitCode) << run.errors;
    EXPECT_NE(run.errors.find(c.mentions), std::string::npos) << run.errors;
  }
  EXPECT_FALSE(std::filesystem::exists(home.File("x.png")));
}

}  // namespace
