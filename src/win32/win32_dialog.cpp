// DialogPort over a real dialog window: each call is one USER call, no decisions.
#include "win32/win32_dialog.h"

#include <algorithm>
#include <string>

#include "entry/exports.h"
#include "entry/module.h"
#include "resource_ids.h"

namespace {
// Longer than any field or title the editor shows; a longer text is cut.
constexpr int kTextLimit = 1024;
}  // namespace

std::string Win32Dialog::ControlText(int id) {
  char buffer[kTextLimit] = "";
  GetDlgItemTextA(window_, id, buffer, kTextLimit);
  return buffer;
}

void Win32Dialog::SetControlText(int id, std::string_view text) {
  SetDlgItemTextA(window_, id, std::string(text).c_str());
}

bool Win32Dialog::IsChecked(int id) { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

void Win32Dialog::SetChecked(int id, bool checked) {
  CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32Dialog::EnableControl(int id, bool enabled) {
  EnableWindow(GetDlgItem(window_, id), enabled);
}

void Win32Dialog::FocusControl(int id) { SetFocus(GetDlgItem(window_, id)); }

void Win32Dialog::SelectAllText(int id) { SendDlgItemMessageA(window_, id, EM_SETSEL, 0, -1); }

int Win32Dialog::FocusedControlId() {
  HWND focus = GetFocus();
  return focus && IsChild(window_, focus) ? GetDlgCtrlID(focus) : 0;
}

void Win32Dialog::ClearList(int id) { SendDlgItemMessageA(window_, id, CB_RESETCONTENT, 0, 0); }

void Win32Dialog::AddListItem(int id, std::string_view text) {
  const std::string item(text);
  SendDlgItemMessageA(window_, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

// CB_SELECTSTRING would take any entry that merely begins with the text.
void Win32Dialog::SelectListItem(int id, std::string_view text) {
  const std::string item(text);
  const LRESULT index =
      SendDlgItemMessageA(window_, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                          reinterpret_cast<LPARAM>(item.c_str()));
  SendDlgItemMessageA(window_, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32Dialog::SelectedListItem(int id) {
  const LRESULT index = SendDlgItemMessageA(window_, id, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

WindowRef Win32Dialog::Self() { return ToWindowRef(window_); }

WindowRef Win32Dialog::Owner() { return ToWindowRef(GetWindow(window_, GW_OWNER)); }

void Win32Dialog::SetTitle(std::string_view title) {
  SetWindowTextA(window_, std::string(title).c_str());
}

bool Win32Dialog::IsMinimised() { return IsIconic(window_) != 0; }

bool Win32Dialog::IsShown() { return IsWindowVisible(window_) != 0; }

// A stored place can lie off every screen (a monitor since removed, host.ini edited by
// hand): the window then goes to the nearest monitor's work area, where it can be reached.
void Win32Dialog::MoveTo(int left, int top) {
  RECT now{};
  GetWindowRect(window_, &now);
  const LONG width = now.right - now.left;
  const LONG height = now.bottom - now.top;
  constexpr LONG kFar = 1 << 28;  // beyond any screen, and far from overflowing
  left = std::clamp<LONG>(left, -kFar, kFar);
  top = std::clamp<LONG>(top, -kFar, kFar);
  // The caption strip is what a user drags a window by: it must be on some screen.
  const RECT caption{left, top, left + width, top + GetSystemMetrics(SM_CYCAPTION)};
  if (!MonitorFromRect(&caption, MONITOR_DEFAULTTONULL)) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&caption, MONITOR_DEFAULTTONEAREST), &monitor)) {
      const RECT& work = monitor.rcWork;
      left = std::max(work.left, std::min<LONG>(left, work.right - width));
      top = std::max(work.top, std::min<LONG>(top, work.bottom - height));
    }
  }
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Win32Dialog::Invalidate() { InvalidateRect(window_, nullptr, FALSE); }

void Win32Dialog::PostClose() { PostMessageA(window_, WM_CLOSE, 0, 0); }

void Win32Dialog::Destroy() { DestroyWindow(window_); }

void Win32Dialog::Beep() { MessageBeep(0); }

Answer Win32Dialog::Ask(std::string_view text, std::string_view caption, AskKind kind) {
  const UINT type = kind == AskKind::kYesNoCancel ? MB_YESNOCANCEL : MB_OK | MB_ICONINFORMATION;
  switch (MessageBoxA(window_, std::string(text).c_str(), std::string(caption).c_str(), type)) {
    case IDYES: return Answer::kYes;
    case IDNO: return Answer::kNo;
    case IDOK: return Answer::kOk;
    default: return Answer::kCancel;
  }
}

int Win32Dialog::RunDialog(ModalDialog dialog) {
  const char* name = VALVE_DIALOG;
  DLGPROC procedure = AcqGCInletEventWndProc;
  switch (dialog) {
    case ModalDialog::kValveTimetable: break;
    case ModalDialog::kUlvoConfiguration:
      name = ULVO_CONFIG_DIALOG;
      procedure = AcqULVOConfigWndProc;
      break;
    case ModalDialog::kUlvoControl:
      name = ULVO_CONTROL_DIALOG;
      procedure = AcqULVOControlWndProc;
      break;
  }
  const INT_PTR result = DialogBoxParamA(moduleInstance, name, window_, procedure, 0);
  return result == -1 ? kDialogNotCreated : static_cast<int>(result);
}

void Win32Dialog::EndDialog(int result) { ::EndDialog(window_, result); }

void Win32Dialog::ShowHelp(std::string_view helpFile, int context) {
  WinHelpA(window_, std::string(helpFile).c_str(), HELP_CONTEXT, context);
}

void Win32Dialog::EnableMenuItem(int id, bool enabled) {
  ::EnableMenuItem(GetMenu(window_), id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Win32Dialog::RemoveMenuBarEntry(int position) {
  DeleteMenu(GetMenu(window_), position, MF_BYPOSITION);
}

void Win32Dialog::RedrawMenuBar() { DrawMenuBar(window_); }
