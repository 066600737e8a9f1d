// Checking a ramp form's rows and telling the user of a refusal.
#include "ramp/ramp_form.h"

#include "editor/form_fields.h"
#include "ramp/ramp_rows.h"

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

// The level typed into a row, read as the form reads it.
double ReadRampLevel(DialogPort& dialog, const RampForm& form, int id) {
  return form.wholeLevel ? ReadWholeField(dialog, id) : ReadDecimalField(dialog, id);
}

// Row k (1-based): its level, its time and the rate leading into it, each against the
// limits; the first refusal is reported.
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

}  // namespace

bool RefuseRange(DialogPort& dialog, HostPort& host, RefusalStyle style, int id,
                 const std::string& label, ValueRange range, int decimals) {
  return Refuse(dialog, host, style, id, RangeText(host, label, range, decimals));
}

bool ValidateRampRows(DialogPort& dialog, HostPort& host, const RampForm& form,
                      const RampLimits& limits, std::span<RampStep> steps, int inUse) {
  for (int k = 1; k <= inUse; ++k) {
    if (!CheckRampRow(dialog, host, form, limits, k)) return false;
  }
  for (int k = 1; k <= inUse; ++k) {
    const RampRowControls& row = form.rows[k - 1];
    RampStep& step = steps[k - 1];
    step.level = ReadRampLevel(dialog, form, row.level);
    WriteNumberField(dialog, host, row.level, step.level, form.levelDecimals);
    step.hold = ReadDecimalField(dialog, row.time);
    WriteNumberField(dialog, host, row.time, step.hold, form.timeDecimals);
    if (k == 1) {
      step.start = FirstRowStart(step.start, limits.time.high);
      continue;
    }
    const RampStep& previous = steps[k - 2];
    const int rateId = form.rows[k - 2].rate;
    const double rate = ReadDecimalField(dialog, rateId);
    PlaceRampRow(steps, k, inUse,
                 StartAfterRamp(previous.start, previous.hold, previous.level, step.level, rate));
    WriteNumberField(dialog, host, rateId, rate, form.rateDecimals);
  }
  return true;
}

void ShowRowChecks(DialogPort& dialog, const RampForm& form, std::span<const RampStep> steps) {
  dialog.SetChecked(form.rows[0].check, true);
  for (std::size_t k = 1; k < steps.size(); ++k) {
    dialog.SetChecked(form.rows[k].check, steps[k].enabled != 0);
  }
}

void EnableRows(DialogPort& dialog, const RampForm& form, std::span<const RampStep> steps) {
  dialog.EnableControl(form.rows[0].time, true);
  dialog.EnableControl(form.rows[0].level, true);
  for (std::size_t k = 1; k < steps.size(); ++k) {
    const bool enabled = steps[k].enabled != 0;
    dialog.EnableControl(form.rows[k].time, enabled);
    dialog.EnableControl(form.rows[k].level, enabled);
    dialog.EnableControl(form.rows[k - 1].rate, enabled);
  }
}

void ShowRows(DialogPort& dialog, HostPort& host, const RampForm& form,
              std::span<const RampStep> steps) {
  for (std::size_t k = 0; k < steps.size(); ++k) {
    WriteNumberField(dialog, host, form.rows[k].time, steps[k].hold, form.timeDecimals);
    WriteNumberField(dialog, host, form.rows[k].level, steps[k].level, form.levelDecimals);
    if (k + 1 == steps.size()) break;
    WriteRampRate(dialog, host, form.rows[k].rate, steps[k + 1].level - steps[k].level,
                  steps[k + 1].start - (steps[k].start + steps[k].hold), form.rateDecimals);
  }
}

void ReadRowChecks(DialogPort& dialog, const RampForm& form, std::span<RampStep> steps) {
  bool inUse = true;
  steps[0].enabled = 1;
  for (std::size_t k = 1; k < steps.size(); ++k) {
    inUse = inUse && dialog.IsChecked(form.rows[k].check);
    steps[k].enabled = inUse ? 1 : 0;
  }
}

void ShiftRowAfterCheck(const RampForm& form, std::span<RampStep> steps, int checkId) {
  for (std::size_t k = 1; k < steps.size(); ++k) {
    if (form.rows[k].check != checkId) continue;
    const double previousEnd = steps[k - 1].start + steps[k - 1].hold;
    if (previousEnd > steps[k].start) steps[k].start = previousEnd;
  }
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
