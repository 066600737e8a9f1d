// An open Win32 file handle, closed with CloseHandle. CreateFile's failure value,
// INVALID_HANDLE_VALUE, is its empty state, so the result can be owned unchecked.
#pragma once

#include <windows.h>

#include "win32/owned_handle.h"

inline HANDLE NoFileHandle() { return INVALID_HANDLE_VALUE; }

using OwnedFile = OwnedHandle<HANDLE, CloseHandle, NoFileHandle>;
