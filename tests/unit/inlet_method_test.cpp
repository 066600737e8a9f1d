// The default method and the steps-in-use rule.
#include <gtest/gtest.h>

#include <bit>

#include "method/inlet_method.h"

namespace {

TEST(InletMethod, DefaultsUseTwoOvenRowsManualChannelsAndTouchNothingElse) {
  inletMethod = {};
  editorValues = {};
  editorValues.methodModified = 1;
  editorValues.minOvenTemp = 40.0f;
  ASSERT_EQ(SetMethodDefaults(), 1);
  EXPECT_EQ(editorValues.ovenStepsInUse, 2);
  EXPECT_EQ(editorValues.ulvoStepsInUse, 2);
  EXPECT_EQ(CountOvenStepsInUse(inletMethod), 2);
  EXPECT_EQ(inletMethod.ulvo[0].mode, kUlvoManual);
  EXPECT_EQ(inletMethod.ulvo[1].mode, kUlvoManual);
  EXPECT_EQ(inletMethod.ovenStep[3].hold, 10.0);
  EXPECT_EQ(editorValues.methodModified, 1) << "callers clear the flags themselves";
  EXPECT_EQ(editorValues.minOvenTemp, 40.0f);
}

TEST(InletMethod, FlowAxisDefaultIsTheWidenedSinglePrecisionValue) {
  SetMethodDefaults();
  for (const UlvoChannel& channel : inletMethod.ulvo) {
    EXPECT_EQ(std::bit_cast<uint64_t>(channel.ramp[0].valueAxisMax), 0x4058F999A0000000u);
    EXPECT_NE(channel.ramp[0].valueAxisMax, 99.9);
    EXPECT_EQ(channel.ramp[1].valueAxisMax, 250.0);
    EXPECT_EQ(channel.ramp[1].standbyValue, 3.0);
    EXPECT_EQ(channel.ramp[0].step[4].start, 22.0);
  }
}

TEST(InletMethod, StepsInUseFollowTheHighestEnabledStep) {
  struct Case {
    std::array<int, 4> enabled;
    int expected;
  };
  const Case cases[] = {{{0, 0, 0, 0}, 0}, {{1, 0, 0, 0}, 1}, {{1, 1, 1, 1}, 4}, {{0, 0, 1, 0}, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    InletMethod m{};
    for (int k = 0; k < 4; ++k) m.ovenStep[k].enabled = c.enabled[k];
    EXPECT_EQ(CountOvenStepsInUse(m), c.expected);
  }
}

}  // namespace
