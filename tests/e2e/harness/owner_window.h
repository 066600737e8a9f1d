// A plain top-level window that plays the host's main window: the editor's owner.
#pragma once

#include <windows.h>

namespace e2e {

class OwnerWindow {
 public:
  OwnerWindow(int left, int top);  // 640 x 480 at (left, top)
  ~OwnerWindow();
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  HWND Get() const { return window_; }

 private:
  HWND window_;
};

}  // namespace e2e
