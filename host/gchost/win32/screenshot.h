// The unattended run: open the editor, let it paint, save its window as a PNG file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gchost/core/host_options.h"
#include "gchost/win32/plugin_loader.h"

namespace gchost {

struct ScreenshotResult {
  HostExit code = kExitFailed;
  std::string message;  // kExitOk: the file and the picture's size; otherwise what failed
  std::vector<std::string> cancelledBoxes;  // message boxes that opened meanwhile
};

// Opens the editor owned by `mainWindow` and writes its window's pixels to `pngPath`.
ScreenshotResult SaveEditorScreenshot(HWND mainWindow, AcqGCInletFn openEditor,
                                      const std::string& pngPath);

}  // namespace gchost
