// Splitting a registered path into the host's directory / name / extension fields and
// joining them back; and the bounded copies into those fixed fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "hostutil/core/ini_location.h"
#include "hostutil/core/path_parts.h"
#include "hostutil/hostutil_types.h"

namespace {

using hostutil::PathParts;

TEST(HostutilPath, SplitsAndJoinsBack) {
  // A path, its parts, and JoinPath of the parts: the path or its tidy form.
  const std::tuple<const char*, PathParts, const char*> cases[] = {
      {R"(C:\methods.db)", {R"(C:\)", "methods", "db"}, R"(C:\methods.db)"},
      {R"(C:\data\methods.)", {R"(C:\data)", "methods", ""}, R"(C:\data\methods)"},
      {R"(C:\data.old\methods)", {R"(C:\data.old)", "methods", ""}, R"(C:\data.old\methods)"},
      {R"(C:\data\\methods.db)", {R"(C:\data)", "methods", "db"}, R"(C:\data\methods.db)"},
      {R"(\\server\share\m.db)", {R"(\\server\share)", "m", "db"}, R"(\\server\share\m.db)"},
      {"C:/data/m.v2.db", {"C:/data", "m.v2", "db"}, R"(C:/data\m.v2.db)"},
      {"C:methods.db", {"C:", "methods", "db"}, "C:methods.db"},
      {R"(\\?\C:\m.db)", {R"(\\?\C:\)", "m", "db"}, R"(\\?\C:\m.db)"},
      {R"(:\m.db)", {R"(:\)", "m", "db"}, R"(:\m.db)"},
      {R"(\m.db)", {R"(\)", "m", "db"}, R"(\m.db)"},
      {R"(a\m.db)", {"a", "m", "db"}, R"(a\m.db)"},
      {"m.db", {"", "m", "db"}, "m.db"},
      {"C:", {"C:", "", ""}, "C:"},
  };
  for (const auto& [path, want, joined] : cases) {
    SCOPED_TRACE(path);
    const PathParts parts = hostutil::SplitPath(path);
    EXPECT_EQ(parts, want);
    EXPECT_EQ(hostutil::JoinPath(parts), joined);
  }
  // The host's callers join the parts into MAX_PATH bytes: 259 characters at most, and
  // the registry keeps no empty name.
  const std::string d255 = R"(C:\)" + std::string(252, 'd');
  const std::tuple<PathParts, bool> fits[] = {
      {{d255, "m", ""}, true},
      {{d255, "m", "d"}, true},
      {{d255, "m", "db"}, false},
      {{"", std::string(256, 'n'), ""}, false},
      {{"", "", std::string(258, 'e')}, false},
      {{"", "", ""}, false},
  };
  for (const auto& [parts, want] : fits) {
    EXPECT_EQ(hostutil::RegistryPath(parts).has_value(), want) << hostutil::JoinPath(parts).size();
  }
  EXPECT_EQ(hostutil::HostIniPath(R"(C:\home\)", R"(C:\bin\host.exe)"), R"(C:\home\host.ini)");
  EXPECT_EQ(hostutil::HostIniPath("", R"(C:\bin\host.exe)"), R"(C:\bin\host.ini)");
}

TEST(HostutilPath, FieldsAreCutAtTheirSizeAndReadNoFurtherThanTheirEnd) {
  // Every byte filled first, so a missing terminator or an overrun shows.
  GlobalFileEntry entry;
  std::memset(&entry, '#', sizeof entry);
  hostutil::StorePathParts({std::string(400, 'd'), std::string(300, 'n'), std::string(300, 'e')},
                           entry);
  EXPECT_EQ(std::string(entry.directory), std::string(259, 'd'));
  EXPECT_EQ(std::string(entry.fileName), std::string(255, 'n'));
  EXPECT_EQ(std::string(entry.extension), std::string(257, 'e'));
  EXPECT_EQ(entry.word1, 0x23232323) << "the next field survives";

  FileRequest request;
  std::memset(request.directory, 'd', sizeof request.directory);
  std::strcpy(request.fileName, "m");
  std::strcpy(request.extension, "db");
  const PathParts parts = hostutil::ReadPathParts(request);
  EXPECT_EQ(parts.directory, std::string(260, 'd')) << "no terminator: the field's end";
  EXPECT_EQ(parts.name + "." + parts.extension, "m.db");
}

}  // namespace
