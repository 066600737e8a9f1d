// Locale-free atoi/atof: the extent of the number is found here and converted with
// std::from_chars, so no locale, C library extension or overflow changes a result.
#include "method/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

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

double ReadDecimalNumber(std::string_view text) {
  size_t i = 0;
  const bool negative = SkipBlanksAndSign(text, i);
  const size_t begin = i;
  const size_t intEnd = SkipDigits(text, i);
  size_t end = intEnd;
  size_t mantissaDigits = intEnd - begin;
  if (end < text.size() && text[end] == '.') {
    const size_t fracEnd = SkipDigits(text, end + 1);
    mantissaDigits += fracEnd - (end + 1);
    end = fracEnd;
  }
  if (mantissaDigits == 0) return 0.0;
  // An exponent counts only when at least one digit follows its letter and sign.
  bool negativeExponent = false;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t j = end + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
    const size_t expEnd = SkipDigits(text, j);
    if (expEnd > j) end = expEnd;
  }
  double value = 0.0;
  const auto [ptr, ec] =
      std::from_chars(text.data() + begin, text.data() + end, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone on overflow and underflow alike. Only an
    // exponent can take a field's few digits out of range, so its sign says which.
    value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
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
