// The host's audit library: one call, one entry in the host's audit trail.
//
// LogEvent appends an entry to audit.log in the folder that the environment variable
// GCHOST_HOME names (default: the folder of the running program) and flushes it to the
// disk before it returns. The entry holds the UTC time, the Windows user and computer
// names, the four numbers and the text (a null text is taken as empty), and a SHA-256
// hash that chains it to the entry before, so that an edited or removed entry is found
// by auditverify.exe. Format: audit/core/audit_entry.h. Concurrent callers, in this or
// other processes, take turns on the file. An entry that a crash cut short at the end of
// the trail is moved to audit.log.torn by the next call, which records the recovery in
// an entry of its own before the caller's.
//
// Returns 0 when the entry is on the disk; 1 when the trail's place is unknown, 2 when
// the file could not be opened within a few seconds, 3 when it could not be read or
// written, 4 when the hash could not be computed, 5 when the library ran out of memory.
#pragma once

#include <windows.h>

#ifdef AUDIT_BUILD
#define AUDIT_API extern "C"  // the .def file alone decides the exports
#else
#define AUDIT_API extern "C" __declspec(dllimport)
#endif

// The four numbers are the caller's, kept as given: which program or library logs
// (`source`), what happened (`kind`), on what (`detail`, e.g. a database number) and
// one more number (`extra`, e.g. a result).
AUDIT_API int WINAPI LogEvent(int source, int kind, int detail, const char* text, int extra);
