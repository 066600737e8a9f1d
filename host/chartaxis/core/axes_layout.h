// Where everything of a pair of axes goes: the margins a caller leaves for them, the
// plot area, and the lines and texts to draw. Pure arithmetic over text sizes, so the
// Win32 part only measures and draws.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chartaxis/chartaxis_types.h"
#include "chartaxis/core/text_measure.h"

namespace chartaxis {

// Axis lines stand this many pixels outside the plot area.
inline constexpr int kAxisOffset = 4;
inline constexpr int kTickLength = 3;
// Between a vertical axis's numbers and its ticks.
inline constexpr int kNumberGap = 2;
// The widest numbers the margins are measured for; wider ones reach past the margin.
inline constexpr std::string_view kVerticalNumberSample = "-8888";
inline constexpr std::string_view kHorizontalNumberSample = "8888";
// GDI keeps device coordinates within 27 bits; a plot area beyond them is refused.
inline constexpr int kCoordinateLimit = 1 << 27;

struct Box {
  int left, top, right, bottom;
};

// The room around the plot area: numbers, ticks and the gap on the left; the vertical
// label and half a number on the top; half a number on the right; the gap, ticks,
// numbers and horizontal label below.
Box MeasureMargins(const TextMeasure& measure, std::string_view horizontalLabel,
                   std::string_view verticalLabel);

// The client rectangle less the margins. False when it is empty or out of GDI's range.
bool PlotArea(const AxisPlacement& placement, Box& plot);

struct AxisSpan {
  bool set;
  double low, high;
};

// Everything AxsCreate, AxsPositionAxis and AxsSetAxisRange gathered.
struct AxesState {
  bool showHorizontal, showVertical, showTicks, showNumbers;
  bool positioned;
  Box client;
  Box plot;
  bool boxed;
  bool ticksOutward;
  AxisSpan span[2];  // kHorizontalAxis, kVerticalAxis
};

// A horizontal or vertical run of pixels from (x1, y1) up to, not including, (x2, y2).
struct Segment {
  int x1, y1, x2, y2;
};

struct TextAt {
  int x, y;  // top-left corner
  std::string text;
};

struct AxesDrawing {
  std::vector<Segment> lines;
  std::vector<TextAt> texts;
};

// The drawing of positioned axes (nothing when not positioned).
AxesDrawing LayoutAxes(const AxesState& axes, const TextMeasure& measure,
                       std::string_view horizontalLabel, std::string_view verticalLabel);

}  // namespace chartaxis
