// The plug-in's own instance handle: every resource load, dialog and file dialog
// passes it. The host's module (GetModuleHandle(NULL)) would find none of them.
#pragma once

#include <windows.h>

extern HINSTANCE moduleInstance;
