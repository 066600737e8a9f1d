// What every end-to-end test needs: the plug-in loaded as a host loads it (by file name,
// its entry by ordinal), a host home of its own (GCHOST_HOME) with a method database, an
// owner window playing the host's main window, a message pump that routes the editor
// through IsDialogMessage, and the fixture that opens the editor in all of that.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "win32/dialog_answerer.h"
#include "storage/method_record.h"

namespace e2e {

using AcqGCInletFn = int(WINAPI*)(HWND owner);

// tovrex.dll, loaded once per process (the host never unloads it).
HMODULE PluginModule();
AcqGCInletFn AcqGCInlet();
// The editor window, as the host's slot 9 records it (null when closed).
HWND EditorWindow();
// Delivers every queued message of this thread, the editor's keyboard messages through
// IsDialogMessage as a host's loop does.
void PumpMessages();
// Closes the editor if one is open, without any questions: it is destroyed directly.
void DestroyEditor();
// The folder of this test program, where the build puts every program and library.
std::string ThisFolder();
std::string TextOf(HWND window, int id = 0);  // id 0: the window's own text
std::string ClassOf(HWND window);

// A new empty folder that GCHOST_HOME names until it is removed with everything in it.
class HostHome {
 public:
  HostHome();
  ~HostHome();
  HostHome(const HostHome&) = delete;
  HostHome& operator=(const HostHome&) = delete;
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  void WriteIni(const char* section, const char* key, const char* value) const;
  std::string ReadIni(const char* section, const char* key) const;

 private:
  std::string path_;
};

// A plain 640 x 480 top-level window: the editor's owner.
class OwnerWindow {
 public:
  OwnerWindow(int left, int top);
  ~OwnerWindow() { DestroyWindow(window_); }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  HWND Get() const { return window_; }

 private:
  HWND window_;
};

// The editor's default method as a stored record.
MethodDbRecord DefaultMethodRecord();
// Registers `fileName` in the home as the current method database and stores `record` as
// its record 1 through recdb.dll. False when the library refused.
bool WriteMethodDatabase(const HostHome& home, const MethodDbRecord& record,
                         const std::string& fileName = "methods.db");
// Record 1 of the database the registry names now. False when it cannot be read.
bool ReadMethodDatabase(MethodDbRecord& record);

// Queues an answer for the next Open or Save As dialog: `typed` into its file-name field
// (cmb13 in the explorer style, edt1 in the old one), then OK.
void AnswerFileDialog(DialogAnswerer& answerer, std::string typed);

// Each test starts with no editor open, the default method in its home's database and the
// display's pointer off the editor; it ends with the editor destroyed and every dialog
// that appeared answered as the test expected.
class EditorTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Calls AcqGCInlet (which always answers 1) and returns the editor.
  HWND Open();
  std::string Text(int id) const { return TextOf(editor, id); }
  bool MenuEnabled(int id) const;
  // Types into a field as a user does: focus it, replace its text (a real EN_CHANGE).
  void Type(int id, const char* text);
  // Opens the modal dialog of a menu command and runs `steps` in it, from a timer in the
  // dialog's own loop once the dialog manager has shown it, after a repaint; `boxes`
  // messages the steps bring up are answered with OK, and a dialog the steps leave open
  // is cancelled.
  void InDialog(int command, std::function<void(HWND)> steps, int boxes = 0);

  HostHome home;
  OwnerWindow owner{100, 60};
  DialogAnswerer answerer;
  HWND editor = nullptr;
};

}  // namespace e2e
