// GetMessage and PeekMessage loops with the editor's dialog routing.
#include "gchost/win32/message_loop.h"

#include "hostutil/hostutil.h"

namespace gchost {

namespace {

void Deliver(MSG& msg) {
  // Looked up for every message: the editor can open or close inside any dispatch.
  HWND editor = EditorWindow();
  if (editor && IsDialogMessageA(editor, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

HWND EditorWindow() { return GetGlobalDialogWnd(kEditorSlot); }

int RunMessageLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    Deliver(msg);
  }
  return static_cast<int>(msg.wParam);
}

bool PumpUntilIdle() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    Deliver(msg);
  }
  return true;
}

}  // namespace gchost
