// What a new host home holds before anything else has run: the INI settings that a
// freshly installed host writes the first time it starts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gchost {

struct IniSetting {
  std::string section;
  std::string key;
  std::string value;

  bool operator==(const IniSetting&) const = default;
};

inline constexpr std::string_view kHostIniName = "host.ini";
inline constexpr std::string_view kMethodDbName = "methods.db";

// The settings of a new host.ini in `home`: the editor's ULVO menu switched on, no
// minimum oven temperature, and the method database registered as the current one.
std::vector<IniSetting> FirstRunSettings(std::string_view home);

}  // namespace gchost
