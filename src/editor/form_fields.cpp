// Field reading and writing shared by the editor and its dialogs.
#include "editor/form_fields.h"

#include <string>

#include "ramp/ramp_rows.h"
#include "method/number_text.h"

namespace {
std::string FieldPrefix(DialogPort& dialog, int id) {
  std::string text = dialog.ControlText(id);
  if (text.size() > kFieldReadLength) text.resize(kFieldReadLength);
  return text;
}
}  // namespace

int32_t ReadWholeField(DialogPort& dialog, int id) {
  return ReadWholeNumber(FieldPrefix(dialog, id));
}

double ReadDecimalField(DialogPort& dialog, int id) {
  return ReadDecimalNumber(FieldPrefix(dialog, id));
}

void WriteNumberField(DialogPort& dialog, HostPort& host, int id, double value, int decimals) {
  dialog.SetControlText(id, host.Ftoa(value, decimals));
}

void WriteRampRate(DialogPort& dialog, HostPort& host, int id, double rise, double span,
                   int decimals) {
  const std::optional<double> rate = RampRate(rise, span);
  if (!rate) {
    dialog.SetControlText(id, "Infinity");
    return;
  }
  WriteNumberField(dialog, host, id, *rate, decimals);
}

void FocusField(DialogPort& dialog, int id) {
  dialog.FocusControl(id);
  dialog.SelectAllText(id);
}
