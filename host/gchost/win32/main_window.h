// The host's main window "GC Host": a menu whose Instrument > Inlet Editor... item
// opens the plug-in's editor, owned by this window.
#pragma once

#include <windows.h>

#include "gchost/win32/plugin_loader.h"
#include "gchost/win32/win_handles.h"

namespace gchost {

enum MenuCommand : WORD {
  kCommandInletEditor = 101,
  kCommandExit = 102,
};

class MainWindow {
 public:
  // Registers the class and creates the window, visible. Check with operator bool.
  MainWindow(HINSTANCE instance, AcqGCInletFn openEditor);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  explicit operator bool() const { return static_cast<bool>(window_); }
  HWND Handle() const { return window_.Get(); }
  void OpenEditor() const { openEditor_(window_.Get()); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static HMENU BuildMenu();

  AcqGCInletFn openEditor_;
  RegisteredClass class_;  // declared before the window: it must outlive it
  OwnedWindow window_;
};

}  // namespace gchost
