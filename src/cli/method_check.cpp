// `check`: a stored method against the ranges and order the editor's validators keep.
#include "cli/method_report.h"

#include "cli/method_fields.h"
#include "cli/ramp_view.h"
#include "editor/form_fields.h"
#include "hostutil/core/number_format.h"
#include "method/method_limits.h"
#include "method/number_text.h"
#include "ulvo/ulvo_form.h"

namespace method_tool {

namespace {

// The message's field name without the blank it keeps before the line break.
std::string Trimmed(const std::string& name) {
  return name.ends_with(' ') ? name.substr(0, name.size() - 1) : name;
}

std::string Bound(double value, int decimals) {
  char text[64];
  hostutil::FormatFixed(value, decimals, text, sizeof text);
  return text;
}

class Findings {
 public:
  void Add(const std::string& place, const std::string& field, const std::string& text) {
    list.push_back({place, field, place + ": " + text});
  }
  // "place: Name value unit, allowed low to high", the bounds as the message shows them.
  void Range(const std::string& place, const std::string& name, const std::string& value,
             const char* unit, ValueRange range, int decimals) {
    Add(place, Trimmed(name),
        Trimmed(name) + " " + value + " " + unit + ", allowed " + Bound(range.low, decimals) +
            " to " + Bound(range.high, decimals));
  }
  void Number(const std::string& place, const std::string& name, double value, const char* unit,
              ValueRange range, int decimals) {
    if (!InRange(value, range)) Range(place, name, ExactText(value), unit, range, decimals);
  }
  std::vector<Finding> list;
};

// The ramp into row k + 1 (0-based k >= 1) of `ramp`, named "Rate k" as the form's field.
void CheckRampRate(Findings& out, const std::string& place, const RampView& ramp, int k,
                   const RampLimits& limits) {
  const RampStep& from = ramp.rows[k - 1];
  const RampStep& to = ramp.rows[k];
  const std::string name = kRateName + std::to_string(k);
  if (to.start < from.start + from.hold) {
    out.Add(place, kStartField,
            "starts at " + ExactText(to.start) + " min, before row " + std::to_string(k) +
                "'s time ends at " + ExactText(from.start + from.hold) + " min");
    return;
  }
  switch (CheckRate(RateAsRead(ramp, k - 1), limits)) {
    case RateCheck::kOutOfRange:
      out.Range(place, name, RateText(ramp, k - 1), ramp.rateUnit, limits.rate, ramp.rateDecimals);
      break;
    case RateCheck::kZero: out.Add(place, Trimmed(name), Trimmed(name) + kRateZeroText); break;
    case RateCheck::kAllowed: break;
  }
}

void CheckOven(Findings& out, const InletMethod& m, float minOvenTemp) {
  const RampView oven = OvenRampView(m);
  const RampLimits limits = OvenRampLimits(minOvenTemp);
  for (int k = 0; k < oven.inUse; ++k) {
    const std::string place = "Oven row " + std::to_string(k + 1);
    const RampStep& row = oven.rows[k];
    out.Number(place, limits.levelName, row.level, "°C", limits.level, kTempDecimals);
    out.Number(place, kTimeName, row.hold, "min", limits.time, kTimeDecimals);
    if (k > 0) CheckRampRate(out, place, oven, k, limits);
  }
  const double zones[3] = {m.zone1Temp, m.zone2Temp, m.zone3Temp};
  for (int z = 0; z < 3; ++z) {
    out.Number("Zones", kZoneTempNames[z], zones[z], "°C", kZoneTempRange, kTempDecimals);
  }
  out.Number("Oven", kStandbyTimeName, m.standbyTime, "min", kOvenTimeRange, kTimeDecimals);
  out.Number("Oven", kTime5Name, m.time5, "min", kOvenTimeRange, kTimeDecimals);
}

void CheckValves(Findings& out, const InletMethod& m) {
  // The order the timetable checks them in.
  out.Number("Valve timetable", kPurgeName, m.purgeTime, "min", kValveTimeRange, kTimeDecimals);
  out.Number("Valve timetable", kSecondaryCoolName, m.secondaryCoolTime, "min", kValveTimeRange,
             kTimeDecimals);
  out.Number("Valve timetable", kSplitName, m.splitTime, "min", kValveTimeRange, kTimeDecimals);
}

void CheckUlvo(Findings& out, const InletMethod& m, int c) {
  const UlvoChannel& channel = m.ulvo[c];
  const int r = UlvoRampInUse(channel);
  const std::string side = c == 0 ? "left" : "right";
  if (r < 0) {
    if (channel.mode != kUlvoManual) {
      out.Add("ULVO " + side + " channel", kModeField,
              "mode " + std::to_string(channel.mode) +
                  " is not Manual, Flow or Pressure; the editor opens it as Manual");
    }
    return;
  }
  const RampLimits limits = UlvoRampLimits(channel.mode);
  const RampView view = UlvoRampView(m, c, r);
  for (int k = 0; k < view.inUse; ++k) {
    const std::string place = view.name + " row " + std::to_string(k + 1);
    const RampStep& row = view.rows[k];
    out.Number(place, limits.levelName, row.level, view.levelUnit, limits.level, kUlvoDecimals);
    out.Number(place, kTimeName, row.hold, "min", limits.time, kUlvoDecimals);
    if (k > 0) CheckRampRate(out, place, view, k, limits);
  }
  const UlvoRamp& ramp = channel.ramp[r];
  const std::pair<const char*, double> levels[2] = {{kSampleValueName, ramp.sampleValue},
                                                    {kStandbyValueName, ramp.standbyValue}};
  for (const auto& [name, value] : levels) {
    if (!HeldLevelAllowed(value, limits.level)) {
      out.Range(view.name, name, ExactText(value), view.levelUnit, limits.level, kUlvoDecimals);
    }
  }
}

}  // namespace

std::vector<Finding> CheckFindings(const InletMethod& m, float minOvenTemp) {
  Findings out;
  CheckOven(out, m, minOvenTemp);
  CheckValves(out, m);
  for (int c = 0; c < 2; ++c) CheckUlvo(out, m, c);
  return out.list;
}

std::vector<std::string> CheckLines(const InletMethod& m, float minOvenTemp) {
  std::vector<std::string> lines;
  for (const Finding& finding : CheckFindings(m, minOvenTemp)) lines.push_back(finding.line);
  return lines;
}

}  // namespace method_tool
