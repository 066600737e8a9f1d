// The stored text of a window position: what is written reads back, and anything that is
// not exactly six int32 words reads as absent.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "hostutil/core/window_pos_text.h"

namespace {

TEST(HostutilWindowPos, FormattedTextReadsBackAndAnythingElseIsNoPosition) {
  const WindowPos pos{INT_MIN, INT_MAX, -32000, -1, 0, 480};
  const std::string text = hostutil::FormatWindowPos(pos);
  EXPECT_EQ(text, "-2147483648,2147483647,-32000,-1,0,480");
  const auto parsed = hostutil::ParseWindowPos(text);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(std::memcmp(&*parsed, &pos, sizeof pos), 0);
  // Word counts, empty words, spaces, signs, fractions and values one past int32.
  for (const char* other :
       {"", "0,1,10,20,700", "0,1,10,20,700,480,5", "0,1,10,,700,480", "0, 1,10,20,700,480",
        "0,+1,10,20,700,480", "0,1,10.5,20,700,480", "0,1,10,20,700,2147483648",
        "0,1,-2147483649,20,700,480", "-,1,10,20,700,480", "0;1,10,20,700,480"}) {
    EXPECT_FALSE(hostutil::ParseWindowPos(other).has_value()) << other;
  }
}

}  // namespace
