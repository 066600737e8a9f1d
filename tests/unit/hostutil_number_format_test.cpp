// ftoa's formatting core: printf's rounding, signs, limits and non-finite values.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "hostutil/core/number_format.h"
#include "hostutil/hostutil_types.h"

namespace {

std::string Format(double value, int decimals, std::size_t size = kFtoaBufferSize) {
  std::string buffer(size + 8, '#');  // guard bytes after the buffer show an overrun
  const std::size_t length = hostutil::FormatFixed(value, decimals, buffer.data(), size);
  EXPECT_EQ(buffer.substr(size), std::string(8, '#')) << "wrote past the buffer";
  EXPECT_EQ(std::strlen(buffer.c_str()), length) << "length or terminator wrong";
  return buffer.c_str();
}

struct Case {
  double value;
  int decimals;
  const char* expected;
};

TEST(HostutilFtoa, RoundsAsPrintfDoes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      // Exact binary ties go to even; near-ties follow the stored binary value.
      {0.125, 2, "0.12"},
      {0.375, 2, "0.38"},
      {0.5, 0, "0"},
      {2.5, 0, "2"},
      {0.15, 1, "0.1"},    // 0.1499999...
      {1.005, 2, "1.00"},  // 1.00499...
      {2.675, 2, "2.67"},
      {0.05, 1, "0.1"},
      {99.95, 1, "100.0"},
      // Every decimals the editor uses.
      {123.456, 0, "123"},
      {123.456, 1, "123.5"},
      {123.456, 2, "123.46"},
      {-123.456, 0, "-123"},
      {-123.456, 1, "-123.5"},
      {-123.456, 2, "-123.46"},
      {-0.125, 2, "-0.12"},
      {-0.6, 0, "-1"},
      // A negative zero, or a negative value that rounds to zero, shows no sign.
      {-0.0, 0, "0"},
      {-0.0, 2, "0.00"},
      {-0.001, 2, "0.00"},
      {-0.4, 0, "0"},
      // Large values stay fixed (all their binary digits) while they fit in 64 bytes.
      {1e15, 2, "1000000000000000.00"},
      {1e60, 0, "999999999999999949387135297074018866963645011013410073083904"},
      // ...and switch to the exponent form when they do not.
      {1e63, 0, "1e+63"},
      {1e300, 2, "1.00e+300"},
      {-1e300, 1, "-1.0e+300"},
      {std::numeric_limits<double>::max(), 2, "1.80e+308"},
      {std::numeric_limits<double>::lowest(), 0, "-2e+308"},
      {nan, 2, "NaN"},
      {-nan, 1, "NaN"},
      {inf, 0, "Infinity"},
      {-inf, 2, "-Infinity"},
      // Out-of-range decimals are clamped rather than trusted.
      {1.25, -3, "1"},
      {0.1, 99, "0.10000000000000000555"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals << " decimals");
    EXPECT_EQ(Format(c.value, c.decimals), c.expected);
  }
}

TEST(HostutilFtoa, FixedTextLongerThanTheBufferTurnsToExponentForm) {
  // 1e62 with no decimals is 63 characters: it just fits a 64-byte buffer...
  EXPECT_EQ(Format(1e62, 0), "100000000000000003502199685943161173046080317798311825604870144");
  // ...and with two decimals it does not.
  EXPECT_EQ(Format(1e62, 2), "1.00e+62");
  // A buffer smaller than any form of the value cuts the text, terminated.
  EXPECT_EQ(Format(-1e300, 2, 5), "-1.0");
  EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), 0, 3), "Na");
  EXPECT_EQ(Format(12.5, 1, 1), "");
}

TEST(HostutilFtoa, NoBufferWritesNothing) {
  EXPECT_EQ(hostutil::FormatFixed(1.0, 2, nullptr, 64), 0u);
  char untouched = 'x';
  EXPECT_EQ(hostutil::FormatFixed(1.0, 2, &untouched, 0), 0u);
  EXPECT_EQ(untouched, 'x');
}

}  // namespace
