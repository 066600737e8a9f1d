// One owner for every handle that a single function releases (DeleteObject, DeleteDC,
// FreeLibrary, CloseHandle ...): released on every path out of a scope, never copied,
// so never released twice. Needs no <windows.h>: the release function is a parameter.
#pragma once

#include <utility>

// The value a handle holds when it names nothing: a null pointer for most handle types.
template <typename Handle>
constexpr Handle NoHandle() {
  return Handle{};
}

// Owns a Handle and calls Free(handle) once when done with it. `Empty` gives the value
// that means "no handle" for handles whose failure value is not null (a file's
// INVALID_HANDLE_VALUE); that value is never freed.
template <typename Handle, auto Free, auto Empty = NoHandle<Handle>>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  ~OwnedHandle() { Reset(); }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Release()) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = other.Release();
    }
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Empty(); }
  // Gives up ownership, for a handle that something else now releases (or that the
  // caller releases itself to see whether that succeeded).
  Handle Release() { return std::exchange(handle_, Empty()); }
  void Reset() {
    if (*this) Free(Release());
  }

 private:
  Handle handle_ = Empty();
};
