// The unattended run: open the editor, let it paint, save its window (or a dialog its
// menu opens, over it) as a PNG file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gchost/core/host_options.h"
#include "gchost/win32/plugin_loader.h"
#include "win32/dialog_answerer.h"

namespace gchost {

struct ScreenshotResult {
  HostExit code = kExitFailed;
  std::string message;  // kExitOk: the file and the picture's size; otherwise what failed
  std::vector<SeenDialog> cancelledBoxes;  // message boxes that opened meanwhile
};

// Opens the editor owned by `mainWindow` and writes its window's pixels to `pngPath`.
ScreenshotResult SaveEditorScreenshot(HWND mainWindow, AcqGCInletFn openEditor,
                                      const std::string& pngPath);

// Opens the editor, chooses the ULVO modes when asked, runs the menu command
// options.dialogCommand and writes the dialog it opens, over the editor, to
// options.screenshotPath. The dialog is then cancelled.
ScreenshotResult SaveDialogScreenshot(HWND mainWindow, AcqGCInletFn openEditor,
                                      const HostOptions& options);

}  // namespace gchost
