// Showing the method in the editor's form and reading its check boxes.
#include "editor/oven_form.h"

#include <cstring>

#include "editor/form_fields.h"
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

void ShowMethod(EditorSession& session, DialogPort& editor, HostPort& host) {
  GlobalFileEntry entry{};
  if (!session.values.methodUntitled) host.GetGlobalFile(entry);
  editor.SetTitle(EditorTitle(session.values.methodUntitled, entry));
  const InletMethod& m = session.method;
  WriteNumberField(editor, host, IDC_ZONE1_TEMP, m.zone1Temp, kTempDecimals);
  WriteNumberField(editor, host, IDC_ZONE2_TEMP, m.zone2Temp, kTempDecimals);
  WriteNumberField(editor, host, IDC_ZONE3_TEMP, m.zone3Temp, kTempDecimals);
  WriteNumberField(editor, host, IDC_STANDBY_TIME, m.standbyTime, kTimeDecimals);
  WriteNumberField(editor, host, IDC_TIME5, m.time5, kTimeDecimals);
  editor.SetChecked(IDC_DUMP_VALVE, m.dumpValve != 0);
  ShowStepChecks(session, editor);
  ShowRampFields(session, editor, host);
}

void ShowStepChecks(const EditorSession& session, DialogPort& editor) {
  const InletMethod& m = session.method;
  editor.SetChecked(IDC_STANDBY_CHECK, m.standbyEnabled != 0);
  editor.SetChecked(IDC_TIME5_CHECK, m.time5Enabled != 0);
  ShowRowChecks(editor, kOvenForm, m.ovenStep);
}

void EnableStepFields(EditorSession& session, DialogPort& editor, HostPort& host) {
  const InletMethod& m = session.method;
  editor.EnableControl(IDC_TIME5, m.time5Enabled != 0);
  editor.EnableControl(IDC_STANDBY_TIME, m.standbyEnabled != 0);
  EnableRows(editor, kOvenForm, m.ovenStep);
  ShowRampFields(session, editor, host);
}

void ShowRampFields(EditorSession& session, DialogPort& editor, HostPort& host) {
  ShowRows(editor, host, kOvenForm, session.method.ovenStep);
}

void ReadStepChecks(EditorSession& session, DialogPort& editor) {
  InletMethod& m = session.method;
  ReadRowChecks(editor, kOvenForm, m.ovenStep);
  m.time5Enabled = editor.IsChecked(IDC_TIME5_CHECK) ? 1 : 0;
  m.standbyEnabled = editor.IsChecked(IDC_STANDBY_CHECK) ? 1 : 0;
}

void ShiftStepAfterCheck(EditorSession& session, int checkId) {
  ShiftRowAfterCheck(kOvenForm, session.method.ovenStep, checkId);
}
