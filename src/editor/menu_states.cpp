// Menu states and the editor's INI options.
#include "editor/menu_states.h"

#include "method/number_text.h"
#include "resource_ids.h"

void UpdateMenuStates(const EditorSession& session, DialogPort& editor) {
  editor.EnableMenuItem(IDM_FILE_SAVE, session.values.methodModified);
  // Once the ULVO pop-up is removed these items no longer exist and this does nothing.
  editor.EnableMenuItem(IDM_ULVO_LEFT, session.method.ulvo[0].mode != kUlvoManual);
  editor.EnableMenuItem(IDM_ULVO_RIGHT, session.method.ulvo[1].mode != kUlvoManual);
}

void ApplyUlvoMenuOption(DialogPort& editor, HostPort& host) {
  const std::string option =
      host.GetIniString(kOptionSection, "ULVOControl", "0", kOptionBufferSize);
  if (ReadWholeNumber(option) == 0) editor.RemoveMenuBarEntry(MENU_POS_ULVO);
  editor.RedrawMenuBar();
}

void LoadMinOvenTemp(EditorValues& values, HostPort& host) {
  const std::string option =
      host.GetIniString(kOptionSection, "TOVREXMinTemp", "0", kOptionBufferSize);
  const float minimum = SaturateToFloat(ReadDecimalNumber(option));
  const bool sane = minimum >= kLowestMinOvenTemp && minimum <= kHighestMinOvenTemp;
  values.minOvenTemp = sane ? minimum : 0.0f;
}
