#include "harness/plugin.h"

#include "hostutil/hostutil.h"

namespace e2e {

const Plugin& LoadPlugin() {
  static Plugin plugin;
  if (!plugin.module) {
    plugin.module = LoadLibraryA("tovrex.dll");
    if (plugin.module) {
      plugin.acqGCInlet = reinterpret_cast<AcqGCInletFn>(
          reinterpret_cast<void*>(GetProcAddress(plugin.module, MAKEINTRESOURCEA(3))));
    }
  }
  return plugin;
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

}  // namespace e2e
