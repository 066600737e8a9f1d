// The list of stored fields, exact number text and the field-by-field comparison.
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

class FieldList {
 public:
  explicit FieldList(std::vector<StoredField>& fields) : fields_(fields) {}
  void Number(std::string path, std::string label, const char* unit, double& value) {
    fields_.push_back(
        {std::move(path), std::move(label), unit, FieldKind::kNumber, &value, nullptr});
  }
  void Integer(std::string path, std::string label, FieldKind kind, int32_t& value) {
    fields_.push_back({std::move(path), std::move(label), "", kind, nullptr, &value});
  }

 private:
  std::vector<StoredField>& fields_;
};

void RampFields(FieldList& list, const std::string& path, const std::string& label,
                const char* unit, UlvoRamp& ramp) {
  list.Integer(path + "/standbyEnabled", label + " standby value in use", FieldKind::kYesNo,
               ramp.standbyEnabled);
  list.Number(path + "/standbyValue", label + " standby value", unit, ramp.standbyValue);
  list.Integer(path + "/sampleEnabled", label + " sample value in use", FieldKind::kYesNo,
               ramp.sampleEnabled);
  list.Number(path + "/sampleValue", label + " sample value", unit, ramp.sampleValue);
  for (std::size_t k = 0; k < ramp.step.size(); ++k) {
    const std::string p = path + "/steps/" + std::to_string(k);
    const std::string l = label + " row " + std::to_string(k + 1);
    UlvoStep& s = ramp.step[k];
    list.Number(p + "/start", l + " start", "min", s.start);
    list.Number(p + "/value", l + " value", unit, s.value);
    list.Number(p + "/hold", l + " time", "min", s.hold);
    list.Integer(p + "/enabled", l + " in use", FieldKind::kYesNo, s.enabled);
  }
}

bool SameValue(const StoredField& a, const StoredField& b) {
  if (a.number) return std::bit_cast<uint64_t>(*a.number) == std::bit_cast<uint64_t>(*b.number);
  return *a.integer == *b.integer;
}

}  // namespace

std::vector<StoredField> StoredFields(InletMethod& m) {
  std::vector<StoredField> fields;
  FieldList list(fields);
  list.Integer("/oven/standbyEnabled", "Standby time in use", FieldKind::kYesNo, m.standbyEnabled);
  list.Number("/oven/standbyTime", "Standby time", "min", m.standbyTime);
  list.Integer("/oven/time5Enabled", "Time 5 in use", FieldKind::kYesNo, m.time5Enabled);
  list.Number("/oven/time5", "Time 5", "min", m.time5);
  for (std::size_t k = 0; k < m.ovenStep.size(); ++k) {
    const std::string p = "/oven/steps/" + std::to_string(k);
    const std::string l = "Oven row " + std::to_string(k + 1);
    OvenStep& s = m.ovenStep[k];
    list.Number(p + "/start", l + " start", "min", s.start);
    list.Number(p + "/temp", l + " temperature", "°C", s.temp);
    list.Number(p + "/hold", l + " time", "min", s.hold);
    list.Integer(p + "/enabled", l + " in use", FieldKind::kYesNo, s.enabled);
  }
  list.Number("/zones/zone1Temp", "Zone 1 temperature", "°C", m.zone1Temp);
  list.Number("/zones/zone2Temp", "Zone 2 temperature", "°C", m.zone2Temp);
  list.Number("/zones/zone3Temp", "Zone 3 temperature", "°C", m.zone3Temp);
  list.Integer("/dumpValve", "Dump valve", FieldKind::kOnOff, m.dumpValve);
  list.Number("/valves/purgeTime", "Purge time", "min", m.purgeTime);
  list.Number("/valves/splitTime", "Split time", "min", m.splitTime);
  list.Number("/valves/secondaryCoolTime", "Secondary cool time", "min", m.secondaryCoolTime);
  for (std::size_t e = 0; e < m.valveEvent.size(); ++e) {
    const std::string p = "/valves/events/" + std::to_string(e);
    const std::string l = "Valve event " + std::to_string(e + 1);
    list.Number(p + "/start", l + " start", "min", m.valveEvent[e].start);
    list.Number(p + "/finish", l + " finish", "min", m.valveEvent[e].finish);
  }
  const char* sides[2] = {"left", "right"};
  for (std::size_t c = 0; c < m.ulvo.size(); ++c) {
    const std::string p = std::string("/ulvo/") + sides[c];
    const std::string l = std::string("ULVO ") + sides[c];
    list.Integer(p + "/mode", l + " mode", FieldKind::kMode, m.ulvo[c].mode);
    RampFields(list, p + "/flow", l + " flow", "ml/min", m.ulvo[c].ramp[0]);
    RampFields(list, p + "/pressure", l + " pressure", "kPa", m.ulvo[c].ramp[1]);
  }
  return fields;
}

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

std::string FieldValueText(const StoredField& field) {
  switch (field.kind) {
    case FieldKind::kNumber: return ExactText(*field.number) + " " + field.unit;
    case FieldKind::kOnOff: return FlagText(*field.integer, "off", "on");
    case FieldKind::kYesNo: return FlagText(*field.integer, "no", "yes");
    case FieldKind::kMode: return ModeText(*field.integer);
  }
  return "";
}

namespace {

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
    lines.push_back(was.label + ": " + FieldValueText(was) + " → " + FieldValueText(is));
  });
  return lines;
}

}  // namespace method_tool
