// Menu states and the editor's INI options.
#include "editor/menu_states.h"

#include "method/number_text.h"
#include "resource_ids.h"

MenuStates DecideMenuStates(const InletMethod& method, const EditorValues& values) {
  return {values.methodModified, method.ulvo[0].mode != kUlvoManual,
          method.ulvo[1].mode != kUlvoManual};
}

void UpdateMenuStates(const EditorSession& session, DialogPort& editor) {
  const MenuStates states = DecideMenuStates(session.method, session.values);
  editor.EnableMenuItem(IDM_FILE_SAVE, states.save);
  // Once the ULVO pop-up is removed these items no longer exist and this does nothing.
  editor.EnableMenuItem(IDM_ULVO_LEFT, states.leftChannel);
  editor.EnableMenuItem(IDM_ULVO_RIGHT, states.rightChannel);
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
