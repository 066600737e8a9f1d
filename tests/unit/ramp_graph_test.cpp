// Painting the oven graph and the ULVO graph: the value-to-pixel mapping, the order of a
// paint and of a drag's paint, the ramp and its handles, and the axis buttons.
#include <gtest/gtest.h>

#include "editor/editor_window.h"
#include "editor/oven_graph.h"
#include "ramp/ramp_axes.h"
#include "fakes/editor_fixture.h"
#include "fakes/fake_graph.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_state.h"

namespace {

TEST(RampGraphMapping, CutsTowardZeroAndUsesUnitSpansForEmptyAxes) {
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
class RampGraphPaintTest : public testing::Test {
 protected:
  void SetUp() override {
    session = {};
    SetMethodDefaults(session.method);
    FitOvenAxes(session);  // 150 degrees, 12 minutes; sets ovenAxesChanged
  }
  void Paint() { PaintOvenGraph(session, window, axes); }
  const CanvasRecord& Frame() { return window.drawn[IDC_GRAPH_FRAME]; }

  EditorSession session{};
  FakeGraphWindow window;
  FakeChartAxis axes{window.log};
};

// What a paint must do, in this order, and what it must leave out. The oven's legend is a
// paint session of its own before the frame's; the frame is erased whole (edges included)
// before the axes are placed in the client rectangle by the margins (not boxed, ticks
// outward, the border word), their ranges set (the oven's value axis from its minimum, the
// ULVO's from 0) and drawn with the labels; then the plot area with the handles'
// overhang is erased for the ramp. A drag's paint skips the legend, the erase and the
// axes' drawing; the erase is also skipped while the axes are unchanged.
TEST_F(RampGraphPaintTest, APaintRunsItsStepsInOrderAndADragSkipsLegendEraseAndAxes) {
  enum Graph { kOven, kFlow, kPressure };
  const std::string legend = "Bitmap 0 1 1 255 99", erase = "Fill 0 0 257 172";
  const std::string place = "AxsPositionAxis 7 0 0 0 0 255 170 40 20 10 30 0 1 13";
  const std::string time = "AxsSetAxisRange 7 0 12 0 0", plot = "Fill 40 18 250 143";
  const std::string ovenRange = "AxsSetAxisRange 7 25.5 337.5 25.5 1";
  const std::string degrees =
      "[    \xB0"
      "C]";  // 0xB0: the degree sign in code page 1252
  const std::string ovenAxes = "AxsDisplayDefaultAxes 105 7 [Mins] 0 " + degrees + " 0";
  const std::string kpa = "AxsGetBorder 105 [Mins] [   kPa] 0";
  struct Case {
    const char* name;
    Graph graph;
    std::array<int32_t, 4> flags;  // dragging, axes changed, axes placed, bitmaps missing
    std::vector<std::string> inOrder, absent;
  } cases[] = {
      {"a paint",
       kOven,
       {0, 1, 1, 0},
       {"AnchoredCanvas 151", legend, "ReleaseCanvas 151", "EndPaint", "BeginPaint", "Canvas 105",
        erase, "AxsCreate 1 1 1 1", "AxsGetBorder 105 [Mins] " + degrees + " 0", place, time,
        ovenRange, ovenAxes, "AxsDelete 7", plot, "ReleaseCanvas 105", "EndPaint"},
       {}},
      {"a drag's paint",
       kOven,
       {1, 1, 1, 0},
       {"Canvas 105", place, ovenRange, plot},
       {"AnchoredCanvas 151", erase, "AxsDisplayDefaultAxes"}},
      {"unchanged axes", kOven, {0, 0, 1, 0}, {legend, "Canvas 105", ovenAxes, plot}, {erase}},
      {"unplaced axes",
       kOven,
       {0, 0, 0, 0},
       {place, "AxsDelete 7", plot},
       {"AxsSetAxisRange", "AxsDisplayDefaultAxes"}},
      {"a missing legend beeps",
       kOven,
       {0, 0, 1, 1},
       {"AnchoredCanvas 151", "Beep", "EndPaint", "Canvas 105"},
       {}},
      {"flow",
       kFlow,
       {0, 1, 1, 0},
       {erase, "AxsGetBorder 105 [Mins] [ml//Min] 0", place, time, "AxsSetAxisRange 7 0 99.9 0 1",
        "AxsDisplayDefaultAxes 105 7 [Mins] 0 [ml/Min] 0", plot},
       {"AnchoredCanvas 151"}},
      {"pressure",
       kPressure,
       {0, 1, 1, 0},
       {erase, kpa, "AxsSetAxisRange 7 0 250 0 1",
        "AxsDisplayDefaultAxes 105 7 [Mins] 0 [   kPa] 0", plot},
       {}},
      {"a pressure drag",
       kPressure,
       {1, 1, 1, 0},
       {kpa, "AxsSetAxisRange 7 0 250 0 1", plot},
       {erase, "AxsDisplayDefaultAxes"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    window.log.clear();
    session.values.minOvenTemp = 25.5f;
    session.method.tempAxisMax = 337.5;
    const auto [dragging, changed, placed, missing] = c.flags;
    axes.positionResult = placed;
    window.bitmapsMissing = missing;
    bool& axesChanged =
        c.graph == kOven ? session.values.ovenAxesChanged : session.channel.ulvoAxesChanged;
    bool& editChanged =
        c.graph == kOven ? session.values.ovenEditChanged : session.channel.ulvoEditChanged;
    axesChanged = changed;
    editChanged = true;
    if (c.graph == kOven) {
      session.ovenGraph.dragging = dragging;
      Paint();
    } else {
      EditedUlvoChannel(session).mode = c.graph == kFlow ? kUlvoFlow : kUlvoPressure;
      session.channel.graph.dragging = dragging;
      PaintUlvoGraph(session, window, axes);
    }
    auto next = window.log.begin();
    for (const std::string& call : c.inOrder) {
      next = std::find(next, window.log.end(), call);
      ASSERT_NE(next, window.log.end()) << "missing or out of order: " << call;
    }
    for (const std::string& call : c.absent) {
      EXPECT_TRUE(std::none_of(window.log.begin(), window.log.end(), [&](const std::string& made) {
        return made.rfind(call, 0) == 0;
      })) << call;
    }
    EXPECT_EQ(axesChanged, dragging && changed) << "the erase waits for the drag's end";
    EXPECT_EQ(editChanged, 0);
    const PixelRect& plotRect =
        c.graph == kOven ? session.ovenGraph.plotRect : session.channel.graph.plotRect;
    EXPECT_EQ(Corners(plotRect), (std::vector<int32_t>{40, 18, 250, 143}));
  }
}

// The ULVO ramps step from 10 to 15 from 0: step 0 lies 12 pixels above the bottom on the
// flow axis (99.9), 4 on the pressure axis (250). A ramp stored with no step in use is
// drawn with its first step.
TEST_F(RampGraphPaintTest, TheUlvoRampIsDrawnOnItsModesAxisFromZero) {
  const int32_t cases[][4] = {{0, 2, 3, 130}, {1, 2, 3, 138}, {1, 0, 1, 138}, {0, 1, 1, 130}};
  for (const auto& [ramp, inUse, handles, firstY] : cases) {
    SCOPED_TRACE(testing::Message() << ramp << " " << inUse);
    SetUp();
    window.drawn.clear();
    EditedUlvoChannel(session).mode = ramp + 1;
    UseRows(EditedUlvoRamp(session).step, inUse);
    PaintUlvoGraph(session, window, axes);
    EXPECT_EQ(Frame().Count(CanvasOp::kRectangle), static_cast<size_t>(handles));
    ASSERT_FALSE(Frame().ops.empty());
    EXPECT_EQ(Frame().ops[0].y, firstY);
  }
}

// The default ramp in the drawing rectangle (40, 20, 247, 142): 17.25 pixels a minute,
// 122/150 of a pixel a degree. Blue lines end at each handle's point; the next starts one
// pixel right of it. Handles are red squares edged in black.
TEST_F(RampGraphPaintTest, TheDefaultRampHasThreeHandlesTheLastInTheTopRightCorner) {
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

TEST(AxisButtons, ThePressedFaceOnlyWhileSelectedAndNotDrawnWhole) {
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
