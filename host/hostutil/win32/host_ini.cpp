// Locating, reading and writing host.ini through the platform's INI functions.
#include "host_ini.h"

#include <windows.h>

#include "hostutil/core/ini_location.h"

namespace hostutil {

namespace {

// Environment variables and paths are at most 32767 characters on Windows.
constexpr DWORD kLongestPath = 32768;

std::string EnvironmentValue(const char* name) {
  std::string value(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size()));
    if (length < value.size()) {  // 0 when unset; otherwise the text without its NUL
      value.resize(length);
      return value;
    }
    if (length > kLongestPath) return {};
    value.resize(length);  // the size asked for, NUL included
  }
}

std::string ExecutablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= kLongestPath) return {};
    path.resize(path.size() * 2);  // cut short: the buffer was too small
  }
}

// A relative GCHOST_HOME would otherwise send the INI functions to the Windows folder.
std::string Absolute(const std::string& path) {
  const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::string full(needed, '\0');
  const DWORD length = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  return full;
}

}  // namespace

std::string CurrentIniPath() {
  return Absolute(HostIniPath(EnvironmentValue("GCHOST_HOME"), ExecutablePath()));
}

std::string ReadIniValue(const char* section, const char* key, const char* defaultText) {
  const std::string file = CurrentIniPath();
  std::string value(256, '\0');
  for (;;) {
    const DWORD length = GetPrivateProfileStringA(section, key, defaultText, value.data(),
                                                  static_cast<DWORD>(value.size()), file.c_str());
    // A value that fills the buffer to size-1 may have been cut: read again, larger.
    if (length + 1 < value.size() || value.size() >= kLongestPath) {
      value.resize(length);
      return value;
    }
    value.resize(value.size() * 2);
  }
}

bool WriteIniValue(const char* section, const char* key, const char* value) {
  return WritePrivateProfileStringA(section, key, value, CurrentIniPath().c_str()) != FALSE;
}

}  // namespace hostutil
