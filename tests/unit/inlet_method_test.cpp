// The default method, the steps-in-use rule and whole-record copies.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "method/inlet_method.h"

namespace {

class InletMethodTest : public testing::Test {
 protected:
  void SetUp() override {
    inletMethod = {};
    editorValues = {};
  }
};

TEST_F(InletMethodTest, DefaultsUseTwoOvenRowsAndManualChannels) {
  ASSERT_EQ(SetMethodDefaults(), 1);
  EXPECT_EQ(editorValues.ovenStepsInUse, 2);
  EXPECT_EQ(editorValues.ulvoStepsInUse, 2);
  EXPECT_EQ(CountOvenStepsInUse(inletMethod), 2);
  const std::array<int, 4> enabled = {1, 1, 0, 0};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(inletMethod.ovenStep[k].enabled, enabled[k]);
  }
  EXPECT_EQ(inletMethod.ulvo[0].mode, kUlvoManual);
  EXPECT_EQ(inletMethod.ulvo[1].mode, kUlvoManual);
  EXPECT_EQ(inletMethod.zone1Temp, 150.0);
  EXPECT_EQ(inletMethod.time5Enabled, 1);
  EXPECT_EQ(inletMethod.standbyEnabled, 0);
  EXPECT_EQ(inletMethod.ovenStep[3].hold, 10.0);
}

TEST_F(InletMethodTest, DefaultsLeaveTheOtherEditorValuesAlone) {
  editorValues.methodModified = 1;
  editorValues.methodUntitled = 1;
  editorValues.minOvenTemp = 40.0f;
  SetMethodDefaults();
  EXPECT_EQ(editorValues.methodModified, 1);
  EXPECT_EQ(editorValues.methodUntitled, 1);
  EXPECT_EQ(editorValues.minOvenTemp, 40.0f);
}

TEST_F(InletMethodTest, FlowAxisDefaultIsTheWidenedSinglePrecisionValue) {
  SetMethodDefaults();
  for (const UlvoChannel& channel : inletMethod.ulvo) {
    const double flowMax = channel.ramp[0].valueAxisMax;
    EXPECT_EQ(std::bit_cast<uint64_t>(flowMax), 0x4058F999A0000000u);
    EXPECT_NE(flowMax, 99.9);
    EXPECT_EQ(channel.ramp[1].valueAxisMax, 250.0);
    EXPECT_EQ(channel.ramp[1].standbyValue, 3.0);
    EXPECT_EQ(channel.ramp[0].step[4].start, 22.0);
    EXPECT_EQ(channel.ramp[0].step[4].enabled, 0);
  }
}

TEST_F(InletMethodTest, StepsInUseFollowTheHighestEnabledStep) {
  struct Case {
    std::array<int, 4> enabled;
    int expected;
  };
  const Case cases[] = {
      {{0, 0, 0, 0}, 0}, {{1, 0, 0, 0}, 1}, {{1, 1, 0, 0}, 2},
      {{1, 1, 1, 1}, 4}, {{0, 0, 1, 0}, 3},  // a gap still counts up to the highest
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "expected " << c.expected);
    InletMethod m{};
    for (int k = 0; k < 4; ++k) m.ovenStep[k].enabled = c.enabled[k];
    EXPECT_EQ(CountOvenStepsInUse(m), c.expected);
  }
}

TEST_F(InletMethodTest, MinimumOvenTemperatureIsZeroUntilRead) {
  EXPECT_EQ(GetMinOvenTemp(), 0.0f);
  editorValues.minOvenTemp = 12.3f;
  EXPECT_EQ(GetMinOvenTemp(), 12.3f);
}

TEST_F(InletMethodTest, AWholeCopyRestoresEveryField) {
  SetMethodDefaults();
  inletMethod.tempAxisMax = 321.5;
  inletMethod.ulvo[1].mode = kUlvoPressure;
  inletMethod.ulvo[1].ramp[1].step[3].value = 77.0;
  inletMethod.valveEvent[2].finish = 9.5;
  const InletMethod saved = inletMethod;
  SetMethodDefaults();
  inletMethod.zone2Temp = 1.0;
  inletMethod = saved;
  EXPECT_EQ(std::memcmp(&inletMethod, &saved, sizeof saved), 0);
  EXPECT_EQ(inletMethod.tempAxisMax, 321.5);
  EXPECT_EQ(inletMethod.ulvo[1].ramp[1].step[3].value, 77.0);
}

}  // namespace
