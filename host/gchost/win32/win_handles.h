// Owners of the Win32 resources the demo host uses beyond the GDI ones of
// win32/gdi_object.h. Each releases its resource on every path out of a scope; none can
// be copied, so nothing is released twice.
#pragma once

#include <windows.h>

#include "win32/owned_handle.h"

namespace gchost {

// A window may already be gone (closed by the user) when its owner object ends.
inline void DestroyLiveWindow(HWND window) {
  if (IsWindow(window)) DestroyWindow(window);
}

using OwnedModule = OwnedHandle<HMODULE, FreeLibrary>;
using OwnedWindow = OwnedHandle<HWND, DestroyLiveWindow>;
using OwnedMenu = OwnedHandle<HMENU, DestroyMenu>;

// A registered window class, unregistered when the host is done with it.
class RegisteredClass {
 public:
  explicit RegisteredClass(const WNDCLASSEXA& wc)
      : instance_(wc.hInstance), atom_(RegisterClassExA(&wc)) {}
  ~RegisteredClass() {
    if (atom_) UnregisterClassA(MAKEINTATOM(atom_), instance_);
  }
  RegisteredClass(const RegisteredClass&) = delete;
  RegisteredClass& operator=(const RegisteredClass&) = delete;
  explicit operator bool() const { return atom_ != 0; }

 private:
  HINSTANCE instance_;
  ATOM atom_;
};

}  // namespace gchost
