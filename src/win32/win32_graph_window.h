// GraphWindow over a real dialog window and its controls.
#pragma once

#include <windows.h>

#include "ui/graph_window.h"
#include "win32/graph_window_record.h"

class Win32GraphWindow final : public GraphWindow {
 public:
  // Its canvases draw the window's own bitmaps, when it has a record.
  explicit Win32GraphWindow(HWND window) : window_(window), bitmaps_(BitmapsOf(window)) {}
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

 private:
  HWND window_;
  const EditorBitmaps* bitmaps_;
  PAINTSTRUCT paint_{};
  bool painting_ = false;
};
