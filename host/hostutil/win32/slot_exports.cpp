// GetGlobalDialogWnd / SetGlobalDialogWnd: the process-wide table of open dialogs.
#include "hostutil.h"

#include "hostutil/core/dialog_slots.h"

namespace {
static_assert(hostutil::DialogSlotTable::kSlotCount == kDialogSlots);

hostutil::DialogSlotTable& Slots() {
  static hostutil::DialogSlotTable table;
  return table;
}
}  // namespace

HOSTUTIL_API HWND WINAPI GetGlobalDialogWnd(int slot) {
  return static_cast<HWND>(Slots().Get(slot));
}

HOSTUTIL_API void WINAPI SetGlobalDialogWnd(int slot, HWND window) { Slots().Set(slot, window); }
