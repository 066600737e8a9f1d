// The messages that the editor window (the oven graph) and the ULVO channel dialog (its
// ramp graph) handle alike, unpacked once: painting, the axis buttons' owner-draw, the
// mouse and the system's settings. Each window is described by a GraphDialog record.
#pragma once

#include <windows.h>

#include "editor/editor_session.h"
#include "ramp/ramp_mouse.h"
#include "ui/chart_axis_port.h"
#include "ui/dialog_port.h"
#include "ui/graph_window.h"
#include "win32/editor_bitmaps.h"

struct GraphDialog {
  const RampGraphWiring& graph;
  EditorBitmaps::Legend legend;
  void (*paint)(EditorSession& session, GraphWindow& window, ChartAxisPort& axes);
};

// The window system's position word: x in the low 16 bits, y in the high 16 bits, both
// unsigned, in the window's client pixels (the low 32 bits of the parameter on every
// architecture).
MousePoint MousePointOf(LPARAM position);
// What an edit field's notification (the high word of WM_COMMAND's wParam) says.
EditNotice EditNoticeOf(WPARAM wParam);

// WM_INITDIALOG, before the window's own initialisation: its record made and the three
// axis buttons given the size that their first owner-draw would give them. Each resize
// from inside a WM_DRAWITEM uncovers part of the window, which then paints again (three
// more paints of the whole window and three more owner-draws on every opening).
void InitGraphDialog(const GraphDialog& kind, HWND window);
// WM_PAINT.
void PaintGraphDialog(const GraphDialog& kind, EditorSession& session, HWND window);
// WM_PAINT, WM_DRAWITEM, the three mouse messages, WM_SETTINGCHANGE and WM_DISPLAYCHANGE;
// false for any other message.
bool OnGraphDialogMessage(const GraphDialog& kind, EditorSession& session, HWND window,
                          UINT message, LPARAM lParam);
