// Answers the message boxes and modal dialogs that the code under test opens, from a
// thread-local CBT hook: the hook runs after the dialog has initialised, so its caption,
// text and fields can be read there before a button is pressed. Answers are queued by
// the test in the order the dialogs are expected; anything unexpected is cancelled and
// counted, so a test never hangs on a dialog nobody answers.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace e2e {

struct SeenDialog {
  std::string caption;
  std::string text;  // a message box's message (its static control 0xFFFF)
};

class DialogAnswerer {
 public:
  using Action = std::function<void(HWND dialog)>;

  DialogAnswerer();
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Answer the next dialog by pressing the button with this id (IDYES, IDOK ...).
  void Press(int buttonId);
  // Answer the next dialog with an action of the test's own (it must end the dialog).
  void Then(Action action);
  // Answer every dialog nothing is queued for by pressing this button, and count none of
  // them as unexpected: for tests that meet messages they cannot foresee one by one.
  void AnswerTheRestWith(int buttonId) { rest_ = buttonId; }

  const std::vector<SeenDialog>& Seen() const { return seen_; }
  int Unexpected() const { return unexpected_; }

  // Presses a button of a dialog the way a click does.
  static void Click(HWND dialog, int buttonId);

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void OnActivate(HWND window);

  HHOOK hook_ = nullptr;
  std::deque<Action> actions_;
  std::vector<SeenDialog> seen_;
  std::set<HWND> answered_;
  int unexpected_ = 0;
  int rest_ = 0;
};

}  // namespace e2e
