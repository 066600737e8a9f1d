// Exact number text and the field-by-field comparison.
#include "cli/method_fields.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace method_tool {

namespace {

constexpr uint64_t kQuietNan = 0x7FF8000000000000u;
constexpr std::string_view kNanPrefix = "NaN:0x";

bool SameValue(const StoredField& a, const StoredField& b) {
  if (a.number) return std::bit_cast<uint64_t>(*a.number) == std::bit_cast<uint64_t>(*b.number);
  return *a.integer == *b.integer;
}

}  // namespace

std::string ExactText(double value) {
  const uint64_t bits = std::bit_cast<uint64_t>(value);
  if (value != value) {
    if (bits == kQuietNan) return "NaN";
    char text[32];
    std::snprintf(text, sizeof text, "NaN:0x%016llx", static_cast<unsigned long long>(bits));
    return text;
  }
  if (value == std::numeric_limits<double>::infinity()) return "Infinity";
  if (value == -std::numeric_limits<double>::infinity()) return "-Infinity";
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

bool ParseExactText(std::string_view text, double& value) {
  if (text == "NaN") {
    value = std::bit_cast<double>(kQuietNan);
    return true;
  }
  if (text == "Infinity" || text == "-Infinity") {
    value = text[0] == '-' ? -std::numeric_limits<double>::infinity()
                           : std::numeric_limits<double>::infinity();
    return true;
  }
  const char* end = text.data() + text.size();
  if (text.starts_with(kNanPrefix)) {
    uint64_t bits = 0;
    const auto hex = std::from_chars(text.data() + kNanPrefix.size(), end, bits, 16);
    const double nan = std::bit_cast<double>(bits);
    if (hex.ec != std::errc() || hex.ptr != end || nan == nan) return false;
    value = nan;
    return true;
  }
  // Finite numbers only here: from_chars would also take "inf" and "nan".
  double parsed = 0.0;
  const auto result = std::from_chars(text.data(), end, parsed);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

std::string FlagText(int32_t value, const char* off, const char* on) {
  if (value == 0) return off;
  if (value == 1) return on;
  return std::to_string(value) + " (" + on + ")";
}

std::string ModeText(int32_t mode) {
  switch (mode) {
    case kUlvoManual: return "Manual";
    case kUlvoFlow: return "Flow";
    case kUlvoPressure: return "Pressure";
    default: return std::to_string(mode) + " (unknown)";
  }
}

namespace {

// The field's value for a reader: a number with its unit, on/off, yes/no or the mode.
std::string FieldValueText(const StoredField& field) {
  switch (field.kind) {
    case FieldKind::kNumber: return ExactText(*field.number) + " " + field.unit;
    case FieldKind::kOnOff: return FlagText(*field.integer, "off", "on");
    case FieldKind::kYesNo: return FlagText(*field.integer, "no", "yes");
    case FieldKind::kMode: return ModeText(*field.integer);
  }
  return "";
}

// Calls visit(i, old, new) for each stored field that differs, in StoredFields order.
// The lists point into the copies, which live only for this call: visit reads them
// there and keeps none of them.
template <class Visit>
void ForEachChange(const InletMethod& before, const InletMethod& after, Visit visit) {
  InletMethod a = before;
  InletMethod b = after;
  const std::vector<StoredField> fa = StoredFields(a);
  const std::vector<StoredField> fb = StoredFields(b);
  for (std::size_t i = 0; i < fa.size(); ++i) {
    if (!SameValue(fa[i], fb[i])) visit(i, fa[i], fb[i]);
  }
}

}  // namespace

std::vector<std::size_t> ChangedFields(const InletMethod& before, const InletMethod& after) {
  std::vector<std::size_t> changed;
  ForEachChange(before, after, [&](std::size_t i, const StoredField&, const StoredField&) {
    changed.push_back(i);
  });
  return changed;
}

std::vector<std::string> DiffLines(const InletMethod& before, const InletMethod& after) {
  std::vector<std::string> lines;
  ForEachChange(before, after, [&](std::size_t, const StoredField& was, const StoredField& is) {
    lines.push_back(was.Label() + ": " + FieldValueText(was) + " → " + FieldValueText(is));
  });
  return lines;
}

}  // namespace method_tool
