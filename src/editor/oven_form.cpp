// Showing the method in the editor's form and reading its check boxes.
#include "editor/oven_form.h"

#include <cstring>

#include "editor/form_fields.h"
#include "method/inlet_method.h"
#include "resource_ids.h"

const RampRowControls kOvenRows[4] = {
    {IDC_ROW1_CHECK, IDC_ROW1_TIME, IDC_ROW1_TEMP, IDC_ROW1_RATE},
    {IDC_ROW2_CHECK, IDC_ROW2_TIME, IDC_ROW2_TEMP, IDC_ROW2_RATE},
    {IDC_ROW3_CHECK, IDC_ROW3_TIME, IDC_ROW3_TEMP, IDC_ROW3_RATE},
    {IDC_ROW4_CHECK, IDC_ROW4_TIME, IDC_ROW4_TEMP, 0},
};

namespace {

// Upper case in Windows code page 1252, the editor's ANSI code page: ASCII letters,
// the accented Latin-1 letters, and the four letters of the 0x80 block that have one.
char UpperAnsi(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
  switch (u) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return c;
  }
}

template <size_t N>
std::string UpperField(const char (&field)[N]) {
  std::string text(field, strnlen(field, N));
  for (char& c : text) c = UpperAnsi(c);
  return text;
}

}  // namespace

std::string EditorTitle(bool untitled, const GlobalFileEntry& entry) {
  std::string title = "TOVREX Control - ";
  if (untitled) return title + "[Untitled]";
  return title + UpperField(entry.fileName) + "." + UpperField(entry.extension);
}

void ShowMethod(DialogPort& editor, HostPort& host) {
  GlobalFileEntry entry{};
  if (!editorValues.methodUntitled) host.GetGlobalFile(entry);
  editor.SetTitle(EditorTitle(editorValues.methodUntitled != 0, entry));
  const InletMethod& m = inletMethod;
  WriteNumberField(editor, host, IDC_ZONE1_TEMP, m.zone1Temp, kTempDecimals);
  WriteNumberField(editor, host, IDC_ZONE2_TEMP, m.zone2Temp, kTempDecimals);
  WriteNumberField(editor, host, IDC_ZONE3_TEMP, m.zone3Temp, kTempDecimals);
  WriteNumberField(editor, host, IDC_STANDBY_TIME, m.standbyTime, kTimeDecimals);
  WriteNumberField(editor, host, IDC_TIME5, m.time5, kTimeDecimals);
  editorValues.ovenStepsInUse = RowsInUse(m.ovenStep);
  editor.SetChecked(IDC_DUMP_VALVE, m.dumpValve != 0);
  ShowStepChecks(editor);
  ShowRampFields(editor, host);
}

void ShowStepChecks(DialogPort& editor) {
  editor.SetChecked(IDC_STANDBY_CHECK, inletMethod.standbyEnabled != 0);
  editor.SetChecked(IDC_TIME5_CHECK, inletMethod.time5Enabled != 0);
  ShowRowChecks(editor, kOvenForm, inletMethod.ovenStep);
}

void EnableStepFields(DialogPort& editor, HostPort& host) {
  editor.EnableControl(IDC_TIME5, inletMethod.time5Enabled != 0);
  editor.EnableControl(IDC_STANDBY_TIME, inletMethod.standbyEnabled != 0);
  EnableRows(editor, kOvenForm, inletMethod.ovenStep);
  ShowRampFields(editor, host);
}

void ShowRampFields(DialogPort& editor, HostPort& host) {
  ShowRows(editor, host, kOvenForm, inletMethod.ovenStep, &OvenStep::temp);
}

void ReadStepChecks(DialogPort& editor) {
  editorValues.ovenStepsInUse = ReadRowChecks(editor, kOvenForm, inletMethod.ovenStep);
  inletMethod.time5Enabled = editor.IsChecked(IDC_TIME5_CHECK) ? 1 : 0;
  inletMethod.standbyEnabled = editor.IsChecked(IDC_STANDBY_CHECK) ? 1 : 0;
}

void ShiftStepAfterCheck(int checkId) {
  ShiftRowAfterCheck(kOvenForm, inletMethod.ovenStep, checkId);
}
