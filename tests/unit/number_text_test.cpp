// Reading numbers from fields and INI texts the way the classic C runtime does.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "method/number_text.h"

namespace {

TEST(ReadWholeNumber, StopsAtTheFirstCharacterThatIsNotADigit) {
  const std::pair<const char*, int32_t> cases[] = {
      {"100.7", 100}, {"  42", 42},     {"\t-17x", -17}, {"+8", 8},   {"", 0},
      {"abc", 0},     {"- 5", 0},       {"Infinity", 0}, {"0x1A", 0}, {"12 34", 12},
      {"-0", 0},      {"\n\v\f\r9", 9}, {"1e3", 1},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ReadWholeNumber(text), expected) << text;
}

TEST(ReadWholeNumber, SaturatesBeyondThe32BitRange) {
  EXPECT_EQ(ReadWholeNumber("2147483647"), 2147483647);
  EXPECT_EQ(ReadWholeNumber("2147483648"), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(ReadWholeNumber("-2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(ReadWholeNumber("-99999999999999999999"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(ReadWholeNumber("99999999999999999999"), std::numeric_limits<int32_t>::max());
}

TEST(ReadDecimalNumber, TakesTheLongestLeadingDecimalNumber) {
  const std::pair<const char*, double> cases[] = {
      {"12abc", 12.0},   {"  -0.5", -0.5}, {"+.25", 0.25},    {"3.", 3.0},        {".", 0.0},
      {".5", 0.5},       {"", 0.0},        {"Infinity", 0.0}, {"inf", 0.0},       {"nan", 0.0},
      {"0x10", 0.0},     {"1e2", 100.0},   {"1E+2x", 100.0},  {"2.5e-1", 0.25},   {"7e", 7.0},
      {"7e+", 7.0},      {"7e-x", 7.0},    {"-.e3", 0.0},     {"800.01", 800.01}, {"1,5", 1.0},
      {" \t49.9", 49.9},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ReadDecimalNumber(text), expected) << text;
}

TEST(ReadDecimalNumber, OutOfRangeExponentsGiveInfinityOrZeroNeverUndefined) {
  EXPECT_EQ(ReadDecimalNumber("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadDecimalNumber("-9e9999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadDecimalNumber("1e-999"), 0.0);
  EXPECT_EQ(ReadDecimalNumber("0e999"), 0.0);
  EXPECT_EQ(ReadDecimalNumber("1e308"), 1e308);
  // Only the first significant digit's place decides, however many digits there are.
  EXPECT_EQ(ReadDecimalNumber("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(ReadDecimalNumber("1" + std::string(399, '0') + "e-5"),
            std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadDecimalNumber("0." + std::string(300, '0') + "1e400"), 1e99);
  EXPECT_EQ(ReadDecimalNumber("1" + std::string(400, '0') + "e-395"), 1e5);
  EXPECT_EQ(ReadDecimalNumber(std::string(400, '0') + "1e-400"), 0.0);
  EXPECT_EQ(ReadDecimalNumber("1" + std::string(1100, '0') + "e-700"),
            std::numeric_limits<double>::infinity());
}

TEST(Saturate, ClampsToTheTargetRangeAndMapsNanToZero) {
  EXPECT_EQ(SaturateToFloat(1e300), FLT_MAX);
  EXPECT_EQ(SaturateToFloat(-1e300), -FLT_MAX);
  EXPECT_EQ(SaturateToFloat(std::numeric_limits<double>::infinity()), FLT_MAX);
  EXPECT_EQ(SaturateToFloat(std::nan("")), 0.0f);
  EXPECT_EQ(SaturateToFloat(12.3), 12.3f);
  EXPECT_EQ(SaturateToInt32(1e300), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(SaturateToInt32(-1e300), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(SaturateToInt32(std::nan("")), 0);
  EXPECT_EQ(SaturateToInt32(-2.9), -2);  // toward zero
  EXPECT_EQ(SaturateToInt32(2147483646.5), 2147483646);
  EXPECT_EQ(SaturateToInt32(2147483647.5), std::numeric_limits<int32_t>::max());
}

}  // namespace
