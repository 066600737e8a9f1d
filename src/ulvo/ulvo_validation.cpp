// Validation of the ULVO ramp rows and the sample and standby values.
#include "ulvo/ulvo_validation.h"

#include <string>

#include "editor/form_fields.h"
#include "editor/ramp_rows.h"
#include "method/inlet_method.h"
#include "method/method_limits.h"
#include "method/number_text.h"
#include "reentry_guard.h"
#include "resource_ids.h"
#include "ulvo/ulvo_axes.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_state.h"

namespace {

constexpr double kMaxTime = kUlvoTimeRange.high;

const UlvoModeLimits& Ranges() {
  return EditedUlvoMode() == kUlvoFlow ? kFlowLimits : kPressureLimits;
}

// Reporting a refusal moves the focus, which makes the field it left ask for another
// validation; one message at a time is what the user must see.
bool validationInProgress = false;

bool Refuse(DialogPort& dialog, int id, const std::string& text) {
  dialog.Ask(text, "ULVO", AskKind::kOkInformation);
  FocusField(dialog, id);
  return false;
}

std::string RangeText(HostPort& host, const std::string& label, double low, double high) {
  return label + "\n\nAllowed Range is " + host.Ftoa(low, kUlvoDecimals) + " to " +
         host.Ftoa(high, kUlvoDecimals);
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
  const UlvoModeLimits& r = Ranges();
  const float v = SaturateToFloat(ReadDecimalField(dialog, id));
  if (!InSingleRange(v, r.level)) {
    return Refuse(dialog, id, RangeText(host, label, r.level.low, r.level.high));
  }
  field = static_cast<double>(v);
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
  const UlvoModeLimits& r = Ranges();
  const double value = ReadDecimalField(dialog, valueId);
  if (!InRange(value, r.level)) {
    return Refuse(dialog, valueId, RangeText(host, r.levelName, r.level.low, r.level.high));
  }
  const double time = ReadDecimalField(dialog, timeId);
  if (!InRange(time, kUlvoTimeRange)) {
    return Refuse(dialog, timeId, RangeText(host, kUlvoTimeName, kUlvoTimeRange.low, kMaxTime));
  }
  if (rateId == 0) return true;
  const double rate = ReadDecimalField(dialog, rateId);
  const std::string rateName = kRateName + std::to_string(k - 1);
  if (!InRange(rate, r.rate)) {
    return Refuse(dialog, rateId, RangeText(host, rateName + " ", r.rate.low, r.rate.high));
  }
  // "Infinity", shown for a ramp of no duration, reads as 0 and lands here too.
  if (rate == 0.0) return Refuse(dialog, rateId, rateName + kRateZeroText);
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
