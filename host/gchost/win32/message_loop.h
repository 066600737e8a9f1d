// The host's message loop. The editor is a modeless dialog, so every message for it
// goes through IsDialogMessage first: that is what makes Tab, Enter and the mnemonics
// work inside it, as in any host of modeless dialogs.
#pragma once

#include <windows.h>

namespace gchost {

// The dialog slot in which the plug-in registers its editor window.
inline constexpr int kEditorSlot = 9;

// The editor window, or null while it is closed.
HWND EditorWindow();

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Delivers every message queued now, and those that delivering them queues, until the
// queue is empty. Returns false when it met WM_QUIT (which it puts back for the loop).
bool PumpUntilIdle();

}  // namespace gchost
