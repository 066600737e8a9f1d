#include "harness/host_home.h"

#include <windows.h>

#include <filesystem>

namespace e2e {

HostHome::HostHome() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  path_ = std::string(temp) + "tovrex-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter);
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
  SetEnvironmentVariableA("GCHOST_HOME", path_.c_str());
}

HostHome::~HostHome() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void HostHome::WriteIni(const char* section, const char* key, const char* value) const {
  WritePrivateProfileStringA(section, key, value, IniFile().c_str());
}

std::string HostHome::ReadIni(const char* section, const char* key) const {
  char buffer[512];
  GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, IniFile().c_str());
  return buffer;
}

}  // namespace e2e
