// Restoring and storing window positions through the host's INI file.
#include "editor/window_position.h"

#include <cstdint>

#include "method/number_text.h"

namespace {
// Host positions are 32-bit; two of them added must not overflow.
int32_t Offset(int32_t value, int32_t by) {
  return SaturateToInt32(static_cast<double>(value) + static_cast<double>(by));
}
}  // namespace

void RestoreWindowPosition(DialogPort& window, HostPort& host, std::string_view section,
                           std::string_view key) {
  WindowPos pos{};
  if (host.GetIniWindPos(section, key, pos) && pos.top >= 0 && pos.left >= 0) {
    window.MoveTo(pos.left, pos.top);
  }
}

void StoreWindowPosition(DialogPort& window, HostPort& host, std::string_view section,
                         std::string_view key) {
  if (window.IsMinimised()) return;
  WindowPos pos = host.ObtainWindPos(window.Self());
  const WindowPos owner = host.ObtainWindPos(window.Owner());
  pos.left = Offset(pos.left, owner.left);
  pos.right = Offset(pos.right, owner.left);
  pos.top = Offset(pos.top, owner.top);
  pos.bottom = Offset(pos.bottom, owner.top);
  host.SetIniWindPos(section, key, pos);
}
