// Answers the system dialogs (class "#32770": message boxes, file dialogs, modal
// dialogs) that this thread opens, from a thread-local CBT hook: the hook runs once a
// dialog has initialised, so its caption, text and fields can be read there before a
// button is pressed. Answers are queued in the order the dialogs are expected; any other
// dialog is cancelled and kept, so that an unattended run or a test never waits for a
// click nobody makes.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "win32/owned_handle.h"

struct SeenDialog {
  std::string caption;
  std::string text;  // a message box's message (its static control 0xFFFF)
};

class DialogAnswerer {
 public:
  using Action = std::function<void(HWND dialog)>;

  // One answerer at a time on a thread.
  DialogAnswerer();
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Answer the next dialog by pressing the button with this id (IDYES, IDOK ...).
  void Press(int buttonId);
  // Answer the next dialog with an action of the caller's own (it must end the dialog).
  void Then(Action action);
  // Answers every dialog nothing is queued for by pressing this button instead of
  // cancelling it as unexpected: for runs that meet messages they cannot foresee.
  void AnswerTheRestWith(int buttonId) { rest_ = buttonId; }

  // Every dialog so far, in order.
  const std::vector<SeenDialog>& Seen() const { return seen_; }
  // The dialogs that found no answer queued and were cancelled, in order.
  const std::vector<SeenDialog>& Cancelled() const { return cancelled_; }

  // Presses a button of a dialog the way a click does.
  static void Click(HWND dialog, int buttonId);

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void OnActivate(HWND window);

  OwnedHandle<HHOOK, UnhookWindowsHookEx> hook_;
  std::deque<Action> actions_;
  std::vector<SeenDialog> seen_;
  std::vector<SeenDialog> cancelled_;
  int rest_ = 0;
  std::set<HWND> answered_;
};
