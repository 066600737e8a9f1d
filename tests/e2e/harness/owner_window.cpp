#include "harness/owner_window.h"

namespace e2e {

namespace {
const char* RegisterOwnerClass() {
  static const char* name = nullptr;
  if (!name) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "E2EHostMain";
    RegisterClassA(&wc);
    name = wc.lpszClassName;
  }
  return name;
}
}  // namespace

OwnerWindow::OwnerWindow(int left, int top)
    : window_(CreateWindowExA(0, RegisterOwnerClass(), "GC Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              left, top, 640, 480, nullptr, nullptr, GetModuleHandleA(nullptr),
                              nullptr)) {}

OwnerWindow::~OwnerWindow() {
  if (window_) DestroyWindow(window_);
}

}  // namespace e2e
