// SaveEditorScreenshot: editor, paint, capture, encode, write.
#include "gchost/win32/screenshot.h"

#include <utility>

#include "gchost/core/binary_file.h"
#include "gchost/core/dib_pixels.h"
#include "gchost/core/png_encoder.h"
#include "gchost/win32/box_dismisser.h"
#include "gchost/win32/message_loop.h"
#include "gchost/win32/window_capture.h"

namespace gchost {

namespace {

ScreenshotResult Failed(ScreenshotResult result, std::string message) {
  result.code = kExitFailed;
  result.message = std::move(message);
  return result;
}

std::string SizeText(const WindowImage& image) {
  return std::to_string(image.width) + " x " + std::to_string(image.height);
}

}  // namespace

ScreenshotResult SaveEditorScreenshot(HWND mainWindow, AcqGCInletFn openEditor,
                                      const std::string& pngPath) {
  ScreenshotResult result;
  WindowImage image;
  {
    // Nobody is there to answer a box the editor may show while it opens.
    BoxDismisser dismisser;
    openEditor(mainWindow);
    HWND editor = EditorWindow();
    const bool painted = editor && PaintCompletely(editor);
    result.cancelledBoxes = dismisser.Dismissed();
    if (!editor) return Failed(result, "the editor did not open (dialog slot 9 is empty)");
    if (!painted) return Failed(result, "the host was told to quit before the editor had painted");
    std::string error;
    if (!CaptureWindow(editor, image, error)) return Failed(result, error);
  }
  const std::vector<uint8_t> png =
      EncodePngRgb(static_cast<uint32_t>(image.width), static_cast<uint32_t>(image.height),
                   RgbFromBgrx(image.bgrx));
  if (png.empty()) return Failed(result, "cannot encode a PNG of " + SizeText(image));
  if (!WriteBinaryFile(pngPath, png)) return Failed(result, "cannot write " + pngPath);
  result.code = kExitOk;
  result.message = pngPath + " (" + SizeText(image) + ")";
  return result;
}

}  // namespace gchost
