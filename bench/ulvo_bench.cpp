// The left channel's graph in the ULVO channel dialog, opened from the editor's menu
// with the channel in Flow mode: opening the dialog until it has painted, one drag step,
// GDI objects over many drag steps.
//
// The dialog is modal: the menu command returns only once it has closed, so everything
// done in it runs inside its own message loop. That loop sends WM_ENTERIDLE to its owner
// whenever its queue is empty; the first one after the dialog has been shown with nothing
// left to paint marks the end of the opening, and is where a timer starts the drag steps.
#include <functional>
#include <string>

#include "floors.h"
#include "graph_benches.h"
#include "graph_drag.h"
#include "harness/harness.h"
#include "harness/pixels.h"
#include "resource_ids.h"
#include "win32/dialog_answerer.h"

namespace bench {

namespace {

// One opening of the channel dialog, watched from the editor's window procedure: the
// dialog's loop sends WM_ENTERIDLE to the editor, its owner. (A hook on sent messages
// would see it too, but would run on every message the timed opening and drag steps
// send, and be timed with them.)
struct Opening {
  std::function<void(HWND dialog)> onPainted;  // must end the dialog, now or later
  WNDPROC editorProc = nullptr;
  HWND painted = nullptr;  // the dialog, once it has painted
  double paintedMs = 0;
  UINT_PTR watchdog = 0;
  bool cancelled = false;  // by the watchdog
};
Opening* opening = nullptr;

bool PaintedAndIdle(HWND dialog) {
  return IsWindowVisible(dialog) && !GetUpdateRect(dialog, nullptr, FALSE) &&
         !(HIWORD(GetQueueStatus(QS_ALLINPUT)) & QS_PAINT);
}

LRESULT CALLBACK WatchEditor(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND dialog = reinterpret_cast<HWND>(lParam);
  if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && !opening->painted &&
      GetDlgItem(dialog, IDC_ULVO_GRAPH_FRAME) && PaintedAndIdle(dialog)) {
    opening->paintedMs = NowMs();
    opening->painted = dialog;
    KillTimer(nullptr, opening->watchdog);
    opening->onPainted(dialog);
  }
  return CallWindowProcA(opening->editorProc, editor, message, wParam, lParam);
}

// A dialog that never finished painting, or a message box in its way, would keep the run
// waiting for ever: whatever is active is cancelled until the command returns.
void CALLBACK CancelUnpainted(HWND, UINT, UINT_PTR, DWORD) {
  opening->cancelled = true;
  DialogAnswerer::Click(GetActiveWindow(), IDCANCEL);
}

// Opens the left channel from the editor's menu and calls `onPainted` once the dialog
// has painted. The milliseconds from the command to then; negative when it never did.
double OpenChannel(HWND editor, std::function<void(HWND)> onPainted) {
  Opening watched{std::move(onPainted)};
  opening = &watched;
  watched.editorProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchEditor)));
  watched.watchdog = SetTimer(nullptr, 0, 10000, CancelUnpainted);
  const double t0 = NowMs();
  SendMessageA(editor, WM_COMMAND, IDM_ULVO_LEFT, 0);
  KillTimer(nullptr, watched.watchdog);
  SetWindowLongPtrA(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watched.editorProc));
  opening = nullptr;
  e2e::PumpMessages();
  return watched.painted && !watched.cancelled ? watched.paintedMs - t0 : -1.0;
}

// The drag steps run from a timer in the dialog's loop, once it has painted.
std::function<void()> inDialog;
void CALLBACK RunInDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  inDialog();
}

}  // namespace

GraphFigures MeasureUlvoChannel(const e2e::HostHome& home, HWND owner, const Counts& counts) {
  GraphFigures figures;
  figures.name = "ULVO left channel graph (channel dialog, Flow mode)";
  figures.opening = "opening the channel dialog";
  MethodDbRecord record = e2e::DefaultMethodRecord();
  InletMethod method{};
  DecodeMethodRecord(record, method);
  method.ulvo[0].mode = kUlvoFlow;  // the channel's menu item is enabled, its ramp shown
  EncodeMethodRecord(method, record);
  if (!e2e::WriteMethodDatabase(home, record)) {
    figures.notMeasured = "the method database could not be written";
    return figures;
  }
  e2e::AcqGCInlet()(owner);
  e2e::PumpMessages();
  HWND editor = e2e::EditorWindow();
  if (!editor) {
    figures.notMeasured = "the editor did not open";
    return figures;
  }

  // The first opening also loads the dialog's template and bitmaps' pages; it is not
  // timed, but it shows that the graph has been painted when the opening is taken.
  const char* const unpainted = "the channel dialog did not open and paint within 10 s";
  auto cancel = [](HWND dialog) { DialogAnswerer::Click(dialog, IDCANCEL); };
  bool graphPainted = false;
  auto seeGraph = [&](HWND dialog) {
    const HWND frame = GetDlgItem(dialog, IDC_ULVO_GRAPH_FRAME);
    graphPainted = e2e::FindHandles(e2e::CaptureClient(frame)).size() >= 2;
    cancel(dialog);
  };
  if (OpenChannel(editor, seeGraph) < 0) {
    figures.notMeasured = unpainted;
  } else if (!graphPainted) {
    figures.notMeasured = "the channel dialog went idle before painting its graph";
  }

  // The dialog stores its place with its owner's (the editor's) offset added, so each
  // opening would start further down and within a few dozen below the screen, where
  // nothing is painted. Every later opening starts where the first one left it.
  const std::string place = home.ReadIni("ULVODisplay", "Parent");
  auto keepPlace = [&] { home.WriteIni("ULVODisplay", "Parent", place.c_str()); };
  OpenFloor(editor, "ULVO_CONTROL", IDC_ULVO_GRAPH_FRAME, {}, 0, 64);  // first, untimed
  for (int i = 0; figures.notMeasured.empty() && i < counts.openings; ++i) {
    // Its floor: the same template, no file, every field set, owned by the editor too.
    const double floor = OpenFloor(editor, "ULVO_CONTROL", IDC_ULVO_GRAPH_FRAME, {}, 0, 64);
    if (floor >= 0) figures.openingFloor.push_back(floor);
    keepPlace();
    const double ms = OpenChannel(editor, cancel);
    if (ms < 0) {
      figures.notMeasured = unpainted;
    } else {
      figures.openings.push_back(ms);
    }
  }

  if (figures.notMeasured.empty()) {
    HWND dialog = nullptr;
    inDialog = [&] {
      GraphDrag drag(dialog, IDC_ULVO_GRAPH_FRAME);
      if (!drag.Grab()) {
        figures.notMeasured = "no handle to drag";
      } else {
        MeasureDrag(drag, counts.dragSteps, counts.leakSteps, figures);
        drag.Release();
      }
      cancel(dialog);
    };
    auto startSteps = [&](HWND painted) {
      dialog = painted;
      SetTimer(nullptr, 0, 0, RunInDialog);
    };
    keepPlace();
    if (OpenChannel(editor, startSteps) < 0) figures.notMeasured = unpainted;
    inDialog = nullptr;
  }
  e2e::DestroyEditor();
  return figures;
}

}  // namespace bench
