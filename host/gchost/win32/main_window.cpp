// The main window's class, menu and window procedure.
#include "gchost/win32/main_window.h"

#include "gchost/win32/message_loop.h"

namespace gchost {

namespace {

constexpr const char* kClassName = "GCHostMainWindow";

WNDCLASSEXA MainClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));      // IDI_APPLICATION
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = kClassName;
  return wc;
}

// Asks the editor to close as its own close box would, so that it can validate and
// offer to save. Returns false when it stays open (the user cancelled).
bool CloseEditor() {
  HWND editor = EditorWindow();
  if (!editor) return true;
  SendMessageA(editor, WM_CLOSE, 0, 0);
  return !IsWindow(editor);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, AcqGCInletFn openEditor)
    : openEditor_(openEditor), class_(MainClass(instance, WindowProc)) {
  if (!class_) return;
  OwnedMenu menu(BuildMenu());
  if (!menu) return;
  window_ = OwnedWindow(CreateWindowExA(0, kClassName, "GC Host", WS_OVERLAPPEDWINDOW,
                                        CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, menu.Get(),
                                        instance, reinterpret_cast<void*>(openEditor)));
  if (!window_) return;
  menu.Release();  // the window destroys its menu
  ShowWindow(window_.Get(), SW_SHOWNORMAL);
  UpdateWindow(window_.Get());
}

HMENU MainWindow::BuildMenu() {
  OwnedMenu instrument(CreatePopupMenu());
  OwnedMenu bar(CreateMenu());
  if (!instrument || !bar) return nullptr;
  AppendMenuA(instrument.Get(), MF_STRING, kCommandInletEditor, "&Inlet Editor...");
  AppendMenuA(instrument.Get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuA(instrument.Get(), MF_STRING, kCommandExit, "E&xit");
  if (!AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(instrument.Get()),
                   "&Instrument")) {
    return nullptr;
  }
  instrument.Release();  // the bar destroys its pop-up
  return bar.Release();
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      return 0;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kCommandInletEditor: {
          auto openEditor =
              reinterpret_cast<AcqGCInletFn>(GetWindowLongPtrA(window, GWLP_USERDATA));
          if (openEditor) openEditor(window);
          return 0;
        }
        case kCommandExit: PostMessageA(window, WM_CLOSE, 0, 0); return 0;
      }
      break;
    case WM_CLOSE:
      if (CloseEditor()) DestroyWindow(window);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace gchost
