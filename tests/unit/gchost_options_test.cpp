// The demo host's command line, its path helpers and the host.ini it writes on first run.
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "gchost/core/first_run.h"
#include "gchost/core/host_options.h"

namespace {

gchost::HostOptions Parse(std::vector<std::string> args) { return gchost::ParseHostOptions(args); }

TEST(ParseHostOptions, AScreenshotOpensTheEditorUnattended) {
  const gchost::HostOptions options =
      Parse({"--screenshot", "a.png", "--screenshot", "C:\\b c.png"});
  EXPECT_EQ(options.error, "");
  EXPECT_TRUE(options.openEditor && options.unattended);
  EXPECT_EQ(options.screenshotPath, "C:\\b c.png");
  EXPECT_FALSE(Parse({"--open-editor"}).unattended);
}

TEST(ParseHostOptions, HelpAndVersionOnlyPrint) {
  EXPECT_EQ(gchost::InfoText(Parse({"--version", "--help"}), "P", "1.2"), gchost::kUsage);
  EXPECT_EQ(gchost::InfoText(Parse({"--version"}), "P", "1.2"), "gchost (P) 1.2\n");
  EXPECT_EQ(gchost::InfoText(Parse({"--open-editor"}), "P", "1.2"), "");
  const gchost::HostOptions shot =
      Parse({"--screenshot", "a.png", "--dialog", "209", "--ulvo-modes", "1,2"});
  EXPECT_TRUE(shot.error.empty()) << shot.error;
  EXPECT_EQ(shot.dialogCommand, 209);
  EXPECT_EQ(shot.ulvoModes[0], 1);
  EXPECT_EQ(shot.ulvoModes[1], 2);
  EXPECT_EQ(Parse({"--screenshot", "a.png", "--dialog", "1"}).dialogCommand, 1) << "the least";
}

TEST(ParseHostOptions, RefusesWhatItDoesNotKnowAndSaysWhat) {
  // The arguments, what the error names, and whether the run is unattended (a screenshot
  // run reports on stderr, never in a box).
  const std::tuple<std::vector<std::string>, std::string, bool> cases[] = {
      {{"--screenshot"}, "--screenshot", true},
      {{"--screenshot", "--open-editor"}, "--screenshot", true},
      {{"editor.png"}, "editor.png", false},
      {{"--bogus", "--screenshot", "x.png"}, "--bogus", true},
      {{"--screenshot", "x.png", "--dialog", "20x"}, "--dialog", true},
      {{"--screenshot", "x.png", "--dialog", "0"}, "--dialog", true},
      {{"--screenshot", "x.png", "--ulvo-modes", "1,3"}, "--ulvo-modes", true},
      {{"--screenshot", "x.png", "--ulvo-modes", "3,0"}, "--ulvo-modes", true},
      {{"--screenshot", "x.png", "--ulvo-modes", "12"}, "--ulvo-modes", true},
      {{"--screenshot", "x.png", "--ulvo-modes"}, "--ulvo-modes", true},
      {{"--screenshot", "x.png", "--dialog"}, "--dialog", true},
      {{"--dialog", "205"}, "--screenshot", false},
  };
  for (const auto& [args, mentions, unattended] : cases) {
    const gchost::HostOptions options = Parse(args);
    EXPECT_NE(options.error.find(mentions), std::string::npos) << options.error;
    EXPECT_EQ(options.unattended, unattended) << mentions;
  }
}

TEST(HostPaths, HomeAndFirstRunSettings) {
  EXPECT_EQ(gchost::HostHomeFolder("", "C:\\bin"), "C:\\bin") << "an empty variable is unset";
  EXPECT_EQ(gchost::HostHomeFolder("D:\\lab", "C:\\bin"), "D:\\lab");
  const std::vector<gchost::IniSetting> expected = {{"TOVREX", "ULVOControl", "1"},
                                                    {"TOVREX", "TOVREXMinTemp", "0"},
                                                    {"SystemList", "GC_DB", "C:\\lab\\methods.db"}};
  EXPECT_EQ(gchost::FirstRunSettings("C:\\lab\\"), expected) << "no doubled separator";
}

}  // namespace
