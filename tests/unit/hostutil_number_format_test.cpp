// ftoa's formatting core: printf's rounding, signs, limits and non-finite values.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <tuple>

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

TEST(HostutilFtoa, RoundsAsPrintfDoesAndStaysInItsBuffer) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  // Exact binary ties go to even, near-ties (1.00499...) follow the stored value; no sign
  // on a zero; large values stay fixed while they fit in 64 bytes (1e62 with no decimals
  // just does), else turn to the exponent form; too many decimals are clamped.
  const std::tuple<double, int, const char*> cases[] = {
      {0.125, 2, "0.12"},
      {2.5, 0, "2"},
      {2.5, -1, "2"},
      {1.005, 2, "1.00"},
      {99.95, 1, "100.0"},
      {-0.6, 0, "-1"},
      {-0.001, 2, "0.00"},
      {1e62, 0, "100000000000000003502199685943161173046080317798311825604870144"},
      {1e62, 2, "1.00e+62"},
      {1e63, 0, "1e+63"},
      {-nan, 1, "NaN"},
      {-inf, 2, "-Infinity"},
      {0.1, 99, "0.10000000000000000555"}};
  for (const auto& [value, decimals, expected] : cases) {
    EXPECT_EQ(Format(value, decimals), expected) << value << " with " << decimals << " decimals";
  }
  // A buffer smaller than any form of the value cuts the text, terminated.
  EXPECT_EQ(Format(12.5, 1, 5), "12.5") << "just fits with its terminator";
  EXPECT_EQ(Format(12.5, 1, 4), "1.2") << "no room for the fixed form";
  EXPECT_EQ(Format(-1e300, 2, 5), "-1.0");
  EXPECT_EQ(Format(nan, 0, 3), "Na");
  EXPECT_EQ(Format(12.5, 1, 1), "");
  EXPECT_EQ(hostutil::FormatFixed(1.0, 2, nullptr, 64), 0u);
}

}  // namespace
