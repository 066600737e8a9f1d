// Resolving, creating and first-run filling of the host's home folder.
#include "hostutil/core/path_parts.h"
#include "gchost/win32/host_home.h"

#include <windows.h>

#include <cstdlib>

#include "gchost/core/first_run.h"
#include "gchost/core/host_options.h"
#include "gchost/win32/method_database.h"
#include "gchost/win32/report.h"

namespace gchost {

namespace {

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Creates every missing folder on the way to `path`. Failures on the way (a drive
// root, a server name) are not errors in themselves: only the result counts.
bool CreateFolderTree(const std::string& path) {
  for (size_t at = path.find_first_of("\\/", 1); at != std::string::npos;
       at = path.find_first_of("\\/", at + 1)) {
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryA(path.c_str(), nullptr);
  return IsFolder(path);
}

// The variable as the process environment holds it; null when it is not set.
const char* EnvironmentValue(const char* name, std::string& buffer) {
  buffer.assign(32767, '\0');  // the largest value an environment variable can hold
  const DWORD length =
      GetEnvironmentVariableA(name, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return nullptr;
  buffer.resize(length);
  return buffer.c_str();
}

// Both copies of the environment: the system's, which child processes inherit and
// GetEnvironmentVariable reads, and the C runtime's, which getenv reads.
void SetEnvironmentValue(const char* name, const std::string& value) {
  SetEnvironmentVariableA(name, value.c_str());
  _putenv((std::string(name) + "=" + value).c_str());
}

std::string FullPath(const std::string& path) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

}  // namespace

bool WriteFirstRunFiles(const std::string& home, std::string& error) {
  const std::string ini = hostutil::FileInFolder(home, kHostIniName);
  for (const IniSetting& setting : FirstRunSettings(home)) {
    if (!WritePrivateProfileStringA(setting.section.c_str(), setting.key.c_str(),
                                    setting.value.c_str(), ini.c_str())) {
      error = "cannot write " + ini + " (" + SystemErrorText(GetLastError()) + ")";
      return false;
    }
  }
  return WriteDefaultMethodDatabase(home, error);
}

bool PrepareHostHome(const std::string& exeFolder, std::string& home, std::string& error) {
  std::string variable;
  home = FullPath(HostHomeFolder(EnvironmentValue(kHomeVariable, variable), exeFolder));
  if (!IsFolder(home) && !CreateFolderTree(home)) {
    error = "cannot create the home folder " + home + " (" + SystemErrorText(GetLastError()) + ")";
    return false;
  }
  SetEnvironmentValue(kHomeVariable, home);
  const std::string ini = hostutil::FileInFolder(home, kHostIniName);
  if (GetFileAttributesA(ini.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  return WriteFirstRunFiles(home, error);
}

}  // namespace gchost
