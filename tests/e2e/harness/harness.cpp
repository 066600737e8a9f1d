#include "harness/harness.h"

#include <filesystem>

#include "hostutil/hostutil.h"
#include "method/inlet_method.h"
#include "recdb/recdb.h"
#include "win32/window_capture.h"

namespace e2e {

HMODULE PluginModule() {
  static const HMODULE module = LoadLibraryA("tovrex.dll");
  return module;
}

AcqGCInletFn AcqGCInlet() {
  return PluginModule() ? reinterpret_cast<AcqGCInletFn>(reinterpret_cast<void*>(
                              GetProcAddress(PluginModule(), MAKEINTRESOURCEA(3))))
                        : nullptr;
}

HWND EditorWindow() { return GetGlobalDialogWnd(9); }

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    HWND editor = EditorWindow();
    if (editor && IsDialogMessageA(editor, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void DestroyEditor() {
  if (HWND editor = EditorWindow()) DestroyWindow(editor);
  PumpMessages();
}

std::string ThisFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  return std::filesystem::path(path).parent_path().string();
}

std::string TextOf(HWND window, int id) {
  char text[1024] = "";
  if (id) window = GetDlgItem(window, id);
  if (window) GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

HostHome::HostHome() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  path_ = std::string(temp) + "tovrex-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter);
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
  SetEnvironmentVariableA("GCHOST_HOME", path_.c_str());
}

HostHome::~HostHome() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void HostHome::WriteIni(const char* section, const char* key, const char* value) const {
  WritePrivateProfileStringA(section, key, value, File("host.ini").c_str());
}

std::string HostHome::ReadIni(const char* section, const char* key) const {
  char buffer[512];
  GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, File("host.ini").c_str());
  return buffer;
}

OwnerWindow::OwnerWindow(int left, int top) {
  static const ATOM owner = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "E2EHostMain";
    return RegisterClassA(&wc);
  }();
  window_ =
      CreateWindowExA(0, MAKEINTATOM(owner), "GC Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, left, top,
                      640, 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

MethodDbRecord DefaultMethodRecord() {
  MethodDbRecord record;
  EncodeMethodRecord(DefaultMethod(), record);
  return record;
}

bool WriteMethodDatabase(const HostHome& home, const MethodDbRecord& record,
                         const std::string& fileName) {
  home.WriteIni("SystemList", "GC_DB", home.File(fileName).c_str());
  MethodDbRecord copy = record;
  if (DB3Open(kMethodDbNumber, 0, recdb::kModeUpdate) != 0) return false;
  const int stored =
      DB3HandleRecord(kMethodDbNumber, kMethodRecordNumber, copy.bytes.data(), recdb::kOpStore, 1);
  return DB3Close(kMethodDbNumber) == 0 && stored == 0;
}

bool ReadMethodDatabase(MethodDbRecord& record) {
  if (DB3Open(kMethodDbNumber, 0, recdb::kModeRead) != 0) return false;
  const int fetched = DB3HandleRecord(kMethodDbNumber, kMethodRecordNumber, record.bytes.data(),
                                      recdb::kOpFetch, 0);
  return DB3Close(kMethodDbNumber) == 0 && fetched == 0;
}

void AnswerFileDialog(DialogAnswerer& answerer, std::string typed) {
  answerer.Then([typed](HWND dialog) {
    HWND field = GetDlgItem(dialog, 0x47C);
    SetWindowTextA(field ? field : GetDlgItem(dialog, 0x480), typed.c_str());
    DialogAnswerer::Click(dialog, IDOK);
    // Should OK be refused (a box the answerer then cancels), this ends the dialog rather
    // than leaving it open for ever; after an accepted OK the click is dropped.
    DialogAnswerer::Click(dialog, IDCANCEL);
  });
}

void EditorTest::SetUp() {
  ASSERT_NE(AcqGCInlet(), nullptr);
  ASSERT_EQ(EditorWindow(), nullptr) << "an earlier test left the editor open";
  SetCursorPos(0, 0);
  ASSERT_TRUE(WriteMethodDatabase(home, DefaultMethodRecord()));
}

void EditorTest::TearDown() {
  DestroyEditor();
  EXPECT_TRUE(answerer.Cancelled().empty()) << "a message or dialog nobody expected";
}

HWND EditorTest::Open() {
  EXPECT_EQ(AcqGCInlet()(owner.Get()), 1);
  PumpMessages();
  return editor = EditorWindow();
}

bool EditorTest::MenuEnabled(int id) const {
  return !(GetMenuState(GetMenu(editor), id, MF_BYCOMMAND) & MF_GRAYED);
}

namespace {
HWND dialogShown;
std::function<void(HWND)> dialogSteps;
void CALLBACK RunDialogSteps(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!IsWindowVisible(dialogShown)) return;
  KillTimer(nullptr, timer);
  RedrawCompletely(dialogShown);
  dialogSteps(dialogShown);
  PostMessageA(dialogShown, WM_COMMAND, IDCANCEL, 0);
}
}  // namespace

void EditorTest::InDialog(int command, std::function<void(HWND)> steps, int boxes) {
  dialogSteps = std::move(steps);
  answerer.Then([](HWND dialog) {
    dialogShown = dialog;
    SetTimer(nullptr, 0, 1, RunDialogSteps);
  });
  for (int i = 0; i < boxes; ++i) answerer.Press(IDOK);
  SendMessageA(editor, WM_COMMAND, command, 0);
  PumpMessages();
}

void EditorTest::Type(int id, const char* text) {
  SetFocus(GetDlgItem(editor, id));
  SetWindowTextA(GetDlgItem(editor, id), text);
  PumpMessages();
}

}  // namespace e2e
