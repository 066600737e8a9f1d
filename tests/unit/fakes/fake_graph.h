// A graph window, its canvases and the chart-axis library as recordings: every call goes
// into one shared log in order, and every canvas keeps what was drawn on it, so a test
// can check a paint's sequence and the pixels it asked for.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

struct CanvasOp {
  enum Kind { kFill, kMove, kLine, kRectangle, kBitmap } kind;
  PixelRect rect;  // kFill, kRectangle; for kBitmap (x, y, width, height)
  int32_t x, y;    // kMove, kLine
  Colour colour;   // kFill: its colour; kLine: the pen's; kRectangle: the brush's
  Colour outline;  // kRectangle: the pen's
  GraphBitmap bitmap;
};

// What one control's canvases drew, in order, with the pens and brushes in force.
struct CanvasRecord {
  std::vector<CanvasOp> ops;
  int unbalanced = 0;  // pushes not popped when a canvas went, or pops with nothing pushed

  std::vector<PixelRect> Rectangles() const;
  std::vector<PixelRect> Fills() const;
  // A handle's point (x, y) from its rectangle (x-1, y-2, x+3, y+2).
  std::vector<std::pair<int32_t, int32_t>> HandlePoints() const;
};

class FakeGraphWindow;

class FakeCanvas final : public Canvas {
 public:
  FakeCanvas(FakeGraphWindow& window, int id, CanvasRecord& record)
      : window_(window), id_(id), record_(record) {}
  ~FakeCanvas() override;

  CanvasRef Ref() override { return 0xDC00 + static_cast<CanvasRef>(id_); }
  Colour WindowColour() override { return kWindow; }
  void FillRect(const PixelRect& rect, Colour colour) override;
  void PushPen(Colour colour, int width) override;
  void PopPen() override;
  void PushBrush(Colour colour) override;
  void PopBrush() override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Rectangle(const PixelRect& rect) override;
  bool DrawBitmap(GraphBitmap bitmap, int width, int height, int x, int y) override;

  static constexpr Colour kWindow = 0x00FEFDFC;

 private:
  FakeGraphWindow& window_;
  int id_;
  CanvasRecord& record_;
  std::vector<Colour> pens_{0x00000000};
  std::vector<Colour> brushes_{0x00FFFFFF};
};

class FakeGraphWindow : public GraphWindow {
 public:
  std::vector<std::string> log;
  std::map<int, CanvasRecord> drawn;  // by control id
  PixelRect windowRect{100, 50, 612, 450};
  std::map<int, PixelRect> controlRects;  // screen rectangles, edges included
  std::map<int, PixelRect> clientRects;
  WindowMetrics metrics{1, 1, 18, 19};
  bool bitmapsMissing = false;
  bool captured = false;
  int captures = 0;
  int releases = 0;
  std::vector<CursorShape> cursors;
  int beeps = 0;
  int invalidations = 0;

  void BeginPaint() override { log.push_back("BeginPaint"); }
  void EndPaint() override { log.push_back("EndPaint"); }
  std::unique_ptr<Canvas> ControlCanvas(int id) override;
  std::unique_ptr<Canvas> AnchoredCanvas(int id) override;
  PixelRect WindowRect() override { return windowRect; }
  PixelRect ControlWindowRect(int id) override { return controlRects[id]; }
  PixelRect ControlClientRect(int id) override { return clientRects[id]; }
  WindowMetrics Metrics() override { return metrics; }
  void ResizeControl(int id, int width, int height) override;
  void Invalidate() override {
    ++invalidations;
    log.push_back("Invalidate");
  }
  void CaptureMouse() override;
  void ReleaseMouse() override;
  void SetCursor(CursorShape shape) override { cursors.push_back(shape); }
  void Beep() override;
};

class FakeChartAxis : public ChartAxisPort {
 public:
  explicit FakeChartAxis(std::vector<std::string>& log) : log_(log) {}

  PixelRect margins{40, 20, 10, 30};
  int32_t border = 13;
  int32_t positionResult = 1;
  AxesRef handle = 0xA5;
  AxisPlacement placement{};
  std::vector<AxisRange> ranges;  // by call; the axis index is in the log

  AxesRef Create(int32_t a, int32_t b, int32_t c, int32_t d) override;
  int32_t GetBorder(CanvasRef dc, PixelRect& out, std::string_view horizontalLabel,
                    std::string_view verticalLabel, int32_t reserved) override;
  int32_t PositionAxis(AxesRef axes, int32_t a, int32_t b, const AxisPlacement& p) override;
  int32_t SetAxisRange(AxesRef axes, const AxisRange& range, int32_t axis) override;
  int32_t DisplayDefaultAxes(CanvasRef dc, AxesRef axes, std::string_view horizontalLabel,
                             int32_t a, std::string_view verticalLabel, int32_t b) override;
  int32_t Delete(AxesRef axes) override;

 private:
  std::vector<std::string>& log_;
};
