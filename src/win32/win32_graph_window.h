// GraphWindow over a real dialog window and its controls.
#pragma once

#include <windows.h>

#include "ui/graph_window.h"
#include "win32/editor_bitmaps.h"

class Win32GraphWindow final : public GraphWindow {
 public:
  // `bitmaps` are the pictures its canvases can draw; may be null.
  Win32GraphWindow(HWND window, const EditorBitmaps* bitmaps)
      : window_(window), bitmaps_(bitmaps) {}
  ~Win32GraphWindow() override { EndPaint(); }
  Win32GraphWindow(const Win32GraphWindow&) = delete;
  Win32GraphWindow& operator=(const Win32GraphWindow&) = delete;

  void BeginPaint() override;
  void EndPaint() override;
  std::unique_ptr<Canvas> ControlCanvas(int id) override;
  std::unique_ptr<Canvas> AnchoredCanvas(int id) override;
  PixelRect WindowRect() override;
  PixelRect ControlWindowRect(int id) override;
  PixelRect ControlClientRect(int id) override;
  WindowMetrics Metrics() override;
  void ResizeControl(int id, int width, int height) override;
  void Invalidate() override;
  void CaptureMouse() override;
  void ReleaseMouse() override;
  void SetCursor(CursorShape shape) override;
  void Beep() override;

  // The system's settings changed (WM_SETTINGCHANGE, WM_DISPLAYCHANGE), or may have
  // changed while no graph window was open to be told (WM_INITDIALOG): the metrics kept
  // for every graph window are read afresh on their next use.
  static void ForgetMetrics();

 private:
  HWND window_;
  const EditorBitmaps* bitmaps_;
  PAINTSTRUCT paint_{};
  bool painting_ = false;
};
