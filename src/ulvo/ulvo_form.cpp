// Showing the edited ULVO ramp in the channel dialog and reading its check boxes.
#include "ulvo/ulvo_form.h"

#include "editor/form_fields.h"
#include "resource_ids.h"

const RampRowControls kUlvoRows[5] = {
    {IDC_ULVO_ROW1_CHECK, IDC_ULVO_ROW1_TIME, IDC_ULVO_ROW1_VALUE, IDC_ULVO_ROW1_RATE},
    {IDC_ULVO_ROW2_CHECK, IDC_ULVO_ROW2_TIME, IDC_ULVO_ROW2_VALUE, IDC_ULVO_ROW2_RATE},
    {IDC_ULVO_ROW3_CHECK, IDC_ULVO_ROW3_TIME, IDC_ULVO_ROW3_VALUE, IDC_ULVO_ROW3_RATE},
    {IDC_ULVO_ROW4_CHECK, IDC_ULVO_ROW4_TIME, IDC_ULVO_ROW4_VALUE, IDC_ULVO_ROW4_RATE},
    {IDC_ULVO_ROW5_CHECK, IDC_ULVO_ROW5_TIME, IDC_ULVO_ROW5_VALUE, 0},
};

namespace {

struct ModeTexts {
  const char* group;
  const char* valueHead;
  const char* valueUnit;
  const char* rateUnit;
};
constexpr ModeTexts kFlowTexts{"ULVO Flow Ramp", "Flow", "(ml/Min)", "(ml/Min-2)"};
constexpr ModeTexts kPressureTexts{"ULVO Pressure Ramp", "Press", "(kPa)", "(kPa/Min)"};

}  // namespace

void ShowUlvoChannel(EditorSession& session, DialogPort& dialog, HostPort& host) {
  dialog.SetTitle(session.values.ulvoChannel == 1 ? "ULVO Right Channel Control"
                                                  : "ULVO Left Channel Control");
  const ModeTexts& texts = EditedUlvoMode(session) == kUlvoFlow ? kFlowTexts : kPressureTexts;
  dialog.SetControlText(IDC_ULVO_GROUP, texts.group);
  dialog.SetControlText(IDC_ULVO_VALUE_HEAD, texts.valueHead);
  dialog.SetControlText(IDC_ULVO_VALUE_UNIT, texts.valueUnit);
  dialog.SetControlText(IDC_ULVO_RATE_UNIT, texts.rateUnit);
  UlvoRamp& ramp = EditedUlvoRamp(session);
  WriteNumberField(dialog, host, IDC_ULVO_STANDBY, ramp.standbyValue, kUlvoDecimals);
  WriteNumberField(dialog, host, IDC_ULVO_SAMPLE, ramp.sampleValue, kUlvoDecimals);
  // The axes, the graph and the rows need a step to work from: a ramp stored with none
  // enabled is shown with its first step in use, as a user would see a fresh ramp.
  if (RowsInUse(ramp.step) == 0) ramp.step[0].enabled = 1;
  ShowRowChecks(dialog, kUlvoForm, ramp.step);
  ShowUlvoRampFields(session, dialog, host);
}

void EnableUlvoStepFields(EditorSession& session, DialogPort& dialog, HostPort& host) {
  EnableRows(dialog, kUlvoForm, EditedUlvoRamp(session).step);
  ShowUlvoRampFields(session, dialog, host);
}

void ShowUlvoRampFields(EditorSession& session, DialogPort& dialog, HostPort& host) {
  ShowRows(dialog, host, kUlvoForm, EditedUlvoRamp(session).step);
}

void ApplyUlvoStepCheck(EditorSession& session, DialogPort& dialog, HostPort& host, int checkId) {
  UlvoRamp& ramp = EditedUlvoRamp(session);
  ReadRowChecks(dialog, kUlvoForm, ramp.step);
  ramp.standbyEnabled = 1;
  ramp.sampleEnabled = 1;
  EnableUlvoStepFields(session, dialog, host);
  ShowRowChecks(dialog, kUlvoForm, ramp.step);
  ShiftRowAfterCheck(kUlvoForm, ramp.step, checkId);
}
