#include "fakes/fake_dialog.h"

#include <algorithm>

std::string FakeDialog::ControlText(int id) { return text[id]; }
void FakeDialog::SetControlText(int id, std::string_view value) {
  text[id] = std::string(value);
  log.push_back("SetControlText " + std::to_string(id));
}
bool FakeDialog::IsChecked(int id) { return checked[id]; }
void FakeDialog::SetChecked(int id, bool value) { checked[id] = value; }
void FakeDialog::EnableControl(int id, bool value) { enabled[id] = value; }
void FakeDialog::FocusControl(int id) {
  focusedId = id;
  log.push_back("FocusControl " + std::to_string(id));
}
void FakeDialog::SelectAllText(int id) {
  ++selectAllCount;
  log.push_back("SelectAllText " + std::to_string(id));
}
int FakeDialog::FocusedControlId() { return focusedId; }
void FakeDialog::ClearList(int id) {
  listItems[id].clear();
  listSelection[id] = -1;
}
void FakeDialog::AddListItem(int id, std::string_view value) { listItems[id].emplace_back(value); }
void FakeDialog::SelectListItem(int id, std::string_view value) {
  const auto& items = listItems[id];
  const auto found = std::find(items.begin(), items.end(), value);
  listSelection[id] = found == items.end() ? -1 : static_cast<int>(found - items.begin());
}
int FakeDialog::SelectedListItem(int id) {
  const auto found = listSelection.find(id);
  return found == listSelection.end() ? -1 : found->second;
}
WindowRef FakeDialog::Self() { return self; }
WindowRef FakeDialog::Owner() { return owner; }
void FakeDialog::SetTitle(std::string_view value) {
  title = std::string(value);
  log.push_back("SetTitle");
}
bool FakeDialog::IsMinimised() { return minimised; }
bool FakeDialog::IsShown() { return shown; }
void FakeDialog::MoveTo(int left, int top) {
  movedLeft = left;
  movedTop = top;
  log.push_back("MoveTo");
}
void FakeDialog::Invalidate() {
  ++invalidations;
  log.push_back("Invalidate");
}
void FakeDialog::PostClose() {
  ++closesPosted;
  log.push_back("PostClose");
}
void FakeDialog::Destroy() {
  destroyed = true;
  log.push_back("Destroy");
}
void FakeDialog::Beep() {
  ++beeps;
  log.push_back("Beep");
}
Answer FakeDialog::Ask(std::string_view question, std::string_view caption, AskKind kind) {
  questions.push_back({std::string(question), std::string(caption), kind});
  log.push_back("Ask");
  if (answers.empty()) return Answer::kCancel;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}
int FakeDialog::RunDialog(ModalDialog dialog) {
  dialogsRun.push_back(dialog);
  log.push_back("RunDialog");
  return dialogResults[dialog];
}
void FakeDialog::EndDialog(int result) {
  endedWith.push_back(result);
  log.push_back("EndDialog " + std::to_string(result));
}
void FakeDialog::ShowHelp(std::string_view helpFile, int context) {
  helpShown.emplace_back(std::string(helpFile), context);
}
void FakeDialog::EnableMenuItem(int id, bool value) { menuEnabled[id] = value; }
void FakeDialog::RemoveMenuBarEntry(int position) {
  removedMenuPositions.push_back(position);
  log.push_back("RemoveMenuBarEntry " + std::to_string(position));
}
void FakeDialog::RedrawMenuBar() {
  ++menuRedraws;
  log.push_back("RedrawMenuBar");
}
