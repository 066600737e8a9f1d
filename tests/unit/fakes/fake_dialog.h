// A dialog window made of maps: what the logic wrote can be read back, what the user
// would have typed or answered is set up by the test, and every call that a sequence
// test looks at is logged in order.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/dialog_port.h"

class FakeDialog : public DialogPort {
 public:
  std::map<int, std::string> text;
  std::map<int, bool> checked, enabled, menuEnabled;
  std::vector<int> removedMenuPositions;
  std::vector<std::string> log;
  std::string title;
  int focusedId = 0, selectAllCount = 0;
  bool minimised = false, shown = true, destroyed = false;
  int closesPosted = 0, beeps = 0, invalidations = 0, menuRedraws = 0;
  int movedLeft = -1, movedTop = -1;
  PixelRect windowRect{10, 10, 410, 310};                    // 400 x 300
  PixelRect screen{0, 0, 1024, 768}, work{0, 0, 1024, 740};  // one screen, its task bar below
  WindowRef self = 0x1000, owner = 0x2000;
  std::deque<Answer> answers;         // for Ask, in order; Cancel when none is left
  std::function<void()> whileAsking;  // runs while a question is on screen
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

  std::string ControlText(int id) override { return text[id]; }
  void SetControlText(int id, std::string_view value) override {
    text[id] = std::string(value);
    Log("SetControlText", id);
  }
  bool IsChecked(int id) override { return checked[id]; }
  void SetChecked(int id, bool value) override { checked[id] = value; }
  void EnableControl(int id, bool value) override { enabled[id] = value; }
  void FocusControl(int id) override {
    focusedId = id;
    Log("FocusControl", id);
  }
  void SelectAllText(int id) override {
    ++selectAllCount;
    Log("SelectAllText", id);
  }
  int FocusedControlId() override { return focusedId; }
  void ClearList(int id) override {
    listItems[id].clear();
    listSelection[id] = -1;
  }
  void AddListItem(int id, std::string_view value) override { listItems[id].emplace_back(value); }
  void SelectListItem(int id, std::string_view value) override {
    const auto& items = listItems[id];
    const auto found = std::find(items.begin(), items.end(), value);
    listSelection[id] = found == items.end() ? -1 : static_cast<int>(found - items.begin());
  }
  int SelectedListItem(int id) override { return listSelection.count(id) ? listSelection[id] : -1; }
  WindowRef Self() override { return self; }
  WindowRef Owner() override { return owner; }
  void SetTitle(std::string_view value) override {
    title = std::string(value);
    Log("SetTitle");
  }
  bool IsMinimised() override { return minimised; }
  bool IsShown() override { return shown; }
  PixelRect WindowRect() override { return windowRect; }
  int CaptionHeight() override { return 18; }
  bool IsOnScreen(const PixelRect& a) override {
    return a.left < screen.right && a.right > screen.left && a.top < screen.bottom &&
           a.bottom > screen.top;
  }
  std::optional<PixelRect> NearestWorkArea(const PixelRect&) override { return work; }
  void MoveTo(int left, int top) override {
    movedLeft = left;
    movedTop = top;
    Log("MoveTo");
  }
  void Invalidate() override { Count(invalidations, "Invalidate"); }
  void PostClose() override { Count(closesPosted, "PostClose"); }
  void Destroy() override {
    destroyed = true;
    Log("Destroy");
  }
  void Beep() override { Count(beeps, "Beep"); }
  Answer Ask(std::string_view question, std::string_view caption, AskKind kind) override {
    questions.push_back({std::string(question), std::string(caption), kind});
    Log("Ask");
    if (whileAsking) whileAsking();
    if (answers.empty()) return Answer::kCancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  int RunDialog(ModalDialog dialog) override {
    dialogsRun.push_back(dialog);
    Log("RunDialog");
    return dialogResults[dialog];
  }
  void EndDialog(int result) override {
    endedWith.push_back(result);
    Log("EndDialog", result);
  }
  void ShowHelp(std::string_view file, int context) override {
    helpShown.emplace_back(std::string(file), context);
  }
  void EnableMenuItem(int id, bool value) override { menuEnabled[id] = value; }
  void RemoveMenuBarEntry(int position) override {
    removedMenuPositions.push_back(position);
    Log("RemoveMenuBarEntry", position);
  }
  void RedrawMenuBar() override { Count(menuRedraws, "RedrawMenuBar"); }

 private:
  // A call and, where a test looks at it, its argument.
  void Log(const char* call) { log.emplace_back(call); }
  void Count(int& calls, const char* call) {
    ++calls;
    Log(call);
  }
  void Log(const char* call, int id) {
    log.push_back(std::string(call) + " " + std::to_string(id));
  }
};
