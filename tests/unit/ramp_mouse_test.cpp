// Dragging the oven ramp and the ULVO ramp: which handle a press grabs, the rules that
// move a held step, and the capture states of the mouse. The two graphs share their rules, so the
// rules' tables run on both.
#include <gtest/gtest.h>

#include "editor/editor_window.h"
#include "editor/oven_graph.h"
#include "ramp/ramp_axes.h"
#include "fakes/fake_dialog.h"
#include "fakes/fake_graph.h"
#include "fakes/fake_host.h"
#include "editor/editor_session.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_state.h"

namespace {

MousePoint Pos(int64_t x, int64_t y) { return {x, y}; }

// The window at (100, 50) with a 1-pixel border, an 18-pixel caption and a 19-pixel
// menu; the frame at (300, 120), 257 x 172: its origin is (199, 32) in client pixels.
// The plot rectangle is the one the paint leaves for the default method (150 degrees,
// 12 minutes): 17.5 pixels a minute, 5/6 of a pixel a degree. The edited ULVO ramp (the
// left flow ramp) is given the same steps and axes.
class RampMouseTest : public testing::Test {
 protected:
  void SetUp() override {
    session = {};
    SetMethodDefaults(session.method);
    FitOvenAxes(session);
    session.ovenGraph.plotRect = session.channel.graph.plotRect = {40, 18, 250, 143};
    UlvoRamp& ramp = EditedUlvoRamp(session);
    ramp.step[0].level = 100.0;
    ramp.step[1].level = 150.0;
    ramp.valueAxisMax = 150.0;
  }
  static constexpr int64_t kOx = 199, kOy = 32;
  // The default ramp's handle points, in the editor's client pixels.
  static constexpr int64_t kHold0X = kOx + 75, kHold0Y = kOy + 60;
  static constexpr int64_t kRamp1X = kOx + 215, kRamp1Y = kOy + 18;

  // r: a new window's reset, m: a move, d: the left button down, u: up; to the editor's
  // oven graph or the ULVO dialog's graph.
  void Send(bool ulvo, char kind, int64_t x, int64_t y) {
    const MousePoint p{x, y};
    const RampGraphWiring& graph = ulvo ? kUlvoGraph : kOvenGraph;
    if (kind == 'r') ResetGraphMouse(graph.state(session));
    if (kind == 'm') OnGraphMouseMove(graph, session, dialog, window, p);
    if (kind == 'd') OnGraphButtonDown(graph, session, window, p);
    if (kind == 'u') OnGraphButtonUp(graph, session, dialog, host, window, p);
  }

  FakeGraphWindow window;
  FakeDialog dialog;
  FakeHost host;
  EditorSession session{};
};

void Unchanged(EditorSession&) {}
void ZeroHold1(EditorSession& session) { session.method.ovenStep[1].hold = 0.0; }
void Step1AtStep0sEnd(EditorSession& session) { session.method.ovenStep[1] = {2.0, 100.0, 2.0, 1}; }
void NoStepInUse(EditorSession& session) {
  for (RampStep& step : session.method.ovenStep) step.enabled = 0;
}

TEST_F(RampMouseTest, APressWithinSixPixelsGrabsTheFirstHandleInDrawingOrder) {
  struct Case {
    const char* name;
    void (*prepare)(EditorSession&);
    int64_t x, y, hit, step, holdEnd;  // step 9, holdEnd 1: a miss keeps the old values
  } cases[] = {
      {"6 pixels off in x and y", Unchanged, kRamp1X + 6, kRamp1Y - 6, 1, 1, 0},
      {"7 pixels left", Unchanged, kRamp1X - 7, kRamp1Y, 0, 9, 1},
      {"7 pixels down", Unchanged, kRamp1X, kRamp1Y + 7, 0, 9, 1},
      {"step 0's plateau end, 6 pixels off", Unchanged, kHold0X - 6, kHold0Y + 6, 1, 0, 1},
      {"step 0's plateau end, step 1 with no hold", ZeroHold1, kHold0X, kHold0Y, 1, 0, 1},
      {"the last plateau end", Unchanged, kOx + 250, kOy + 18, 1, 1, 1},
      {"step 0's start has no handle", Unchanged, kOx + 40, kOy + 60, 0, 9, 1},
      {"step 2 is not in use", Unchanged, kOx + 285, kOy - 23, 0, 9, 1},
      {"a zero hold: the ramp end comes first", ZeroHold1, kRamp1X, kRamp1Y, 1, 1, 0},
      {"step 1 at step 0's end: step 0 first", Step1AtStep0sEnd, kHold0X, kHold0Y, 1, 0, 1},
      {"no step in use", NoStepInUse, kHold0X, kHold0Y, 0, 9, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.prepare(session);
    session.ovenGraph.dragStep = 9;
    session.ovenGraph.dragHoldEnd = true;
    EXPECT_EQ(HitHandle(kOvenGraph, session, window, Pos(c.x, c.y)), c.hit != 0);
    EXPECT_EQ(session.ovenGraph.dragStep, c.step);
    EXPECT_EQ(session.ovenGraph.dragHoldEnd, c.holdEnd != 0);
  }
}

// Levels are cut toward zero, times keep their fraction.
TEST_F(RampMouseTest, PointerValuesCutTheTemperatureTowardZeroAndKeepTheTimesFraction) {
  session.ovenGraph.plotRect = {40, 0, 190, 150};  // 10 pixels a degree, 12.5 a minute
  session.method.timeAxisMax = 12.0;
  session.values.minOvenTemp = -20.0f;
  session.method.tempAxisMax = -5.0;
  session.method.ovenStep[1].enabled = 0;  // a lone plateau is dragged too
  ReadPointer(kOvenGraph, session, window, Pos(kOx + 66, kOy + 59));
  EXPECT_EQ(session.ovenGraph.dragLevel, -10.0) << "-10.9 degrees";
  EXPECT_DOUBLE_EQ(session.ovenGraph.dragTime, 2.08);
}

void FractionalAxis(EditorSession& session) {
  session.values.minOvenTemp = 25.5f;
  session.method.tempAxisMax = 337.5;                       // Up twice from 150
  EditedUlvoRamp(session).valueAxisMax = 99.9000015258789;  // Up in Flow mode
}
void Step1InStep0(EditorSession& session) {
  session.method.ovenStep[1].start = EditedUlvoRamp(session).step[1].start = 1.0;
}
void Step0BeforeTheRun(EditorSession& session) {
  session.method.ovenStep[0].start = EditedUlvoRamp(session).step[0].start = -1.0;
}
void AllTimesZero(EditorSession& session) {
  for (RampStep& step : session.method.ovenStep) step.start = step.hold = 0.0;
  for (RampStep& step : EditedUlvoRamp(session).step) step.start = step.hold = 0.0;
  session.method.timeAxisMax = EditedUlvoRamp(session).timeAxisMax = 0.0;
}

// Three steps in use on the oven and the ULVO ramp alike: {0, 100, 2}, {10, 150, 2},
// {20, 200, 5}, with {18, 250, 10} not in use; the axes end at 25 minutes and at 200.
// The ramp end moves a step's start, the hold end its hold; both set its level within
// the value axis, which starts at minOvenTemp for the oven (`temp`) and at 0 for the
// ULVO (`value`). Every row runs on both graphs.
TEST_F(RampMouseTest, TheRampEndAndHoldEndRulesKeepTheStepsInOrderAndOnTheAxes) {
  struct Case {
    const char* rule;
    void (*prepare)(EditorSession&);
    int32_t step, holdEnd;
    double time, pointer, start, hold, temp, value;
  } cases[] = {
      {"ramp end left of the previous plateau: vertical", Unchanged, 1, 0, 1, 250, 2, 2, 200, 200},
      {"ramp end free, below the bottom", Unchanged, 1, 0, 16.25, -3, 16.25, 2, 0, 0},
      {"plateau would overlap the next ramp", Unchanged, 1, 0, 18.5, 120, 18, 2, 120, 120},
      {"last plateau beyond the axis", Unchanged, 2, 0, 21.0, 120, 20, 5, 120, 120},
      {"step 0 has no ramp-end handle", Unchanged, 0, 0, 5.0, 120, 0, 2, 100, 100},
      {"step 0 before the run's start", Unchanged, 0, 1, -0.1, 120, 0, 0, 120, 120},
      {"step 0 stored before the run, held there", Step0BeforeTheRun, 0, 1, -0.5, 120, -1, 0, 120,
       120},
      {"step 0 stored before the run, held at its start", Step0BeforeTheRun, 0, 1, 0.0, 120, -1, 1,
       120, 120},
      {"step 0 just after the run's start", Unchanged, 0, 1, 0.5, 120, 0, 0.5, 120, 120},
      {"step 0 beyond the next start", Unchanged, 0, 1, 11.0, 120, 0, 10, 120, 120},
      {"hold end before its own start", Unchanged, 1, 1, 9.0, 120, 10, 0, 120, 120},
      {"hold end free", Unchanged, 1, 1, 15.0, 120, 10, 5, 120, 120},
      {"hold end just past its own start", Unchanged, 1, 1, 10.5, 120, 10, 0.5, 120, 120},
      {"hold end over an overlapping plateau", Step1InStep0, 1, 1, 1.5, 120, 1, 0, 120, 120},
      {"hold end past an overlapped plateau's end", Step1InStep0, 1, 1, 3.0, 120, 1, 2, 120, 120},
      {"hold end beyond the next start", Unchanged, 1, 1, 30.0, 120, 10, 10, 120, 120},
      {"last hold end before its own start", Unchanged, 2, 1, 19.0, 120, 20, 0, 120, 120},
      {"last hold end free", Unchanged, 2, 1, 23.5, 120, 20, 3.5, 120, 120},
      {"last hold end beyond the axis", Unchanged, 2, 1, 26.0, 120, 20, 5, 120, 120},
      {"a step not in use", Unchanged, 3, 1, 5.0, 120, 18, 10, 250, 250},
      {"a step not in use: its ramp end", Unchanged, 3, 0, 25.0, 120, 18, 10, 250, 250},
      {"above a fractional top", FractionalAxis, 1, 1, 15.0, 400, 10, 5, 337.5, 99.9000015258789},
      {"below a fractional minimum", FractionalAxis, 1, 0, 13.0, 10, 13, 2, 25.5, 10},
      {"all times zero: ramp end", AllTimesZero, 1, 0, 3.0, 150, 0, 0, 150, 150},
      {"all times zero: last hold end", AllTimesZero, 2, 1, 1e9, 150, 0, 0, 150, 150},
  };
  const double steps[4][3] = {{0, 100, 2}, {10, 150, 2}, {20, 200, 5}, {18, 250, 10}};
  for (const Case& c : cases) {
    for (bool ulvo : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.rule << (ulvo ? " (ULVO)" : " (oven)"));
      SetUp();
      UlvoRamp& ramp = EditedUlvoRamp(session);
      for (int k = 0; k < 4; ++k) {
        session.method.ovenStep[k] = {steps[k][0], steps[k][1], steps[k][2], k < 3};
        ramp.step[k] = {steps[k][0], steps[k][1], steps[k][2], k < 3};
      }
      session.method.timeAxisMax = ramp.timeAxisMax = 25.0;
      session.method.tempAxisMax = ramp.valueAxisMax = 200.0;
      c.prepare(session);
      session.ovenGraph.dragStep = session.channel.graph.dragStep = c.step;
      session.ovenGraph.dragTime = session.channel.graph.dragTime = c.time;
      session.ovenGraph.dragLevel = session.channel.graph.dragLevel = c.pointer;
      session.ovenGraph.dragHoldEnd = session.channel.graph.dragHoldEnd = c.holdEnd;
      DragHeldHandle(ulvo ? kUlvoGraph : kOvenGraph, session);
      if (ulvo) {
        EXPECT_DOUBLE_EQ(ramp.step[c.step].start, c.start);
        EXPECT_DOUBLE_EQ(ramp.step[c.step].hold, c.hold);
        EXPECT_EQ(ramp.step[c.step].level, c.value);
      } else {
        EXPECT_DOUBLE_EQ(session.method.ovenStep[c.step].start, c.start);
        EXPECT_DOUBLE_EQ(session.method.ovenStep[c.step].hold, c.hold);
        EXPECT_EQ(session.method.ovenStep[c.step].level, c.temp);
      }
    }
  }
}

// Outside -> Hovering -> Dragging -> Hovering -> Outside, with what each message does,
// on both graphs; positions from the frame's origin in client pixels. The ULVO dialog
// has a 3-pixel frame and no menu: its frame lies at (197, 51), and is made 2 pixels
// wider so that it is as wide inside as the editor's. A ULVO drag leaves the method's
// modified flag and the editor's menu alone.
TEST_F(RampMouseTest, TheMouseWalksThroughTheCaptureStates) {
  struct Step {
    const char* event;
    char kind;
    int64_t x, y, captured, dragging, captures, releases, invalidations, modified;
    double start1, hold1;  // step 1's
    bool rowsWritten;
  } steps[] = {
      {"a new window forgets the old drag", 'r', 0, 0, 0, 0, 0, 0, 0, 0, 10, 2, false},
      {"press on a handle before any move", 'd', 215, 18, 0, 1, 0, 0, 0, 0, 10, 2, false},
      {"the first move only captures", 'm', 180, 18, 1, 1, 1, 0, 0, 0, 10, 2, false},
      {"the next one applies", 'm', 180, 18, 1, 1, 1, 0, 1, 1, 8, 2, false},
      {"release on the frame", 'u', 180, 18, 1, 0, 1, 0, 1, 1, 8, 2, true},
      {"the far corner is on the frame", 'm', 256, 172, 1, 0, 1, 0, 1, 1, 8, 2, false},
      {"press beside every handle", 'd', 9, 9, 1, 0, 1, 0, 1, 1, 8, 2, false},
      {"press on the moved handle", 'd', 180, 18, 1, 1, 1, 0, 1, 1, 8, 2, false},
      {"drag far left: vertical", 'm', 41, 18, 1, 1, 1, 0, 2, 1, 2, 2, false},
      {"off the frame (the editor's x word 0xFFFF)", 'm', 65336, 18, 0, 0, 1, 1, 2, 1, 2, 2, false},
      {"back on: the drag is over", 'm', 200, 18, 1, 0, 2, 1, 2, 1, 2, 2, false},
      {"release right of the frame", 'u', 257, 50, 1, 0, 2, 1, 2, 1, 2, 2, false},
      {"just above the frame", 'm', 0, -1, 0, 0, 2, 2, 2, 1, 2, 2, false},
      {"its top-left corner", 'm', 0, 0, 1, 0, 3, 2, 2, 1, 2, 2, false},
      // The plateau's end, now at 4 minutes, 17.5 pixels a minute from 40.
      {"press on the plateau's end", 'd', 110, 18, 1, 1, 3, 2, 2, 1, 2, 2, false},
      {"dragged to 6 minutes: a 4-minute hold", 'm', 145, 18, 1, 1, 3, 2, 3, 1, 2, 4, false},
      {"release", 'u', 145, 18, 1, 0, 3, 2, 3, 1, 2, 4, true},
  };
  struct Graph {
    bool ulvo;
    int64_t ox, oy;
    bool &captured, &dragging;
    double &start1, &hold1;
  } graphs[] = {
      {false, kOx, kOy, session.ovenGraph.mouseCaptured, session.ovenGraph.dragging,
       session.method.ovenStep[1].start, session.method.ovenStep[1].hold},
      {true, 197, 51, session.channel.graph.mouseCaptured, session.channel.graph.dragging,
       EditedUlvoRamp(session).step[1].start, EditedUlvoRamp(session).step[1].hold},
  };
  for (const Graph& g : graphs) {
    SCOPED_TRACE(g.ulvo ? "ULVO" : "oven");
    window.frameRect.right = g.ulvo ? 559 : 557;
    window.captures = window.releases = window.invalidations = 0;
    window.cursors.clear();
    session.values.methodModified = false;
    g.captured = g.dragging = true;  // left by a closed window
    for (const Step& s : steps) {
      SCOPED_TRACE(s.event);
      dialog.text.clear();
      Send(g.ulvo, s.kind, g.ox + s.x, g.oy + s.y);
      EXPECT_EQ(g.captured, s.captured);
      EXPECT_EQ(g.dragging, s.dragging);
      EXPECT_EQ(window.captures, s.captures);
      EXPECT_EQ(window.releases, s.releases);
      EXPECT_DOUBLE_EQ(g.start1, s.start1);
      EXPECT_DOUBLE_EQ(g.hold1, s.hold1);
      EXPECT_EQ(window.invalidations, s.invalidations);
      EXPECT_EQ(session.values.methodModified, g.ulvo ? 0 : s.modified);
      EXPECT_EQ(!dialog.text.empty(), s.rowsWritten);
    }
    using enum CursorShape;
    EXPECT_EQ(window.cursors, (std::vector{kSize, kArrow, kSize, kArrow, kSize, kArrow}));
    // The editor's first applied move enables File > Save; the ULVO's touch no menu.
    EXPECT_EQ(dialog.menuEnabled[IDM_FILE_SAVE], !g.ulvo);
    dialog.menuEnabled.clear();
  }
}

}  // namespace
