// The editor window's dialog procedure: the oven graph's window as a GraphDialog.
#include <windows.h>

#include "editor/editor_commands.h"
#include "editor/editor_window.h"
#include "editor/oven_graph.h"
#include "entry/exports.h"
#include "entry/module.h"
#include "no_throw.h"
#include "win32/graph_messages.h"

namespace {

void InitEditor(EditorSession& session, HWND window, DialogPort& editor, HostPort& host);

constexpr GraphDialog kEditorWindow{
    kOvenGraph,      EditorBitmaps::kWithLegend, PaintOvenGraph,     InitEditor,
    OnEditorCommand, CloseEditorWindow,          DestroyEditorWindow};

// The editor paints itself once as its initialisation ends.
void InitEditor(EditorSession& session, HWND window, DialogPort& editor, HostPort& host) {
  InitEditorWindow(session, editor, host);
  PaintGraphDialog(kEditorWindow, session, window);
}

}  // namespace

extern "C" INT_PTR CALLBACK AcqGCInletEditorWndProc(HWND window, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
  return NoThrow(INT_PTR{0}, [&] {
    return RunGraphDialog(kEditorWindow, editorSession, window, message, wParam, lParam);
  });
}
