// Showing, checking and storing the valve times.
#include "editor/valve_timetable.h"

#include "editor/form_fields.h"
#include "method/method_limits.h"
#include "resource_ids.h"

namespace {

struct ValveField {
  int id;
  const char* name;  // as the host's out-of-range message names it
  double InletMethod::*time;
};

// The order the times are checked in, which is not their order on screen.
constexpr ValveField kValveFields[] = {
    {IDC_VALVE_PURGE, kPurgeName, &InletMethod::purgeTime},
    {IDC_VALVE_COOL, kSecondaryCoolName, &InletMethod::secondaryCoolTime},
    {IDC_VALVE_SPLIT, kSplitName, &InletMethod::splitTime},
};

}  // namespace

void ShowValveTimes(const InletMethod& method, DialogPort& dialog, HostPort& host) {
  for (const ValveField& field : kValveFields) {
    WriteNumberField(dialog, host, field.id, method.*field.time, kTimeDecimals);
  }
}

bool ReadValveTimes(InletMethod& method, DialogPort& dialog, HostPort& host) {
  for (const ValveField& field : kValveFields) {
    const double time = ReadDecimalField(dialog, field.id);
    if (!InRange(time, kValveTimeRange)) {
      dialog.Beep();
      host.ReportOutOfRange(field.name);
      FocusField(dialog, field.id);
      return false;
    }
    method.*field.time = time;
  }
  return true;
}

void OnValveCommand(InletMethod& method, DialogPort& dialog, HostPort& host, int id) {
  switch (id) {
    case CMD_ENTER:
    case IDC_VALVE_OK:
      if (ReadValveTimes(method, dialog, host)) dialog.EndDialog(1);
      break;
    case CMD_ESCAPE:
    case IDC_VALVE_CANCEL: dialog.EndDialog(0); break;
    default: break;
  }
}
