// The demo host's command line, its path helpers and the host.ini it writes on first run.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gchost/core/first_run.h"
#include "gchost/core/host_options.h"

namespace {

TEST(ParseHostOptions, AcceptsTheDocumentedForms) {
  struct Case {
    std::vector<std::string> args;
    bool openEditor;
    std::string screenshot;
    bool help;
  };
  const Case cases[] = {
      {{}, false, "", false},
      {{"--open-editor"}, true, "", false},
      {{"--screenshot", "shot.png"}, true, "shot.png", false},
      {{"--open-editor", "--screenshot", "C:\\a b\\shot.png"}, true, "C:\\a b\\shot.png", false},
      {{"--screenshot", "a.png", "--screenshot", "b.png"}, true, "b.png", false},
      {{"--help"}, false, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const gchost::HostOptions options = gchost::ParseHostOptions(c.args);
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.openEditor, c.openEditor);
    EXPECT_EQ(options.screenshotPath, c.screenshot);
    EXPECT_EQ(options.showHelp, c.help);
    EXPECT_EQ(options.unattended, !c.screenshot.empty());
  }
}

TEST(ParseHostOptions, RefusesWhatItDoesNotKnow) {
  struct Case {
    std::vector<std::string> args;
    std::string errorMentions;
    bool unattended;  // a screenshot run reports on stderr, never in a box
  };
  const Case cases[] = {
      {{"--screenshot"}, "--screenshot", true},
      {{"--screenshot", ""}, "--screenshot", true},
      {{"--screenshot", "--open-editor"}, "--screenshot", true},
      {{"--open-edtor"}, "--open-edtor", false},
      {{"editor.png"}, "editor.png", false},
      {{"--bogus", "--screenshot", "x.png"}, "--bogus", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const gchost::HostOptions options = gchost::ParseHostOptions(c.args);
    EXPECT_NE(options.error.find(c.errorMentions), std::string::npos) << options.error;
    EXPECT_EQ(options.unattended, c.unattended);
  }
}

TEST(HostPaths, FolderOfAndJoinPath) {
  struct FolderCase {
    std::string path;
    std::string folder;
  };
  const FolderCase folders[] = {
      {"C:\\host\\bin\\gchost.exe", "C:\\host\\bin"},
      {"C:\\gchost.exe", "C:\\"},
      {"\\gchost.exe", "\\"},
      {"Z:/work/build/gchost.exe", "Z:/work/build"},
      {"gchost.exe", "."},
  };
  for (const FolderCase& c : folders) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(gchost::FolderOf(c.path), c.folder);
  }

  struct JoinCase {
    std::string folder;
    std::string name;
    std::string path;
  };
  const JoinCase joins[] = {
      {"C:\\home", "host.ini", "C:\\home\\host.ini"},
      {"C:\\", "host.ini", "C:\\host.ini"},
      {"/tmp/home/", "host.ini", "/tmp/home/host.ini"},
      {"", "host.ini", "host.ini"},
  };
  for (const JoinCase& c : joins) {
    SCOPED_TRACE(c.folder);
    EXPECT_EQ(gchost::JoinPath(c.folder, c.name), c.path);
  }
}

TEST(HostPaths, HomeIsTheVariableWhenSetElseTheExeFolder) {
  EXPECT_EQ(gchost::HostHomeFolder(nullptr, "C:\\bin"), "C:\\bin");
  EXPECT_EQ(gchost::HostHomeFolder("", "C:\\bin"), "C:\\bin") << "an empty variable is unset";
  EXPECT_EQ(gchost::HostHomeFolder("D:\\lab", "C:\\bin"), "D:\\lab");
}

TEST(FirstRunSettings, EnableUlvoAndRegisterTheMethodDatabaseInTheHome) {
  using gchost::IniSetting;
  const std::vector<IniSetting> expected = {
      {"TOVREX", "ULVOControl", "1"},
      {"TOVREX", "TOVREXMinTemp", "0"},
      {"SystemList", "GC_DB", "C:\\lab\\methods.db"},
  };
  EXPECT_EQ(gchost::FirstRunSettings("C:\\lab"), expected);
  EXPECT_EQ(gchost::FirstRunSettings("C:\\lab\\"), expected) << "no doubled separator";
}

}  // namespace
