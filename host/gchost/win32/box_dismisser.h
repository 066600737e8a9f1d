// In an unattended run nobody can answer a message box. While a BoxDismisser lives,
// every system dialog (class "#32770") that this thread opens is cancelled as soon as
// it is activated, and its caption and text are kept so the run can report them
// instead of waiting for ever; only the dialogs the run expects are handed, in order,
// to the actions it queued for them.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "gchost/win32/win_handles.h"

namespace gchost {

class BoxDismisser {
 public:
  BoxDismisser();
  ~BoxDismisser();
  BoxDismisser(const BoxDismisser&) = delete;
  BoxDismisser& operator=(const BoxDismisser&) = delete;

  // The next dialog activated goes to `action` (which must end it) instead.
  void AnswerNext(std::function<void(HWND dialog)> action);

  // "caption: text" of every dialog cancelled so far, in order.
  const std::vector<std::string>& Dismissed() const { return dismissed_; }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

  OwnedHook hook_;
  std::vector<std::string> dismissed_;
  std::set<HWND> cancelled_;
  std::deque<std::function<void(HWND)>> actions_;
};

}  // namespace gchost
