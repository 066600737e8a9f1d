// The dialog-slot table's range rules.
#include "hostutil/core/dialog_slots.h"

namespace hostutil {

void* DialogSlotTable::Get(int slot) const {
  return InRange(slot) ? slots_[static_cast<std::size_t>(slot)].load() : nullptr;
}

void DialogSlotTable::Set(int slot, void* window) {
  if (InRange(slot)) slots_[static_cast<std::size_t>(slot)].store(window);
}

}  // namespace hostutil
