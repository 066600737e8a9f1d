// The unattended pictures: the editor alone, or a dialog its menu opens over it.
#include "gchost/win32/screenshot.h"

#include <span>
#include <utility>

#include "gchost/core/binary_file.h"
#include "gchost/core/dib_pixels.h"
#include "gchost/core/png_encoder.h"
#include "gchost/win32/message_loop.h"
#include "resources/resource_ids.h"
#include "win32/dialog_answerer.h"
#include "win32/window_capture.h"

namespace gchost {

namespace {

// Repaints the whole window now and delivers the messages that painting queues, so that
// a capture afterwards sees finished pixels. False when the run is quitting.
bool PaintCompletely(HWND window) {
  RedrawCompletely(window);
  return PumpUntilIdle();
}

ScreenshotResult Failed(ScreenshotResult result, std::string message) {
  result.code = kExitFailed;
  result.message = std::move(message);
  return result;
}

std::string SizeText(const WindowImage& image) {
  return std::to_string(image.width) + " x " + std::to_string(image.height);
}

ScreenshotResult WritePng(ScreenshotResult result, const WindowImage& image,
                          const std::string& pngPath) {
  const std::span<const uint8_t> bgrx(reinterpret_cast<const uint8_t*>(image.bgrx.data()),
                                      image.bgrx.size() * sizeof(uint32_t));
  const std::vector<uint8_t> png = EncodePngRgb(
      static_cast<uint32_t>(image.width), static_cast<uint32_t>(image.height), RgbFromBgrx(bgrx));
  if (png.empty()) return Failed(result, "cannot encode a PNG of " + SizeText(image));
  if (!WriteBinaryFile(pngPath, png)) return Failed(result, "cannot write " + pngPath);
  result.code = kExitOk;
  result.message = pngPath + " (" + SizeText(image) + ")";
  return result;
}

// A modal dialog is pictured from inside its own message loop: a thread timer, set
// when the dialog is activated, fires while the loop runs; once the dialog shows, it is
// pictured and cancelled. One picture at a time on this thread.
struct DialogPicture {
  HWND editor = nullptr;
  HWND dialog = nullptr;
  bool taken = false;
  WindowImage image;
  std::string error = "the dialog was never shown";
};
DialogPicture* picture;

void CALLBACK TakeDialogPicture(HWND, UINT, UINT_PTR timer, DWORD) {
  // The dialog manager shows a dialog only once its queue has first run empty.
  if (!IsWindowVisible(picture->dialog)) return;
  KillTimer(nullptr, timer);
  PaintCompletely(picture->editor);
  PaintCompletely(picture->dialog);
  picture->error.clear();
  picture->taken =
      CaptureOneOverOther(picture->editor, picture->dialog, picture->image, picture->error);
  PostMessageA(picture->dialog, WM_COMMAND, IDCANCEL, 0);
}

// Chooses the two channels' modes in the editor's ULVO configuration, as a user would.
void ChooseUlvoModes(DialogAnswerer& answerer, HWND editor, const int (&modes)[2]) {
  answerer.Then([&modes](HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_ULVO_LEFT_MODE, CB_SETCURSEL, modes[0], 0);
    SendDlgItemMessageA(dialog, IDC_ULVO_RIGHT_MODE, CB_SETCURSEL, modes[1], 0);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  SendMessageA(editor, WM_COMMAND, IDM_ULVO_CONFIGURATION, 0);
}

}  // namespace

ScreenshotResult SaveEditorScreenshot(HWND mainWindow, AcqGCInletFn openEditor,
                                      const std::string& pngPath) {
  ScreenshotResult result;
  WindowImage image;
  {
    // Nobody is there to answer a box the editor may show while it opens.
    DialogAnswerer answerer;
    openEditor(mainWindow);
    HWND editor = EditorWindow();
    const bool painted = editor && PaintCompletely(editor);
    result.cancelledBoxes = answerer.Cancelled();
    if (!editor) return Failed(result, "the editor did not open (dialog slot 9 is empty)");
    if (!painted) return Failed(result, "the host was told to quit before the editor had painted");
    std::string error;
    if (!CaptureWindow(editor, image, error)) return Failed(result, error);
  }
  return WritePng(std::move(result), image, pngPath);
}

ScreenshotResult SaveDialogScreenshot(HWND mainWindow, AcqGCInletFn openEditor,
                                      const HostOptions& options) {
  ScreenshotResult result;
  DialogPicture shot;
  {
    DialogAnswerer answerer;
    openEditor(mainWindow);
    shot.editor = EditorWindow();
    if (!shot.editor) {
      result.cancelledBoxes = answerer.Cancelled();
      return Failed(result, "the editor did not open (dialog slot 9 is empty)");
    }
    if (options.ulvoModes[0] >= 0) ChooseUlvoModes(answerer, shot.editor, options.ulvoModes);
    answerer.Then([&shot](HWND dialog) {
      shot.dialog = dialog;
      SetTimer(nullptr, 0, 10, TakeDialogPicture);
    });
    picture = &shot;
    SendMessageA(shot.editor, WM_COMMAND, options.dialogCommand, 0);
    picture = nullptr;
    result.cancelledBoxes = answerer.Cancelled();
  }
  if (!shot.taken) {
    return Failed(result, "menu command " + std::to_string(options.dialogCommand) +
                              " gave no picture: " + shot.error);
  }
  return WritePng(std::move(result), shot.image, options.screenshotPath);
}

}  // namespace gchost
