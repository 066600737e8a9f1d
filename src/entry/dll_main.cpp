// Module entry: keeps the instance handle and registers the editor's window class; the
// plug-in's two process-wide values live here.
#include <windows.h>

#include "entry/module.h"
#include "resource_ids.h"

HINSTANCE moduleInstance;
// Zero when the library loads, with no constructor to run: the plug-in registers no
// static initialisers of its own.
constinit EditorSession editorSession{};

namespace {

// The editor's dialog template names this class, so the class must run the system's
// dialog procedure and reserve a dialog's extra bytes; the class supplies the editor's
// menu and icon.
bool RegisterEditorClass(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW;
  wc.lpfnWndProc = DefDlgProcA;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, TOVREX_ICON);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszMenuName = TOVREX_MENU;
  wc.lpszClassName = TOVREX_CLASS;
  return LOWORD(RegisterClassA(&wc)) != 0;
}

}  // namespace

// Nothing is released on detach: the class stays registered for the host's lifetime
// and an editor still open is the host's to close.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  moduleInstance = instance;
  return RegisterEditorClass(instance) ? TRUE : FALSE;
}
