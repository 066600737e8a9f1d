// Owners of the Win32 resources the demo host uses. Each releases its resource on
// every path out of a scope; none can be copied, so nothing is released twice.
#pragma once

#include <windows.h>

#include <utility>

namespace gchost {

// A handle released by one function of one argument (FreeLibrary, DeleteObject ...).
template <typename Handle, auto Free>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { Reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives up ownership, for a handle that something else now owns and releases.
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset() {
    if (handle_) Free(std::exchange(handle_, nullptr));
  }

 private:
  Handle handle_ = nullptr;
};

// A window may already be gone (closed by the user) when its owner object ends.
inline void DestroyLiveWindow(HWND window) {
  if (IsWindow(window)) DestroyWindow(window);
}
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }

using OwnedModule = Owned<HMODULE, FreeLibrary>;
using OwnedWindow = Owned<HWND, DestroyLiveWindow>;
using OwnedMenu = Owned<HMENU, DestroyMenu>;
using OwnedMemoryDc = Owned<HDC, DeleteDC>;
using OwnedBitmap = Owned<HBITMAP, DeleteGdiObject>;
using OwnedHook = Owned<HHOOK, UnhookWindowsHookEx>;

// The DC of a whole window, frame included, from GetWindowDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a DC for one scope; the previous one is selected back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  bool Ok() const { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

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
