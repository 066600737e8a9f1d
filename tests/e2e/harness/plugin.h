// The plug-in loaded the way a host loads it: by file name, its entry found by ordinal.
#pragma once

#include <windows.h>

namespace e2e {

using AcqGCInletFn = int(WINAPI*)(HWND owner);

struct Plugin {
  HMODULE module = nullptr;
  AcqGCInletFn acqGCInlet = nullptr;
};

// Loads tovrex.dll once per process (the host never unloads it) and returns it.
const Plugin& LoadPlugin();

// The editor window, as the host's slot 9 records it (null when closed).
HWND EditorWindow();

// Delivers every queued message of this thread, routing the editor's keyboard
// messages through IsDialogMessage as a host's loop does.
void PumpMessages();

// Closes the editor if one is open, without any questions: it is destroyed directly.
void DestroyEditor();

}  // namespace e2e
