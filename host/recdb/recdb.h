// The host's record-database library: fixed-size records in a database file, addressed
// by database number and record number. All functions use the standard calling
// convention and are exported undecorated. The numbers they take and give (modes,
// operations, flags, results: 0 is success) are those of recdb_codes.h.
//
// The library is given no file name: DB3Open works on the file that the host's file
// registry names under "SystemList" / "GC_DB" (hostutil.dll's GetGlobalFile) at that
// moment. It knows the record size of each database number it serves (database 14,
// the method database: 2456 bytes), so callers pass only a buffer of that size.
//
// DB3Open(database, reserved, mode) opens a session in one of recdb::Mode (`reserved`
// is 0). A database has at most one session; opening it again ends the earlier session
// without writing it. A file that is missing, short, of another format, version,
// database or record size, or whose checksums do not match, fails every mode and is
// never written.
//
// DB3HandleRecord(database, record, buffer, operation, flag) fetches or stores one
// record (recdb::Operation), numbered from 1; stores only in update sessions.
// Stores stay in memory until DB3Close, which writes the whole new file beside the old
// one, flushes it to the disk and then puts it in the old one's place in one step: a
// crash or a full disk leaves either the old or the new database whole.
//
// A write that fails (an update-mode DB3Open refused, or a DB3Close that could not
// write) is not left to the caller to notice: the library adds an audit entry saying so
// (audit.dll's LogEvent with 2, 4, the database number, a text naming the file and the
// reason, and the result) and shows hostutil.dll's message 10 with the file and the
// reason, then returns the result.
#pragma once

#include <windows.h>

#include "recdb_codes.h"

#ifdef RECDB_BUILD
#define RECDB_API extern "C"  // the .def file alone decides the exports
#else
#define RECDB_API extern "C" __declspec(dllimport)
#endif

RECDB_API int WINAPI DB3Open(int database, int reserved, int mode);
RECDB_API int WINAPI DB3HandleRecord(int database, int record, void* buffer, int operation,
                                     int flag);
RECDB_API int WINAPI DB3Close(int database);
