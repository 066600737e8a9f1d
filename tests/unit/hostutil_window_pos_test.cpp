// The stored text of a window position: what is written reads back, and anything
// that is not exactly six int32 words reads as absent.
#include <gtest/gtest.h>

#include <climits>

#include "hostutil/core/window_pos_text.h"

namespace {

bool Same(const WindowPos& a, const WindowPos& b) {
  return a.flags == b.flags && a.showState == b.showState && a.left == b.left && a.top == b.top &&
         a.right == b.right && a.bottom == b.bottom;
}

TEST(HostutilWindowPos, FormattedTextReadsBack) {
  const WindowPos positions[] = {
      {0, 1, 10, 20, 700, 480},
      {0, 2, -32000, -32000, -31840, -31973},
      {INT_MIN, INT_MAX, INT_MIN, -1, 0, INT_MAX},
  };
  for (const WindowPos& pos : positions) {
    const std::string text = hostutil::FormatWindowPos(pos);
    SCOPED_TRACE(text);
    const auto parsed = hostutil::ParseWindowPos(text);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_TRUE(Same(*parsed, pos));
  }
  EXPECT_EQ(hostutil::FormatWindowPos({0, 1, 10, 20, 700, 480}), "0,1,10,20,700,480");
}

TEST(HostutilWindowPos, ParsesTheStoredWords) {
  const auto parsed = hostutil::ParseWindowPos("7,3,-5,0,1024,-768");
  ASSERT_TRUE(parsed.has_value());
  EXPECT_TRUE(Same(*parsed, WindowPos{7, 3, -5, 0, 1024, -768}));
}

TEST(HostutilWindowPos, AnythingElseIsNotAPosition) {
  const char* const texts[] = {
      "",
      "0,1,10,20,700",             // five words
      "0,1,10,20,700,",            // a sixth that is empty
      "0,1,10,20,700,480,5",       // seven
      "0,1,10,20,700,480,",        // trailing comma
      ",0,1,10,20,700,480",        // leading comma
      "0,1,10,,700,480",           // empty word
      "0, 1,10,20,700,480",        // space
      "0,1,10,20,700,480 ",        // trailing space
      "0,+1,10,20,700,480",        // explicit plus
      "0,1,1O,20,700,480",         // letter O for zero
      "0,1,10.5,20,700,480",       // fraction
      "0;1;10;20;700;480",         // other separator
      "0,1,10,20,700,2147483648",  // one past INT_MAX
      "0,1,-2147483649,20,700,480",
      "0,1,99999999999999999999,20,700,480",
      "-,1,10,20,700,480",
      "junk",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(hostutil::ParseWindowPos(text).has_value());
  }
}

}  // namespace
