// The chart-axis library's arithmetic: round steps, tick numbers, ticks that fit their
// pixels, the margins, and a layout that keeps out of the caller's plot area.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "chartaxis/core/axes_layout.h"
#include "chartaxis/core/axes_table.h"
#include "chartaxis/core/axis_ticks.h"

namespace {

using namespace chartaxis;

// A fixed-pitch font: 6 pixels a character, 13 a line, like the dialog font.
class FixedMeasure final : public TextMeasure {
 public:
  int Width(std::string_view text) const override { return 6 * static_cast<int>(text.size()); }
  int Height() const override { return 13; }
};

const FixedMeasure kFont;

TEST(ChartAxisSteps, RoundStepsAreOneTwoOrFiveTimesAPowerOfTen) {
  struct Case {
    double minimum, step;
  } cases[] = {
      {0.7, 1.0},
      {1.0, 1.0},
      {1.01, 2.0},
      {2.0, 2.0},
      {3.0, 5.0},
      {5.0, 5.0},
      {6.0, 10.0},
      {0.013, 0.02},
      {1234, 2000},
      {9e307, 1e308},
      {0.0, 0.0},
      {-1.0, 0.0},
      {1.7e308, 0.0},
      {std::numeric_limits<double>::quiet_NaN(), 0.0},
      {std::numeric_limits<double>::infinity(), 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minimum);
    EXPECT_DOUBLE_EQ(RoundStepAtLeast(c.minimum), c.step);
  }
  double step = 0.1;
  std::vector<double> chain;
  for (int i = 0; i < 6; ++i) chain.push_back(step = NextRoundStep(step));
  const std::vector<double> expected = {0.2, 0.5, 1.0, 2.0, 5.0, 10.0};
  ASSERT_EQ(chain.size(), expected.size());
  for (size_t i = 0; i < chain.size(); ++i) EXPECT_DOUBLE_EQ(chain[i], expected[i]);
}

TEST(ChartAxisSteps, NumbersShowTheDecimalsTheirStepNeeds) {
  struct Case {
    double value, step;
    const char* text;
  } cases[] = {
      {150, 50, "150"},
      {0.0, 0.2, "0.0"},
      {0.6000000000000001, 0.2, "0.6"},
      {-0.0, 1, "0"},
      {-5, 5, "-5"},
      {12.5, 0.5, "12.5"},
      {0.05, 0.01, "0.05"},
      {2e6, 1e6, "2e+06"},
      {1.2e6, 2e5, "1.2e+06"},
      {1e-7, 1e-7, "1e-07"},
      {1e300, 1e299, "1e+300"},
      {-3.4e38, 1e37, "-3.4e+38"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatTickValue(c.value, c.step), c.text);
  }
}

std::vector<double> Values(const std::vector<Tick>& ticks) {
  std::vector<double> out;
  for (const Tick& t : ticks) out.push_back(t.value);
  return out;
}

std::vector<int> Pixels(const std::vector<Tick>& ticks) {
  std::vector<int> out;
  for (const Tick& t : ticks) out.push_back(t.pixel);
  return out;
}

TEST(ChartAxisTicks, TwelveMinutesOver200PixelsTickEveryTwo) {
  // Every minute would put "10", "11", "12" 16.7 pixels apart: 12 wide plus a 6 gap is 18.
  const auto ticks = PlaceTicks(0, 12, 0, 200, AxisDirection::kHorizontal, kFont);
  EXPECT_EQ(Values(ticks), (std::vector<double>{0, 2, 4, 6, 8, 10, 12}));
  EXPECT_EQ(Pixels(ticks), (std::vector<int>{0, 33, 67, 100, 133, 167, 200}));
  EXPECT_EQ(ticks.back().text, "12");
}

TEST(ChartAxisTicks, AVerticalAxisNeedsALinePerNumber) {
  // 150 degrees over 122 pixels, bottom at 142: every 20 degrees is 16.3 pixels >= 15.
  const auto ticks = PlaceTicks(0, 150, 142, 20, AxisDirection::kVertical, kFont);
  EXPECT_EQ(Values(ticks), (std::vector<double>{0, 20, 40, 60, 80, 100, 120, 140}));
  EXPECT_EQ(ticks.front().pixel, 142);
  EXPECT_EQ(ticks.back().pixel, 28);
}

TEST(ChartAxisTicks, ZeroLengthAndReversedSpans) {
  const auto flat = PlaceTicks(35, 35, 100, 0, AxisDirection::kVertical, kFont);
  EXPECT_EQ(flat.size(), 6u) << "35 .. 36 in steps of 0.2";
  EXPECT_EQ(flat.front().text, "35.0");
  EXPECT_EQ(flat.front().pixel, 100);
  EXPECT_EQ(flat.back().pixel, 0);

  const auto reversed = PlaceTicks(10, 0, 0, 100, AxisDirection::kHorizontal, kFont);
  ASSERT_FALSE(reversed.empty());
  EXPECT_EQ(reversed.front().value, 0.0);
  EXPECT_EQ(reversed.front().pixel, 100) << "the low end of a reversed span is its far pixel";
}

TEST(ChartAxisTicks, UnusableAxesHaveNoTicksAndNeverHang) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    double low, high;
    int from, to;
  } cases[] = {
      {"NaN end", nan, 10, 0, 100},
      {"infinite end", 0, inf, 0, 100},
      {"no pixels", 0, 10, 50, 50},
      {"too far out for distinct ticks", 1e300, 1e300, 0, 100},
      {"span too large for a double", -DBL_MAX, DBL_MAX, 0, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(PlaceTicks(c.low, c.high, c.from, c.to, AxisDirection::kHorizontal, kFont).empty());
  }
  // The whole float range still gets a few numbers.
  const auto wide = PlaceTicks(-FLT_MAX, FLT_MAX, 0, 200, AxisDirection::kHorizontal, kFont);
  EXPECT_GE(wide.size(), 1u);
  EXPECT_LE(wide.size(), 5u);
  // A huge axis in pixels is capped in ticks.
  EXPECT_LE(PlaceTicks(0, 1, 0, 2000000000, AxisDirection::kVertical, kFont).size(), 512u);
}

TEST(ChartAxisTicks, NeighbouringNumbersNeverOverlap) {
  struct Case {
    double low, high;
    int length;
  } cases[] = {
      {0, 12, 200},   {0, 800, 200}, {0, 1, 200},       {0, 40.5, 207}, {-100, 450, 120},
      {0, 0.001, 50}, {0, 1e7, 200}, {25.5, 337.5, 90}, {0, 3, 10},     {-7.3, 2.2, 300},
  };
  for (const Case& c : cases) {
    for (AxisDirection direction : {AxisDirection::kHorizontal, AxisDirection::kVertical}) {
      const bool horizontal = direction == AxisDirection::kHorizontal;
      SCOPED_TRACE(testing::Message() << c.low << ".." << c.high << " over " << c.length
                                      << (horizontal ? " across" : " up"));
      const auto ticks = PlaceTicks(c.low, c.high, 0, c.length, direction, kFont);
      ASSERT_FALSE(ticks.empty());
      for (size_t i = 0; i + 1 < ticks.size(); ++i) {
        const int apart = std::abs(ticks[i + 1].pixel - ticks[i].pixel);
        if (horizontal) {
          const int halfWidths =
              (kFont.Width(ticks[i].text) + kFont.Width(ticks[i + 1].text) + 1) / 2;
          EXPECT_GE(apart, halfWidths + 1) << ticks[i].text << " / " << ticks[i + 1].text;
        } else {
          EXPECT_GE(apart, kFont.Height()) << ticks[i].text;
        }
        EXPECT_NE(ticks[i].text, ticks[i + 1].text);
      }
      for (const Tick& t : ticks) {
        EXPECT_GE(t.value, std::min(c.low, c.high) - 1e-9);
        EXPECT_LE(t.value, std::max(c.low, c.high) + 1e-9);
      }
    }
  }
}

TEST(ChartAxisLayout, MarginsComeFromTheFont) {
  const Box both = MeasureMargins(kFont, "Mins",
                                  "    \xB0"
                                  "C");
  EXPECT_EQ(both.left, 30 + 2 + 3 + 4);  // "-8888", gap, tick, offset
  EXPECT_EQ(both.top, 13 + 6 + 1);       // the label and half a number
  EXPECT_EQ(both.right, 12 + 4);         // half of "8888" and the offset
  EXPECT_EQ(both.bottom, 4 + 1 + 3 + 1 + 13 + 13);
  const Box none = MeasureMargins(kFont, "", "");
  EXPECT_EQ(none.top, 7);
  EXPECT_EQ(none.bottom, 4 + 1 + 3 + 1 + 13);
}

TEST(ChartAxisLayout, ThePlotAreaIsTheClientLessTheMargins) {
  struct Case {
    const char* name;
    AxisPlacement placement;
    bool ok;
    Box plot;
  } cases[] = {
      {"the graph's frame",
       {0, 0, 255, 170, 39, 20, 16, 35, 0, 1, 0, 13},
       true,
       {39, 20, 239, 135}},
      {"margins fill it", {0, 0, 100, 100, 50, 0, 50, 0, 0, 1, 0, 13}, false, {}},
      {"too low", {0, 0, 100, 100, 0, 60, 0, 40, 0, 1, 0, 13}, false, {}},
      {"beyond GDI's range", {0, 0, 1 << 28, 100, 0, 0, 0, 0, 0, 1, 0, 13}, false, {}},
      {"garbage",
       {INT32_MIN, 0, INT32_MAX, 100, INT32_MIN, 0, INT32_MIN, 0, 0, 1, 0, 0},
       false,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Box plot{-1, -1, -1, -1};
    EXPECT_EQ(PlotArea(c.placement, plot), c.ok);
    if (c.ok) {
      EXPECT_EQ((std::vector<int>{plot.left, plot.top, plot.right, plot.bottom}),
                (std::vector<int>{c.plot.left, c.plot.top, c.plot.right, c.plot.bottom}));
    }
  }
}

class ChartAxisLayoutTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PositionAxes(axes, {0, 0, 255, 170, 39, 20, 16, 35, 0, 1, 0, 13}));
    axes.showHorizontal = axes.showVertical = axes.showTicks = axes.showNumbers = true;
    ASSERT_TRUE(SetAxisSpan(axes, {0.0f, 12.0f, 0.0f}, kHorizontalAxis));
    ASSERT_TRUE(SetAxisSpan(axes, {0.0f, 150.0f, 0.0f}, kVerticalAxis));
  }
  AxesState axes{};
};

// The caller erases and draws in its plot area and a little beyond (handles on the
// edge); the axes must survive that, so nothing of them may lie there.
TEST_F(ChartAxisLayoutTest, NothingIsDrawnInThePlotAreaOrTheBandAroundIt) {
  for (bool boxed : {false, true}) {
    SCOPED_TRACE(boxed);
    axes.boxed = boxed;
    const AxesDrawing drawing = LayoutAxes(axes, kFont, "Mins",
                                           "    \xB0"
                                           "C");
    const Box keep{axes.plot.left - 3, axes.plot.top - 3, axes.plot.right + 4,
                   axes.plot.bottom + 4};
    auto overlaps = [&](int left, int top, int right, int bottom) {
      return left < keep.right && keep.left < right && top < keep.bottom && keep.top < bottom;
    };
    for (const Segment& s : drawing.lines) {
      EXPECT_FALSE(overlaps(std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2) + 1,
                            std::max(s.y1, s.y2) + 1))
          << s.x1 << "," << s.y1 << " " << s.x2 << "," << s.y2;
    }
    for (const TextAt& t : drawing.texts) {
      EXPECT_FALSE(overlaps(t.x, t.y, t.x + kFont.Width(t.text), t.y + kFont.Height())) << t.text;
      EXPECT_GE(t.y, 0) << t.text;
      EXPECT_LE(t.y + kFont.Height(), 170) << t.text;
    }
  }
}

TEST_F(ChartAxisLayoutTest, AxesNumbersAndLabelsWhereTheMarginsPutThem) {
  const AxesDrawing drawing = LayoutAxes(axes, kFont, "Mins",
                                         "    \xB0"
                                         "C");
  ASSERT_GE(drawing.lines.size(), 2u);
  // The axes meet at the bottom-left corner, 4 pixels out from the plot.
  const Segment& horizontal = drawing.lines[0];
  EXPECT_EQ((std::vector<int>{horizontal.x1, horizontal.y1, horizontal.x2, horizontal.y2}),
            (std::vector<int>{35, 139, 240, 139}));
  auto vertical = std::find_if(drawing.lines.begin(), drawing.lines.end(), [](const Segment& s) {
    return s.x1 == 35 && s.x2 == 35 && s.y1 == 20;
  });
  ASSERT_NE(vertical, drawing.lines.end());
  EXPECT_EQ(vertical->y2, 140);

  std::vector<std::string> texts;
  for (const TextAt& t : drawing.texts) texts.push_back(t.text);
  EXPECT_EQ(texts.front(), "0");
  EXPECT_NE(std::find(texts.begin(), texts.end(), "12"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "140"), texts.end());
  EXPECT_EQ(drawing.texts[drawing.texts.size() - 2].text, "Mins");
  EXPECT_EQ(drawing.texts.back().text,
            "    \xB0"
            "C");
  EXPECT_EQ(drawing.texts.back().x, 0);
  EXPECT_EQ(drawing.texts.back().y, 0);
}

TEST_F(ChartAxisLayoutTest, PartsSwitchedOffAreLeftOut) {
  axes.showTicks = false;
  axes.showNumbers = false;
  AxesDrawing drawing = LayoutAxes(axes, kFont, "Mins", "");
  EXPECT_EQ(drawing.lines.size(), 2u);
  ASSERT_EQ(drawing.texts.size(), 1u);
  EXPECT_EQ(drawing.texts[0].text, "Mins");

  axes.showHorizontal = false;
  axes.showVertical = false;
  drawing = LayoutAxes(axes, kFont, "", "");
  EXPECT_TRUE(drawing.lines.empty());

  AxesState unplaced{};
  unplaced.showHorizontal = true;
  EXPECT_TRUE(LayoutAxes(unplaced, kFont, "Mins", "C").lines.empty());
}

TEST(ChartAxisTable, HandlesAreRefusedOnceDeletedOrNeverMade) {
  AxesTable table;
  const uint32_t first = table.Create(true, true, true, true);
  const uint32_t second = table.Create(true, false, true, false);
  EXPECT_NE(first, 0u);
  EXPECT_NE(second, first);
  ASSERT_NE(table.Find(second), nullptr);
  EXPECT_FALSE(table.Find(second)->showVertical);
  EXPECT_EQ(table.Find(0), nullptr);
  EXPECT_EQ(table.Find(12345), nullptr);
  EXPECT_TRUE(table.Delete(first));
  EXPECT_FALSE(table.Delete(first));
  EXPECT_EQ(table.Find(first), nullptr);
  EXPECT_NE(table.Create(true, true, true, true), first) << "not reused at once";

  AxesState& state = *table.Find(second);
  EXPECT_FALSE(PositionAxes(state, {0, 0, 10, 10, 5, 0, 5, 0, 0, 1, 0, 13}));
  EXPECT_FALSE(state.positioned);
  EXPECT_FALSE(SetAxisSpan(state, {0, 1, 0}, 2));
}

TEST(ChartAxisTable, ACallerThatNeverDeletesRunsOutInsteadOfGrowingForEver) {
  AxesTable table;
  for (size_t i = 0; i < AxesTable::kMaxLive; ++i) ASSERT_NE(table.Create(1, 1, 1, 1), 0u);
  EXPECT_EQ(table.Create(1, 1, 1, 1), 0u);
  EXPECT_EQ(table.Live(), AxesTable::kMaxLive);
}

}  // namespace
