// The graph's seams for the fuzz targets: a window with the editor's frame geometry, a
// canvas that draws nothing but holds the painter to its contract, and the chart-axis
// library's own core behind its port, measuring text at a fixed pitch.
#pragma once

#include <memory>

#include "chartaxis/core/axes_layout.h"
#include "chartaxis/core/axes_table.h"
#include "ramp/ramp_graph.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

// Every coordinate within GDI's range and every pen and brush popped that was pushed; a
// breach traps, so that the fuzzer keeps the input.
class CheckedCanvas final : public Canvas {
 public:
  ~CheckedCanvas() override { Require(pens_ == 0 && brushes_ == 0); }

  CanvasRef Ref() override { return 1; }
  Colour WindowColour() override { return 0x00FFFFFF; }
  void FillRect(const PixelRect& rect, Colour) override { RequireRect(rect); }
  void PushPen(Colour, int) override { ++pens_; }
  void PopPen() override { Require(pens_-- > 0); }
  void PushBrush(Colour) override { ++brushes_; }
  void PopBrush() override { Require(brushes_-- > 0); }
  void MoveTo(int32_t x, int32_t y) override { RequirePoint(x, y); }
  void LineTo(int32_t x, int32_t y) override { RequirePoint(x, y); }
  void Rectangle(const PixelRect& rect) override { RequireRect(rect); }
  bool DrawBitmap(GraphBitmap, int, int, int, int) override { return true; }

 private:
  static void Require(bool holds) {
    if (!holds) __builtin_trap();
  }
  static void RequirePoint(int32_t x, int32_t y) {
    Require(x >= -kPixelLimit && x <= kPixelLimit && y >= -kPixelLimit && y <= kPixelLimit);
  }
  static void RequireRect(const PixelRect& r) {
    RequirePoint(r.left, r.top);
    RequirePoint(r.right, r.bottom);
  }

  int pens_ = 0;
  int brushes_ = 0;
};

// The editor window at (100, 50) and its graph frame at (300, 120), 257 x 172 pixels
// with its edges; the system metrics of a classic theme.
class FrameWindow final : public GraphWindow {
 public:
  int invalidations = 0;

  void BeginPaint() override {}
  void EndPaint() override {}
  std::unique_ptr<Canvas> ControlCanvas(int) override { return std::make_unique<CheckedCanvas>(); }
  std::unique_ptr<Canvas> AnchoredCanvas(int) override { return std::make_unique<CheckedCanvas>(); }
  PixelRect WindowRect() override { return {100, 50, 612, 450}; }
  PixelRect ControlWindowRect(int) override { return {300, 120, 557, 292}; }
  PixelRect ControlClientRect(int) override { return {0, 0, 255, 170}; }
  WindowMetrics Metrics() override { return {1, 1, 18, 19, 3}; }
  void ResizeControl(int, int, int) override {}
  void Invalidate() override { ++invalidations; }
  void CaptureMouse() override {}
  void ReleaseMouse() override {}
  void SetCursor(CursorShape) override {}
  void Beep() override {}
};

// The chart-axis library's core as its exports drive it, a character 7 x 16 pixels.
class CoreChartAxis final : public ChartAxisPort {
 public:
  AxesRef Create(int32_t a, int32_t b, int32_t c, int32_t d) override {
    return table_.Create(a != 0, b != 0, c != 0, d != 0);
  }
  int32_t GetBorder(CanvasRef, PixelRect& margins, std::string_view horizontalLabel,
                    std::string_view verticalLabel, int32_t) override {
    const chartaxis::Box box = chartaxis::MeasureMargins(measure_, horizontalLabel, verticalLabel);
    margins = {box.left, box.top, box.right, box.bottom};
    return measure_.Height();
  }
  int32_t PositionAxis(AxesRef axes, int32_t, int32_t, const AxisPlacement& placement) override {
    chartaxis::AxesState* state = table_.Find(static_cast<uint32_t>(axes));
    return state && chartaxis::PositionAxes(*state, placement) ? 1 : 0;
  }
  int32_t SetAxisRange(AxesRef axes, const AxisRange& range, int32_t axis) override {
    chartaxis::AxesState* state = table_.Find(static_cast<uint32_t>(axes));
    return state && chartaxis::SetAxisSpan(*state, range, axis) ? 1 : 0;
  }
  int32_t DisplayDefaultAxes(CanvasRef, AxesRef axes, std::string_view horizontalLabel, int32_t,
                             std::string_view verticalLabel, int32_t) override {
    chartaxis::AxesState* state = table_.Find(static_cast<uint32_t>(axes));
    if (!state || !state->positioned) return 0;
    chartaxis::LayoutAxes(*state, measure_, horizontalLabel, verticalLabel);
    return 1;
  }
  int32_t Delete(AxesRef axes) override { return table_.Delete(static_cast<uint32_t>(axes)); }

 private:
  class FixedPitch final : public chartaxis::TextMeasure {
   public:
    int Width(std::string_view text) const override { return 7 * static_cast<int>(text.size()); }
    int Height() const override { return 16; }
  };

  chartaxis::AxesTable table_;
  FixedPitch measure_;
};
