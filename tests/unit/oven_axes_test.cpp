// Fitting the oven axes to the ramp and the Up and Right buttons.
#include <gtest/gtest.h>

#include "editor/oven_axes.h"

namespace {

class OvenAxesTest : public testing::Test {
 protected:
  void SetUp() override {
    inletMethod = {};
    editorValues = {};
    SetMethodDefaults();
  }
};

TEST_F(OvenAxesTest, DefaultsFitTo150DegreesAnd12Minutes) {
  ASSERT_EQ(FitOvenAxes(), 1);
  EXPECT_EQ(inletMethod.tempAxisMax, 150.0);
  EXPECT_EQ(inletMethod.timeAxisMax, 12.0);
  EXPECT_EQ(editorValues.ovenAxesChanged, 1);
}

TEST_F(OvenAxesTest, TopIsTheHighestStepInUseCutNotRounded) {
  inletMethod.ovenStep[1].temp = 200.7;
  inletMethod.ovenStep[2].temp = 400.0;  // not in use: ignored
  FitOvenAxes();
  EXPECT_EQ(inletMethod.tempAxisMax, 200.0);
  EXPECT_EQ(inletMethod.timeAxisMax, 12.0);
}

TEST_F(OvenAxesTest, TopStaysAtTheMinimumWhenNoStepIsAboveIt) {
  editorValues.minOvenTemp = 160.5f;
  FitOvenAxes();
  EXPECT_EQ(inletMethod.tempAxisMax, 160.5);
  editorValues.minOvenTemp = 150.0f;  // equal is not above
  inletMethod.ovenStep[1].temp = 150.0;
  FitOvenAxes();
  EXPECT_EQ(inletMethod.tempAxisMax, 150.0);
}

TEST_F(OvenAxesTest, EndIsTheLastHoldOfTheStepsInUse) {
  editorValues.ovenStepsInUse = 4;
  FitOvenAxes();
  EXPECT_EQ(inletMethod.timeAxisMax, 28.0);  // 18 + 10
  EXPECT_EQ(inletMethod.tempAxisMax, 250.0);
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

TEST_F(OvenAxesTest, ButtonsNeverTouchTheSteps) {
  const InletMethod before = inletMethod;
  EnlargeTempAxis();
  EnlargeTimeAxis();
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(inletMethod.ovenStep[k].start, before.ovenStep[k].start);
    EXPECT_EQ(inletMethod.ovenStep[k].temp, before.ovenStep[k].temp);
  }
  EXPECT_EQ(editorValues.methodModified, 0);
}

}  // namespace
