// Fixed-decimal formatting through std::to_chars: locale-free, exact rounding, and
// bounded by construction (it reports when the text does not fit).
#include "hostutil/core/number_format.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include "bounded_copy.h"

namespace hostutil {

namespace {

// Large enough for the exponent form of any double with kMaxDecimals decimals.
constexpr std::size_t kScratchSize = 64;
static_assert(kScratchSize >= 1 + 1 + 1 + kMaxDecimals + 5 + 1);

bool IsNegativeZeroText(std::string_view text) {
  if (text.empty() || text.front() != '-') return false;
  return text.find_first_not_of("0.", 1) == std::string_view::npos;
}

}  // namespace

std::size_t FormatFixed(double value, int decimals, char* buffer, std::size_t size) {
  // A missing or empty buffer gets nothing: every path ends in CopyBounded, which checks.
  if (decimals < 0) decimals = 0;
  if (decimals > kMaxDecimals) decimals = kMaxDecimals;

  if (std::isnan(value)) return CopyBounded(buffer, size, "NaN");
  if (std::isinf(value)) return CopyBounded(buffer, size, value < 0 ? "-Infinity" : "Infinity");

  char scratch[kScratchSize];
  // The fixed text must leave room for the terminator in the caller's buffer too.
  const std::size_t limit = size - 1 < sizeof scratch ? size - 1 : sizeof scratch;
  std::to_chars_result result =
      std::to_chars(scratch, scratch + limit, value, std::chars_format::fixed, decimals);
  if (result.ec == std::errc::value_too_large) {
    result = std::to_chars(scratch, scratch + sizeof scratch, value, std::chars_format::scientific,
                           decimals);
    if (result.ec != std::errc()) return CopyBounded(buffer, size, "");
  }
  std::string_view text(scratch, static_cast<std::size_t>(result.ptr - scratch));
  // "-0.00" would tell the user of a sign that the shown value does not have.
  if (IsNegativeZeroText(text)) text.remove_prefix(1);
  return CopyBounded(buffer, size, text);
}

}  // namespace hostutil
