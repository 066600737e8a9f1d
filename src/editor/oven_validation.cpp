// Validation of the oven programme, the zones and the two phase times.
#include "editor/oven_validation.h"

#include "editor/form_fields.h"
#include "editor/oven_axes.h"
#include "editor/oven_form.h"
#include "method/inlet_method.h"
#include "method/method_limits.h"
#include "reentry_guard.h"
#include "resource_ids.h"

namespace {

// Reporting a refusal moves the focus, which makes the field it left ask for another
// validation; one message at a time is what the user must see.
bool validationInProgress = false;

bool Refuse(DialogPort& editor, HostPort& host, int id, const char* label, ValueRange range,
            int decimals) {
  return RefuseRange(editor, host, kOvenForm.refusal, id, label, range, decimals);
}

// The zones (whole degrees), then standby and time 5: each stored before the next is read.
enum class Field { kZoneTemp, kPhaseTime };

bool CheckAndStore(DialogPort& editor, HostPort& host, int id, const char* label, double& field,
                   Field kind) {
  const bool whole = kind == Field::kZoneTemp;
  const ValueRange range = whole ? kZoneTempRange : kOvenTimeRange;
  const double v = whole ? ReadWholeField(editor, id) : ReadDecimalField(editor, id);
  if (!InRange(v, range)) {
    return Refuse(editor, host, id, label, range, whole ? kTempDecimals : kTimeDecimals);
  }
  field = v;
  return true;
}

bool ValidateRows(DialogPort& editor, HostPort& host) {
  const int rows = editorValues.ovenStepsInUse > 1 ? editorValues.ovenStepsInUse : 1;
  if (!ValidateRampRows(editor, host, kOvenForm, OvenRampLimits(GetMinOvenTemp()),
                        inletMethod.ovenStep, &OvenStep::temp, rows)) {
    return false;
  }
  FitOvenAxes();
  return true;
}

bool ValidateZonesAndTimes(DialogPort& editor, HostPort& host) {
  InletMethod& m = inletMethod;
  return CheckAndStore(editor, host, IDC_ZONE1_TEMP, kZoneTempNames[0], m.zone1Temp,
                       Field::kZoneTemp) &&
         CheckAndStore(editor, host, IDC_ZONE2_TEMP, kZoneTempNames[1], m.zone2Temp,
                       Field::kZoneTemp) &&
         CheckAndStore(editor, host, IDC_ZONE3_TEMP, kZoneTempNames[2], m.zone3Temp,
                       Field::kZoneTemp) &&
         CheckAndStore(editor, host, IDC_STANDBY_TIME, kStandbyTimeName, m.standbyTime,
                       Field::kPhaseTime) &&
         CheckAndStore(editor, host, IDC_TIME5, kTime5Name, m.time5, Field::kPhaseTime);
}

}  // namespace

bool ValidateOvenForm(DialogPort& editor, HostPort& host) {
  bool ok = false;
  {
    const ReentryGuard guard(validationInProgress);
    if (!guard.Entered()) return false;
    ok = ValidateRows(editor, host) && ValidateZonesAndTimes(editor, host);
  }
  if (ok) SelectFocusedText(editor, kOvenForm);
  return ok;
}
