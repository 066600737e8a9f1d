#include "fakes/fake_graph.h"

#include <cstdio>

namespace {
std::string Hex(std::uintptr_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "%zx", static_cast<size_t>(value));
  return text;
}
}  // namespace

std::vector<PixelRect> CanvasRecord::Rectangles() const {
  std::vector<PixelRect> out;
  for (const CanvasOp& op : ops) {
    if (op.kind == CanvasOp::kRectangle) out.push_back(op.rect);
  }
  return out;
}

std::vector<PixelRect> CanvasRecord::Fills() const {
  std::vector<PixelRect> out;
  for (const CanvasOp& op : ops) {
    if (op.kind == CanvasOp::kFill) out.push_back(op.rect);
  }
  return out;
}

std::vector<std::pair<int32_t, int32_t>> CanvasRecord::HandlePoints() const {
  std::vector<std::pair<int32_t, int32_t>> out;
  for (const PixelRect& r : Rectangles()) out.emplace_back(r.left + 1, r.top + 2);
  return out;
}

FakeCanvas::~FakeCanvas() {
  record_.unbalanced += static_cast<int>(pens_.size() - 1 + brushes_.size() - 1);
  window_.log.push_back("ReleaseCanvas " + std::to_string(id_));
}

void FakeCanvas::FillRect(const PixelRect& rect, Colour colour) {
  window_.log.push_back("Fill " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
                        std::to_string(rect.right) + " " + std::to_string(rect.bottom));
  record_.ops.push_back({CanvasOp::kFill, rect, 0, 0, colour, 0, GraphBitmap::kLegend});
}

void FakeCanvas::PushPen(Colour colour, int width) {
  pens_.push_back(width == 1 ? colour : 0xFF000000u);  // only 1-pixel pens are expected
}

void FakeCanvas::PopPen() {
  if (pens_.size() > 1) {
    pens_.pop_back();
  } else {
    ++record_.unbalanced;
  }
}

void FakeCanvas::PushBrush(Colour colour) { brushes_.push_back(colour); }

void FakeCanvas::PopBrush() {
  if (brushes_.size() > 1) {
    brushes_.pop_back();
  } else {
    ++record_.unbalanced;
  }
}

void FakeCanvas::MoveTo(int32_t x, int32_t y) {
  record_.ops.push_back({CanvasOp::kMove, {}, x, y, 0, 0, GraphBitmap::kLegend});
}

void FakeCanvas::LineTo(int32_t x, int32_t y) {
  record_.ops.push_back({CanvasOp::kLine, {}, x, y, pens_.back(), 0, GraphBitmap::kLegend});
}

void FakeCanvas::Rectangle(const PixelRect& rect) {
  record_.ops.push_back(
      {CanvasOp::kRectangle, rect, 0, 0, brushes_.back(), pens_.back(), GraphBitmap::kLegend});
}

bool FakeCanvas::DrawBitmap(GraphBitmap bitmap, int width, int height, int x, int y) {
  if (window_.bitmapsMissing) return false;
  record_.ops.push_back({CanvasOp::kBitmap, {x, y, width, height}, 0, 0, 0, 0, bitmap});
  return true;
}

std::unique_ptr<Canvas> FakeGraphWindow::ControlCanvas(int id) {
  log.push_back("Canvas " + std::to_string(id));
  return std::make_unique<FakeCanvas>(*this, id, drawn[id]);
}

std::unique_ptr<Canvas> FakeGraphWindow::AnchoredCanvas(int id) {
  log.push_back("AnchoredCanvas " + std::to_string(id));
  return std::make_unique<FakeCanvas>(*this, id, drawn[id]);
}

void FakeGraphWindow::ResizeControl(int id, int width, int height) {
  log.push_back("Resize " + std::to_string(id) + " " + std::to_string(width) + "x" +
                std::to_string(height));
}

void FakeGraphWindow::CaptureMouse() {
  captured = true;
  ++captures;
  log.push_back("Capture");
}

void FakeGraphWindow::ReleaseMouse() {
  captured = false;
  ++releases;
  log.push_back("ReleaseCapture");
}

void FakeGraphWindow::Beep() {
  ++beeps;
  log.push_back("Beep");
}

AxesRef FakeChartAxis::Create(int32_t a, int32_t b, int32_t c, int32_t d) {
  log_.push_back("AxsCreate " + std::to_string(a) + std::to_string(b) + std::to_string(c) +
                 std::to_string(d));
  return handle;
}

int32_t FakeChartAxis::GetBorder(CanvasRef dc, PixelRect& out, std::string_view horizontalLabel,
                                 std::string_view verticalLabel, int32_t reserved) {
  log_.push_back("AxsGetBorder " + Hex(dc) + " [" + std::string(horizontalLabel) + "] [" +
                 std::string(verticalLabel) + "] " + std::to_string(reserved));
  out = margins;
  return border;
}

int32_t FakeChartAxis::PositionAxis(AxesRef axes, int32_t a, int32_t b, const AxisPlacement& p) {
  log_.push_back("AxsPositionAxis " + Hex(axes) + " " + std::to_string(a) + " " +
                 std::to_string(b));
  placement = p;
  return positionResult;
}

int32_t FakeChartAxis::SetAxisRange(AxesRef axes, const AxisRange& range, int32_t axis) {
  log_.push_back("AxsSetAxisRange " + Hex(axes) + " " + std::to_string(axis));
  ranges.push_back(range);
  return 1;
}

int32_t FakeChartAxis::DisplayDefaultAxes(CanvasRef dc, AxesRef axes,
                                          std::string_view horizontalLabel, int32_t a,
                                          std::string_view verticalLabel, int32_t b) {
  log_.push_back("AxsDisplayDefaultAxes " + Hex(dc) + " " + Hex(axes) + " [" +
                 std::string(horizontalLabel) + "] " + std::to_string(a) + " [" +
                 std::string(verticalLabel) + "] " + std::to_string(b));
  return 1;
}

int32_t FakeChartAxis::Delete(AxesRef axes) {
  log_.push_back("AxsDelete " + Hex(axes));
  return 1;
}
