// Dragging the oven ramp: where the frame is, which handle a press grabs, how a pointer
// position becomes a time and a temperature, the rules that move a held step, and the
// capture states that the three mouse messages walk through.
#include <gtest/gtest.h>

#include "editor/oven_axes.h"
#include "editor/oven_drag.h"
#include "editor/oven_graph.h"
#include "fakes/fake_dialog.h"
#include "fakes/fake_graph.h"
#include "fakes/fake_host.h"
#include "method/inlet_method.h"
#include "resource_ids.h"

namespace {

uint32_t Pos(int64_t x, int64_t y) {
  return static_cast<uint32_t>(x) | static_cast<uint32_t>(y) << 16;
}

TEST(OvenDragGeometry, PositionHalvesAreUnsigned) {
  EXPECT_EQ(UnpackMousePosition(Pos(12, 34)).x, 12);
  EXPECT_EQ(UnpackMousePosition(Pos(12, 34)).y, 34);
  // -1 in a 16-bit half, as a captured pointer left of the client area reports it.
  const MousePoint p = UnpackMousePosition(0xFFFFFFFFu);
  EXPECT_EQ(p.x, 65535);
  EXPECT_EQ(p.y, 65535);
}

TEST(OvenDragGeometry, FrameOriginFromWindowRectanglesAndMetrics) {
  const FrameBox box = FrameBoxFrom({100, 50, 612, 450}, {300, 120, 557, 292}, {1, 2, 18, 19});
  EXPECT_EQ(box.originX, 300 - 100 - 1);
  EXPECT_EQ(box.originY, 120 - 50 - (18 + 19 + 2));
  EXPECT_EQ(box.width, 257 - 1);
  EXPECT_EQ(box.height, 172);
}

// The window at (100, 50) with a 1-pixel border, an 18-pixel caption and a 19-pixel
// menu; the frame at (300, 120), 257 x 172: its origin is (199, 32) in client pixels.
// The plot rectangle is the one the paint leaves for the default method.
class OvenDragTest : public testing::Test {
 protected:
  void SetUp() override {
    inletMethod = {};
    editorValues = {};
    ovenGraph = {};
    SetMethodDefaults();
    editorValues.ovenStepsInUse = 2;
    FitOvenAxes();
    window.controlRects[IDC_GRAPH_FRAME] = {300, 120, 557, 292};
    ovenGraph.ovenPlotRect = {40, 18, 250, 143};
  }
  static constexpr int64_t kOx = 199, kOy = 32;
  // The default ramp's handle points, in the editor's client pixels.
  static constexpr int64_t kHold0X = kOx + 75, kHold0Y = kOy + 60;
  static constexpr int64_t kRamp1X = kOx + 215, kRamp1Y = kOy + 18;
  static constexpr int64_t kHold1X = kOx + 250, kHold1Y = kOy + 18;

  int Hit(int64_t x, int64_t y) { return HitOvenHandle(window, Pos(x, y), IDC_GRAPH_FRAME); }
  void Move(int64_t x, int64_t y) { OnGraphMouseMove(dialog, window, Pos(x, y), IDC_GRAPH_FRAME); }
  void Down(int64_t x, int64_t y) { OnGraphButtonDown(window, Pos(x, y), IDC_GRAPH_FRAME); }
  void Up(int64_t x, int64_t y) {
    OnGraphButtonUp(dialog, host, window, Pos(x, y), IDC_GRAPH_FRAME);
  }

  FakeGraphWindow window;
  FakeDialog dialog;
  FakeHost host;
};

TEST_F(OvenDragTest, TheFrameIncludesItsEdges) {
  struct Case {
    int64_t x, y;
    int inside;
  } cases[] = {
      {kOx, kOy, 1},
      {kOx + 256, kOy + 172, 1},
      {kOx - 1, kOy, 0},
      {kOx, kOy - 1, 0},
      {kOx + 257, kOy, 0},
      {kOx, kOy + 173, 0},
      {kOx + 100, kOy + 50, 1},
      {65535, kOy + 50, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(IsInGraphFrame(window, Pos(c.x, c.y), IDC_GRAPH_FRAME), c.inside);
  }
}

TEST_F(OvenDragTest, AHandleIsGrabbedWithinSixPixelsNotSeven) {
  struct Case {
    int dx, dy;
    int hit;
  } cases[] = {
      {0, 0, 1}, {6, 6, 1},  {-6, -6, 1}, {6, -6, 1}, {-6, 6, 1},
      {7, 0, 0}, {-7, 0, 0}, {0, 7, 0},   {0, -7, 0}, {7, 7, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
    ovenGraph.ovenDragStep = 9;
    ovenGraph.ovenDragHoldEnd = 9;
    EXPECT_EQ(Hit(kRamp1X + c.dx, kRamp1Y + c.dy), c.hit);
    EXPECT_EQ(ovenGraph.ovenDragStep, c.hit ? 1 : 9) << "a miss keeps the old values";
    EXPECT_EQ(ovenGraph.ovenDragHoldEnd, c.hit ? 0 : 9);
  }
  EXPECT_EQ(NearPoint(10, 10, 16, 4), 1);
  EXPECT_EQ(NearPoint(10, 10, 17, 10), 0);
}

TEST_F(OvenDragTest, EachHandleIsFoundAndTheFirstWinsWhereTheyOverlap) {
  ASSERT_EQ(Hit(kHold0X, kHold0Y), 1);
  EXPECT_EQ(ovenGraph.ovenDragStep, 0);
  EXPECT_EQ(ovenGraph.ovenDragHoldEnd, 1);
  ASSERT_EQ(Hit(kHold1X, kHold1Y), 1);
  EXPECT_EQ(ovenGraph.ovenDragStep, 1);
  EXPECT_EQ(ovenGraph.ovenDragHoldEnd, 1);
  EXPECT_EQ(Hit(kOx + 40, kOy + 60), 0) << "step 0's start has no handle";

  // A zero hold puts step 1's two handles on one point: the ramp end comes first.
  inletMethod.ovenStep[1].hold = 0.0;
  ASSERT_EQ(Hit(kRamp1X, kRamp1Y), 1);
  EXPECT_EQ(ovenGraph.ovenDragStep, 1);
  EXPECT_EQ(ovenGraph.ovenDragHoldEnd, 0);

  // Step 1 starting where step 0's plateau ends, at its temperature: step 0 comes first.
  inletMethod.ovenStep[1] = {2.0, 100.0, 2.0, 1};
  ASSERT_EQ(Hit(kHold0X, kHold0Y), 1);
  EXPECT_EQ(ovenGraph.ovenDragStep, 0);
  EXPECT_EQ(ovenGraph.ovenDragHoldEnd, 1);

  editorValues.ovenStepsInUse = 0;
  EXPECT_EQ(Hit(kHold0X, kHold0Y), 0);
}

// A plot 150 pixels tall over 15 degrees (10 pixels a degree) and 150 wide over 12
// minutes (12.5 pixels a minute).
TEST_F(OvenDragTest, PointerValuesCutTheTemperatureAndKeepTheTimesFraction) {
  ovenGraph.ovenPlotRect = {40, 0, 190, 150};
  inletMethod.timeAxisMax = 12.0;
  struct Case {
    float minTemp;
    double tempAxisMax;
    int64_t x, y;
    double temp, time;
  } cases[] = {
      {0.0f, 15.0, kOx + 40 + 25, kOy + 150 - 109, 10.0, 2.0},     // 10.9 degrees
      {0.0f, 15.0, kOx + 40 + 26, kOy + 150 - 100, 10.0, 2.08},    // exactly 10
      {-20.0f, -5.0, kOx + 40 - 25, kOy + 150 - 91, -10.0, -2.0},  // -10.9 cuts up
      {0.0f, 15.0, kOx + 40, kOy + 150 + 30, -3.0, 0.0},           // below the plot
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.temp);
    editorValues.minOvenTemp = c.minTemp;
    inletMethod.tempAxisMax = c.tempAxisMax;
    ASSERT_EQ(MouseToOvenValues(window, Pos(c.x, c.y), IDC_GRAPH_FRAME), 1);
    EXPECT_EQ(ovenGraph.ovenDragTemp, c.temp);
    EXPECT_DOUBLE_EQ(ovenGraph.ovenDragTime, c.time);
  }
  editorValues.ovenStepsInUse = 0;
  ovenGraph.ovenDragTemp = 77.0;
  EXPECT_EQ(MouseToOvenValues(window, Pos(kOx + 60, kOy + 60), IDC_GRAPH_FRAME), 0);
  EXPECT_EQ(ovenGraph.ovenDragTemp, 77.0);
}

// Three steps in use: {0, 100, 2}, {10, 150, 2}, {20, 200, 5}; the time axis ends at 25.
class OvenDragRulesTest : public OvenDragTest {
 protected:
  void SetUp() override {
    OvenDragTest::SetUp();
    inletMethod.ovenStep[2] = {20.0, 200.0, 5.0, 1};
    editorValues.ovenStepsInUse = 3;
    inletMethod.timeAxisMax = 25.0;
    inletMethod.tempAxisMax = 200.0;
  }
  void Hold(int32_t step, int32_t holdEnd, double time, double temp = 120.0) {
    ovenGraph.ovenDragStep = step;
    ovenGraph.ovenDragHoldEnd = holdEnd;
    ovenGraph.ovenDragTime = time;
    ovenGraph.ovenDragTemp = temp;
  }
};

TEST_F(OvenDragRulesTest, TheRampEndMovesTheWholeStepBetweenItsNeighbours) {
  struct Case {
    const char* rule;
    int32_t step;
    double time, start;
  } cases[] = {
      {"before the previous plateau's end: vertical ramp", 1, 1.0, 2.0},
      {"far left", 1, -1e9, 2.0},
      {"at the previous end", 1, 2.0, 2.0},
      {"free", 1, 13.25, 13.25},
      {"the plateau just touches the next start", 1, 18.0, 18.0},
      {"the plateau would overlap the next ramp", 1, 18.5, 18.0},
      {"far right of a middle step", 1, 100.0, 18.0},
      {"last step before the previous end", 2, 11.0, 12.0},
      {"last step free", 2, 19.99, 19.99},
      {"last step's plateau reaches the axis end", 2, 20.0, 20.0},
      {"last step beyond the axis", 2, 21.0, 20.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    SetUp();
    Hold(c.step, 0, c.time);
    EXPECT_EQ(DragRampEnd(), 1);
    EXPECT_DOUBLE_EQ(inletMethod.ovenStep[c.step].start, c.start);
    EXPECT_EQ(inletMethod.ovenStep[c.step].hold, c.step == 1 ? 2.0 : 5.0) << "hold never changes";
    EXPECT_EQ(inletMethod.ovenStep[c.step].temp, 120.0);
  }
}

TEST_F(OvenDragRulesTest, TheHoldEndSetsThePlateauUpToTheNextRamp) {
  struct Case {
    const char* rule;
    int32_t step;
    double time, hold;
  } cases[] = {
      {"step 0 before the run's start", 0, -0.1, 0.0},
      {"step 0 at its own start", 0, 0.0, 0.0},
      {"step 0 free", 0, 5.0, 5.0},
      {"step 0 at the next start", 0, 10.0, 10.0},
      {"step 0 beyond the next start: that ramp turns vertical", 0, 11.0, 10.0},
      {"middle step at the previous end", 1, 2.0, 0.0},
      {"middle step before its own start", 1, 9.0, 0.0},
      {"middle step free", 1, 15.0, 5.0},
      {"middle step beyond the next start", 1, 30.0, 10.0},
      {"last step at the previous end", 2, 12.0, 0.0},
      {"last step before its own start", 2, 19.0, 0.0},
      {"last step free", 2, 23.5, 3.5},
      {"last step beyond the axis end", 2, 26.0, 5.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    SetUp();
    const double start = inletMethod.ovenStep[c.step].start;
    Hold(c.step, 1, c.time);
    EXPECT_EQ(DragHoldEnd(), 1);
    EXPECT_DOUBLE_EQ(inletMethod.ovenStep[c.step].hold, c.hold);
    EXPECT_EQ(inletMethod.ovenStep[c.step].start, start) << "start never changes";
  }
}

TEST_F(OvenDragRulesTest, TheTemperatureStaysWithinTheTemperatureAxis) {
  struct Case {
    float minTemp;
    double tempAxisMax, pointer, temp;
  } cases[] = {
      {0.0f, 200.0, 250.0, 200.0}, {0.0f, 200.0, -3.0, 0.0}, {25.5f, 200.0, 10.0, 25.5},
      {0.0f, 337.5, 400.0, 337.5},  // the top after Up twice need not be whole
      {0.0f, 200.0, 123.0, 123.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pointer);
    for (int32_t holdEnd : {0, 1}) {
      SetUp();
      editorValues.minOvenTemp = c.minTemp;
      inletMethod.tempAxisMax = c.tempAxisMax;
      Hold(1, holdEnd, 15.0, c.pointer);
      holdEnd ? DragHoldEnd() : DragRampEnd();
      EXPECT_EQ(inletMethod.ovenStep[1].temp, c.temp);
      EXPECT_EQ(ovenGraph.ovenDragTemp, c.temp);
    }
  }
}

TEST_F(OvenDragRulesTest, WithAllTimesZeroNothingMovesInTime) {
  for (OvenStep& step : inletMethod.ovenStep) step.start = step.hold = 0.0;
  inletMethod.timeAxisMax = 0.0;
  for (int32_t step : {0, 1, 2}) {
    for (int32_t holdEnd : {0, 1}) {
      for (double time : {-5.0, 0.0, 3.0, 1e9}) {
        SCOPED_TRACE(testing::Message() << step << holdEnd << " " << time);
        Hold(step, holdEnd, time, 150.0);
        holdEnd ? DragHoldEnd() : DragRampEnd();
        EXPECT_EQ(inletMethod.ovenStep[step].start, 0.0);
        EXPECT_EQ(inletMethod.ovenStep[step].hold, 0.0);
      }
    }
  }
  EXPECT_EQ(inletMethod.ovenStep[1].temp, 150.0) << "the temperature still follows";
}

TEST_F(OvenDragRulesTest, AHeldHandleOutsideTheStepsInUseChangesNothing) {
  const InletMethod before = inletMethod;
  Hold(0, 0, 5.0);  // step 0 has no ramp-end handle
  DragRampEnd();
  Hold(3, 1, 5.0);  // not in use
  DragHoldEnd();
  Hold(-1, 1, 5.0);
  DragHoldEnd();
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(inletMethod.ovenStep[k].start, before.ovenStep[k].start);
    EXPECT_EQ(inletMethod.ovenStep[k].temp, before.ovenStep[k].temp);
    EXPECT_EQ(inletMethod.ovenStep[k].hold, before.ovenStep[k].hold);
  }
}

// Outside -> Hovering -> Dragging -> Hovering -> Outside, with what each message does.
TEST_F(OvenDragTest, TheMouseWalksThroughTheCaptureStates) {
  struct Step {
    const char* event;
    char kind;  // m move, d down, u up
    int64_t x, y;
    int32_t captured, dragging;
    int captures, releases;
  } steps[] = {
      {"move outside", 'm', kOx - 5, kOy, 0, 0, 0, 0},
      {"move onto the frame: Hovering", 'm', kOx + 5, kOy + 5, 1, 0, 1, 0},
      {"move while hovering", 'm', kOx + 9, kOy + 9, 1, 0, 1, 0},
      {"press beside every handle", 'd', kOx + 9, kOy + 9, 1, 0, 1, 0},
      {"press on a handle: Dragging", 'd', kRamp1X, kRamp1Y, 1, 1, 1, 0},
      {"drag", 'm', kRamp1X - 30, kRamp1Y + 10, 1, 1, 1, 0},
      {"release on the frame: Hovering", 'u', kRamp1X - 30, kRamp1Y + 10, 1, 0, 1, 0},
      {"press again", 'd', kRamp1X - 30, kRamp1Y + 10, 1, 1, 1, 0},
      {"move off the frame: Outside", 'm', kOx - 1, kOy + 10, 0, 0, 1, 1},
      {"press outside", 'd', kOx - 1, kOy + 10, 0, 0, 1, 1},
      {"release outside", 'u', kOx - 1, kOy + 10, 0, 0, 1, 1},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.event);
    if (s.kind == 'm') Move(s.x, s.y);
    if (s.kind == 'd') Down(s.x, s.y);
    if (s.kind == 'u') Up(s.x, s.y);
    EXPECT_EQ(ovenGraph.ovenMouseCaptured, s.captured);
    EXPECT_EQ(ovenGraph.ovenDragging, s.dragging);
    EXPECT_EQ(window.captures, s.captures);
    EXPECT_EQ(window.releases, s.releases);
  }
  EXPECT_EQ(window.cursors, (std::vector<CursorShape>{CursorShape::kSize, CursorShape::kArrow,
                                                      CursorShape::kSize, CursorShape::kArrow}));
}

TEST_F(OvenDragTest, AMoveWhileDraggingWritesTheStepMarksTheMethodAndRepaints) {
  Move(kOx + 5, kOy + 5);
  Down(kRamp1X, kRamp1Y);
  ASSERT_EQ(ovenGraph.ovenDragging, 1);
  EXPECT_EQ(window.invalidations, 0);
  EXPECT_EQ(inletMethod.ovenStep[1].start, 10.0) << "a press alone changes nothing";

  Move(kOx + 41, kRamp1Y);  // far left: the ramp turns vertical
  EXPECT_EQ(inletMethod.ovenStep[1].start, 2.0);
  EXPECT_EQ(editorValues.methodModified, 1);
  EXPECT_TRUE(dialog.menuEnabled[IDM_FILE_SAVE]);
  EXPECT_EQ(window.invalidations, 1);
  EXPECT_TRUE(dialog.text.empty()) << "the rows wait for the release";

  dialog.menuEnabled.clear();
  Move(kOx + 249, kOy + 170);                      // far right and down, still on the frame
  EXPECT_EQ(inletMethod.ovenStep[1].start, 10.0);  // the axis end less the hold
  EXPECT_EQ(inletMethod.ovenStep[1].temp, 0.0);    // the minimum
  EXPECT_TRUE(dialog.menuEnabled.empty()) << "only the first applied move updates the menu";
  EXPECT_EQ(window.invalidations, 2);

  Move(kOx + 41, kOy + 2);
  Up(kOx + 41, kOy + 2);
  EXPECT_EQ(inletMethod.ovenStep[1].temp, 150.0);
  EXPECT_EQ(dialog.text[IDC_ROW1_RATE], "Infinity");
  EXPECT_EQ(dialog.text[IDC_ROW2_TEMP], "150");
  EXPECT_EQ(dialog.text[IDC_ROW2_TIME], "2.00");
}

TEST_F(OvenDragTest, LeavingTheFrameEndsTheDragWithoutRewritingTheRows) {
  Move(kOx + 5, kOy + 5);
  Down(kHold1X, kHold1Y);
  Move(kOx + 233, kHold1Y);
  const double hold = inletMethod.ovenStep[1].hold;
  EXPECT_NEAR(hold, 1.03, 0.01);
  Move(kOx + 300, kHold1Y);  // off the frame
  EXPECT_EQ(ovenGraph.ovenDragging, 0);
  EXPECT_FALSE(window.captured);
  Move(kOx + 200, kHold1Y);  // back on: hovering again, no drag
  EXPECT_EQ(inletMethod.ovenStep[1].hold, hold) << "the record keeps the last move";
  EXPECT_TRUE(dialog.text.empty());
  Up(kOx + 300, kHold1Y);
  EXPECT_TRUE(dialog.text.empty()) << "released off the frame";

  // Any release on the frame rewrites the rows, dragged or not.
  dialog.text[IDC_ROW2_TIME] = "typed";
  Up(kOx + 200, kHold1Y);
  EXPECT_EQ(dialog.text[IDC_ROW2_TIME], host.Ftoa(hold, 2));
}

TEST_F(OvenDragTest, APressOutsideTheCaptureStillStartsADrag) {
  Down(kRamp1X, kRamp1Y);
  EXPECT_EQ(ovenGraph.ovenDragging, 1);
  EXPECT_EQ(window.captures, 0);
  Move(kRamp1X - 20, kRamp1Y);  // the first move only captures
  EXPECT_EQ(window.captures, 1);
  EXPECT_EQ(inletMethod.ovenStep[1].start, 10.0);
  Move(kRamp1X - 20, kRamp1Y);
  EXPECT_LT(inletMethod.ovenStep[1].start, 10.0);
}

TEST_F(OvenDragTest, ANewWindowForgetsADragItsPredecessorLeft) {
  ovenGraph.ovenMouseCaptured = 1;
  ovenGraph.ovenDragging = 1;
  ResetOvenGraphMouse();
  Move(kRamp1X - 20, kRamp1Y);
  EXPECT_EQ(inletMethod.ovenStep[1].start, 10.0);
  EXPECT_EQ(editorValues.methodModified, 0);
}

TEST_F(OvenDragTest, StoredNonsenseNeitherCrashesTheHitTestNorTheDrag) {
  const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(), -1e300, 1e300, -5.0};
  for (double value : values) {
    SCOPED_TRACE(value);
    for (OvenStep& step : inletMethod.ovenStep) step = {value, value, value, 1};
    inletMethod.timeAxisMax = value;
    inletMethod.tempAxisMax = value;
    editorValues.ovenStepsInUse = 4;
    for (int64_t x : {int64_t{0}, kOx + 40, kOx + 250, int64_t{65535}}) {
      Hit(x, kOy + 50);
      Move(x, kOy + 50);
      Down(x, kOy + 50);
      Move(x, kOy + 60);
      Up(x, kOy + 60);
    }
  }
}

}  // namespace
