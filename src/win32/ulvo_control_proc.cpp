// The ULVO channel dialog's procedure: the channel graph's window as a GraphDialog. A close
// box answered with 0 becomes Cancel in the dialog manager.
#include <windows.h>

#include "entry/exports.h"
#include "entry/module.h"
#include "no_throw.h"
#include "ulvo/ulvo_control.h"
#include "ulvo/ulvo_graph.h"
#include "win32/graph_messages.h"

namespace {

void InitChannel(EditorSession& session, HWND, DialogPort& dialog, HostPort& host) {
  InitUlvoControl(session, dialog, host);
}

constexpr GraphDialog kChannelDialog{
    kUlvoGraph,    EditorBitmaps::kNoLegend, PaintUlvoGraph,    InitChannel,
    OnUlvoCommand, CloseUlvoControl,         DestroyUlvoControl};

}  // namespace

extern "C" INT_PTR CALLBACK AcqULVOControlWndProc(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  return NoThrow(INT_PTR{0}, [&] {
    return RunGraphDialog(kChannelDialog, editorSession, window, message, wParam, lParam);
  });
}
