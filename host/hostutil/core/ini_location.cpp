// Choice of the INI file's folder.
#include "hostutil/core/ini_location.h"

#include "hostutil/core/path_parts.h"

namespace hostutil {

std::string HostIniPath(std::string_view homeVariable, std::string_view exePath) {
  const std::string folder = homeVariable.empty() ? FolderOf(exePath) : std::string(homeVariable);
  return FileInFolder(folder, kIniFileName);
}

}  // namespace hostutil
