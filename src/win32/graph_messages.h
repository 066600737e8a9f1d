// The two graph windows, the editor (the oven graph) and the ULVO channel dialog (its
// ramp graph), run by one dialog procedure: each is described by a GraphDialog record,
// and every message is unpacked once. The window system's words become portable values
// here: the position word a MousePoint, an edit field's notification an EditNotice.
#pragma once

#include <windows.h>

#include "editor/editor_session.h"
#include "ramp/ramp_wiring.h"
#include "ui/chart_axis_port.h"
#include "ui/dialog_port.h"
#include "ui/graph_window.h"
#include "ui/host_port.h"
#include "win32/graph_window_record.h"

struct GraphDialog {
  const RampGraphWiring& graph;
  EditorBitmaps::Legend legend;
  void (*paint)(EditorSession& session, GraphWindow& window, ChartAxisPort& axes);
  // WM_INITDIALOG, after the window's record is made and its axis buttons sized.
  void (*init)(EditorSession& session, HWND window, DialogPort& dialog, HostPort& host);
  void (*command)(EditorSession& session, DialogPort& dialog, HostPort& host, int id,
                  EditNotice notice);
  void (*close)(EditorSession& session, DialogPort& dialog, HostPort& host);
  // WM_DESTROY, after the window's record is freed.
  void (*destroy)(DialogPort& dialog, HostPort& host);
};

// WM_PAINT, and the paint that ends the editor's initialisation.
void PaintGraphDialog(const GraphDialog& kind, EditorSession& session, HWND window);

// The dialog procedure of either window. Returns 1 for WM_INITDIALOG (the dialog manager
// then sets the focus) and 0 for every other message, handled or not.
INT_PTR RunGraphDialog(const GraphDialog& kind, EditorSession& session, HWND window, UINT message,
                       WPARAM wParam, LPARAM lParam);
