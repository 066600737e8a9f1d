// New, Open, Save and Save As of the inlet method in the host's current method
// database: the registry entry "SystemList" / "GC_DB" names the file, the record
// database stores the method as record 1, and every save is first written to the
// audit trail. Each operation returns true when its caller may go on and false when it
// must stop; the operation has already told the user why.
#pragma once

#include "method/inlet_method.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

// Whether the user is asked for the database (a file name for Save As, New and Open, a
// database to open) or the host's current one is taken.
enum class FileChoice { kCurrent, kAsk };
// Whether a save asks "Save changes ?" first.
enum class SavePrompt { kNone, kAskFirst };

// Saves the method. True when saved, declined with No, or when an unchanged method with
// a file needed no save; false after Cancel, a cancelled file dialog or a failed write.
bool SaveMethod(const InletMethod& method, const EditorValues& values, DialogPort& owner,
                HostPort& host, FileChoice file, SavePrompt prompt);

// Reads the method from the chosen or current database. True when `method` was
// replaced; on false it is unchanged.
bool OpenMethod(InletMethod& method, DialogPort& owner, HostPort& host, FileChoice file);
