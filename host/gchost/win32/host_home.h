// The host's home folder: where host.ini (and later the method database) lives.
#pragma once

#include <string>

namespace gchost {

inline constexpr const char* kHomeVariable = "GCHOST_HOME";

// Resolves the home (GCHOST_HOME, else `exeFolder`) to a full path, creates the folder
// when it does not exist, and points GCHOST_HOME of this process at the full path so
// that the host library and the plug-in read the same host.ini. A home without a
// host.ini gets its first-run files. Returns false with `error` filled on failure.
bool PrepareHostHome(const std::string& exeFolder, std::string& home, std::string& error);

// Everything a new home gets before the host first uses it. Extend it here when a
// first run must create more (such as the method database).
bool WriteFirstRunFiles(const std::string& home, std::string& error);

}  // namespace gchost
