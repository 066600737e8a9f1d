// The chart-axis library's arithmetic: round steps, tick numbers, ticks that fit their
// pixels, the margins, and a layout that keeps out of the caller's plot area.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <limits>

#include "chartaxis/core/axes_layout.h"
#include "chartaxis/core/axes_table.h"
#include "chartaxis/core/axis_ticks.h"

namespace {

using namespace chartaxis;
using enum AxisDirection;

// A fixed-pitch font: 6 pixels a character, 13 a line, like the dialog font.
class FixedMeasure final : public TextMeasure {
 public:
  int Width(std::string_view text) const override { return 6 * static_cast<int>(text.size()); }
  int Height() const override { return 13; }
};

const FixedMeasure kFont;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const AxisPlacement kGraphFrame{0, 0, 255, 170, 39, 20, 16, 35, 0, 1, 0, 13};

TEST(ChartAxisTicks, StepsAreOneTwoOrFiveTimesAPowerOfTenAndNumbersShowWhatTheyNeed) {
  const double steps[][2] = {{1.0, 1.0}, {1.01, 2.0},    {3.0, 5.0},     {6.0, 10.0}, {0.013, 0.02},
                             {0.0, 0.0}, {9e307, 1e308}, {1.7e308, 0.0}, {kNaN, 0.0}};
  for (const auto& s : steps) EXPECT_DOUBLE_EQ(RoundStepAtLeast(s[0]), s[1]) << s[0];
  // The float noise of 3 x 0.2, a negative zero and the exponent forms.
  EXPECT_EQ(FormatTickValue(0.6000000000000001, 0.2), "0.6");
  EXPECT_EQ(FormatTickValue(-0.0, 1), "0");
  EXPECT_EQ(FormatTickValue(1.2e6, 2e5), "1.2e+06");
  EXPECT_EQ(FormatTickValue(1e-7, 1e-7), "1e-07");
}

TEST(ChartAxisTicks, TwelveMinutesOver200PixelsTickEveryTwo) {
  // Every minute would put "10", "11", "12" 16.7 pixels apart: 12 wide plus a 6 gap is 18.
  const auto ticks = PlaceTicks(0, 12, 0, 200, kHorizontal, kFont);
  ASSERT_EQ(ticks.size(), 7u);
  EXPECT_EQ(ticks[1].value, 2.0);
  EXPECT_EQ(ticks[1].pixel, 33);
  EXPECT_EQ(ticks[6].pixel, 200);
  EXPECT_EQ(ticks[6].text, "12");
  // A reversed span puts its low end at the far pixel; an empty one counts as one unit.
  const auto reversed = PlaceTicks(10, 0, 0, 100, kHorizontal, kFont);
  ASSERT_FALSE(reversed.empty());
  EXPECT_EQ(reversed.front().pixel, 100);
  EXPECT_EQ(PlaceTicks(35, 35, 100, 0, kVertical, kFont).size(), 6u);
  EXPECT_EQ(PlaceTicks(0, 100, 0, 20, kHorizontal, kFont).size(), 1u) << "100 needs a gap after 0";
  EXPECT_EQ(PlaceTicks(0, 10, 0, 36, kHorizontal, kFont).size(), 3u) << "0, 5 and 10 just fit";
}

TEST(ChartAxisTicks, NeighbouringNumbersNeverOverlapAndStayInTheSpan) {
  const double cases[][3] = {
      {0, 12, 200},  {0, 800, 200}, {0, 40.5, 207},   {-100, 450, 120},         {0, 0.001, 50},
      {0, 1e7, 200}, {0, 3, 10},    {-7.3, 2.2, 300}, {-FLT_MAX, FLT_MAX, 200}, {0, 10, 60}};
  for (const auto& c : cases) {
    for (AxisDirection direction : {kHorizontal, kVertical}) {
      const bool across = direction == kHorizontal;
      SCOPED_TRACE(testing::Message()
                   << c[0] << ".." << c[1] << (across ? " across " : " up ") << c[2]);
      const auto ticks = PlaceTicks(c[0], c[1], 0, static_cast<int>(c[2]), direction, kFont);
      ASSERT_FALSE(ticks.empty());
      for (size_t i = 0; i + 1 < ticks.size(); ++i) {
        const int widths = kFont.Width(ticks[i].text) + kFont.Width(ticks[i + 1].text);
        EXPECT_GE(std::abs(ticks[i + 1].pixel - ticks[i].pixel),
                  across ? widths / 2 + 1 : kFont.Height())
            << ticks[i].text;
        EXPECT_NE(ticks[i].text, ticks[i + 1].text);
      }
      if (ticks.size() > 1) {
        const double step = ticks[1].value - ticks[0].value;
        EXPECT_NEAR(RoundStepAtLeast(step * 0.999), step, step * 1e-9) << "not a round step";
      }
      EXPECT_GE(ticks.front().value, c[0] - 1e-9);
      EXPECT_LE(ticks.back().value, c[1] + 1e-9);
    }
  }
  // Axes that cannot be labelled have no ticks (and do not hang), and a huge one is capped.
  const double unusable[][3] = {
      {kNaN, 10, 100}, {0, 10, 0}, {1e300, 1e300, 100}, {-DBL_MAX, DBL_MAX, 100}};
  for (const auto& b : unusable) {
    EXPECT_TRUE(PlaceTicks(b[0], b[1], 0, static_cast<int>(b[2]), kHorizontal, kFont).empty())
        << b[0] << ".." << b[1] << " over " << b[2];
  }
  // 0.01 apart, 5.13 would take 514.
  for (double high : {1.0, 5.13}) {
    EXPECT_LE(PlaceTicks(0, high, 0, 2000000000, kVertical, kFont).size(), 512u) << high;
  }
}

TEST(ChartAxisLayout, MarginsComeFromTheFont) {
  const Box both = MeasureMargins(kFont, "Mins", "C");
  EXPECT_EQ(both.left, 30 + 2 + 3 + 4);  // "-8888", gap, tick, offset
  EXPECT_EQ(both.top, 13 + 6 + 1);       // the label and half a number
  EXPECT_EQ(both.right, 12 + 4);         // half of "8888" and the offset
  EXPECT_EQ(both.bottom, 4 + 1 + 3 + 1 + 13 + 13);
}

// AxsPositionAxis answers 0 when the margins leave no plot area, and nothing is drawn then.
TEST(ChartAxisLayout, PositioningNeedsAPlotAreaLeftInsideTheMargins) {
  AxesState axes{};
  ASSERT_TRUE(PositionAxes(axes, kGraphFrame));
  EXPECT_EQ((std::array{axes.plot.left, axes.plot.top, axes.plot.right, axes.plot.bottom}),
            (std::array{39, 20, 239, 135}));
  const AxisPlacement refused[] = {
      {0, 0, 100, 100, 50, 0, 50, 0, 0, 1, 0, 13},  // the margins fill the width
      {0, 0, 100, 100, 0, 60, 0, 40, 0, 1, 0, 13},  // and the height
      {INT32_MIN, 0, INT32_MAX, 100, INT32_MIN, 0, INT32_MIN, 0, 0, 1, 0, 0},  // would wrap
      {0, 0, 1 << 28, 100, 0, 0, 0, 0, 0, 1, 0, 13},  // beyond GDI's coordinates
  };
  for (const AxisPlacement& placement : refused) {
    SCOPED_TRACE(&placement - refused);
    EXPECT_FALSE(PositionAxes(axes, placement));
    EXPECT_TRUE(LayoutAxes(axes, kFont, "Mins", "C").lines.empty());
  }
}

// The caller erases and draws in its plot area and a little beyond (handles on the
// edge); the axes must survive that, so nothing of them may lie there. The box's edges
// come closest.
TEST(ChartAxisLayout, NothingIsDrawnInThePlotAreaOrTheBandAroundIt) {
  AxesState axes{};
  axes.showHorizontal = axes.showVertical = axes.showTicks = axes.showNumbers = true;
  ASSERT_TRUE(PositionAxes(axes, kGraphFrame));
  ASSERT_TRUE(SetAxisSpan(axes, {0.0f, 12.0f, 0.0f}, kHorizontalAxis));
  ASSERT_TRUE(SetAxisSpan(axes, {0.0f, 150.0f, 0.0f}, kVerticalAxis));
  EXPECT_FALSE(SetAxisSpan(axes, {0.0f, 1.0f, 0.0f}, 2)) << "there is no third axis";
  axes.boxed = true;
  const AxesDrawing drawing = LayoutAxes(axes, kFont, "Mins", "C");
  ASSERT_GE(drawing.texts.size(), 10u);
  const Box& p = axes.plot;
  auto clear = [&](int left, int top, int right, int bottom) {
    return right <= p.left - 3 || left >= p.right + 4 || bottom <= p.top - 3 || top >= p.bottom + 4;
  };
  for (const Segment& s : drawing.lines) {
    EXPECT_TRUE(clear(std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2) + 1,
                      std::max(s.y1, s.y2) + 1))
        << s.x1 << "," << s.y1 << " " << s.x2 << "," << s.y2;
  }
  for (const TextAt& t : drawing.texts) {
    EXPECT_TRUE(clear(t.x, t.y, t.x + kFont.Width(t.text), t.y + kFont.Height())) << t.text;
    EXPECT_TRUE(t.y >= 0 && t.y + kFont.Height() <= 170) << t.text;
  }
  // The plot is 39..239 x 20..135, the axes 4 pixels outside it (x 35, y 139), ticks 3 long
  // outward: the time axis's "0" is centred below its tick, the value axis's "0" ends 2
  // pixels left of its tick and is centred on its height, "Mins" is centred under the
  // plot a line lower, the value label sits in the client's corner.
  const std::pair<std::string, std::array<int, 2>> placed[] = {
      {"0", {36, 144}}, {"0", {24, 129}}, {"Mins", {127, 157}}, {"C", {0, 0}}};
  for (const auto& [text, at] : placed) {
    EXPECT_TRUE(std::any_of(
        drawing.texts.begin(), drawing.texts.end(),
        [&](const TextAt& t) { return t.text == text && t.x == at[0] && t.y == at[1]; }))
        << text << " at " << at[0] << "," << at[1];
  }
  // The value axis from the plot's top to the time axis; the box's top and right edges.
  for (const auto& want : {std::array{35, 20, 35, 140}, {35, 16, 244, 16}, {243, 16, 243, 140}}) {
    EXPECT_TRUE(std::any_of(drawing.lines.begin(), drawing.lines.end(),
                            [&](const Segment& l) {
                              return std::array{l.x1, l.y1, l.x2, l.y2} == want;
                            }))
        << want[0] << "," << want[1] << " " << want[2] << "," << want[3];
  }
}

TEST(ChartAxisTable, StaleHandlesAreRefusedAndTheTableIsBounded) {
  AxesTable table;
  const uint32_t first = table.Create(true, true, true, true);
  EXPECT_TRUE(table.Delete(first));
  EXPECT_FALSE(table.Delete(first));
  EXPECT_EQ(table.Find(first), nullptr);
  while (table.Live() < AxesTable::kMaxLive) ASSERT_NE(table.Create(1, 1, 1, 1), 0u);
  EXPECT_EQ(table.Create(1, 1, 1, 1), 0u);
}

}  // namespace
