// Showing the edited ULVO ramp in the channel dialog and reading its check boxes.
#include "ulvo/ulvo_form.h"

#include "editor/form_fields.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "ulvo/ulvo_state.h"

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

bool StepEnabled(int k) { return EditedUlvoRamp().step[k].enabled != 0; }

}  // namespace

int ShowUlvoChannel(DialogPort& dialog, HostPort& host) {
  dialog.SetTitle(editorValues.ulvoChannel == 1 ? "ULVO Right Channel Control"
                                                : "ULVO Left Channel Control");
  const ModeTexts& texts = EditedUlvoMode() == kUlvoFlow ? kFlowTexts : kPressureTexts;
  dialog.SetControlText(IDC_ULVO_GROUP, texts.group);
  dialog.SetControlText(IDC_ULVO_VALUE_HEAD, texts.valueHead);
  dialog.SetControlText(IDC_ULVO_VALUE_UNIT, texts.valueUnit);
  dialog.SetControlText(IDC_ULVO_RATE_UNIT, texts.rateUnit);
  UlvoRamp& ramp = EditedUlvoRamp();
  WriteNumberField(dialog, host, IDC_ULVO_STANDBY, ramp.standbyValue, kUlvoDecimals);
  WriteNumberField(dialog, host, IDC_ULVO_SAMPLE, ramp.sampleValue, kUlvoDecimals);
  editorValues.ulvoStepsInUse = RowsInUse(ramp.step);
  // The axes, the graph and the rows need a step to work from: a ramp stored with none
  // enabled is shown with its first step in use, as a user would see a fresh ramp.
  if (editorValues.ulvoStepsInUse == 0) {
    ramp.step[0].enabled = 1;
    editorValues.ulvoStepsInUse = 1;
  }
  ShowUlvoStepChecks(dialog);
  ShowUlvoRampFields(dialog, host);
  return 1;
}

int ShowUlvoStepChecks(DialogPort& dialog) {
  dialog.SetChecked(IDC_ULVO_ROW1_CHECK, true);
  for (int k = 1; k < 5; ++k) dialog.SetChecked(kUlvoRows[k].check, StepEnabled(k));
  return 1;
}

int EnableUlvoStepFields(DialogPort& dialog, HostPort& host) {
  dialog.EnableControl(IDC_ULVO_ROW1_TIME, true);
  dialog.EnableControl(IDC_ULVO_ROW1_VALUE, true);
  // A row's fields and the rate of the ramp leading into it follow the row's flag.
  for (int k = 1; k < 5; ++k) {
    dialog.EnableControl(kUlvoRows[k].time, StepEnabled(k));
    dialog.EnableControl(kUlvoRows[k].level, StepEnabled(k));
    dialog.EnableControl(kUlvoRows[k - 1].rate, StepEnabled(k));
  }
  ShowUlvoRampFields(dialog, host);
  return 1;
}

int ShowUlvoRampFields(DialogPort& dialog, HostPort& host) {
  const auto& steps = EditedUlvoRamp().step;
  for (int k = 0; k < 5; ++k) {
    WriteNumberField(dialog, host, kUlvoRows[k].time, steps[k].hold, kUlvoDecimals);
    WriteNumberField(dialog, host, kUlvoRows[k].level, steps[k].value, kUlvoDecimals);
    if (k == 4) break;
    // Shown for every row, in use or not, from the steps as they are stored.
    WriteRampRate(dialog, host, kUlvoRows[k].rate, steps[k + 1].value - steps[k].value,
                  steps[k + 1].start - (steps[k].start + steps[k].hold), kUlvoDecimals);
  }
  return 1;
}

int ReadUlvoStepChecks(DialogPort& dialog) {
  // Steps in use form a prefix: a ticked box counts only behind a step in use.
  UlvoRamp& ramp = EditedUlvoRamp();
  bool inUse = true;
  editorValues.ulvoStepsInUse = 1;
  ramp.step[0].enabled = 1;
  for (int k = 1; k < 5; ++k) {
    inUse = inUse && dialog.IsChecked(kUlvoRows[k].check);
    if (inUse) editorValues.ulvoStepsInUse = k + 1;
    ramp.step[k].enabled = inUse ? 1 : 0;
  }
  ramp.standbyEnabled = 1;
  ramp.sampleEnabled = 1;
  return 1;
}

int ShiftUlvoStepAfterCheck(DialogPort& /*dialog*/, int checkId) {
  for (int k = 1; k < 5; ++k) {
    if (kUlvoRows[k].check != checkId) continue;
    auto& steps = EditedUlvoRamp().step;
    const double previousEnd = steps[k - 1].start + steps[k - 1].hold;
    if (previousEnd > steps[k].start) steps[k].start = previousEnd;
    return 1;
  }
  return 0;
}
