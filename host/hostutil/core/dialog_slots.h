// The host's registry of open dialog windows: a fixed table of slots, each holding one
// window (or null). Windows are opaque here; the DLL stores HWNDs.
#pragma once

#include <array>
#include <atomic>

namespace hostutil {

class DialogSlotTable {
 public:
  static constexpr int kSlotCount = 32;

  DialogSlotTable() = default;
  DialogSlotTable(const DialogSlotTable&) = delete;
  DialogSlotTable& operator=(const DialogSlotTable&) = delete;

  // Null for an empty slot and for any slot outside 0..kSlotCount-1.
  void* Get(int slot) const;
  // Records `window` (null clears); a slot outside the table is ignored, as the host's
  // SetGlobalDialogWnd, which reports nothing, ignores it.
  void Set(int slot, void* window);

 private:
  static bool InRange(int slot) { return slot >= 0 && slot < kSlotCount; }

  // A host may poll a slot from a worker thread while its UI thread sets it.
  std::array<std::atomic<void*>, kSlotCount> slots_{};
};

}  // namespace hostutil
