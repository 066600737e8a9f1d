// Fitting the oven and ULVO axes to their ramps, and the Up and Right buttons of both.
#include <gtest/gtest.h>

#include "fakes/editor_fixture.h"

#include "editor/oven_axes.h"
#include "ulvo/ulvo_axes.h"
#include "ulvo/ulvo_state.h"

namespace {

using OvenAxesTest = EditorTest;

TEST_F(OvenAxesTest, DefaultsFitTo150DegreesAnd12Minutes) {
  ASSERT_EQ(FitOvenAxes(), 1);
  EXPECT_EQ(inletMethod.tempAxisMax, 150.0);
  EXPECT_EQ(inletMethod.timeAxisMax, 12.0);
  EXPECT_EQ(editorValues.ovenAxesChanged, 1);
}

TEST_F(OvenAxesTest, TopIsTheHighestStepInUseCutButAtLeastTheMinimum) {
  struct Case {
    double temp2;
    float minimum;
    int inUse;
    double top, end;
  };
  const Case cases[] = {
      {200.7, 0.0f, 2, 200.0, 12.0},    // cut, not rounded
      {150.0, 160.5f, 2, 160.5, 12.0},  // nothing above the minimum
      {150.0, 150.0f, 2, 150.0, 12.0},  // equal is not above
      {150.0, 0.0f, 4, 250.0, 28.0},    // rows 3 and 4 count once in use
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.top);
    SetMethodDefaults();
    inletMethod.ovenStep[1].temp = c.temp2;
    editorValues.minOvenTemp = c.minimum;
    editorValues.ovenStepsInUse = c.inUse;
    FitOvenAxes();
    EXPECT_EQ(inletMethod.tempAxisMax, c.top);
    EXPECT_EQ(inletMethod.timeAxisMax, c.end);
  }
}

// The same levels on the oven programme and the edited ULVO ramp: the oven cuts the
// highest to whole degrees, the ULVO rounds it up from 0. Both end the time axis with
// the last hold in use (the ULVO's step 3 ends at 16).
TEST_F(OvenAxesTest, TheOvenCutsTheTopAndTheUlvoRoundsItUp) {
  struct Case {
    double level1, level2;
    int32_t inUse;
    double ovenTop, ulvoTop, end;
  };
  const Case cases[] = {
      {10.2, 11.5, 2, 11, 12, 12}, {10.2, 11.0, 2, 11, 11, 12}, {2.5, 3.2, 2, 3, 4, 12},
      {3.2, 2.5, 2, 3, 4, 12},     {-2.5, -0.5, 2, 0, 0, 12},   {11.5, 10.2, 3, 200, 20, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.level1 << " " << c.level2);
    SetMethodDefaults();
    ulvoValues = {};
    UlvoRamp& ramp = EditedUlvoRamp();
    inletMethod.ovenStep[0].temp = ramp.step[0].value = c.level1;
    inletMethod.ovenStep[1].temp = ramp.step[1].value = c.level2;
    editorValues.ovenStepsInUse = editorValues.ulvoStepsInUse = c.inUse;
    ASSERT_EQ(FitOvenAxes(), 1);
    ASSERT_EQ(FitUlvoAxes(), 1);
    EXPECT_EQ(inletMethod.tempAxisMax, c.ovenTop);
    EXPECT_EQ(ramp.valueAxisMax, c.ulvoTop);
    EXPECT_EQ(ramp.timeAxisMax, c.end);
    EXPECT_EQ(ulvoValues.ulvoAxesChanged, 1);
  }
}

TEST_F(OvenAxesTest, NoStepInUseLeavesTheTimeAxisAndFitsTheTopToTheMinimum) {
  editorValues.ovenStepsInUse = 0;
  inletMethod.timeAxisMax = 33.0;
  editorValues.minOvenTemp = 20.0f;
  FitOvenAxes();
  EXPECT_EQ(inletMethod.timeAxisMax, 33.0);
  EXPECT_EQ(inletMethod.tempAxisMax, 20.0);
}

TEST_F(OvenAxesTest, UpGrowsByHalfAndStopsAt450) {
  struct Case {
    double before, after;
  };
  const Case cases[] = {{400, 450}, {200, 300},  {-100, 150}, {150, 225}, {337.5, 450},
                        {0, 0},     {0.5, 0.75}, {450, 450},  {600, 450}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    inletMethod.tempAxisMax = c.before;
    editorValues.ovenAxesChanged = 0;
    EnlargeTempAxis();
    EXPECT_EQ(inletMethod.tempAxisMax, c.after);
    EXPECT_EQ(editorValues.ovenAxesChanged, 1);
  }
}

TEST_F(OvenAxesTest, RightGrowsByHalfAndStopsAt800) {
  struct Case {
    double before, after;
  };
  const Case cases[] = {{700, 800}, {12, 18}, {18, 27}, {27, 40.5}, {0, 0}, {-4, -6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    inletMethod.timeAxisMax = c.before;
    editorValues.ovenAxesChanged = 0;
    EnlargeTimeAxis();
    EXPECT_EQ(inletMethod.timeAxisMax, c.after);
    EXPECT_EQ(editorValues.ovenAxesChanged, 1);
  }
}

// The ULVO's Up multiplies whatever the sign and stops at the single-precision 99.9
// widened (flow) or at 250 (pressure); its Right stops at 800.
TEST_F(OvenAxesTest, UlvoUpStopsAtTheModesCapAndRightAt800) {
  struct Case {
    int32_t ramp;  // 0 flow, 1 pressure
    bool right;
    double before, after;
  };
  const Case cases[] = {
      {0, false, 80, 99.9000015258789},
      {0, false, 99.9000015258789, 99.9000015258789},
      {0, false, 60, 90},
      {1, false, 200, 250},
      {1, false, -10, -15},
      {1, true, 600, 800},
      {0, true, 12, 18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ramp << c.right << " " << c.before);
    ulvoValues = {};
    ulvoValues.ulvoRamp = c.ramp;
    UlvoRamp& ramp = EditedUlvoRamp();
    double& axis = c.right ? ramp.timeAxisMax : ramp.valueAxisMax;
    axis = c.before;
    c.right ? EnlargeUlvoTimeAxis() : EnlargeUlvoValueAxis();
    EXPECT_EQ(axis, c.after);
    EXPECT_EQ(ulvoValues.ulvoAxesChanged, 1);
  }
}

}  // namespace
