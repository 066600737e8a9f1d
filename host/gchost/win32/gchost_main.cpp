// gchost.exe: a small stand-in for the chromatography host. It loads the plug-in,
// shows a main window whose menu opens the inlet editor, and runs the message loop the
// modeless editor needs. With --screenshot it saves the editor's picture and exits.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hostutil/core/path_parts.h"
#include "gchost/core/host_options.h"
#include "gchost/win32/host_home.h"
#include "gchost/win32/main_window.h"
#include "gchost/win32/message_loop.h"
#include "gchost/win32/plugin_loader.h"
#include "gchost/win32/report.h"
#include "gchost/win32/screenshot.h"
#include "tovrex_version.h"

namespace {

std::string ExeFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  return hostutil::FolderOf(path);
}

int RunHost(const gchost::HostOptions& options) {
  using namespace gchost;
  const bool unattended = options.unattended;
  const std::string exeFolder = ExeFolder();
  std::string home, error;  // the home is also in GCHOST_HOME from here on
  if (!PrepareHostHome(exeFolder, home, error)) {
    ReportFailure(error, unattended);
    return kExitHomeUnusable;
  }
  // Loaded before the window is made and so freed after it (and the editor it owns) is gone.
  Plugin plugin;
  if (const HostExit code = LoadPlugin(exeFolder, plugin, error); code != kExitOk) {
    ReportFailure(error, unattended);
    return code;
  }
  MainWindow window(GetModuleHandleA(nullptr), plugin.openEditor);
  if (!window) {
    ReportFailure("cannot create the main window (" + SystemErrorText(GetLastError()) + ")",
                  unattended);
    return kExitFailed;
  }

  if (!options.screenshotPath.empty()) {
    const ScreenshotResult shot =
        options.dialogCommand
            ? SaveDialogScreenshot(window.Handle(), plugin.openEditor, options)
            : SaveEditorScreenshot(window.Handle(), plugin.openEditor, options.screenshotPath);
    for (const SeenDialog& box : shot.cancelledBoxes) {
      std::fprintf(stderr, "gchost: cancelled a message box: %s: %s\n", box.caption.c_str(),
                   box.text.c_str());
    }
    if (shot.code != kExitOk) {
      ReportFailure(shot.message, unattended);
      return shot.code;
    }
    std::printf("gchost: wrote %s\n", shot.message.c_str());
    return kExitOk;
  }
  if (options.openEditor) window.OpenEditor();
  return RunMessageLoop();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const gchost::HostOptions options = gchost::ParseHostOptions(args);
  const std::string info = gchost::InfoText(options, TOVREX_PRODUCT_NAME, TOVREX_VERSION);
  // A run that prints and ends prints to the prompt it was started from. A run that
  // keeps a window open does not attach to that console: Ctrl+C there would end it.
  if (!options.error.empty() || !info.empty() || options.unattended) gchost::UseStartingConsole();
  if (!options.error.empty()) {
    gchost::ReportFailure(options.error + "\n" + std::string(gchost::kUsage), options.unattended);
    return gchost::kExitUsage;
  }
  if (!info.empty()) {
    std::fputs(info.c_str(), stdout);
    std::fflush(stdout);
    return gchost::kExitOk;
  }
  return RunHost(options);
}
