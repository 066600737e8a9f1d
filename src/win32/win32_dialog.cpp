// DialogPort over a real dialog window: each call is one USER call, no decisions.
#include "win32/win32_dialog.h"

#include <algorithm>
#include <string>

#include "entry/exports.h"
#include "entry/module.h"
#include "resource_ids.h"
#include "win32/graph_window_record.h"

namespace {
// Longer than any field or title the editor shows; a longer text is cut.
constexpr int kTextLimit = 1024;

// SendDlgItemMessage, with the control found through ControlOf: the editor sets, reads
// and enables dozens of controls as it opens, and each GetDlgItem is a window-server round
// trip under Wine. 0 when the window has no such control, as SendDlgItemMessage answers.
LRESULT SendToControl(HWND window, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND control = ControlOf(window, id);
  return control ? SendMessageA(control, message, wParam, lParam) : 0;
}

bool HoldsText(HWND control, std::string_view text) {
  if (SendMessageA(control, WM_GETTEXTLENGTH, 0, 0) != static_cast<LRESULT>(text.size())) {
    return false;
  }
  std::string now(text.size() + 1, '\0');
  SendMessageA(control, WM_GETTEXT, now.size(), reinterpret_cast<LPARAM>(now.data()));
  return std::string_view(now.c_str()) == text;
}
}  // namespace

std::string Win32Dialog::ControlText(int id) {
  char buffer[kTextLimit] = "";
  SendToControl(window_, id, WM_GETTEXT, kTextLimit, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

// While the window is not yet shown, a control that already holds the text is not written
// again: opening the editor or the channel dialog writes the ramp rows twice (with the
// method, then as the rows in use are enabled), and under Wine each write to an edit
// field costs about 50 us, a read about a tenth of that. Nothing of it is seen, and the
// field's change notice went out with the first write.
void Win32Dialog::SetControlText(int id, std::string_view text) {
  HWND control = ControlOf(window_, id);
  if (!control || (!IsWindowVisible(window_) && HoldsText(control, text))) return;
  const std::string value(text);
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

bool Win32Dialog::IsChecked(int id) {
  return SendToControl(window_, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Dialog::SetChecked(int id, bool checked) {
  SendToControl(window_, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Dialog::EnableControl(int id, bool enabled) {
  EnableWindow(ControlOf(window_, id), enabled);
}

void Win32Dialog::FocusControl(int id) { SetFocus(ControlOf(window_, id)); }

void Win32Dialog::SelectAllText(int id) { SendToControl(window_, id, EM_SETSEL, 0, -1); }

int Win32Dialog::FocusedControlId() {
  HWND focus = GetFocus();
  return focus && IsChild(window_, focus) ? GetDlgCtrlID(focus) : 0;
}

void Win32Dialog::ClearList(int id) { SendToControl(window_, id, CB_RESETCONTENT, 0, 0); }

void Win32Dialog::AddListItem(int id, std::string_view text) {
  const std::string item(text);
  SendToControl(window_, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

// CB_SELECTSTRING would take any entry that merely begins with the text.
void Win32Dialog::SelectListItem(int id, std::string_view text) {
  const std::string item(text);
  const LRESULT index = SendToControl(window_, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(item.c_str()));
  SendToControl(window_, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32Dialog::SelectedListItem(int id) {
  const LRESULT index = SendToControl(window_, id, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

WindowRef Win32Dialog::Self() { return ToWindowRef(window_); }

WindowRef Win32Dialog::Owner() { return ToWindowRef(GetWindow(window_, GW_OWNER)); }

void Win32Dialog::SetTitle(std::string_view title) {
  SetWindowTextA(window_, std::string(title).c_str());
}

bool Win32Dialog::IsMinimised() { return IsIconic(window_) != 0; }

bool Win32Dialog::IsShown() { return IsWindowVisible(window_) != 0; }

// A window not yet shown is moved by its showing (DeferMove in graph_window_record.h).
void Win32Dialog::MoveTo(int left, int top) {
  if (!IsWindowVisible(window_) && DeferMove(window_, left, top)) return;
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// Where the window is, or will be once shown when a move is waiting for its showing.
PixelRect Win32Dialog::WindowRect() {
  RECT r{};
  GetWindowRect(window_, &r);
  if (const std::optional<POINT> at = DeferredMove(window_)) {
    OffsetRect(&r, at->x - r.left, at->y - r.top);
  }
  return {r.left, r.top, r.right, r.bottom};
}

int Win32Dialog::CaptionHeight() { return GetSystemMetrics(SM_CYCAPTION); }

bool Win32Dialog::IsOnScreen(const PixelRect& area) {
  const RECT r{area.left, area.top, area.right, area.bottom};
  return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

std::optional<PixelRect> Win32Dialog::NearestWorkArea(const PixelRect& area) {
  const RECT r{area.left, area.top, area.right, area.bottom};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) return {};
  const RECT& work = monitor.rcWork;
  return PixelRect{work.left, work.top, work.right, work.bottom};
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

// The editor's WM_INITDIALOG asks for this before the dialog manager shows the window;
// a window not shown has no menu bar on screen, and its whole frame, menu bar included,
// is drawn when it is shown. DrawMenuBar is a frame change that costs about 2 ms under
// Wine. (The bar keeps its one line: taking an entry out never makes it wrap.)
void Win32Dialog::RedrawMenuBar() {
  if (IsWindowVisible(window_)) DrawMenuBar(window_);
}
