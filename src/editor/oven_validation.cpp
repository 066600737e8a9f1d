// Validation of the oven programme, the zones and the two phase times.
#include "editor/oven_validation.h"

#include <algorithm>

#include "editor/form_fields.h"
#include "editor/oven_graph.h"
#include "editor/oven_form.h"
#include "method/method_limits.h"
#include "reentry_guard.h"
#include "resource_ids.h"

namespace {

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

bool ValidateRows(EditorSession& session, DialogPort& editor, HostPort& host) {
  InletMethod& m = session.method;
  const int rows = std::max(RowsInUse(m.ovenStep), 1);
  if (!ValidateRampRows(editor, host, kOvenForm, OvenRampLimits(GetMinOvenTemp(session.values)),
                        m.ovenStep, rows)) {
    return false;
  }
  FitOvenAxes(session);
  return true;
}

bool ValidateZonesAndTimes(InletMethod& m, DialogPort& editor, HostPort& host) {
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

bool ValidateOvenForm(EditorSession& session, DialogPort& editor, HostPort& host) {
  const ReentryGuard guard(session.validating);
  if (!guard.Entered()) return false;
  if (!ValidateRows(session, editor, host)) return false;
  if (!ValidateZonesAndTimes(session.method, editor, host)) return false;
  SelectFocusedText(editor, kOvenForm);
  return true;
}
