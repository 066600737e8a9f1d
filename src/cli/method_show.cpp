// `show`: the stored method in the editor's terms.
#include "cli/method_report.h"

#include <algorithm>

#include "cli/method_fields.h"
#include "cli/ramp_view.h"

namespace method_tool {

namespace {

// Columns padded to their widest cell, two blanks apart; widths count characters, not
// bytes, so that the units' "°" and "²" do not shift a column.
class TextTable {
 public:
  void Row(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
  std::string Text(const std::string& indent) const {
    std::vector<std::size_t> widths;
    for (const auto& row : rows_) {
      widths.resize(std::max(widths.size(), row.size()));
      for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], Width(row[c]));
    }
    std::string text;
    for (const auto& row : rows_) {
      std::string line = indent;
      for (std::size_t c = 0; c < row.size(); ++c) {
        line += row[c];
        if (c + 1 < row.size()) line.append(widths[c] - Width(row[c]) + 2, ' ');
      }
      while (!line.empty() && line.back() == ' ') line.pop_back();
      text += line + "\n";
    }
    return text;
  }

 private:
  static std::size_t Width(const std::string& s) {
    std::size_t n = 0;
    for (const unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
  }
  std::vector<std::vector<std::string>> rows_;
};

std::string YesNo(int32_t flag) { return FlagText(flag, "no", "yes"); }

std::string Quantity(double value, const char* unit) { return ExactText(value) + " " + unit; }

std::string RampTable(const RampView& ramp, const std::string& indent) {
  TextTable table;
  table.Row({"Row", "In use", "Start (min)", ramp.levelName + " (" + ramp.levelUnit + ")",
             "Time (min)", std::string("Rate to next (") + ramp.rateUnit + ")"});
  const int rows = static_cast<int>(ramp.rows.size());
  for (int k = 0; k < rows; ++k) {
    const RampStep& row = ramp.rows[k];
    table.Row({std::to_string(k + 1), YesNo(row.enabled), ExactText(row.start),
               ExactText(row.level), ExactText(row.hold), k + 1 < rows ? RateText(ramp, k) : ""});
  }
  return table.Text(indent);
}

std::string UlvoChannelText(const InletMethod& m, int c) {
  const UlvoChannel& channel = m.ulvo[c];
  const int inUse = UlvoRampInUse(channel);
  std::string text = std::string("ULVO ") + (c == 0 ? "left" : "right") +
                     " channel: " + ModeText(channel.mode) +
                     (inUse < 0    ? ", no ramp in use\n"
                      : inUse == 0 ? ", flow ramp in use\n"
                                   : ", pressure ramp in use\n");
  for (int r = 0; r < 2; ++r) {
    const RampView view = UlvoRampView(m, c, r);
    const UlvoRamp& ramp = channel.ramp[r];
    text += std::string(r == 0 ? "  Flow" : "  Pressure") + " ramp" +
            (r == inUse ? ", in use" : "") + "\n";
    text += "    Standby value: " + Quantity(ramp.standbyValue, view.levelUnit) +
            ", in use: " + YesNo(ramp.standbyEnabled) + "\n";
    text += "    Sample value: " + Quantity(ramp.sampleValue, view.levelUnit) +
            ", in use: " + YesNo(ramp.sampleEnabled) + "\n";
    text += RampTable(view, "    ");
    if (r == inUse) text += "    Run time: " + Quantity(EndTime(view), "min") + "\n";
  }
  return text;
}

}  // namespace

std::string ShowText(const InletMethod& m) {
  const RampView oven = OvenRampView(m);
  std::string text = "Oven programme\n" + RampTable(oven, "  ");
  text += "  Run time: " + Quantity(EndTime(oven), "min") + ", to the end of row " +
          std::to_string(oven.inUse) + "\n";
  text += "  Standby time: " + Quantity(m.standbyTime, "min") +
          ", in use: " + YesNo(m.standbyEnabled) + "\n";
  text += "  Time 5: " + Quantity(m.time5, "min") + ", in use: " + YesNo(m.time5Enabled) + "\n";
  text += "Zones\n";
  text += "  Zone 1: " + Quantity(m.zone1Temp, "°C") + "\n";
  text += "  Zone 2: " + Quantity(m.zone2Temp, "°C") + "\n";
  text += "  Zone 3: " + Quantity(m.zone3Temp, "°C") + "\n";
  text += "Dump valve: " + FlagText(m.dumpValve, "off", "on") + "\n";
  text += "Valve timetable\n";
  text += "  Purge: " + Quantity(m.purgeTime, "min") + "\n";
  text += "  Split: " + Quantity(m.splitTime, "min") + "\n";
  text += "  Secondary cool: " + Quantity(m.secondaryCoolTime, "min") + "\n";
  TextTable events;
  events.Row({"Event", "Start (min)", "Finish (min)"});
  for (std::size_t e = 0; e < m.valveEvent.size(); ++e) {
    events.Row({std::to_string(e + 1), ExactText(m.valveEvent[e].start),
                ExactText(m.valveEvent[e].finish)});
  }
  text += events.Text("  ");
  for (int c = 0; c < 2; ++c) text += UlvoChannelText(m, c);
  return text;
}

}  // namespace method_tool
