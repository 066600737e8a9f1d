// Opening, commanding and closing the ULVO channel dialog.
#include "ulvo/ulvo_control.h"

#include "editor/window_position.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "ulvo/ulvo_axes.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_state.h"
#include "ulvo/ulvo_validation.h"

namespace {

constexpr int kEditChange = 0x0300;     // EN_CHANGE
constexpr int kEditKillFocus = 0x0200;  // EN_KILLFOCUS

void OnOk(DialogPort& dialog, HostPort& host) {
  ulvoValues.ulvoEditChanged = 0;
  if (!ValidateUlvoForm(dialog, host)) return;
  dialog.Invalidate();
  dialog.EndDialog(1);
}

// Ending the dialog takes the focus from its field; a pending edit must not then be
// checked and stored into the method just restored.
void OnCancel(DialogPort& dialog) {
  ulvoValues.ulvoEditChanged = 0;
  inletMethod = ulvoValues.ulvoSavedMethod;
  dialog.EndDialog(0);
}

void OnStepCheck(DialogPort& dialog, HostPort& host, int id) {
  ReadUlvoStepChecks(dialog);
  EnableUlvoStepFields(dialog, host);
  ShowUlvoStepChecks(dialog);
  ShiftUlvoStepAfterCheck(id);
  FitUlvoAxes();
  dialog.Invalidate();
}

// The validation does not clear the pending edit: the graph's next paint does.
void OnRampField(DialogPort& dialog, HostPort& host, int code) {
  if (code == kEditChange) {
    ulvoValues.ulvoEditChanged = 1;
  } else if (code == kEditKillFocus && ulvoValues.ulvoEditChanged) {
    if (ValidateUlvoForm(dialog, host)) dialog.Invalidate();
  }
}

}  // namespace

void InitUlvoControl(DialogPort& dialog, HostPort& host) {
  ulvoValues.ulvoRamp = EditedUlvoChannel().mode - 1;
  ulvoValues.ulvoSavedMethod = inletMethod;
  RestoreWindowPosition(dialog, host, kUlvoPosSection, kUlvoPosKey);
  ShowUlvoChannel(dialog, host);
  EnableUlvoStepFields(dialog, host);
  FitUlvoAxes();
}

int OnUlvoCommand(DialogPort& dialog, HostPort& host, int id, int code) {
  switch (id) {
    case CMD_ENTER: OnOk(dialog, host); break;
    case CMD_ESCAPE: OnCancel(dialog); break;
    case IDC_ULVO_ROW1_CHECK:
    case IDC_ULVO_ROW2_CHECK:
    case IDC_ULVO_ROW3_CHECK:
    case IDC_ULVO_ROW4_CHECK:
    case IDC_ULVO_ROW5_CHECK: OnStepCheck(dialog, host, id); break;
    case IDC_ULVO_ROW1_VALUE:
    case IDC_ULVO_ROW1_TIME:
    case IDC_ULVO_ROW1_RATE:
    case IDC_ULVO_ROW2_RATE:
    case IDC_ULVO_ROW3_RATE:
    case IDC_ULVO_ROW4_RATE:
    case IDC_ULVO_ROW2_VALUE:
    case IDC_ULVO_ROW3_VALUE:
    case IDC_ULVO_ROW4_VALUE:
    case IDC_ULVO_ROW2_TIME:
    case IDC_ULVO_ROW3_TIME:
    case IDC_ULVO_ROW4_TIME:
    case IDC_ULVO_ROW5_TIME:
    case IDC_ULVO_ROW5_VALUE: OnRampField(dialog, host, code); break;
    case IDC_ULVO_BUTTON_UP:
      EnlargeUlvoValueAxis();
      dialog.Invalidate();
      break;
    case IDC_ULVO_BUTTON_RIGHT:
      EnlargeUlvoTimeAxis();
      dialog.Invalidate();
      break;
    case IDC_ULVO_BUTTON_DEFAULT:
      FitUlvoAxes();
      dialog.Invalidate();
      break;
    default: break;
  }
  return 0;
}

void CloseUlvoControl(DialogPort& dialog, HostPort& host) {
  ulvoValues.ulvoEditChanged = 0;
  ValidateUlvoForm(dialog, host);
}

void DestroyUlvoControl(DialogPort& dialog, HostPort& host) {
  StoreWindowPosition(dialog, host, kUlvoPosSection, kUlvoPosKey);
}
