// A graph window, its canvases and the chart-axis library as recordings: paints, fills,
// bitmaps and library calls go into one shared log in order, with their arguments, so a
// test can check a paint's sequence; every canvas keeps the lines and handles drawn on it.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

struct CanvasOp {
  enum Kind { kMove, kLine, kRectangle } kind;
  int32_t x, y;    // kMove, kLine
  PixelRect rect;  // kRectangle
  Colour colour;   // kLine: the pen's; kRectangle: the brush's
  Colour outline;  // kRectangle: the pen's
};

// What one control's canvases drew, in order, with the pens and brushes in force.
struct CanvasRecord {
  std::vector<CanvasOp> ops;
  int unbalanced = 0;  // pushes not popped when a canvas went, or pops with nothing pushed
  size_t Count(CanvasOp::Kind kind) const {
    return std::count_if(ops.begin(), ops.end(),
                         [&](const CanvasOp& op) { return op.kind == kind; });
  }
};

// The parts separated by blanks, texts in brackets.
template <typename... Parts>
std::string LogLine(const Parts&... parts) {
  std::ostringstream out;
  ((out << parts << ' '), ...);
  std::string text = out.str();
  text.pop_back();
  return text;
}
inline std::string Label(std::string_view text) { return "[" + std::string(text) + "]"; }

// The window at (100, 50) with a 1-pixel border, an 18-pixel caption, a 19-pixel menu
// and, as a modal dialog, a 3-pixel frame.
// The graphs ask only for their frame's rectangles: every control gets those.
class FakeGraphWindow : public GraphWindow {
 public:
  std::vector<std::string> log;
  std::map<int, CanvasRecord> drawn;        // by control id
  PixelRect frameRect{300, 120, 557, 292};  // on the screen, edges included
  bool bitmapsMissing = false;
  int captures = 0, releases = 0, beeps = 0, invalidations = 0;
  std::vector<CursorShape> cursors;

  void BeginPaint() override { log.push_back("BeginPaint"); }
  void EndPaint() override { log.push_back("EndPaint"); }
  std::unique_ptr<Canvas> ControlCanvas(int id) override;
  std::unique_ptr<Canvas> AnchoredCanvas(int id) override;
  PixelRect WindowRect() override { return {100, 50, 612, 450}; }
  PixelRect ControlWindowRect(int) override { return frameRect; }
  PixelRect ControlClientRect(int) override { return {0, 0, 255, 170}; }
  WindowMetrics Metrics() override { return {1, 1, 18, 19, 3}; }
  void ResizeControl(int id, int width, int height) override {
    log.push_back(LogLine("Resize", id, width, height));
  }
  void Invalidate() override { ++invalidations; }
  void CaptureMouse() override { ++captures; }
  void ReleaseMouse() override { ++releases; }
  void SetCursor(CursorShape shape) override { cursors.push_back(shape); }
  void Beep() override {
    ++beeps;
    log.push_back("Beep");
  }
};

class FakeCanvas final : public Canvas {
 public:
  FakeCanvas(FakeGraphWindow& window, int id)
      : window_(window), id_(id), record_(window.drawn[id]) {}
  ~FakeCanvas() override {
    record_.unbalanced += static_cast<int>(pens_.size() - 1 + brushes_.size() - 1);
    window_.log.push_back(LogLine("ReleaseCanvas", id_));
  }

  CanvasRef Ref() override { return static_cast<CanvasRef>(id_); }
  Colour WindowColour() override { return kWindow; }
  // Logged without its colour when that is the window's.
  void FillRect(const PixelRect& r, Colour colour) override {
    const std::string fill = LogLine("Fill", r.left, r.top, r.right, r.bottom);
    window_.log.push_back(colour == kWindow ? fill : LogLine(fill, colour));
  }
  void PushPen(Colour colour, int width) override { pens_.push_back(width == 1 ? colour : ~0u); }
  void PopPen() override { Pop(pens_); }
  void PushBrush(Colour colour) override { brushes_.push_back(colour); }
  void PopBrush() override { Pop(brushes_); }
  void MoveTo(int32_t x, int32_t y) override {
    record_.ops.push_back({CanvasOp::kMove, x, y, {}, 0, 0});
  }
  void LineTo(int32_t x, int32_t y) override {
    record_.ops.push_back({CanvasOp::kLine, x, y, {}, pens_.back(), 0});
  }
  void Rectangle(const PixelRect& rect) override {
    record_.ops.push_back({CanvasOp::kRectangle, 0, 0, rect, brushes_.back(), pens_.back()});
  }
  // Logged as "Bitmap <GraphBitmap's number> <x> <y> <width> <height>".
  bool DrawBitmap(GraphBitmap bitmap, int width, int height, int x, int y) override {
    if (window_.bitmapsMissing) return false;
    window_.log.push_back(LogLine("Bitmap", static_cast<int>(bitmap), x, y, width, height));
    return true;
  }

  static constexpr Colour kWindow = 0x00FEFDFC;

 private:
  void Pop(std::vector<Colour>& stack) {
    if (stack.size() > 1) {
      stack.pop_back();
    } else {
      ++record_.unbalanced;
    }
  }

  FakeGraphWindow& window_;
  int id_;
  CanvasRecord& record_;
  std::vector<Colour> pens_{0x00000000};
  std::vector<Colour> brushes_{0x00FFFFFF};
};

inline std::unique_ptr<Canvas> FakeGraphWindow::ControlCanvas(int id) {
  log.push_back(LogLine("Canvas", id));
  return std::make_unique<FakeCanvas>(*this, id);
}
inline std::unique_ptr<Canvas> FakeGraphWindow::AnchoredCanvas(int id) {
  log.push_back(LogLine("AnchoredCanvas", id));
  return std::make_unique<FakeCanvas>(*this, id);
}

// Answers margins of 40, 20, 10 and 30, the border word 13 and the handle 7.
class FakeChartAxis : public ChartAxisPort {
 public:
  explicit FakeChartAxis(std::vector<std::string>& log) : log_(log) {}

  PixelRect margins{40, 20, 10, 30};
  int32_t positionResult = 1;

  AxesRef Create(int32_t a, int32_t b, int32_t c, int32_t d) override {
    log_.push_back(LogLine("AxsCreate", a, b, c, d));
    return 7;
  }
  int32_t GetBorder(CanvasRef dc, PixelRect& out, std::string_view horizontalLabel,
                    std::string_view verticalLabel, int32_t reserved) override {
    log_.push_back(
        LogLine("AxsGetBorder", dc, Label(horizontalLabel), Label(verticalLabel), reserved));
    out = margins;
    return 13;
  }
  int32_t PositionAxis(AxesRef axes, int32_t a, int32_t b, const AxisPlacement& p) override {
    log_.push_back(LogLine("AxsPositionAxis", axes, a, b, p.clientLeft, p.clientTop, p.clientRight,
                           p.clientBottom, p.marginLeft, p.marginTop, p.marginRight, p.marginBottom,
                           p.boxed, p.ticksOutward, p.border));
    return positionResult;
  }
  int32_t SetAxisRange(AxesRef axes, const AxisRange& range, int32_t axis) override {
    log_.push_back(LogLine("AxsSetAxisRange", axes, range.low, range.high, range.origin, axis));
    return 1;
  }
  int32_t DisplayDefaultAxes(CanvasRef dc, AxesRef axes, std::string_view horizontalLabel,
                             int32_t a, std::string_view verticalLabel, int32_t b) override {
    log_.push_back(LogLine("AxsDisplayDefaultAxes", dc, axes, Label(horizontalLabel), a,
                           Label(verticalLabel), b));
    return 1;
  }
  int32_t Delete(AxesRef axes) override {
    log_.push_back(LogLine("AxsDelete", axes));
    return 1;
  }

 private:
  std::vector<std::string>& log_;
};
