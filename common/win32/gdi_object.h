// Owners of GDI resources, so that every pen, brush, bitmap, DC and selection is
// released on every path. Not copyable: a copy would delete the handle twice.
#pragma once

#include <windows.h>

#include "win32/owned_handle.h"

// A GDI object (pen, brush, bitmap, font) deleted with DeleteObject.
template <typename Handle>
using GdiObject = OwnedHandle<Handle, DeleteObject>;

// Selects an object into a DC for one scope and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (Ok()) SelectObject(dc_, previous_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

  // False when the selection failed (a bitmap already selected elsewhere, a null object).
  bool Ok() const { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory DC compatible with another, deleted with DeleteDC. Check with operator bool.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  HDC Get() const { return dc_.Get(); }
  explicit operator bool() const { return static_cast<bool>(dc_); }

 private:
  OwnedHandle<HDC, DeleteDC> dc_;
};

// A window's DC, released with ReleaseDC: its client area from GetDC, or the whole
// window, frame included, from GetWindowDC.
class WindowDC {
 public:
  enum Area { kClientArea, kWholeWindow };
  explicit WindowDC(HWND window, Area area = kClientArea)
      : window_(window), dc_(area == kWholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
