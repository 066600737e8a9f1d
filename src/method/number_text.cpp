// Locale-free atoi/atof: the extent of the number is found here and converted with
// std::from_chars, so no locale, C library extension or overflow changes a result.
#include "method/number_text.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips white space and a sign; returns whether the sign was minus.
bool SkipBlanksAndSign(std::string_view text, size_t& i) {
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  return negative;
}

size_t SkipDigits(std::string_view text, size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace

int32_t ReadWholeNumber(std::string_view text) {
  size_t i = 0;
  const bool negative = SkipBlanksAndSign(text, i);
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) value = kLimit;  // saturate, and keep reading the digits
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

namespace {

// The power of ten of the mantissa's first significant digit ("123.4" 2, "0.05" -2), or
// nothing when every digit is 0. Saturates far beyond any double's range.
std::optional<int64_t> LeadingPower(std::string_view integer, std::string_view fraction) {
  const size_t first = integer.find_first_not_of('0');
  if (first != std::string_view::npos) return static_cast<int64_t>(integer.size() - first) - 1;
  const size_t firstInFraction = fraction.find_first_not_of('0');
  if (firstInFraction == std::string_view::npos) return std::nullopt;
  return -static_cast<int64_t>(firstInFraction) - 1;
}

// The exponent's value, held far beyond any double's range so that it cannot overflow.
int64_t ExponentValue(std::string_view digits, bool negative) {
  int64_t value = 0;
  for (char c : digits) value = std::min<int64_t>(value * 10 + (c - '0'), 1'000'000'000);
  return negative ? -value : value;
}

}  // namespace

double ReadDecimalNumber(std::string_view text) {
  size_t i = 0;
  const bool negative = SkipBlanksAndSign(text, i);
  const size_t begin = i;
  const size_t intEnd = SkipDigits(text, i);
  size_t end = intEnd;
  std::string_view fraction;
  if (end < text.size() && text[end] == '.') {
    const size_t fracEnd = SkipDigits(text, end + 1);
    fraction = text.substr(end + 1, fracEnd - (end + 1));
    end = fracEnd;
  }
  const std::string_view integer = text.substr(begin, intEnd - begin);
  if (integer.empty() && fraction.empty()) return 0.0;
  // An exponent counts only when at least one digit follows its letter and sign.
  int64_t exponent = 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t j = end + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
    const size_t expEnd = SkipDigits(text, j);
    if (expEnd > j) {
      exponent = ExponentValue(text.substr(j, expEnd - j), negativeExponent);
      end = expEnd;
    }
  }
  double value = 0.0;
  const auto [ptr, ec] =
      std::from_chars(text.data() + begin, text.data() + end, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone on overflow and underflow alike: the power of the
    // first significant digit says which, whatever the count of digits around it.
    const std::optional<int64_t> power = LeadingPower(integer, fraction);
    value = power && *power + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

float SaturateToFloat(double value) {
  if (std::isnan(value)) return 0.0f;
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::max();
  if (value < -kMax) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}

int32_t SaturateToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}
