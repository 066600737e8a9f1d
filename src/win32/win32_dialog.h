// DialogPort over a real dialog window.
#pragma once

#include <windows.h>

#include "ui/dialog_port.h"

class Win32Dialog final : public DialogPort {
 public:
  explicit Win32Dialog(HWND window) : window_(window) {}

  std::string ControlText(int id) override;
  void SetControlText(int id, std::string_view text) override;
  bool IsChecked(int id) override;
  void SetChecked(int id, bool checked) override;
  void EnableControl(int id, bool enabled) override;
  void FocusControl(int id) override;
  void SelectAllText(int id) override;
  int FocusedControlId() override;
  void ClearList(int id) override;
  void AddListItem(int id, std::string_view text) override;
  void SelectListItem(int id, std::string_view text) override;
  int SelectedListItem(int id) override;

  WindowRef Self() override;
  WindowRef Owner() override;
  void SetTitle(std::string_view title) override;
  bool IsMinimised() override;
  bool IsShown() override;
  void MoveTo(int left, int top) override;
  PixelRect WindowRect() override;
  int CaptionHeight() override;
  bool IsOnScreen(const PixelRect& area) override;
  std::optional<PixelRect> NearestWorkArea(const PixelRect& area) override;
  void Invalidate() override;
  void PostClose() override;
  void Destroy() override;
  void Beep() override;
  Answer Ask(std::string_view text, std::string_view caption, AskKind kind) override;
  int RunDialog(ModalDialog dialog) override;
  void EndDialog(int result) override;
  void ShowHelp(std::string_view helpFile, int context) override;

  void EnableMenuItem(int id, bool enabled) override;
  void RemoveMenuBarEntry(int position) override;
  void RedrawMenuBar() override;

 private:
  HWND window_;
};

inline WindowRef ToWindowRef(HWND window) { return reinterpret_cast<WindowRef>(window); }
inline HWND ToHwnd(WindowRef window) { return reinterpret_cast<HWND>(window); }
