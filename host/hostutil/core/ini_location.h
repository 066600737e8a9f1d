// Where the host keeps its INI file.
#pragma once

#include <string>
#include <string_view>

namespace hostutil {

inline constexpr std::string_view kIniFileName = "host.ini";

// host.ini in the folder `homeVariable` names (the GCHOST_HOME environment variable's
// value, empty when unset), else beside the running executable `exePath`.
std::string HostIniPath(std::string_view homeVariable, std::string_view exePath);

}  // namespace hostutil
