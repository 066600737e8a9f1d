// Painting the oven graph and the ULVO graph: the value-to-pixel mapping, the order of a
// paint and of a drag's paint, the ramp and its handles, the axis buttons, and numbers no
// editor would type.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "editor/oven_axes.h"
#include "editor/oven_graph.h"
#include "fakes/fake_graph.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_state.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(OvenGraphMapping, CutsTowardZeroAndUsesUnitSpansForEmptyAxes) {
  const PixelRect plot{10, 20, 110, 220};
  struct Case {
    const char* name;
    PixelRect plot;
    double timeMax, valueMax, valueMin, time, value;
    int32_t x, y;
  } cases[] = {
      {"negative time cuts up, not down", plot, 50, 200, 0, -0.7, 0, 9, 220},
      {"below the bottom cuts toward zero", plot, 50, 200, 0, 0, -1.5, 10, 221},
      {"zero time axis spans one minute", plot, 0, 200, 0, 0.5, 0, 60, 220},
      {"top at the minimum spans one degree", plot, 50, 35, 35, 0, 35.5, 10, 120},
      // ky = 1.5, m = 0.5: 1.5 - 0.75 is cut as a whole (0), not term by term (1 - 0).
      {"subtraction before the cut", {0, 0, 10, 3}, 10, 2.5, 0.5, 0, 1.0, 0, 3},
      {"outside the axes is not clipped", plot, 50, 200, 0, 100, 400, 210, -180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RampScale scale = MakeRampScale(c.plot, c.timeMax, c.valueMax, c.valueMin);
    EXPECT_EQ(TimeToPixel(scale, c.time), c.x);
    EXPECT_EQ(ValueToPixel(scale, c.value), c.y);
  }
}

std::vector<int32_t> Corners(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// A frame at (300, 120) on the screen, 257 x 172 pixels with its edge, 255 x 170 inside;
// the fake library asks for margins of 40, 20, 10 and 30.
class OvenGraphPaintTest : public testing::Test {
 protected:
  void SetUp() override {
    editorValues = {};
    ovenGraph = {};
    SetMethodDefaults();
    FitOvenAxes();  // 150 degrees, 12 minutes; sets ovenAxesChanged
  }
  void Paint() { ASSERT_EQ(PaintOvenGraph(window, axes, IDC_GRAPH_FRAME), 1); }
  const CanvasRecord& Frame() { return window.drawn[IDC_GRAPH_FRAME]; }

  FakeGraphWindow window;
  FakeChartAxis axes{window.log};
};

TEST_F(OvenGraphPaintTest, APaintRunsItsStepsInOrderAndADragSkipsLegendEraseAndAxes) {
  const std::string legend =
      "BeginPaint, AnchoredCanvas 151, Bitmap 0 1 1 255 99, ReleaseCanvas 151, EndPaint, ";
  const std::string frame = "BeginPaint, Canvas 105, ";
  const std::string erase = "Fill 0 0 257 172, ";  // the whole frame, edges included
  // The placement block: client rectangle, margins, not boxed, ticks outward, border word.
  const std::string place =
      "AxsCreate 1 1 1 1, AxsGetBorder 105 [Mins] [    \xB0"
      "C] 0, AxsPositionAxis 7 0 0 0 0 255 170 40 20 10 30 0 1 13, ";
  const std::string ranges = "AxsSetAxisRange 7 0 12 0 0, AxsSetAxisRange 7 25.5 337.5 25.5 1, ";
  const std::string display =
      "AxsDisplayDefaultAxes 105 7 [Mins] 0 [    \xB0"
      "C] 0, ";
  // The plot area and the handles' overhang are erased before the ramp is drawn.
  const std::string plot = "AxsDelete 7, Fill 40 18 250 143, ReleaseCanvas 105, EndPaint";
  struct Case {
    const char* name;
    int32_t dragging, axesChanged, positionResult;
    bool bitmapsMissing;
    std::string log;
  } cases[] = {
      {"a paint", 0, 1, 1, false, legend + frame + erase + place + ranges + display + plot},
      {"a drag's paint", 1, 1, 1, false, frame + place + ranges + plot},
      {"unchanged axes", 0, 0, 1, false, legend + frame + place + ranges + display + plot},
      {"unplaced axes", 0, 0, 0, false, legend + frame + place + plot},
      {"a missing legend beeps", 0, 0, 1, true,
       "BeginPaint, AnchoredCanvas 151, Beep, ReleaseCanvas 151, EndPaint, " + frame + place +
           ranges + display + plot},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    window.log.clear();
    window.drawn.clear();
    editorValues.minOvenTemp = 25.5f;
    inletMethod.tempAxisMax = 337.5;
    ovenGraph.ovenDragging = c.dragging;
    editorValues.ovenAxesChanged = c.axesChanged;
    editorValues.ovenEditChanged = 1;
    axes.positionResult = c.positionResult;
    window.bitmapsMissing = c.bitmapsMissing;
    Paint();
    std::string log;
    for (const std::string& call : window.log) log += (log.empty() ? "" : ", ") + call;
    EXPECT_EQ(log, c.log);
    EXPECT_EQ(editorValues.ovenAxesChanged, c.dragging) << "the erase waits for the drag's end";
    EXPECT_EQ(editorValues.ovenEditChanged, 0);
    EXPECT_EQ(Frame().Count(CanvasOp::kRectangle), 3u);
  }
}

// The ULVO graph paints in one session, with no legend, its value axis from 0 whatever
// the oven's minimum, and the labels of its channel's mode. The default ramps step from
// 10 to 15: step 0 lies 12 pixels above the bottom on the flow axis (99.9), 4 on the
// pressure axis (250). A ramp stored with no step in use is drawn with its first step.
TEST_F(OvenGraphPaintTest, TheUlvoGraphPaintsTheLabelsOfItsModeOnAnAxisFromZero) {
  const std::string place = "AxsPositionAxis 7 0 0 0 0 255 170 40 20 10 30 0 1 13, ";
  const std::string time = "AxsSetAxisRange 7 0 12 0 0, ";
  const std::string plot = "AxsDelete 7, Fill 40 18 250 143, ReleaseCanvas 105, EndPaint";
  const std::string erase = "BeginPaint, Canvas 105, Fill 0 0 257 172, AxsCreate 1 1 1 1, ";
  const std::string kpa = "AxsGetBorder 105 [Mins] [   kPa] 0, " + place + time;
  const std::string drag =
      "BeginPaint, Canvas 105, AxsCreate 1 1 1 1, " + kpa + "AxsSetAxisRange 7 0 250 0 1, " + plot;
  struct Case {
    const char* name;
    int32_t ramp, dragging, inUse;
    size_t handles;
    int32_t firstY;
    std::string log;
  } cases[] = {
      {"flow", 0, 0, 2, 3, 130,
       erase + "AxsGetBorder 105 [Mins] [ml//Min] 0, " + place + time +
           "AxsSetAxisRange 7 0 99.9 0 1, AxsDisplayDefaultAxes 105 7 [Mins] 0 [ml/Min] 0, " +
           plot},
      {"pressure", 1, 0, 2, 3, 138,
       erase + kpa +
           "AxsSetAxisRange 7 0 250 0 1, AxsDisplayDefaultAxes 105 7 [Mins] 0 [   kPa] 0, " + plot},
      {"a pressure drag", 1, 1, 2, 3, 138, drag},
      {"no step in use", 1, 1, 0, 1, 138, drag},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    window.log.clear();
    window.drawn.clear();
    editorValues.minOvenTemp = 25.5f;
    ulvoValues = {};
    ulvoGraph = {};
    ulvoValues.ulvoRamp = c.ramp;
    ulvoValues.ulvoAxesChanged = ulvoValues.ulvoEditChanged = 1;
    ulvoGraph.ulvoDragging = c.dragging;
    editorValues.ulvoStepsInUse = c.inUse;
    ASSERT_EQ(PaintUlvoGraph(window, axes, IDC_ULVO_GRAPH_FRAME), 1);
    std::string log;
    for (const std::string& call : window.log) log += (log.empty() ? "" : ", ") + call;
    EXPECT_EQ(log, c.log);
    EXPECT_EQ(ulvoValues.ulvoAxesChanged, c.dragging) << "the erase waits for the drag's end";
    EXPECT_EQ(ulvoValues.ulvoEditChanged, 0);
    EXPECT_EQ(Corners(ulvoGraph.ulvoPlotRect), (std::vector<int32_t>{40, 18, 250, 143}));
    EXPECT_EQ(Frame().Count(CanvasOp::kRectangle), c.handles);
    ASSERT_FALSE(Frame().ops.empty());
    EXPECT_EQ(Frame().ops[0].y, c.firstY);
  }
}

// The default ramp in the drawing rectangle (40, 20, 247, 142): 17.25 pixels a minute,
// 122/150 of a pixel a degree. Blue lines end at each handle's point; the next starts one
// pixel right of it. Handles are red squares edged in black.
TEST_F(OvenGraphPaintTest, TheDefaultRampHasThreeHandlesTheLastInTheTopRightCorner) {
  Paint();
  constexpr int32_t M = CanvasOp::kMove, L = CanvasOp::kLine, H = CanvasOp::kRectangle;
  std::vector<std::vector<int32_t>> drawing;
  for (const CanvasOp& op : Frame().ops) {
    const PixelRect& r = op.rect;
    if (op.kind == H) {
      drawing.push_back({H, r.left, r.top, r.right, r.bottom});
    } else {
      drawing.push_back({op.kind, op.x, op.y});
    }
    EXPECT_TRUE(op.kind != L || op.colour == MakeColour(0, 0, 255));
    EXPECT_TRUE(op.kind != H || (op.colour == MakeColour(255, 0, 0) && op.outline == 0));
  }
  EXPECT_EQ(drawing, (std::vector<std::vector<int32_t>>{{M, 40, 61},
                                                        {L, 74, 61},
                                                        {H, 73, 59, 77, 63},  // step 0's plateau
                                                        {M, 75, 61},
                                                        {L, 212, 20},
                                                        {H, 211, 18, 215, 22},  // step 1's ramp
                                                        {M, 213, 20},
                                                        {L, 247, 20},
                                                        {H, 246, 18, 250, 22},  // the corner
                                                        {M, 248, 20}}));
  EXPECT_EQ(Frame().unbalanced, 0);
}

// Another program may have stored anything in a method; painting it must still finish,
// with every coordinate within what GDI can draw.
TEST_F(OvenGraphPaintTest, AnyStoredNumberPaintsWithinTheCoordinateRange) {
  for (double value : {kNaN, kInf, -kInf, 1e300, -1e300, -5.0}) {
    SCOPED_TRACE(value);
    for (OvenStep& step : inletMethod.ovenStep) step = {value, value, value, 1};
    inletMethod.timeAxisMax = inletMethod.tempAxisMax = value;
    editorValues.ovenStepsInUse = 4;
    window.drawn.clear();
    Paint();
    EXPECT_EQ(Frame().unbalanced, 0);
    EXPECT_EQ(Frame().Count(CanvasOp::kRectangle), 7u);
    for (const CanvasOp& op : Frame().ops) {
      for (int32_t c : {op.x, op.y, op.rect.left, op.rect.top, op.rect.right, op.rect.bottom}) {
        EXPECT_LE(std::abs(int64_t{c}), int64_t{kPixelLimit} + 3);
      }
    }
  }
  axes.margins = {INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX};
  Paint();
  EXPECT_EQ(Corners(ovenGraph.ovenPlotRect),
            (std::vector<int32_t>{kPixelLimit, -kPixelLimit, kPixelLimit, -kPixelLimit}));
}

TEST(OvenGraphButtons, ThePressedFaceOnlyWhileSelectedAndNotDrawnWhole) {
  struct Case {
    int id;
    bool drawEntire, selected;
    std::optional<GraphBitmap> face;
  } cases[] = {
      {IDC_BUTTON_UP, true, true, GraphBitmap::kUpArrow},
      {IDC_BUTTON_UP, false, true, GraphBitmap::kUpArrowPressed},
      {IDC_BUTTON_RIGHT, false, false, GraphBitmap::kRightArrow},
      {IDC_BUTTON_DEFAULT, false, true, GraphBitmap::kDefaultAxesPressed},
      {IDC_GRAPH_FRAME, false, true, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " " << c.drawEntire << c.selected);
    EXPECT_EQ(ChooseButtonFace({c.id, c.drawEntire, c.selected}), c.face);
  }
  FakeGraphWindow window;
  FakeCanvas item(window, IDC_BUTTON_RIGHT);
  DrawArrowButton(window, item, {IDC_BUTTON_RIGHT, false, true});
  // Squeezed to 19 x 19, the pressed right arrow (bitmap 5) in its corner.
  EXPECT_EQ(window.log, (std::vector<std::string>{"Resize 126 19 19", "Bitmap 5 0 0 19 19"}));
  DrawArrowButton(window, item, {IDC_ZONE1_TEMP, true, false});
  EXPECT_EQ(window.log.back(), "Beep") << "a control that is not an axis button has no face";
}

}  // namespace
