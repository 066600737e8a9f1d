// The recording graph window, canvas and chart-axis library of the graph tests.
#include "fakes/fake_graph.h"

#include <algorithm>
#include <sstream>

namespace {

// The parts separated by blanks.
template <typename... Parts>
std::string Line(const Parts&... parts) {
  std::ostringstream out;
  ((out << parts << ' '), ...);
  std::string text = out.str();
  text.pop_back();
  return text;
}

std::string Label(std::string_view text) { return "[" + std::string(text) + "]"; }

}  // namespace

size_t CanvasRecord::Count(CanvasOp::Kind kind) const {
  return std::count_if(ops.begin(), ops.end(), [&](const CanvasOp& op) { return op.kind == kind; });
}

FakeCanvas::FakeCanvas(FakeGraphWindow& window, int id)
    : window_(window), id_(id), record_(window.drawn[id]) {}

FakeCanvas::~FakeCanvas() {
  record_.unbalanced += static_cast<int>(pens_.size() - 1 + brushes_.size() - 1);
  window_.log.push_back(Line("ReleaseCanvas", id_));
}

void FakeCanvas::FillRect(const PixelRect& r, Colour colour) {
  const std::string fill = Line("Fill", r.left, r.top, r.right, r.bottom);
  window_.log.push_back(colour == kWindow ? fill : Line(fill, colour));
}

void FakeCanvas::Pop(std::vector<Colour>& stack) {
  if (stack.size() > 1) {
    stack.pop_back();
  } else {
    ++record_.unbalanced;
  }
}

void FakeCanvas::MoveTo(int32_t x, int32_t y) {
  record_.ops.push_back({CanvasOp::kMove, x, y, {}, 0, 0});
}

void FakeCanvas::LineTo(int32_t x, int32_t y) {
  record_.ops.push_back({CanvasOp::kLine, x, y, {}, pens_.back(), 0});
}

void FakeCanvas::Rectangle(const PixelRect& rect) {
  record_.ops.push_back({CanvasOp::kRectangle, 0, 0, rect, brushes_.back(), pens_.back()});
}

bool FakeCanvas::DrawBitmap(GraphBitmap bitmap, int width, int height, int x, int y) {
  if (window_.bitmapsMissing) return false;
  window_.log.push_back(Line("Bitmap", static_cast<int>(bitmap), x, y, width, height));
  return true;
}

std::unique_ptr<Canvas> FakeGraphWindow::ControlCanvas(int id) {
  log.push_back(Line("Canvas", id));
  return std::make_unique<FakeCanvas>(*this, id);
}

std::unique_ptr<Canvas> FakeGraphWindow::AnchoredCanvas(int id) {
  log.push_back(Line("AnchoredCanvas", id));
  return std::make_unique<FakeCanvas>(*this, id);
}

void FakeGraphWindow::ResizeControl(int id, int width, int height) {
  log.push_back(Line("Resize", id, width, height));
}

void FakeGraphWindow::Beep() {
  ++beeps;
  log.push_back("Beep");
}

AxesRef FakeChartAxis::Create(int32_t a, int32_t b, int32_t c, int32_t d) {
  log_.push_back(Line("AxsCreate", a, b, c, d));
  return 7;
}

int32_t FakeChartAxis::GetBorder(CanvasRef dc, PixelRect& out, std::string_view horizontalLabel,
                                 std::string_view verticalLabel, int32_t reserved) {
  log_.push_back(Line("AxsGetBorder", dc, Label(horizontalLabel), Label(verticalLabel), reserved));
  out = margins;
  return 13;
}

int32_t FakeChartAxis::PositionAxis(AxesRef axes, int32_t a, int32_t b, const AxisPlacement& p) {
  log_.push_back(Line("AxsPositionAxis", axes, a, b, p.clientLeft, p.clientTop, p.clientRight,
                      p.clientBottom, p.marginLeft, p.marginTop, p.marginRight, p.marginBottom,
                      p.boxed, p.ticksOutward, p.border));
  return positionResult;
}

int32_t FakeChartAxis::SetAxisRange(AxesRef axes, const AxisRange& range, int32_t axis) {
  log_.push_back(Line("AxsSetAxisRange", axes, range.low, range.high, range.origin, axis));
  return 1;
}

int32_t FakeChartAxis::DisplayDefaultAxes(CanvasRef dc, AxesRef axes,
                                          std::string_view horizontalLabel, int32_t a,
                                          std::string_view verticalLabel, int32_t b) {
  log_.push_back(
      Line("AxsDisplayDefaultAxes", dc, axes, Label(horizontalLabel), a, Label(verticalLabel), b));
  return 1;
}

int32_t FakeChartAxis::Delete(AxesRef axes) {
  log_.push_back(Line("AxsDelete", axes));
  return 1;
}
