// Validation of the ULVO ramp rows and the sample and standby values.
#include "ulvo/ulvo_validation.h"

#include "editor/form_fields.h"
#include "method/method_limits.h"
#include "method/number_text.h"
#include "reentry_guard.h"
#include "resource_ids.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_form.h"

namespace {

// The sample and standby values are held at single precision, as the unit takes them:
// compared so, and stored as that value widened.
bool CheckAndStoreLevel(DialogPort& dialog, HostPort& host, int mode, int id, const char* label,
                        double& field) {
  const ValueRange level = UlvoLimits(mode).level;
  const double v = ReadDecimalField(dialog, id);
  if (!HeldLevelAllowed(v, level)) {
    return RefuseRange(dialog, host, kUlvoForm.refusal, id, label, level, kUlvoDecimals);
  }
  field = static_cast<double>(SaturateToFloat(v));
  return true;
}

}  // namespace

bool ValidateUlvoForm(EditorSession& session, DialogPort& dialog, HostPort& host) {
  const ReentryGuard guard(session.channel.validating);
  if (!guard.Entered()) return false;
  UlvoRamp& ramp = EditedUlvoRamp(session);
  const int mode = EditedUlvoMode(session);
  if (!ValidateRampRows(dialog, host, kUlvoForm, UlvoRampLimits(mode), ramp.step,
                        UlvoStepsInUse(session))) {
    return false;
  }
  FitUlvoAxes(session);
  if (!CheckAndStoreLevel(dialog, host, mode, IDC_ULVO_SAMPLE, kSampleValueName,
                          ramp.sampleValue) ||
      !CheckAndStoreLevel(dialog, host, mode, IDC_ULVO_STANDBY, kStandbyValueName,
                          ramp.standbyValue)) {
    return false;
  }
  SelectFocusedText(dialog, kUlvoForm);
  return true;
}
