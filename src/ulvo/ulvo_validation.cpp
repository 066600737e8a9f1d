// Validation of the ULVO ramp rows and the sample and standby values.
#include "ulvo/ulvo_validation.h"

#include <string>

#include "editor/form_fields.h"
#include "ramp/ramp_rows.h"
#include "method/inlet_method.h"
#include "method/method_limits.h"
#include "method/number_text.h"
#include "reentry_guard.h"
#include "resource_ids.h"
#include "ulvo/ulvo_axes.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_state.h"

namespace {

// Reporting a refusal moves the focus, which makes the field it left ask for another
// validation; one message at a time is what the user must see.
bool validationInProgress = false;

bool Refuse(DialogPort& dialog, int id, const std::string& text) {
  dialog.Ask(text, "ULVO", AskKind::kOkInformation);
  FocusField(dialog, id);
  return false;
}

std::string RangeText(HostPort& host, const std::string& label, ValueRange range) {
  return label + "\n\nAllowed Range is " + host.Ftoa(range.low, kUlvoDecimals) + " to " +
         host.Ftoa(range.high, kUlvoDecimals);
}

const UlvoRowControls& Row(int k) { return kUlvoRows[k - 1]; }
int IncomingRate(int k) { return k >= 2 ? Row(k - 1).rate : 0; }

bool ValidateRows(DialogPort& dialog, HostPort& host) {
  const int rows = UlvoStepsInUse();
  for (int k = 1; k <= rows; ++k) {
    if (!CheckUlvoStep(dialog, host, k, Row(k).value, Row(k).time, IncomingRate(k))) return false;
  }
  for (int k = 1; k <= rows; ++k) {
    StoreUlvoStep(dialog, host, k, Row(k).value, Row(k).time, IncomingRate(k));
  }
  FitUlvoAxes();
  return true;
}

// The sample and standby values are held at single precision, as the unit takes them:
// compared so, and stored as that value widened.
bool CheckAndStoreLevel(DialogPort& dialog, HostPort& host, int id, const char* label,
                        double& field) {
  const ValueRange level = UlvoLimits(EditedUlvoMode()).level;
  const double v = ReadDecimalField(dialog, id);
  if (!HeldLevelAllowed(v, level)) return Refuse(dialog, id, RangeText(host, label, level));
  field = static_cast<double>(SaturateToFloat(v));
  return true;
}

// Enter in a field leaves its text selected, ready to be typed over; a row's check box
// has no text to select.
void SelectFocusedText(DialogPort& dialog) {
  const int focused = dialog.FocusedControlId();
  if (focused == 0) return;
  for (const UlvoRowControls& row : kUlvoRows) {
    if (focused == row.check) return;
  }
  dialog.SelectAllText(focused);
}

}  // namespace

bool CheckUlvoStep(DialogPort& dialog, HostPort& host, int k, int valueId, int timeId, int rateId) {
  const RampLimits limits = UlvoRampLimits(EditedUlvoMode());
  if (!InRange(ReadDecimalField(dialog, valueId), limits.level)) {
    return Refuse(dialog, valueId,
                  RangeText(host, UlvoLimits(EditedUlvoMode()).levelName, limits.level));
  }
  if (!InRange(ReadDecimalField(dialog, timeId), limits.time)) {
    return Refuse(dialog, timeId, RangeText(host, kUlvoTimeName, limits.time));
  }
  if (rateId == 0) return true;
  const std::string rateName = kRateName + std::to_string(k - 1);
  switch (CheckRate(ReadDecimalField(dialog, rateId), limits)) {
    case RateCheck::kOutOfRange:
      return Refuse(dialog, rateId, RangeText(host, rateName + " ", limits.rate));
    case RateCheck::kZero:
      // "Infinity", shown for a ramp of no duration, reads as 0 and lands here too.
      return Refuse(dialog, rateId, rateName + kRateZeroText);
    case RateCheck::kAllowed: break;
  }
  return true;
}

bool StoreUlvoStep(DialogPort& dialog, HostPort& host, int k, int valueId, int timeId, int rateId) {
  auto& steps = EditedUlvoRamp().step;
  UlvoStep& step = steps[k - 1];
  step.value = ReadDecimalField(dialog, valueId);
  WriteNumberField(dialog, host, valueId, step.value, kUlvoDecimals);
  step.hold = ReadDecimalField(dialog, timeId);
  WriteNumberField(dialog, host, timeId, step.hold, kUlvoDecimals);
  if (k == 1) step.start = FirstRowStart(step.start, kUlvoTimeRange.high);
  if (rateId == 0) return true;  // the first row's start is never moved
  const UlvoStep& previous = steps[k - 2];
  const double rate = ReadDecimalField(dialog, rateId);
  PlaceRampRow(steps, k, UlvoStepsInUse(),
               StartAfterRamp(previous.start, previous.hold, previous.value, step.value, rate));
  WriteNumberField(dialog, host, rateId, rate, kUlvoDecimals);
  return true;
}

bool ValidateUlvoForm(DialogPort& dialog, HostPort& host) {
  bool ok = false;
  {
    const ReentryGuard guard(validationInProgress);
    if (!guard.Entered()) return false;
    UlvoRamp& ramp = EditedUlvoRamp();
    ok = ValidateRows(dialog, host) &&
         CheckAndStoreLevel(dialog, host, IDC_ULVO_SAMPLE, kSampleValueName, ramp.sampleValue) &&
         CheckAndStoreLevel(dialog, host, IDC_ULVO_STANDBY, kStandbyValueName, ramp.standbyValue);
  }
  if (ok) SelectFocusedText(dialog);
  return ok;
}
