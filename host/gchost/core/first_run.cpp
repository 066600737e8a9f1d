// The first-run contents of host.ini.
#include "hostutil/core/path_parts.h"
#include "gchost/core/first_run.h"

#include "gchost/core/host_options.h"

namespace gchost {

std::vector<IniSetting> FirstRunSettings(std::string_view home) {
  return {
      {"TOVREX", "ULVOControl", "1"},
      {"TOVREX", "TOVREXMinTemp", "0"},
      {"SystemList", "GC_DB", hostutil::FileInFolder(home, kMethodDbName)},
  };
}

}  // namespace gchost
