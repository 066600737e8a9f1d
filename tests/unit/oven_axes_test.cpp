// Fitting the oven axes to the ramp and the Up and Right buttons.
#include <gtest/gtest.h>

#include "fakes/editor_fixture.h"

#include "editor/oven_axes.h"

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
  const Case cases[] = {{400, 450},   {200, 300}, {-100, 150}, {150, 225},
                        {337.5, 450}, {0, 0},     {450, 450},  {600, 450}};
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

}  // namespace
