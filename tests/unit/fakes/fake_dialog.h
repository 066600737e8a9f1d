// A dialog window made of maps: what the logic wrote can be read back, what the user
// would have typed or answered is set up by the test, and every call is logged in
// order so that sequences can be checked.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "ui/dialog_port.h"

class FakeDialog : public DialogPort {
 public:
  std::map<int, std::string> text;
  std::map<int, bool> checked;
  std::map<int, bool> enabled;
  std::map<int, bool> menuEnabled;
  std::vector<int> removedMenuPositions;
  std::vector<std::string> log;
  std::string title;
  int focusedId = 0;
  int selectAllCount = 0;
  bool minimised = false;
  bool shown = true;
  bool destroyed = false;
  int closesPosted = 0;
  int beeps = 0;
  int invalidations = 0;
  int menuRedraws = 0;
  int movedLeft = -1;
  int movedTop = -1;
  WindowRef self = 0x1000;
  WindowRef owner = 0x2000;
  std::deque<Answer> answers;  // for Ask, in order; Cancel when none is left
  struct Question {
    std::string text, caption;
    AskKind kind;
  };
  std::vector<Question> questions;
  std::map<ModalDialog, int> dialogResults;  // what each modal dialog returns (default 0)
  std::vector<ModalDialog> dialogsRun;
  std::vector<std::pair<std::string, int>> helpShown;
  std::map<int, std::vector<std::string>> listItems;
  std::map<int, int> listSelection;  // -1 or absent: nothing selected
  std::vector<int> endedWith;        // every EndDialog result, in order

  std::string ControlText(int id) override;
  void SetControlText(int id, std::string_view value) override;
  bool IsChecked(int id) override;
  void SetChecked(int id, bool value) override;
  void EnableControl(int id, bool value) override;
  void FocusControl(int id) override;
  void SelectAllText(int id) override;
  int FocusedControlId() override;
  void ClearList(int id) override;
  void AddListItem(int id, std::string_view text) override;
  void SelectListItem(int id, std::string_view text) override;
  int SelectedListItem(int id) override;
  WindowRef Self() override;
  WindowRef Owner() override;
  void SetTitle(std::string_view value) override;
  bool IsMinimised() override;
  bool IsShown() override;
  void MoveTo(int left, int top) override;
  void Invalidate() override;
  void PostClose() override;
  void Destroy() override;
  void Beep() override;
  Answer Ask(std::string_view question, std::string_view caption, AskKind kind) override;
  int RunDialog(ModalDialog dialog) override;
  void EndDialog(int result) override;
  void ShowHelp(std::string_view helpFile, int context) override;
  void EnableMenuItem(int id, bool value) override;
  void RemoveMenuBarEntry(int position) override;
  void RedrawMenuBar() override;
};
