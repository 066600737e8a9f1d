// A thread-local CBT hook: HCBT_ACTIVATE arrives after a dialog has initialised, so its
// caption and message can be read before it is cancelled.
#include "gchost/win32/box_dismisser.h"

namespace gchost {

namespace {

BoxDismisser* active = nullptr;

std::string TextOf(HWND window) {
  char text[1024] = "";
  if (window) GetWindowTextA(window, text, sizeof text);
  return text;
}

}  // namespace

BoxDismisser::BoxDismisser() {
  active = this;
  hook_ = OwnedHook(SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId()));
}

BoxDismisser::~BoxDismisser() {
  hook_.Reset();
  active = nullptr;
}

void BoxDismisser::AnswerNext(std::function<void(HWND dialog)> action) {
  actions_.push_back(std::move(action));
}

LRESULT CALLBACK BoxDismisser::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && active) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    // A dialog is activated again whenever a box it opened closes: cancel it once.
    if (std::string(className) == "#32770" && active->cancelled_.insert(window).second) {
      if (!active->actions_.empty()) {
        const auto action = std::move(active->actions_.front());
        active->actions_.pop_front();
        action(window);
        return CallNextHookEx(nullptr, code, wParam, lParam);
      }
      // The message of a message box is its static control 0xFFFF.
      active->dismissed_.push_back(TextOf(window) + ": " + TextOf(GetDlgItem(window, 0xFFFF)));
      PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(window, IDCANCEL)));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace gchost
