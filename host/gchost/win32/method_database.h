// The method database a new host home starts with.
#pragma once

#include <string>

namespace gchost {

// Creates the method database in `home` (the file the registry names as "GC_DB") with
// the editor's default method as record 1, so that a new user's first editor opens on
// it without a message. Does nothing when the file already exists. Returns false with
// `error` filled when it could not be written.
bool WriteDefaultMethodDatabase(const std::string& home, std::string& error);

}  // namespace gchost
