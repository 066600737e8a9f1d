// The host's INI file as the exported functions use it: located afresh on every call,
// so a host (or a test) that changes GCHOST_HOME is followed at once.
#pragma once

#include <string>

namespace hostutil {

// The full path of host.ini as things stand now.
std::string CurrentIniPath();

// The stored text of section/key, or `defaultText` when the key is absent. Values of
// any length are read whole.
std::string ReadIniValue(const char* section, const char* key, const char* defaultText);

// Stores `value` under section/key; a null value removes the key. False on failure.
bool WriteIniValue(const char* section, const char* key, const char* value);

}  // namespace hostutil
