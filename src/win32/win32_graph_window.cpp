// GraphWindow over a real dialog window: each call is one USER call, no decisions.
#include "win32/win32_graph_window.h"

#include "win32/win32_canvas.h"

namespace {
PixelRect ToPixelRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

void Win32GraphWindow::BeginPaint() {
  if (painting_) return;
  ::BeginPaint(window_, &paint_);
  painting_ = true;
}

void Win32GraphWindow::EndPaint() {
  if (!painting_) return;
  ::EndPaint(window_, &paint_);
  painting_ = false;
}

std::unique_ptr<Canvas> Win32GraphWindow::ControlCanvas(int id) {
  // GetDC of a null window would be the whole screen's.
  HWND control = ControlOf(window_, id);
  HDC dc = control ? GetDC(control) : nullptr;
  if (!dc) return nullptr;
  return std::make_unique<Win32Canvas>(dc, control, bitmaps_);
}

// A static control's own DC should draw with its parent's clipping (CS_PARENTDC), but
// Wine clips it to the control all the same. The window's DC with its origin moved to
// the control's corner draws the same picture on Windows and on Wine.
std::unique_ptr<Canvas> Win32GraphWindow::AnchoredCanvas(int id) {
  HWND control = ControlOf(window_, id);
  if (!control) return nullptr;
  POINT origin{0, 0};
  MapWindowPoints(control, window_, &origin, 1);
  HDC dc = GetDC(window_);
  if (!dc) return nullptr;
  return std::make_unique<Win32Canvas>(dc, window_, bitmaps_, origin);
}

PixelRect Win32GraphWindow::WindowRect() {
  RECT r{};
  GetWindowRect(window_, &r);
  return ToPixelRect(r);
}

PixelRect Win32GraphWindow::ControlWindowRect(int id) {
  RECT r{};
  if (HWND control = ControlOf(window_, id)) GetWindowRect(control, &r);
  return ToPixelRect(r);
}

PixelRect Win32GraphWindow::ControlClientRect(int id) {
  RECT r{};
  if (HWND control = ControlOf(window_, id)) GetClientRect(control, &r);
  return ToPixelRect(r);
}

namespace {
WindowMetrics SystemMetrics() {
  return {GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER),
          GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYMENU),
          GetSystemMetrics(SM_CXDLGFRAME)};
}
}  // namespace

WindowMetrics Win32GraphWindow::Metrics() {
  GraphWindowRecord* record = RecordOf(window_);
  if (!record) return SystemMetrics();
  if (!record->metrics) record->metrics = SystemMetrics();
  return *record->metrics;
}

// Asked on every owner-draw of a button; a button already that size is left alone,
// which saves a window-server round trip per draw.
void Win32GraphWindow::ResizeControl(int id, int width, int height) {
  RECT now{};
  if (HWND control = ControlOf(window_, id);
      control && !(GetWindowRect(control, &now) && now.right - now.left == width &&
                   now.bottom - now.top == height)) {
    SetWindowPos(control, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32GraphWindow::Invalidate() {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void Win32GraphWindow::CaptureMouse() { SetCapture(window_); }

// SetCapture with no window, not ReleaseCapture: Wine's ReleaseCapture injects a mouse
// move, which would reach the frame again and take the capture straight back.
void Win32GraphWindow::ReleaseMouse() { SetCapture(nullptr); }

void Win32GraphWindow::SetCursor(CursorShape shape) {
  ::SetCursor(LoadCursorA(nullptr, shape == CursorShape::kSize ? IDC_SIZE : IDC_ARROW));
}

void Win32GraphWindow::Beep() { MessageBeep(0); }
