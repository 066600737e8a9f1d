// The demo host's command line, the folder it keeps host.ini in, and its exit codes.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace gchost {

// Exit codes of gchost.exe; scripts and tests tell failures apart by them.
enum HostExit : int {
  kExitOk = 0,
  kExitFailed = 1,         // the window, the editor or the screenshot could not be made
  kExitUsage = 2,          // the command line was not understood
  kExitPluginMissing = 3,  // tovrex.dll could not be loaded
  kExitEntryMissing = 4,   // tovrex.dll has no export with ordinal 3
  kExitHomeUnusable = 5,   // the home folder or its host.ini could not be created
};

inline constexpr std::string_view kUsage =
    "usage: gchost [--open-editor] [--screenshot FILE.png [--ulvo-modes L,R] [--dialog ID]]\n"
    "       gchost --help | --version\n"
    "  --open-editor        open the inlet editor at start\n"
    "  --screenshot FILE    open the editor, save its window as a PNG file and exit\n"
    "  --ulvo-modes L,R     first choose the channels' modes (0 Manual, 1 Flow, 2 Pressure)\n"
    "                       in the editor's ULVO configuration, as a user would\n"
    "  --dialog ID          picture the dialog that the editor's menu command ID opens,\n"
    "                       over the editor, instead of the editor alone\n"
    "  --help, --version    print this text or the version, and exit\n";

struct HostOptions {
  bool openEditor = false;
  bool showHelp = false;
  bool showVersion = false;
  std::string screenshotPath;   // empty: no screenshot
  int dialogCommand = 0;        // the editor's menu command whose dialog is pictured; 0: none
  int ulvoModes[2] = {-1, -1};  // chosen before the picture; -1: left as they are
  // Nobody watches the run (a screenshot was asked for): failures go to stderr only,
  // never to a message box that would wait for a click. Set even when parsing failed.
  bool unattended = false;
  std::string error;  // why the command line was refused; empty when it was accepted
};

// Parses the arguments after the program name. A screenshot implies opening the editor.
HostOptions ParseHostOptions(std::span<const std::string> args);

// What a run that only informs prints on stdout before it exits: the usage for --help
// (also when --version is given), "gchost (PRODUCT) VERSION" for --version; empty when
// the host is to run.
std::string InfoText(const HostOptions& options, std::string_view product,
                     std::string_view version);

// The host's home: the value of GCHOST_HOME when it is set and not empty, otherwise the
// folder of the executable. `environmentValue` is null when the variable is not set.
std::string HostHomeFolder(const char* environmentValue, std::string_view exeFolder);

}  // namespace gchost
