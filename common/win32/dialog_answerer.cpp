// HCBT_ACTIVATE arrives after a dialog has initialised; each dialog is answered once.
#include "win32/dialog_answerer.h"

namespace {

DialogAnswerer* active = nullptr;

std::string WindowText(HWND window) {
  char buffer[1024] = "";
  if (window) GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

}  // namespace

DialogAnswerer::DialogAnswerer() {
  active = this;
  hook_ = decltype(hook_)(SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId()));
}

DialogAnswerer::~DialogAnswerer() {
  hook_.Reset();
  active = nullptr;
}

void DialogAnswerer::Press(int buttonId) {
  actions_.push_back([buttonId](HWND dialog) { Click(dialog, buttonId); });
}

void DialogAnswerer::Then(Action action) { actions_.push_back(std::move(action)); }

void DialogAnswerer::Click(HWND dialog, int buttonId) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

LRESULT CALLBACK DialogAnswerer::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && active) active->OnActivate(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogAnswerer::OnActivate(HWND window) {
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  // Only system dialogs: the modeless editor has a class of its own and is not answered.
  // A dialog is answered once; it is activated again when a box it opened closes.
  if (std::string(className) != "#32770" || !answered_.insert(window).second) return;
  seen_.push_back({WindowText(window), WindowText(GetDlgItem(window, 0xFFFF))});
  if (actions_.empty()) {
    if (rest_ != 0) {
      Click(window, rest_);
      return;
    }
    cancelled_.push_back(seen_.back());
    Click(window, IDCANCEL);
    return;
  }
  Action action = std::move(actions_.front());
  actions_.pop_front();
  action(window);
}
