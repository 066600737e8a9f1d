// Validation of the oven programme, the zones and the two phase times.
#include "editor/oven_validation.h"

#include <string>

#include "editor/form_fields.h"
#include "editor/oven_axes.h"
#include "editor/oven_form.h"
#include "ramp/ramp_rows.h"
#include "method/inlet_method.h"
#include "method/method_limits.h"
#include "reentry_guard.h"
#include "resource_ids.h"

namespace {

// Reporting a refusal moves the focus, which makes the field it left ask for another
// validation; one message at a time is what the user must see.
bool validationInProgress = false;

// Beeps, shows the host's message with the field's allowed range and puts the focus
// on the field. `label` already holds the field's name and its blank.
bool Refuse(DialogPort& editor, HostPort& host, int id, const std::string& label, ValueRange range,
            int decimals) {
  editor.Beep();
  const std::string text = label + "\n\nAllowed Range is " + host.Ftoa(range.low, decimals) +
                           " to " + host.Ftoa(range.high, decimals);
  host.ReportMessage("TOVREX", text);
  FocusField(editor, id);
  return false;
}

const OvenRowControls& Row(int k) { return kOvenRows[k - 1]; }
int IncomingRate(int k) { return k >= 2 ? Row(k - 1).rate : 0; }
int RowsToValidate() { return editorValues.ovenStepsInUse > 1 ? editorValues.ovenStepsInUse : 1; }

// The zones, then standby and time 5: each stored before the next is read.
bool CheckAndStoreWhole(DialogPort& editor, HostPort& host, int id, const char* label,
                        double& field) {
  const int32_t v = ReadWholeField(editor, id);
  if (v < kZoneTempRange.low || v > kZoneTempRange.high) {
    return Refuse(editor, host, id, label, kZoneTempRange, kTempDecimals);
  }
  field = v;
  return true;
}

bool CheckAndStoreTime(DialogPort& editor, HostPort& host, int id, const char* label,
                       double& field) {
  const double v = ReadDecimalField(editor, id);
  if (!InRange(v, kOvenTimeRange)) {
    return Refuse(editor, host, id, label, kOvenTimeRange, kTimeDecimals);
  }
  field = v;
  return true;
}

bool ValidateRows(DialogPort& editor, HostPort& host) {
  const int rows = RowsToValidate();
  for (int k = 1; k <= rows; ++k) {
    if (!CheckOvenStep(editor, host, k, Row(k).temp, Row(k).time, IncomingRate(k))) return false;
  }
  for (int k = 1; k <= rows; ++k) {
    StoreOvenStep(editor, host, k, Row(k).temp, Row(k).time, IncomingRate(k));
  }
  FitOvenAxes();
  return true;
}

bool ValidateZonesAndTimes(DialogPort& editor, HostPort& host) {
  InletMethod& m = inletMethod;
  return CheckAndStoreWhole(editor, host, IDC_ZONE1_TEMP, kZoneTempNames[0], m.zone1Temp) &&
         CheckAndStoreWhole(editor, host, IDC_ZONE2_TEMP, kZoneTempNames[1], m.zone2Temp) &&
         CheckAndStoreWhole(editor, host, IDC_ZONE3_TEMP, kZoneTempNames[2], m.zone3Temp) &&
         CheckAndStoreTime(editor, host, IDC_STANDBY_TIME, kStandbyTimeName, m.standbyTime) &&
         CheckAndStoreTime(editor, host, IDC_TIME5, kTime5Name, m.time5);
}

// Enter in a field leaves its text selected, ready to be typed over; a row's check box
// has no text to select.
void SelectFocusedText(DialogPort& editor) {
  const int focused = editor.FocusedControlId();
  if (focused == 0) return;
  for (const OvenRowControls& row : kOvenRows) {
    if (focused == row.check) return;
  }
  editor.SelectAllText(focused);
}

}  // namespace

bool CheckOvenStep(DialogPort& editor, HostPort& host, int k, int tempId, int timeId, int rateId) {
  const RampLimits limits = OvenRampLimits(GetMinOvenTemp());
  if (!InRange(ReadWholeField(editor, tempId), limits.level)) {
    return Refuse(editor, host, tempId, kOvenTempName, limits.level, kTempDecimals);
  }
  if (!InRange(ReadDecimalField(editor, timeId), limits.time)) {
    return Refuse(editor, host, timeId, kOvenTimeName, limits.time, kTimeDecimals);
  }
  if (rateId == 0) return true;
  if (CheckRate(ReadDecimalField(editor, rateId), limits) != RateCheck::kAllowed) {
    return Refuse(editor, host, rateId, kRateName + std::to_string(k - 1) + " ", limits.rate,
                  kRateDecimals);
  }
  return true;
}

bool StoreOvenStep(DialogPort& editor, HostPort& host, int k, int tempId, int timeId, int rateId) {
  auto& steps = inletMethod.ovenStep;
  OvenStep& step = steps[k - 1];
  step.temp = ReadWholeField(editor, tempId);
  WriteNumberField(editor, host, tempId, step.temp, kTempDecimals);
  step.hold = ReadDecimalField(editor, timeId);
  WriteNumberField(editor, host, timeId, step.hold, kTimeDecimals);
  if (k == 1) step.start = FirstRowStart(step.start, kOvenTimeRange.high);
  if (k == 1 || rateId == 0) return true;
  const OvenStep& previous = steps[k - 2];
  const double rate = ReadDecimalField(editor, rateId);
  PlaceRampRow(steps, k, editorValues.ovenStepsInUse,
               StartAfterRamp(previous.start, previous.hold, previous.temp, step.temp, rate));
  WriteNumberField(editor, host, rateId, rate, kRateDecimals);
  return true;
}

bool ValidateOvenForm(DialogPort& editor, HostPort& host) {
  bool ok = false;
  {
    const ReentryGuard guard(validationInProgress);
    if (!guard.Entered()) return false;
    ok = ValidateRows(editor, host) && ValidateZonesAndTimes(editor, host);
  }
  if (ok) SelectFocusedText(editor);
  return ok;
}
