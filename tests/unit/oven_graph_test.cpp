// Painting the oven graph: the value-to-pixel mapping, the order of a paint and of a
// drag's paint, the ramp and its handles, the axis buttons, and methods full of numbers
// no editor would have typed.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "editor/oven_axes.h"
#include "editor/oven_graph.h"
#include "fakes/fake_graph.h"
#include "method/inlet_method.h"
#include "resource_ids.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const Colour kBlue = MakeColour(0, 0, 255);
const Colour kRed = MakeColour(255, 0, 0);
const Colour kBlack = MakeColour(0, 0, 0);

TEST(OvenGraphMapping, CutsTowardZeroAndUsesUnitSpansForEmptyAxes) {
  struct Case {
    const char* name;
    PixelRect plot;
    double timeMax, valueMax, valueMin, time, value;
    int32_t x, y;
  } cases[] = {
      {"corners", {10, 20, 110, 220}, 50, 200, 0, 50, 200, 110, 20},
      {"origin", {10, 20, 110, 220}, 50, 200, 0, 0, 0, 10, 220},
      {"negative time cuts up, not down", {10, 20, 110, 220}, 50, 200, 0, -0.7, 0, 9, 220},
      {"below the bottom cuts toward zero", {10, 20, 110, 220}, 50, 200, 0, 0, -1.5, 10, 221},
      {"fraction of a pixel", {10, 20, 110, 220}, 50, 200, 0, 0.99, 0.99, 11, 220},
      {"zero time axis spans one minute", {10, 20, 110, 220}, 0, 200, 0, 0.5, 0, 60, 220},
      {"top at the minimum spans one degree", {10, 20, 110, 220}, 50, 35, 35, 0, 35.5, 10, 120},
      {"negative minimum", {10, 20, 110, 220}, 50, 150, -50, 0, 0, 10, 170},
      // ky = 1.5, m = 0.5: 1.5 - 0.75 is cut as a whole (0), not term by term (1 - 0).
      {"subtraction before the cut", {0, 0, 10, 3}, 10, 2.5, 0.5, 0, 1.0, 0, 3},
      {"outside the axes is not clipped", {10, 20, 110, 220}, 50, 200, 0, 100, 400, 210, -180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RampScale scale = MakeRampScale(c.plot, c.timeMax, c.valueMax, c.valueMin);
    EXPECT_EQ(TimeToPixel(scale, c.time), c.x);
    EXPECT_EQ(ValueToPixel(scale, c.value), c.y);
  }
}

TEST(OvenGraphMapping, OutsideNumbersSaturateInsteadOfOverflowing) {
  const PixelRect plot{10, 20, 110, 220};
  struct Case {
    const char* name;
    double timeMax, valueMax, valueMin, time, value;
    int32_t x, y;
  } cases[] = {
      {"huge values", 50, 200, 0, 1e300, 1e300, kPixelLimit, -kPixelLimit},
      {"huge negative values", 50, 200, 0, -1e300, -1e300, -kPixelLimit, kPixelLimit},
      {"infinities", 50, 200, 0, kInf, -kInf, kPixelLimit, kPixelLimit},
      {"NaN values", 50, 200, 0, kNaN, kNaN, 0, 0},
      {"NaN axes", kNaN, kNaN, 0, 1, 1, 0, 0},
      {"tiny span", 1e-300, 1e-300, 0, 1, 1, kPixelLimit, -kPixelLimit},
      // The span swallows the top: 0 lies at the top edge, as 200 does.
      {"huge minimum", 50, 200, -1e300, 0, 0, 10, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RampScale scale = MakeRampScale(plot, c.timeMax, c.valueMax, c.valueMin);
    EXPECT_EQ(TimeToPixel(scale, c.time), c.x);
    EXPECT_EQ(ValueToPixel(scale, c.value), c.y);
  }
}

// A frame at (300, 120) on the screen, 257 x 172 pixels with its edge, 255 x 170 inside;
// the fake library asks for margins of 40, 20, 10 and 30.
class OvenGraphPaintTest : public testing::Test {
 protected:
  void SetUp() override {
    inletMethod = {};
    editorValues = {};
    ovenGraph = {};
    SetMethodDefaults();
    editorValues.ovenStepsInUse = 2;
    FitOvenAxes();  // 150 degrees, 12 minutes; sets ovenAxesChanged
    window.controlRects[IDC_GRAPH_FRAME] = {300, 120, 557, 292};
    window.clientRects[IDC_GRAPH_FRAME] = {0, 0, 255, 170};
  }
  void Paint() { ASSERT_EQ(PaintOvenGraph(window, axes, IDC_GRAPH_FRAME), 1); }
  const CanvasRecord& Frame() { return window.drawn[IDC_GRAPH_FRAME]; }

  FakeGraphWindow window;
  FakeChartAxis axes{window.log};
};

TEST_F(OvenGraphPaintTest, APaintRunsItsStepsInOrder) {
  editorValues.ovenEditChanged = 1;
  Paint();
  const std::vector<std::string> expected = {
      "BeginPaint",
      "AnchoredCanvas 151",
      "ReleaseCanvas 151",
      "EndPaint",
      "BeginPaint",
      "Canvas 105",
      "Fill 0 0 257 172",  // the whole frame, edges included, because the axes changed
      "AxsCreate 1111",
      "AxsGetBorder dc69 [Mins] [    \xB0"
      "C] 0",
      "AxsPositionAxis a5 0 0",
      "AxsSetAxisRange a5 0",
      "AxsSetAxisRange a5 1",
      "AxsDisplayDefaultAxes dc69 a5 [Mins] 0 [    \xB0"
      "C] 0",
      "AxsDelete a5",
      "Fill 40 18 250 143",  // the plot area with the handles' overhang
      "ReleaseCanvas 105",
      "EndPaint",
  };
  EXPECT_EQ(window.log, expected);
  EXPECT_EQ(editorValues.ovenAxesChanged, 0);
  EXPECT_EQ(editorValues.ovenEditChanged, 0);
  EXPECT_EQ(window.beeps, 0);

  const PixelRect& plot = ovenGraph.ovenPlotRect;
  EXPECT_EQ((std::vector<int32_t>{plot.left, plot.top, plot.right, plot.bottom}),
            (std::vector<int32_t>{40, 18, 250, 143}));
  for (const CanvasOp& op : Frame().ops) {
    if (op.kind == CanvasOp::kFill) {
      EXPECT_EQ(op.colour, FakeCanvas::kWindow);
    }
  }

  ASSERT_EQ(window.drawn[IDC_LEGEND].ops.size(), 1u);
  const CanvasOp& legend = window.drawn[IDC_LEGEND].ops[0];
  EXPECT_EQ(legend.kind, CanvasOp::kBitmap);
  EXPECT_EQ(legend.bitmap, GraphBitmap::kLegend);
  EXPECT_EQ((std::vector<int32_t>{legend.rect.left, legend.rect.top, legend.rect.right,
                                  legend.rect.bottom}),
            (std::vector<int32_t>{1, 1, 255, 99}));
}

TEST_F(OvenGraphPaintTest, TheAxesGetTheFrameTheMarginsAndBothRanges) {
  editorValues.minOvenTemp = 25.5f;
  inletMethod.tempAxisMax = 337.5;
  Paint();
  const AxisPlacement& p = axes.placement;
  EXPECT_EQ((std::vector<int32_t>{p.clientLeft, p.clientTop, p.clientRight, p.clientBottom,
                                  p.marginLeft, p.marginTop, p.marginRight, p.marginBottom, p.boxed,
                                  p.ticksOutward, p.border}),
            (std::vector<int32_t>{0, 0, 255, 170, 40, 20, 10, 30, 0, 1, 13}));
  ASSERT_EQ(axes.ranges.size(), 2u);
  EXPECT_EQ(axes.ranges[0].low, 0.0f);
  EXPECT_EQ(axes.ranges[0].high, 12.0f);
  EXPECT_EQ(axes.ranges[0].origin, 0.0f);
  EXPECT_EQ(axes.ranges[1].low, 25.5f);
  EXPECT_EQ(axes.ranges[1].high, 337.5f);
  EXPECT_EQ(axes.ranges[1].origin, 25.5f);
}

TEST_F(OvenGraphPaintTest, ADragRedrawsOnlyThePlotArea) {
  ovenGraph.ovenDragging = 1;
  editorValues.ovenEditChanged = 1;
  Paint();
  const std::vector<std::string> expected = {
      "BeginPaint",
      "Canvas 105",
      "AxsCreate 1111",
      "AxsGetBorder dc69 [Mins] [    \xB0"
      "C] 0",
      "AxsPositionAxis a5 0 0",
      "AxsSetAxisRange a5 0",
      "AxsSetAxisRange a5 1",
      "AxsDelete a5",
      "Fill 40 18 250 143",
      "ReleaseCanvas 105",
      "EndPaint",
  };
  EXPECT_EQ(window.log, expected);
  EXPECT_EQ(window.drawn.count(IDC_LEGEND), 0u);
  EXPECT_EQ(editorValues.ovenAxesChanged, 1)
      << "the erase waits for the first paint after the drag";
  EXPECT_EQ(editorValues.ovenEditChanged, 0);
  EXPECT_EQ(Frame().HandlePoints().size(), 3u);

  ovenGraph.ovenDragging = 0;
  window.log.clear();
  Paint();
  EXPECT_EQ(window.log[6], "Fill 0 0 257 172");
}

TEST_F(OvenGraphPaintTest, UnchangedAxesAreNotErasedFirst) {
  editorValues.ovenAxesChanged = 0;
  Paint();
  EXPECT_EQ(window.log[6], "AxsCreate 1111");
  EXPECT_EQ(Frame().Fills().size(), 1u);
}

TEST_F(OvenGraphPaintTest, UnplacedAxesAreDeletedAndTheRampStillDrawn) {
  axes.positionResult = 0;
  Paint();
  const std::vector<std::string> tail(window.log.begin() + 6, window.log.end());
  const std::vector<std::string> expected = {
      "Fill 0 0 257 172",
      "AxsCreate 1111",
      "AxsGetBorder dc69 [Mins] [    \xB0"
      "C] 0",
      "AxsPositionAxis a5 0 0",
      "AxsDelete a5",
      "Fill 40 18 250 143",
      "ReleaseCanvas 105",
      "EndPaint",
  };
  EXPECT_EQ(tail, expected);
  EXPECT_TRUE(axes.ranges.empty());
  EXPECT_EQ(Frame().HandlePoints().size(), 3u);
}

TEST_F(OvenGraphPaintTest, AMissingLegendBeepsAndTheGraphIsPaintedAnyway) {
  window.bitmapsMissing = true;
  Paint();
  EXPECT_EQ(window.beeps, 1);
  EXPECT_EQ(window.log[2], "Beep");
  EXPECT_EQ(Frame().HandlePoints().size(), 3u);
}

// The default ramp in the drawing rectangle (40, 20, 247, 142): 17.25 pixels a minute,
// 122/150 of a pixel a degree.
TEST_F(OvenGraphPaintTest, TheDefaultRampHasThreeHandlesTheLastInTheTopRightCorner) {
  Paint();
  const CanvasRecord& frame = Frame();
  EXPECT_EQ(frame.unbalanced, 0);
  std::vector<std::string> drawing;
  for (const CanvasOp& op : frame.ops) {
    char text[96];
    switch (op.kind) {
      case CanvasOp::kMove: std::snprintf(text, sizeof text, "move %d %d", op.x, op.y); break;
      case CanvasOp::kLine:
        std::snprintf(text, sizeof text, "line %d %d%s", op.x, op.y,
                      op.colour == kBlue ? "" : " ?");
        break;
      case CanvasOp::kRectangle:
        std::snprintf(text, sizeof text, "handle %d %d %d %d%s", op.rect.left, op.rect.top,
                      op.rect.right, op.rect.bottom,
                      op.colour == kRed && op.outline == kBlack ? "" : " ?");
        break;
      default: continue;
    }
    drawing.push_back(text);
  }
  const std::vector<std::string> expected = {
      "move 40 61",  "line 74 61",  "handle 73 59 77 63",    // end of step 0's plateau
      "move 75 61",  "line 212 20", "handle 211 18 215 22",  // end of step 1's ramp
      "move 213 20", "line 247 20", "handle 246 18 250 22",  // end of step 1's plateau
      "move 248 20",
  };
  EXPECT_EQ(drawing, expected);

  const auto points = frame.HandlePoints();
  ASSERT_EQ(points.size(), 3u);
  EXPECT_GE(points[2].first, 247 - 1);
  EXPECT_LE(points[2].first, 247);
  EXPECT_GE(points[2].second, 20);
  EXPECT_LE(points[2].second, 20 + 1);
}

TEST_F(OvenGraphPaintTest, EveryBreakPointButTheFirstCarriesAHandle) {
  for (int32_t inUse = 0; inUse <= 4; ++inUse) {
    SCOPED_TRACE(inUse);
    editorValues.ovenStepsInUse = inUse;
    window.drawn.clear();
    FakeCanvas canvas(window, 1, window.drawn[1]);
    EXPECT_EQ(DrawOvenRamp(canvas, 0, 0, 200, 100), inUse == 0 ? 0 : 1);
    EXPECT_EQ(window.drawn[1].HandlePoints().size(), inUse == 0 ? 0u : 2u * inUse - 1);
  }
}

TEST_F(OvenGraphPaintTest, AnInfiniteRateIsAVerticalSegment) {
  inletMethod.ovenStep[1].start = 2.0;  // the end of step 0's plateau
  FakeCanvas canvas(window, 1, window.drawn[1]);
  DrawOvenRamp(canvas, 0, 0, 120, 150);
  const auto points = window.drawn[1].HandlePoints();
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0].first, points[1].first);
  EXPECT_NE(points[0].second, points[1].second);
}

// Another program may have stored anything in a method; painting it and pointing at it
// must still finish, with every coordinate within what GDI can draw.
TEST_F(OvenGraphPaintTest, AnyStoredNumberPaintsWithinTheCoordinateRange) {
  const double values[] = {kNaN, kInf, -kInf, 1e300, -1e300, -5.0, 0.0};
  for (double value : values) {
    SCOPED_TRACE(value);
    for (OvenStep& step : inletMethod.ovenStep) step = {value, value, value, 1};
    inletMethod.timeAxisMax = value;
    inletMethod.tempAxisMax = value;
    editorValues.ovenStepsInUse = 4;
    window.drawn.clear();
    window.log.clear();
    Paint();
    const CanvasRecord& frame = Frame();
    EXPECT_EQ(frame.unbalanced, 0);
    EXPECT_EQ(frame.HandlePoints().size(), 7u);
    for (const CanvasOp& op : frame.ops) {
      for (int32_t c : {op.x, op.y, op.rect.left, op.rect.top, op.rect.right, op.rect.bottom}) {
        EXPECT_LE(std::abs(static_cast<int64_t>(c)), int64_t{kPixelLimit} + 3);
      }
    }
  }
}

TEST_F(OvenGraphPaintTest, MarginsBeyondReasonAreHeldToTheCoordinateRange) {
  axes.margins = {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(),
                  std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
  Paint();
  const PixelRect& plot = ovenGraph.ovenPlotRect;
  EXPECT_EQ(plot.left, kPixelLimit);
  EXPECT_EQ(plot.top, -kPixelLimit);
  EXPECT_EQ(plot.right, kPixelLimit);
  EXPECT_EQ(plot.bottom, -kPixelLimit);
  EXPECT_EQ(Frame().unbalanced, 0);
}

TEST(OvenGraphButtons, ThePressedFaceOnlyWhileSelectedAndNotDrawnWhole) {
  struct Case {
    int id;
    bool drawEntire, selected;
    std::optional<GraphBitmap> face;
  } cases[] = {
      {IDC_BUTTON_UP, true, false, GraphBitmap::kUpArrow},
      {IDC_BUTTON_UP, true, true, GraphBitmap::kUpArrow},
      {IDC_BUTTON_UP, false, true, GraphBitmap::kUpArrowPressed},
      {IDC_BUTTON_UP, false, false, GraphBitmap::kUpArrow},
      {IDC_BUTTON_RIGHT, false, true, GraphBitmap::kRightArrowPressed},
      {IDC_BUTTON_RIGHT, false, false, GraphBitmap::kRightArrow},
      {IDC_BUTTON_DEFAULT, false, true, GraphBitmap::kDefaultAxesPressed},
      {IDC_BUTTON_DEFAULT, true, true, GraphBitmap::kDefaultAxes},
      {IDC_GRAPH_FRAME, false, true, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " " << c.drawEntire << c.selected);
    EXPECT_EQ(ChooseButtonFace({c.id, c.drawEntire, c.selected}), c.face);
  }
}

TEST(OvenGraphButtons, AButtonIsSqueezedTo19PixelsAndGetsItsFace) {
  FakeGraphWindow window;
  {
    FakeCanvas item(window, IDC_BUTTON_RIGHT, window.drawn[IDC_BUTTON_RIGHT]);
    EXPECT_EQ(DrawArrowButton(window, item, {IDC_BUTTON_RIGHT, false, true}), 1);
  }
  EXPECT_EQ(window.log.front(), "Resize 126 19x19");
  ASSERT_EQ(window.drawn[IDC_BUTTON_RIGHT].ops.size(), 1u);
  const CanvasOp& face = window.drawn[IDC_BUTTON_RIGHT].ops[0];
  EXPECT_EQ(face.bitmap, GraphBitmap::kRightArrowPressed);
  EXPECT_EQ(
      (std::vector<int32_t>{face.rect.left, face.rect.top, face.rect.right, face.rect.bottom}),
      (std::vector<int32_t>{0, 0, 19, 19}));
  EXPECT_EQ(window.beeps, 0);

  window.bitmapsMissing = true;
  FakeCanvas item(window, IDC_BUTTON_UP, window.drawn[IDC_BUTTON_UP]);
  DrawArrowButton(window, item, {IDC_BUTTON_UP, true, false});
  EXPECT_EQ(window.beeps, 1);
  DrawArrowButton(window, item, {IDC_ZONE1_TEMP, true, false});
  EXPECT_EQ(window.beeps, 2) << "a control that is not an axis button has no face";
}

}  // namespace
