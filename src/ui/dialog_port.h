// What the portable logic may do to the dialog window it works on: its controls by id,
// its title, its menu and its frame. One implementation drives a real window; the
// tests use a recording fake.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/canvas.h"
#include "ui/window_ref.h"
#include "hostutil_types.h"

// Answers of Ask, as the platform's message box returns them.
enum class Answer { kOk, kCancel, kYes, kNo };
enum class AskKind { kYesNoCancel, kOkInformation };

// The plug-in's modal dialogs, each run from its own template with its own procedure.
enum class ModalDialog { kValveTimetable, kUlvoConfiguration, kUlvoControl };
inline constexpr int kDialogNotCreated = -1;

// What a command from an edit field says happened to it; the window system's
// notification codes are turned into these where its messages are unpacked.
enum class EditNotice { kNone, kChanged, kLeft };

class DialogPort {
 public:
  virtual ~DialogPort() = default;

  // Controls.
  virtual std::string ControlText(int id) = 0;
  virtual void SetControlText(int id, std::string_view text) = 0;
  virtual bool IsChecked(int id) = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  virtual void EnableControl(int id, bool enabled) = 0;
  virtual void FocusControl(int id) = 0;
  virtual void SelectAllText(int id) = 0;
  virtual int FocusedControlId() = 0;  // 0 when no control of this window has the focus
  // Drop-down lists: emptied, filled in order, an entry selected by its exact text
  // (none when no entry has it); the selected entry's index, -1 when none is.
  virtual void ClearList(int id) = 0;
  virtual void AddListItem(int id, std::string_view text) = 0;
  virtual void SelectListItem(int id, std::string_view text) = 0;
  virtual int SelectedListItem(int id) = 0;

  // The window itself.
  virtual WindowRef Self() = 0;
  virtual WindowRef Owner() = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual bool IsMinimised() = 0;
  virtual bool IsShown() = 0;  // false once the window is hidden, as it is while it is destroyed
  virtual void MoveTo(int left, int top) = 0;  // keeps size and Z order
  // Where the window stands, in screen pixels, and how tall its caption is.
  virtual PixelRect WindowRect() = 0;
  virtual int CaptionHeight() = 0;
  // Whether any part of `area` (screen pixels) lies on a screen; the work area (the
  // screen without the task bar) of the screen nearest to it, none when the system
  // cannot tell.
  virtual bool IsOnScreen(const PixelRect& area) = 0;
  virtual std::optional<PixelRect> NearestWorkArea(const PixelRect& area) = 0;
  virtual void Invalidate() = 0;  // whole client area, no erase
  virtual void PostClose() = 0;
  virtual void Destroy() = 0;
  virtual void Beep() = 0;
  virtual Answer Ask(std::string_view text, std::string_view caption, AskKind kind) = 0;
  // Runs a modal dialog owned by this window; returns what the dialog ended with, or
  // kDialogNotCreated when it could not be created.
  virtual int RunDialog(ModalDialog dialog) = 0;
  // Ends this window's modal loop with `result`, once the current message is handled.
  virtual void EndDialog(int result) = 0;
  virtual void ShowHelp(std::string_view helpFile, int context) = 0;

  // The window's menu.
  virtual void EnableMenuItem(int id, bool enabled) = 0;
  virtual void RemoveMenuBarEntry(int position) = 0;
  virtual void RedrawMenuBar() = 0;
};
