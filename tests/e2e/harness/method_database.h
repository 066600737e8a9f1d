// The method database of a test's host home, written and read through recdb.dll the
// way the editor and the demo host's first run do.
#pragma once

#include <string>

#include "harness/host_home.h"
#include "storage/method_record.h"

namespace e2e {

inline constexpr const char* kMethodDbFile = "methods.db";

// The editor's default method as a stored record.
MethodDbRecord DefaultMethodRecord();

// Registers `fileName` in the home as the current method database and stores `record`
// as its record 1. False when the library refused.
bool WriteMethodDatabase(const HostHome& home, const MethodDbRecord& record,
                         const std::string& fileName = kMethodDbFile);

// methods.db registered as the current method database, holding the default method:
// what the demo host's first run leaves in a new home.
bool InstallDefaultMethodDatabase(const HostHome& home);

// Record 1 of the database the registry names now. False when it cannot be read.
bool ReadMethodDatabase(MethodDbRecord& record);

}  // namespace e2e
