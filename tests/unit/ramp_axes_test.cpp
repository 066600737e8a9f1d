// Fitting the oven and ULVO axes to their ramps, and the Up and Right buttons of both.
#include <gtest/gtest.h>

#include <tuple>

#include "fakes/editor_fixture.h"

#include "editor/oven_graph.h"
#include "ramp/ramp_axes.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_state.h"

namespace {

using RampAxesTest = EditorTest;

// The same levels on the oven programme and the edited ULVO ramp: the oven cuts the
// highest to whole degrees, the ULVO rounds it up from 0. Both end the time axis with
// the last hold in use (the ULVO's step 3 ends at 16).
TEST_F(RampAxesTest, TheOvenCutsTheTopAndTheUlvoRoundsItUp) {
  const std::tuple<double, double, int32_t, double, double, double> cases[] = {
      {10.2, 11.5, 2, 11, 12, 12}, {10.2, 11.0, 2, 11, 11, 12}, {2.5, 3.2, 2, 3, 4, 12},
      {3.2, 2.5, 2, 3, 4, 12},     {-2.5, -0.5, 2, 0, 0, 12},   {11.5, 10.2, 3, 200, 20, 16},
  };
  for (const auto& [level1, level2, inUse, ovenTop, ulvoTop, end] : cases) {
    SCOPED_TRACE(testing::Message() << level1 << " " << level2);
    SetMethodDefaults(session.method);
    session.channel = {};
    UlvoRamp& ramp = EditedUlvoRamp(session);
    session.method.ovenStep[0].level = ramp.step[0].level = level1;
    session.method.ovenStep[1].level = ramp.step[1].level = level2;
    UseRows(session.method.ovenStep, inUse);
    UseRows(ramp.step, inUse);
    FitOvenAxes(session);
    FitUlvoAxes(session);
    EXPECT_EQ(session.method.tempAxisMax, ovenTop);
    EXPECT_EQ(ramp.valueAxisMax, ulvoTop);
    EXPECT_EQ(ramp.timeAxisMax, end);
    EXPECT_TRUE(session.channel.ulvoAxesChanged);
  }
}

// Up and Right grow an axis by half. The oven's Up stops at 450 and its Right at 800; the
// ULVO's Up multiplies whatever the sign and stops at the single-precision 99.9 widened
// (flow) or at 250 (pressure), its Right at 800.
TEST_F(RampAxesTest, UpAndRightGrowByHalfAndStopAtTheirCaps) {
  enum Axis { kOvenUp, kOvenRight, kFlowUp, kPressureUp, kUlvoRight };
  const std::tuple<Axis, double, double> cases[] = {{kOvenUp, 400, 450},
                                                    {kOvenUp, 200, 300},
                                                    {kOvenUp, -100, 150},
                                                    {kOvenUp, 337.5, 450},
                                                    {kOvenUp, 0, 0},
                                                    {kOvenUp, 0.5, 0.75},
                                                    {kOvenUp, 450, 450},
                                                    {kOvenUp, 600, 450},
                                                    {kOvenRight, 700, 800},
                                                    {kOvenRight, 27, 40.5},
                                                    {kOvenRight, -4, -6},
                                                    {kFlowUp, 80, 99.9000015258789},
                                                    {kFlowUp, 99.9000015258789, 99.9000015258789},
                                                    {kFlowUp, 60, 90},
                                                    {kPressureUp, 200, 250},
                                                    {kPressureUp, -10, -15},
                                                    {kUlvoRight, 600, 800},
                                                    {kUlvoRight, 12, 18}};
  for (const auto& [axis, before, after] : cases) {
    SCOPED_TRACE(testing::Message() << axis << " " << before);
    session.values.ovenAxesChanged = false;
    session.channel = {};
    EditedUlvoChannel(session).mode = axis == kPressureUp ? kUlvoPressure : kUlvoFlow;
    UlvoRamp& ramp = EditedUlvoRamp(session);
    double& value = axis == kOvenUp      ? session.method.tempAxisMax
                    : axis == kOvenRight ? session.method.timeAxisMax
                    : axis == kUlvoRight ? ramp.timeAxisMax
                                         : ramp.valueAxisMax;
    value = before;
    switch (axis) {
      case kOvenUp: EnlargeValueAxis(kOvenGraph, session); break;
      case kOvenRight: EnlargeTimeAxis(kOvenGraph, session); break;
      case kUlvoRight: EnlargeTimeAxis(kUlvoGraph, session); break;
      default: EnlargeValueAxis(kUlvoGraph, session); break;
    }
    EXPECT_EQ(value, after);
    EXPECT_EQ(axis <= kOvenRight ? session.values.ovenAxesChanged : session.channel.ulvoAxesChanged,
              1);
  }
}

}  // namespace
