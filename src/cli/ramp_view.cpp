// Ramps as the editor's forms show them.
#include "cli/ramp_view.h"

#include <algorithm>

#include "editor/form_fields.h"
#include "ramp/ramp_rows.h"
#include "hostutil/core/number_format.h"
#include "method/number_text.h"
#include "ulvo/ulvo_form.h"

namespace method_tool {

RampView OvenRampView(const InletMethod& m) {
  return {"Oven",
          "Temp",
          "°C",
          "°C/min",
          kRateDecimals,
          m.ovenStep,
          std::max(1, RowsInUse(m.ovenStep))};
}

RampView UlvoRampView(const InletMethod& m, int channel, int ramp) {
  const std::string name = std::string("ULVO ") + (channel == 0 ? "left " : "right ");
  const auto& steps = m.ulvo[channel].ramp[ramp].step;
  const int inUse = std::max(1, RowsInUse(steps));
  return ramp == 0
             ? RampView{name + "flow", "Flow", "ml/min", "ml/min²", kUlvoDecimals, steps, inUse}
             : RampView{name + "pressure", "Pressure", "kPa", "kPa/min",
                        kUlvoDecimals,     steps,      inUse};
}

int UlvoRampInUse(const UlvoChannel& channel) {
  if (channel.mode == kUlvoFlow) return 0;
  if (channel.mode == kUlvoPressure) return 1;
  return -1;
}

std::string RateText(const RampView& ramp, int k) {
  const RampStep& from = ramp.rows[k];
  const RampStep& to = ramp.rows[k + 1];
  const std::optional<double> rate =
      RampRate(to.level - from.level, to.start - (from.start + from.hold));
  if (!rate) return "Infinity";
  char text[64];
  hostutil::FormatFixed(*rate, ramp.rateDecimals, text, sizeof text);
  return text;
}

double RateAsRead(const RampView& ramp, int k) {
  return ReadDecimalNumber(RateText(ramp, k).substr(0, kFieldReadLength));
}

double EndTime(const RampView& ramp) {
  const RampStep& last = ramp.rows[ramp.inUse - 1];
  return last.start + last.hold;
}

}  // namespace method_tool
