// Restoring and storing window positions through the host's INI file.
#include "editor/window_position.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "method/number_text.h"

namespace {

// Host positions are 32-bit; two of them added must not overflow.
int32_t Offset(int32_t value, int32_t by) {
  return SaturateToInt32(static_cast<double>(value) + static_cast<double>(by));
}

// Where a window's top-left corner goes, in screen pixels.
struct ScreenPoint {
  int32_t left, top;
};

// The strip a user drags a window by, for the window `now` (its size) moved to `at`.
PixelRect CaptionStrip(ScreenPoint at, const PixelRect& now, int captionHeight) {
  return {at.left, at.top, at.left + (now.right - now.left), at.top + captionHeight};
}

// `at` moved so that the window `now` (its size) lies within `work`; where it is larger,
// its top-left corner stays in it.
ScreenPoint KeepInWorkArea(ScreenPoint at, const PixelRect& now, const PixelRect& work) {
  const int32_t width = now.right - now.left;
  const int32_t height = now.bottom - now.top;
  return {std::max(work.left, std::min(at.left, work.right - width)),
          std::max(work.top, std::min(at.top, work.bottom - height))};
}

}  // namespace

void RestoreWindowPosition(DialogPort& window, HostPort& host, std::string_view section,
                           std::string_view key) {
  WindowPos pos{};
  if (!host.GetIniWindPos(section, key, pos) || pos.top < 0 || pos.left < 0) return;
  // Beyond any screen, and far from overflowing when the window's size is added.
  constexpr int32_t kFar = 1 << 28;
  ScreenPoint at{std::min(pos.left, kFar), std::min(pos.top, kFar)};
  const PixelRect now = window.WindowRect();
  const PixelRect caption = CaptionStrip(at, now, window.CaptionHeight());
  if (!window.IsOnScreen(caption)) {
    if (const std::optional<PixelRect> work = window.NearestWorkArea(caption)) {
      at = KeepInWorkArea(at, now, *work);
    }
  }
  window.MoveTo(at.left, at.top);
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
