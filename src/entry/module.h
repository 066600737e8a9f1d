// The plug-in's two process-wide values.
#pragma once

#include <windows.h>

#include "editor/editor_session.h"

// The plug-in's own instance handle: every resource load, dialog and file dialog passes
// it. The host's module (GetModuleHandle(NULL)) would find none of them.
extern HINSTANCE moduleInstance;

// The session of the one editor the host can have open. The host calls the exported
// dialog procedures with nothing but a window handle, so this is where they find it;
// they pass it on by reference and nothing below them names it.
extern EditorSession editorSession;
