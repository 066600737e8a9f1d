// Checking a ramp form's rows and telling the user of a refusal.
#include "ramp/ramp_form.h"

namespace {

std::string RangeText(HostPort& host, const std::string& label, ValueRange range, int decimals) {
  return label + "\n\nAllowed Range is " + host.Ftoa(range.low, decimals) + " to " +
         host.Ftoa(range.high, decimals);
}

bool Refuse(DialogPort& dialog, HostPort& host, RefusalStyle style, int id,
            const std::string& text) {
  if (style == RefusalStyle::kBeepAndHostMessage) {
    dialog.Beep();
    host.ReportMessage("TOVREX", text);
  } else {
    dialog.Ask(text, "ULVO", AskKind::kOkInformation);
  }
  FocusField(dialog, id);
  return false;
}

}  // namespace

bool RefuseRange(DialogPort& dialog, HostPort& host, RefusalStyle style, int id,
                 const std::string& label, ValueRange range, int decimals) {
  return Refuse(dialog, host, style, id, RangeText(host, label, range, decimals));
}

double ReadRampLevel(DialogPort& dialog, const RampForm& form, int id) {
  return form.wholeLevel ? ReadWholeField(dialog, id) : ReadDecimalField(dialog, id);
}

bool CheckRampRow(DialogPort& dialog, HostPort& host, const RampForm& form,
                  const RampLimits& limits, int k) {
  const RampRowControls& row = form.rows[k - 1];
  if (!InRange(ReadRampLevel(dialog, form, row.level), limits.level)) {
    return RefuseRange(dialog, host, form.refusal, row.level, limits.levelName, limits.level,
                       form.levelDecimals);
  }
  if (!InRange(ReadDecimalField(dialog, row.time), limits.time)) {
    return RefuseRange(dialog, host, form.refusal, row.time, kTimeName, limits.time,
                       form.timeDecimals);
  }
  if (k == 1) return true;
  const int rateId = form.rows[k - 2].rate;
  const std::string rateName = kRateName + std::to_string(k - 1);
  switch (CheckRate(ReadDecimalField(dialog, rateId), limits)) {
    case RateCheck::kOutOfRange:
      return RefuseRange(dialog, host, form.refusal, rateId, rateName + " ", limits.rate,
                         form.rateDecimals);
    case RateCheck::kZero:
      // "Infinity", shown for a ramp of no duration, reads as 0 and lands here too.
      return Refuse(dialog, host, form.refusal, rateId, rateName + kRateZeroText);
    case RateCheck::kAllowed: break;
  }
  return true;
}

bool IsRowCheck(const RampForm& form, int id) {
  for (const RampRowControls& row : form.rows) {
    if (row.check == id) return true;
  }
  return false;
}

bool IsRowField(const RampForm& form, int id) {
  for (const RampRowControls& row : form.rows) {
    if (id != 0 && (row.time == id || row.level == id || row.rate == id)) return true;
  }
  return false;
}

void SelectFocusedText(DialogPort& dialog, const RampForm& form) {
  const int focused = dialog.FocusedControlId();
  if (focused == 0) return;
  for (const RampRowControls& row : form.rows) {
    if (focused == row.check) return;
  }
  dialog.SelectAllText(focused);
}
