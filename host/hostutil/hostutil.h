// The host's general utility library: a registry of open dialog windows and current
// files, the host's INI file, number formatting, standard messages and file dialogs.
// Every function uses the standard calling convention except the variadic MsgReport;
// names are exported undecorated.
//
// State lives in host.ini in the folder named by the environment variable GCHOST_HOME
// (read on every call; default: the folder of the running executable), kept with the
// platform's INI functions:
//   [TOVREX]      ULVOControl=1  TOVREXMinTemp=0       options read with GetIniString
//   [GCDisplay]   Parent=0,1,10,20,700,480             window positions (GetIniWindPos)
//   [SystemList]  GC_DB=C:\data\methods.db             the file registry (GetGlobalFile)
#pragma once

#include <windows.h>

#include "hostutil_types.h"

#ifdef HOSTUTIL_BUILD
// The library's own build: the .def file of each architecture lists the exports, so
// nothing else (no helper, no decorated alias) can slip into the export table.
#define HOSTUTIL_API extern "C"
#else
#define HOSTUTIL_API extern "C" __declspec(dllimport)
#endif

// Dialog-window slots: a process-wide table indexed 0..kDialogSlots-1. Out-of-range
// slots read as null and are never written.
inline constexpr int kDialogSlots = 32;
HOSTUTIL_API HWND WINAPI GetGlobalDialogWnd(int slot);
HOSTUTIL_API void WINAPI SetGlobalDialogWnd(int slot, HWND window);

// Window positions in host.ini: "flags,showState,left,top,right,bottom".
// GetIniWindPos returns nonzero when a complete record was stored (and only then
// writes `pos`); `reserved` is 0. SetIniWindPos stores it when `write` is nonzero and
// returns nonzero when it did.
HOSTUTIL_API int WINAPI GetIniWindPos(const char* section, const char* key, int reserved,
                                      WindowPos* pos);
HOSTUTIL_API int WINAPI SetIniWindPos(const char* section, const char* key, const WindowPos* pos,
                                      int write);
// The window's screen rectangle; flags 0, showState 1 normal / 2 minimised / 3 maximised.
// A minimised window reports the rectangle it restores to. No window: zeros, returns 0.
HOSTUTIL_API int WINAPI ObtainWindPos(HWND window, WindowPos* pos);

// Copies the stored text (or `defaultText`) into `buffer`, cut to size-1 characters
// and always terminated when size > 0. Returns the number of characters copied.
HOSTUTIL_API int WINAPI GetIniString(const char* section, const char* key, const char* defaultText,
                                     char* buffer, int size);

// The file registry: list `listName`, entry `entryName` (for the method database
// "SystemList" / "GC_DB") names one file. GetGlobalFile splits it into directory, name
// and extension; `sameEntry` is the caller's entry again (kept for the host's calling
// pattern) and is ignored. Returns nonzero when the entry is registered; on 0 the
// entry's names are empty. Either way its two words are set to 0. A registered path
// longer than 259 characters, or one whose parts do not fit the fields, reads as not
// registered: it is never handed out cut short.
HOSTUTIL_API int WINAPI GetGlobalFile(const char* listName, const char* entryName,
                                      GlobalFileEntry* entry, GlobalFileEntry* sameEntry);
// Registers the file that `entry` names; the registry is host.ini, so only with `write`
// nonzero does anything change. Returns nonzero when stored. An entry that names no
// file, has a field without its terminator or joins to more than 259 characters is
// refused and the registry left as it was.
HOSTUTIL_API int WINAPI SetGlobalFile(const char* listName, const char* entryName,
                                      const GlobalFileEntry* entry, int write);

// The common Open / Save As dialogs over a FileRequest. Return 1 when a file was
// chosen (and stands in the request), 0 when the user cancelled. A chosen path that the
// registry could not hold (see SetGlobalFile) is refused with message 11 and gives 0.
HOSTUTIL_API int WINAPI GenGetNormalFile(HINSTANCE instance, HWND owner, FileRequest* request);
HOSTUTIL_API int WINAPI GenSetNormalFile(HINSTANCE instance, HWND owner, FileRequest* request);

// `value` with `decimals` fixed decimals, rounded as the C runtime's printf rounds.
// Writes at most kFtoaBufferSize bytes; a value too long for that is written in
// exponent form. NaN and the infinities read "NaN", "Infinity", "-Infinity", and a
// negative value that rounds to zero shows no sign. Returns `buffer`.
HOSTUTIL_API char* WINAPI ftoa(double value, char* buffer, int decimals);

// Shows the host's standard message `code` (see HostMessageCode) in a message box.
// Returns the message box's result, or 0 for an unknown code.
HOSTUTIL_API int __cdecl MsgReport(int code, ...);
