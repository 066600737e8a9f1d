// Dragging the oven ramp: which handle a press grabs, how the pointer becomes a time and a
// temperature, the rules that move a held step, and the capture states of the mouse.
#include <gtest/gtest.h>

#include <limits>

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

// The window at (100, 50) with a 1-pixel border, an 18-pixel caption and a 19-pixel
// menu; the frame at (300, 120), 257 x 172: its origin is (199, 32) in client pixels.
// The plot rectangle is the one the paint leaves for the default method (150 degrees,
// 12 minutes): 17.5 pixels a minute, 5/6 of a pixel a degree.
class OvenDragTest : public testing::Test {
 protected:
  void SetUp() override {
    editorValues = {};
    ovenGraph = {};
    SetMethodDefaults();
    FitOvenAxes();
    ovenGraph.ovenPlotRect = {40, 18, 250, 143};
  }
  static constexpr int64_t kOx = 199, kOy = 32;
  // The default ramp's handle points, in the editor's client pixels.
  static constexpr int64_t kHold0X = kOx + 75, kHold0Y = kOy + 60;
  static constexpr int64_t kRamp1X = kOx + 215, kRamp1Y = kOy + 18;

  // r: a new window's reset, m: a move, d: the left button down, u: up.
  void Send(char kind, int64_t x, int64_t y) {
    if (kind == 'r') ResetOvenGraphMouse();
    if (kind == 'm') OnGraphMouseMove(dialog, window, Pos(x, y), IDC_GRAPH_FRAME);
    if (kind == 'd') OnGraphButtonDown(window, Pos(x, y), IDC_GRAPH_FRAME);
    if (kind == 'u') OnGraphButtonUp(dialog, host, window, Pos(x, y), IDC_GRAPH_FRAME);
  }

  FakeGraphWindow window;
  FakeDialog dialog;
  FakeHost host;
};

void Unchanged() {}
void ZeroHold1() { inletMethod.ovenStep[1].hold = 0.0; }
void Step1AtStep0sEnd() { inletMethod.ovenStep[1] = {2.0, 100.0, 2.0, 1}; }
void NoStepInUse() { editorValues.ovenStepsInUse = 0; }

TEST_F(OvenDragTest, APressWithinSixPixelsGrabsTheFirstHandleInDrawingOrder) {
  struct Case {
    const char* name;
    void (*prepare)();
    int64_t x, y, hit, step, holdEnd;  // step and holdEnd 9: a miss keeps the old values
  } cases[] = {
      {"6 pixels off in x and y", Unchanged, kRamp1X + 6, kRamp1Y - 6, 1, 1, 0},
      {"7 pixels left", Unchanged, kRamp1X - 7, kRamp1Y, 0, 9, 9},
      {"7 pixels down", Unchanged, kRamp1X, kRamp1Y + 7, 0, 9, 9},
      {"step 0's plateau end, 6 pixels off", Unchanged, kHold0X - 6, kHold0Y + 6, 1, 0, 1},
      {"the last plateau end", Unchanged, kOx + 250, kOy + 18, 1, 1, 1},
      {"step 0's start has no handle", Unchanged, kOx + 40, kOy + 60, 0, 9, 9},
      {"a zero hold: the ramp end comes first", ZeroHold1, kRamp1X, kRamp1Y, 1, 1, 0},
      {"step 1 at step 0's end: step 0 first", Step1AtStep0sEnd, kHold0X, kHold0Y, 1, 0, 1},
      {"no step in use", NoStepInUse, kHold0X, kHold0Y, 0, 9, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.prepare();
    ovenGraph.ovenDragStep = ovenGraph.ovenDragHoldEnd = 9;
    EXPECT_EQ(HitOvenHandle(window, Pos(c.x, c.y), IDC_GRAPH_FRAME), c.hit);
    EXPECT_EQ(ovenGraph.ovenDragStep, c.step);
    EXPECT_EQ(ovenGraph.ovenDragHoldEnd, c.holdEnd);
  }
}

TEST_F(OvenDragTest, PointerValuesCutTheTemperatureTowardZeroAndKeepTheTimesFraction) {
  ovenGraph.ovenPlotRect = {40, 0, 190, 150};  // 10 pixels a degree, 12.5 a minute
  inletMethod.timeAxisMax = 12.0;
  editorValues.minOvenTemp = -20.0f;
  inletMethod.tempAxisMax = -5.0;
  ASSERT_EQ(MouseToOvenValues(window, Pos(kOx + 66, kOy + 59), IDC_GRAPH_FRAME), 1);
  EXPECT_EQ(ovenGraph.ovenDragTemp, -10.0) << "-10.9 degrees";
  EXPECT_DOUBLE_EQ(ovenGraph.ovenDragTime, 2.08);
}

void FractionalAxis() {
  editorValues.minOvenTemp = 25.5f;
  inletMethod.tempAxisMax = 337.5;
}
void AllTimesZero() {
  for (OvenStep& step : inletMethod.ovenStep) step.start = step.hold = 0.0;
  inletMethod.timeAxisMax = 0.0;
}

// Three steps in use: {0, 100, 2}, {10, 150, 2}, {20, 200, 5}; the axes end at 25 minutes
// and 200 degrees. The ramp end moves a step's start, the hold end its hold; both set
// its temperature within the temperature axis.
TEST_F(OvenDragTest, TheRampEndAndHoldEndRulesKeepTheStepsInOrderAndOnTheAxes) {
  struct Case {
    const char* rule;
    void (*prepare)();
    int32_t step, holdEnd;
    double time, pointerTemp, start, hold, temp;
  } cases[] = {
      {"ramp end left of the previous plateau: vertical", Unchanged, 1, 0, 1.0, 250, 2, 2, 200},
      {"ramp end free", Unchanged, 1, 0, 13.25, -3, 13.25, 2, 0},
      {"plateau would overlap the next ramp", Unchanged, 1, 0, 18.5, 120, 18, 2, 120},
      {"last plateau beyond the axis", Unchanged, 2, 0, 21.0, 120, 20, 5, 120},
      {"step 0 has no ramp-end handle", Unchanged, 0, 0, 5.0, 120, 0, 2, 100},
      {"step 0 before the run's start", Unchanged, 0, 1, -0.1, 120, 0, 0, 120},
      {"step 0 beyond the next start", Unchanged, 0, 1, 11.0, 120, 0, 10, 120},
      {"hold end before its own start", Unchanged, 1, 1, 9.0, 120, 10, 0, 120},
      {"hold end free", Unchanged, 1, 1, 15.0, 120, 10, 5, 120},
      {"hold end beyond the next start", Unchanged, 1, 1, 30.0, 120, 10, 10, 120},
      {"last hold end before its own start", Unchanged, 2, 1, 19.0, 120, 20, 0, 120},
      {"last hold end beyond the axis", Unchanged, 2, 1, 26.0, 120, 20, 5, 120},
      {"a step not in use", Unchanged, 3, 1, 5.0, 120, 18, 10, 250},
      {"above a fractional top (Up twice)", FractionalAxis, 1, 1, 15.0, 400, 10, 5, 337.5},
      {"below a fractional minimum", FractionalAxis, 1, 0, 13.0, 10, 13, 2, 25.5},
      {"all times zero: ramp end", AllTimesZero, 1, 0, 3.0, 150, 0, 0, 150},
      {"all times zero: last hold end", AllTimesZero, 2, 1, 1e9, 150, 0, 0, 150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    SetUp();
    inletMethod.ovenStep[2] = {20.0, 200.0, 5.0, 1};
    editorValues.ovenStepsInUse = 3;
    inletMethod.timeAxisMax = 25.0;
    inletMethod.tempAxisMax = 200.0;
    c.prepare();
    ovenGraph.ovenDragStep = c.step;
    ovenGraph.ovenDragTime = c.time;
    ovenGraph.ovenDragTemp = c.pointerTemp;
    EXPECT_EQ(c.holdEnd ? DragHoldEnd() : DragRampEnd(), 1);
    EXPECT_DOUBLE_EQ(inletMethod.ovenStep[c.step].start, c.start);
    EXPECT_DOUBLE_EQ(inletMethod.ovenStep[c.step].hold, c.hold);
    EXPECT_EQ(inletMethod.ovenStep[c.step].temp, c.temp);
  }
}

// Outside -> Hovering -> Dragging -> Hovering -> Outside, with what each message does.
TEST_F(OvenDragTest, TheMouseWalksThroughTheCaptureStates) {
  ovenGraph.ovenMouseCaptured = ovenGraph.ovenDragging = 1;  // left by a closed window
  struct Step {
    const char* event;
    char kind;
    int64_t x, y, captured, dragging, captures, releases, invalidations, modified;
    double start1;  // step 1's start
    bool rowsWritten;
  } steps[] = {
      {"a new window forgets the old drag", 'r', 0, 0, 0, 0, 0, 0, 0, 0, 10, false},
      {"press on a handle before any move", 'd', kRamp1X, kRamp1Y, 0, 1, 0, 0, 0, 0, 10, false},
      {"the first move only captures", 'm', kRamp1X - 35, kRamp1Y, 1, 1, 1, 0, 0, 0, 10, false},
      {"the next one applies", 'm', kRamp1X - 35, kRamp1Y, 1, 1, 1, 0, 1, 1, 8, false},
      {"release on the frame", 'u', kRamp1X - 35, kRamp1Y, 1, 0, 1, 0, 1, 1, 8, true},
      {"the far corner is on the frame", 'm', kOx + 256, kOy + 172, 1, 0, 1, 0, 1, 1, 8, false},
      {"press beside every handle", 'd', kOx + 9, kOy + 9, 1, 0, 1, 0, 1, 1, 8, false},
      {"press on the moved handle", 'd', kRamp1X - 35, kRamp1Y, 1, 1, 1, 0, 1, 1, 8, false},
      {"drag far left: vertical", 'm', kOx + 41, kRamp1Y, 1, 1, 1, 0, 2, 1, 2, false},
      {"off the frame (x word 0xFFFF)", 'm', 65535, kRamp1Y, 0, 0, 1, 1, 2, 1, 2, false},
      {"back on: the drag is over", 'm', kOx + 200, kRamp1Y, 1, 0, 2, 1, 2, 1, 2, false},
      {"release right of the frame", 'u', kOx + 257, kOy + 50, 1, 0, 2, 1, 2, 1, 2, false},
      {"just above the frame", 'm', kOx, kOy - 1, 0, 0, 2, 2, 2, 1, 2, false},
      {"its top-left corner", 'm', kOx, kOy, 1, 0, 3, 2, 2, 1, 2, false},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.event);
    dialog.text.clear();
    Send(s.kind, s.x, s.y);
    EXPECT_EQ(ovenGraph.ovenMouseCaptured, s.captured);
    EXPECT_EQ(ovenGraph.ovenDragging, s.dragging);
    EXPECT_EQ(window.captures, s.captures);
    EXPECT_EQ(window.releases, s.releases);
    EXPECT_DOUBLE_EQ(inletMethod.ovenStep[1].start, s.start1);
    EXPECT_EQ(window.invalidations, s.invalidations);
    EXPECT_EQ(editorValues.methodModified, s.modified);
    EXPECT_EQ(!dialog.text.empty(), s.rowsWritten);
  }
  EXPECT_TRUE(dialog.menuEnabled[IDM_FILE_SAVE]) << "the first applied move updates the menu";
  EXPECT_EQ(window.cursors, (std::vector<CursorShape>{CursorShape::kSize, CursorShape::kArrow,
                                                      CursorShape::kSize, CursorShape::kArrow}));
}

// Another program may have stored anything in a method: pointing at it and dragging
// over it must not crash.
TEST_F(OvenDragTest, StoredNonsenseNeitherCrashesTheHitTestNorTheDrag) {
  for (double value : {std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity(), -1e300, 1e300}) {
    for (OvenStep& step : inletMethod.ovenStep) step = {value, value, value, 1};
    inletMethod.timeAxisMax = inletMethod.tempAxisMax = value;
    editorValues.ovenStepsInUse = 4;
    for (int64_t x : {int64_t{0}, kOx + 40, kOx + 250, int64_t{65535}}) {
      for (char kind : {'m', 'd', 'm', 'u'}) Send(kind, x, kOy + 50);
    }
  }
}

}  // namespace
