// What a graph needs from the dialog window it lives in, beyond its controls' texts:
// painting sessions, canvases over its controls, their geometry, the mouse capture and
// the cursor. One implementation drives a real window; the tests use a recording fake.
#pragma once

#include <memory>

#include "ui/canvas.h"

// The system metrics the frame-origin rule of the mouse handlers is stated in.
struct WindowMetrics {
  int32_t borderWidth;   // a thin border, horizontally
  int32_t borderHeight;  // a thin border, vertically
  int32_t captionHeight;
  int32_t menuHeight;
  int32_t dialogFrameWidth;  // a modal dialog's frame, horizontally
};

enum class CursorShape { kArrow, kSize };

class GraphWindow {
 public:
  virtual ~GraphWindow() = default;

  // A paint session of the window itself; PaintSession pairs the two.
  virtual void BeginPaint() = 0;
  virtual void EndPaint() = 0;
  // A canvas over control `id`'s device context, released when the canvas is destroyed.
  virtual std::unique_ptr<Canvas> ControlCanvas(int id) = 0;
  // A canvas whose origin is control `id`'s top-left corner but which reaches over the
  // whole window: a picture anchored at a small control and larger than it.
  virtual std::unique_ptr<Canvas> AnchoredCanvas(int id) = 0;

  virtual PixelRect WindowRect() = 0;               // the window's own, in screen pixels
  virtual PixelRect ControlWindowRect(int id) = 0;  // in screen pixels, edges included
  virtual PixelRect ControlClientRect(int id) = 0;  // left and top are 0
  virtual WindowMetrics Metrics() = 0;
  virtual void ResizeControl(int id, int width, int height) = 0;  // keeps place and Z order

  // The window's whole client area is to be painted again, without erasing. Its child
  // controls are left out: the graphs draw into them but change nothing of their own,
  // and repainting thirty controls would cost a drag step many times its own paint.
  virtual void Invalidate() = 0;

  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouse() = 0;
  virtual void SetCursor(CursorShape shape) = 0;
  virtual void Beep() = 0;
};

class PaintSession {
 public:
  explicit PaintSession(GraphWindow& window) : window_(window) { window_.BeginPaint(); }
  ~PaintSession() { window_.EndPaint(); }
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;

 private:
  GraphWindow& window_;
};
