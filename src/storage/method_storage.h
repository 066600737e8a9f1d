// New, Open, Save and Save As of the inlet method in the host's current method
// database: the registry entry "SystemList" / "GC_DB" names the file, the record
// database stores the method as record 1, and every save is first written to the
// audit trail. Each operation returns 1 when its caller may go on and 0 when it must
// stop; the operation has already told the user why.
#pragma once

#include "ui/dialog_port.h"
#include "ui/host_port.h"

// Saves the method. `askName` nonzero always asks for a file name; `prompt` nonzero asks
// "Save changes ?" first. Returns 1 when saved, declined with No, or when an unchanged
// method with a file needed no save; 0 after Cancel, a cancelled file dialog or a
// failed write.
int SaveMethod(DialogPort& owner, HostPort& host, int askName, int prompt);

// Stores the current method as record 1 of the database the registry names now.
// Returns 1 when it is on the disk.
int WriteMethodRecord(HostPort& host);

// Reads the method from the current database, after letting the user choose one when
// `askFile` is nonzero. Returns 1 when the method was replaced; on 0 it is unchanged.
int OpenMethod(DialogPort& owner, HostPort& host, int askFile);

// Fetches record 1 and, when it holds a method of this instrument, copies it into the
// method. Returns 1 when copied; on 0 the method is unchanged.
int ReadMethodRecord(DialogPort& owner, HostPort& host);
