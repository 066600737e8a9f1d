// Splitting a registered path into the host's directory / name / extension fields and
// joining them back; and the bounded copies into those fixed fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hostutil/core/ini_location.h"
#include "hostutil/core/path_parts.h"
#include "hostutil/hostutil_types.h"

namespace {

using hostutil::PathParts;

struct SplitCase {
  const char* path;
  PathParts parts;
  const char* joined;  // JoinPath of the parts: the path, or its tidy form
};

TEST(HostutilPath, SplitsAndJoinsBack) {
  const SplitCase cases[] = {
      {R"(C:\data\methods.db)", {R"(C:\data)", "methods", "db"}, R"(C:\data\methods.db)"},
      {R"(C:\methods.db)", {R"(C:\)", "methods", "db"}, R"(C:\methods.db)"},
      {R"(\methods.db)", {R"(\)", "methods", "db"}, R"(\methods.db)"},
      {R"(C:\data\methods)", {R"(C:\data)", "methods", ""}, R"(C:\data\methods)"},
      {R"(C:\data\methods.)", {R"(C:\data)", "methods", ""}, R"(C:\data\methods)"},
      {R"(C:\data\method.v2.db)", {R"(C:\data)", "method.v2", "db"}, R"(C:\data\method.v2.db)"},
      {R"(C:\data.old\methods)", {R"(C:\data.old)", "methods", ""}, R"(C:\data.old\methods)"},
      {R"(C:\data\)", {R"(C:\data)", "", ""}, R"(C:\data\)"},
      {R"(C:\data\\methods.db)", {R"(C:\data)", "methods", "db"}, R"(C:\data\methods.db)"},
      {R"(C:\\methods.db)", {R"(C:\)", "methods", "db"}, R"(C:\methods.db)"},
      {R"(\\server\share\methods.db)",
       {R"(\\server\share)", "methods", "db"},
       R"(\\server\share\methods.db)"},
      {"C:/data/methods.db", {"C:/data", "methods", "db"}, R"(C:/data\methods.db)"},
      {"methods.db", {"", "methods", "db"}, "methods.db"},
      {"C:methods.db", {"C:", "methods", "db"}, "C:methods.db"},
      {".db", {"", "", "db"}, ".db"},
      {"", {"", "", ""}, ""},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.path);
    const PathParts parts = hostutil::SplitPath(c.path);
    EXPECT_EQ(parts.directory, c.parts.directory);
    EXPECT_EQ(parts.name, c.parts.name);
    EXPECT_EQ(parts.extension, c.parts.extension);
    EXPECT_EQ(hostutil::JoinPath(parts), c.joined);
  }
}

TEST(HostutilPath, JoinAddsOnlyTheSeparatorsThatAreMissing) {
  EXPECT_EQ(hostutil::JoinPath({R"(C:\data\)", "m", "db"}), R"(C:\data\m.db)");
  EXPECT_EQ(hostutil::JoinPath({R"(C:\)", "m", ""}), R"(C:\m)");
  EXPECT_EQ(hostutil::JoinPath({"", "m", "db"}), "m.db");
  EXPECT_EQ(hostutil::JoinPath({R"(C:\data)", "", ""}), R"(C:\data\)");
}

TEST(HostutilPath, IniFileFollowsTheHomeVariableElseTheExecutable) {
  EXPECT_EQ(hostutil::HostIniPath(R"(C:\home)", R"(C:\bin\host.exe)"), R"(C:\home\host.ini)");
  EXPECT_EQ(hostutil::HostIniPath(R"(C:\home\)", R"(C:\bin\host.exe)"), R"(C:\home\host.ini)");
  EXPECT_EQ(hostutil::HostIniPath("", R"(C:\bin\host.exe)"), R"(C:\bin\host.ini)");
  EXPECT_EQ(hostutil::HostIniPath("", R"(C:\host.exe)"), R"(C:\host.ini)");
}

// Fills every byte of a block, so a missing terminator or an overrun shows.
template <class Block>
Block Filled(char fill) {
  Block block;
  std::memset(&block, fill, sizeof block);
  return block;
}

TEST(HostutilPath, StoreCutsEachFieldAtItsSizeAndTerminates) {
  GlobalFileEntry entry = Filled<GlobalFileEntry>('#');
  const PathParts longParts{std::string(400, 'd'), std::string(300, 'n'), std::string(300, 'e')};
  hostutil::StorePathParts(longParts, entry);
  EXPECT_EQ(std::string(entry.directory), std::string(259, 'd'));
  EXPECT_EQ(std::string(entry.fileName), std::string(255, 'n'));
  EXPECT_EQ(std::string(entry.extension), std::string(257, 'e'));
  // The words after the extension and the reserved word before the directory survive.
  EXPECT_EQ(entry.word1, Filled<GlobalFileEntry>('#').word1);
  EXPECT_EQ(entry.word2, Filled<GlobalFileEntry>('#').word2);
  EXPECT_EQ(entry.reserved, Filled<GlobalFileEntry>('#').reserved);

  FileRequest request = Filled<FileRequest>('#');
  hostutil::StorePathParts(PathParts{std::string(259, 'd'), "m", ""}, request);
  EXPECT_EQ(std::string(request.directory), std::string(259, 'd'));  // exactly fits
  EXPECT_EQ(std::string(request.fileName), "m");
  EXPECT_EQ(std::string(request.extension), "");
  EXPECT_EQ(std::string(request.title, sizeof request.title), std::string(30, '#'));
}

TEST(HostutilPath, ReadStopsAtAFieldsEndWhenItHasNoTerminator) {
  FileRequest request = Filled<FileRequest>('#');
  std::memset(request.directory, 'd', sizeof request.directory);
  std::memset(request.fileName, 'n', sizeof request.fileName);
  std::strcpy(request.extension, "db");
  const PathParts parts = hostutil::ReadPathParts(request);
  EXPECT_EQ(parts.directory, std::string(260, 'd'));
  EXPECT_EQ(parts.name, std::string(256, 'n'));
  EXPECT_EQ(parts.extension, "db");
}

TEST(HostutilPath, BoundedCopyHandlesTinyBuffers) {
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(hostutil::CopyBounded(buffer, 0, "abc"), 0u);
  EXPECT_EQ(buffer[0], 'x');
  EXPECT_EQ(hostutil::CopyBounded(buffer, 1, "abc"), 0u);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(hostutil::CopyBounded(buffer, "abcdef"), 3u);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(hostutil::CopyBounded(buffer, ""), 0u);
  EXPECT_STREQ(buffer, "");
}

}  // namespace
