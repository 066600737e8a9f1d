// Choosing the two ULVO channels' modes.
#include "ulvo/ulvo_config.h"

#include <iterator>

#include "resource_ids.h"

namespace {

constexpr const char* kModeTexts[] = {"Manual", "Flow", "Pressure"};
constexpr int kModeCount = static_cast<int>(std::size(kModeTexts));
constexpr int kModeLists[] = {IDC_ULVO_LEFT_MODE, IDC_ULVO_RIGHT_MODE};
constexpr int kChannels = static_cast<int>(std::size(kModeLists));

const char* ModeText(int32_t mode) {
  return mode >= 0 && mode < kModeCount ? kModeTexts[mode] : kModeTexts[kUlvoManual];
}

// Both selections into the modes; a list with no selection leaves its mode as it was.
void StoreUlvoModes(InletMethod& method, DialogPort& dialog) {
  for (int channel = 0; channel < kChannels; ++channel) {
    const int selected = dialog.SelectedListItem(kModeLists[channel]);
    if (selected >= 0 && selected < kModeCount) method.ulvo[channel].mode = selected;
  }
}

}  // namespace

void ShowUlvoModes(const InletMethod& method, DialogPort& dialog) {
  for (int channel = 0; channel < kChannels; ++channel) {
    const int list = kModeLists[channel];
    dialog.ClearList(list);
    for (const char* text : kModeTexts) dialog.AddListItem(list, text);
    dialog.SelectListItem(list, ModeText(method.ulvo[channel].mode));
  }
}

void OnUlvoConfigCommand(InletMethod& method, DialogPort& dialog, int id) {
  switch (id) {
    case CMD_ENTER:
      StoreUlvoModes(method, dialog);
      dialog.EndDialog(1);
      break;
    case CMD_ESCAPE: dialog.EndDialog(0); break;
    default: break;
  }
}
