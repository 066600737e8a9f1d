// GetIniString and the window positions: the host's INI settings and the geometry of
// a live window.
#include "hostutil.h"

#include "host_ini.h"
#include "no_throw.h"
#include "bounded_copy.h"
#include "hostutil/core/window_pos_text.h"

namespace {

// The normal (restored) rectangle of a minimised window in screen coordinates: its
// GetWindowRect is the icon's parking place, which must never be stored as a position.
bool RestoredRect(HWND window, RECT& rect) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window, &placement)) return false;
  rect = placement.rcNormalPosition;
  // rcNormalPosition is in workspace coordinates: offset by the work area's origin.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    OffsetRect(&rect, monitor.rcWork.left - monitor.rcMonitor.left,
               monitor.rcWork.top - monitor.rcMonitor.top);
  }
  return true;
}

// A window's rectangle as positions are reported: its place on the screen less its
// owner's reported corner (a window without an owner: its place on the screen). The host
// stores a window's place as its reported rectangle plus its owner's reported corner and
// restores it as a screen position; reported this way, that is the window's own place on
// the screen, so a window closed and opened again appears where it was, however deep
// its chain of owners. A minimised window counts with its restored rectangle.
bool ReportedRect(HWND window, RECT& rect, int depth) {
  const bool minimised = IsIconic(window) != FALSE;
  if (!(minimised ? RestoredRect(window, rect) : GetWindowRect(window, &rect) != FALSE)) {
    return false;
  }
  constexpr int kDeepestOwner = 16;  // owner chains are short; a cycle must still end
  HWND owner = GetWindow(window, GW_OWNER);
  RECT ownerRect{};
  if (owner && depth < kDeepestOwner && ReportedRect(owner, ownerRect, depth + 1)) {
    OffsetRect(&rect, -ownerRect.left, -ownerRect.top);
  }
  return true;
}

}  // namespace

HOSTUTIL_API int WINAPI GetIniString(const char* section, const char* key, const char* defaultText,
                                     char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const char* const fallback = defaultText ? defaultText : "";
  return NoThrow(0, [&] {
    // A null section or key would make the INI function list names instead.
    const std::string text =
        section && key ? hostutil::ReadIniValue(section, key, fallback) : std::string(fallback);
    return static_cast<int>(CopyBounded(buffer, static_cast<std::size_t>(size), text));
  });
}

HOSTUTIL_API int WINAPI GetIniWindPos(const char* section, const char* key, int /*reserved*/,
                                      WindowPos* pos) {
  if (section == nullptr || key == nullptr || pos == nullptr) return 0;
  return NoThrow(0, [&] {
    const auto stored = hostutil::ParseWindowPos(hostutil::ReadIniValue(section, key, ""));
    if (!stored) return 0;
    *pos = *stored;
    return 1;
  });
}

HOSTUTIL_API int WINAPI SetIniWindPos(const char* section, const char* key, const WindowPos* pos,
                                      int write) {
  if (section == nullptr || key == nullptr || pos == nullptr || !write) return 0;
  return NoThrow(0, [&] {
    return hostutil::WriteIniValue(section, key, hostutil::FormatWindowPos(*pos).c_str()) ? 1 : 0;
  });
}

HOSTUTIL_API int WINAPI ObtainWindPos(HWND window, WindowPos* pos) {
  if (pos == nullptr) return 0;
  *pos = WindowPos{};
  if (window == nullptr || !IsWindow(window)) return 0;
  RECT rect{};
  const bool minimised = IsIconic(window) != FALSE;
  if (!ReportedRect(window, rect, 0)) return 0;
  pos->showState = minimised ? 2 : IsZoomed(window) ? 3 : 1;
  pos->left = rect.left;
  pos->top = rect.top;
  pos->right = rect.right;
  pos->bottom = rect.bottom;
  return 1;
}
