// The default method and the steps-in-use rule.
#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "method/inlet_method.h"

namespace {

// The default method, field by field where a user meets it: the oven rows and phases,
// the zones, and both channels' flow and pressure ramps.
TEST(InletMethod, DefaultsAreTheInstruments) {
  InletMethod m{};
  SetMethodDefaults(m);
  EXPECT_EQ(RowsInUse(m.ovenStep), 2);
  for (const UlvoChannel& channel : m.ulvo) {
    for (const UlvoRamp& ramp : channel.ramp) EXPECT_EQ(RowsInUse(ramp.step), 2);
  }
  EXPECT_EQ((std::vector{m.tempAxisMax, m.timeAxisMax, m.standbyTime, m.time5, m.zone1Temp,
                         m.zone2Temp, m.zone3Temp, m.purgeTime}),
            (std::vector{1000.0, 12.0, 0.0, 0.0, 150.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ((std::vector{m.standbyEnabled, m.time5Enabled, m.dumpValve}), (std::vector{0, 1, 0}));
  const double oven[4][4] = {{0, 100, 2, 1}, {10, 150, 2, 1}, {14, 200, 2, 0}, {18, 250, 10, 0}};
  for (int k = 0; k < 4; ++k) {
    const RampStep& s = m.ovenStep[k];
    EXPECT_EQ((std::vector{s.start, s.level, s.hold, static_cast<double>(s.enabled)}),
              std::vector(std::begin(oven[k]), std::end(oven[k])))
        << "oven row " << k + 1;
  }
  // Flow: axis 99.9 at single precision, standby and sample 1; pressure: 250 and 3.
  const double ramps[2][3] = {{static_cast<double>(99.9f), 1, 1}, {250, 3, 3}};
  const double steps[5][4] = {
      {0, 10, 2, 1}, {10, 15, 2, 1}, {14, 20, 2, 0}, {18, 25, 2, 0}, {22, 30, 2, 0}};
  for (const UlvoChannel& channel : m.ulvo) {
    EXPECT_EQ(channel.mode, kUlvoManual);
    for (int r = 0; r < 2; ++r) {
      SCOPED_TRACE(r);
      const UlvoRamp& ramp = channel.ramp[r];
      EXPECT_EQ((std::vector{ramp.valueAxisMax, ramp.timeAxisMax, ramp.standbyValue,
                             ramp.sampleValue, static_cast<double>(ramp.standbyEnabled),
                             static_cast<double>(ramp.sampleEnabled)}),
                (std::vector{ramps[r][0], 12.0, ramps[r][1], ramps[r][2], 1.0, 1.0}));
      for (int k = 0; k < 5; ++k) {
        const RampStep& s = ramp.step[k];
        EXPECT_EQ((std::vector{s.start, s.level, s.hold, static_cast<double>(s.enabled)}),
                  std::vector(std::begin(steps[k]), std::end(steps[k])))
            << "step " << k + 1;
      }
    }
  }
  EXPECT_EQ(std::bit_cast<uint64_t>(m.ulvo[0].ramp[0].valueAxisMax), 0x4058F999A0000000u);
}

TEST(InletMethod, StepsInUseFollowTheHighestEnabledStep) {
  const std::pair<std::array<int, 4>, int> cases[] = {
      {{0, 0, 0, 0}, 0}, {{1, 0, 0, 0}, 1}, {{1, 1, 1, 1}, 4}, {{0, 0, 1, 0}, 3}};
  for (const auto& [enabled, expected] : cases) {
    InletMethod m{};
    for (int k = 0; k < 4; ++k) m.ovenStep[k].enabled = enabled[k];
    EXPECT_EQ(RowsInUse(m.ovenStep), expected) << expected;
    for (int k = 0; k < 4; ++k) m.ulvo[1].ramp[0].step[k + 1].enabled = enabled[k];
    EXPECT_EQ(RowsInUse(m.ulvo[1].ramp[0].step), expected == 0 ? 0 : expected + 1) << expected;
  }
}

}  // namespace
