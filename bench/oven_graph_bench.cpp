// Figures for the editor's oven graph, measured on the real plug-in under Wine:
//   - opening the editor (AcqGCInlet until its first paints are done),
//   - one drag step: a mouse move while a handle is held, plus every paint it causes,
//   - the process's live GDI objects before and after many drag steps.
// It prints; it asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "harness/harness.h"
#include "harness/pixels.h"
#include "resource_ids.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Summary {
  double median, p90, p99, max;
};

Summary Summarise(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  auto at = [&](double q) { return ms[static_cast<size_t>(q * (ms.size() - 1))]; };
  return {at(0.5), at(0.9), at(0.99), ms.back()};
}

void Print(const char* what, size_t count, const Summary& s) {
  std::printf("%-34s n=%-6zu median %7.3f ms   p90 %7.3f   p99 %7.3f   max %7.3f\n", what, count,
              s.median, s.p90, s.p99, s.max);
}

HWND OpenEditor(HWND owner) {
  e2e::AcqGCInlet()(owner);
  e2e::PumpMessages();
  return e2e::EditorWindow();
}

// Hovers over the frame and presses on the end of step 2's ramp (the middle handle).
bool Grab(HWND editor, POINT& handle) {
  HWND frame = GetDlgItem(editor, IDC_GRAPH_FRAME);
  std::vector<POINT> handles = e2e::FindHandles(e2e::CaptureClient(frame));
  if (handles.size() < 2) return false;
  MapWindowPoints(frame, editor, handles.data(), static_cast<UINT>(handles.size()));
  handle = handles[1];
  SendMessageA(editor, WM_MOUSEMOVE, 0, MAKELPARAM(handle.x, handle.y));
  SendMessageA(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(handle.x, handle.y));
  e2e::PumpMessages();
  return true;
}

// The frame in the editor's client pixels, less a margin that keeps every move on it.
RECT InnerFrame(HWND editor) {
  RECT r{};
  GetWindowRect(GetDlgItem(editor, IDC_GRAPH_FRAME), &r);
  MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&r), 2);
  InflateRect(&r, -8, -8);
  return r;
}

// One drag step: the move and every paint it causes, as the host's loop would run them.
// The pointer sweeps across the frame and a little up and down around the handle.
void DragStep(HWND editor, const RECT& frame, POINT handle, int i) {
  const int x = frame.left + (i * 37) % (frame.right - frame.left);
  const int y = std::clamp<int>(handle.y + (i * 3) % 21 - 10, frame.top, frame.bottom);
  SendMessageA(editor, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
  e2e::PumpMessages();
  GdiFlush();
}

}  // namespace

int main(int argc, char** argv) {
  const int dragSteps = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 2000;
  const int leakSteps = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;
  const int openings = 30;

  e2e::HostHome home;
  if (!e2e::WriteMethodDatabase(home, e2e::DefaultMethodRecord()) || !e2e::AcqGCInlet()) {
    std::fprintf(stderr, "cannot set up the host home or load tovrex.dll\n");
    return 1;
  }
  // At the screen's origin: the editor stores its position with its owner's offset
  // added, so any other place would walk it off the screen over thirty openings.
  e2e::OwnerWindow owner(0, 0);
  SetCursorPos(0, 0);  // the display's own pointer stays off the editor

  // Opening: the first opening also loads the chart-axis library's pages; count it apart.
  std::vector<double> opens;
  for (int i = 0; i <= openings; ++i) {
    const double t0 = Now();
    HWND editor = OpenEditor(owner.Get());
    const double t1 = Now();
    if (!editor) {
      std::fprintf(stderr, "the editor did not open\n");
      return 1;
    }
    if (i > 0) opens.push_back((t1 - t0) * 1000.0);
    e2e::DestroyEditor();
  }

  HWND editor = OpenEditor(owner.Get());
  POINT handle{};
  if (!editor || !Grab(editor, handle)) {
    std::fprintf(stderr, "no handle to drag\n");
    return 1;
  }
  const RECT frameBox = InnerFrame(editor);
  for (int i = 0; i < 50; ++i) DragStep(editor, frameBox, handle, i);  // warm up
  // A drag that silently did nothing would time an empty move: the first applied move
  // enables File > Save.
  if (GetMenuState(GetMenu(editor), IDM_FILE_SAVE, MF_BYCOMMAND) & MF_GRAYED) {
    std::fprintf(stderr, "the moves did not drag the handle\n");
    return 1;
  }
  // A step that left the frame would end the drag, and one that did not repaint would
  // time an empty move: two steps apart must show the held handle in two places.
  {
    HWND frame = GetDlgItem(editor, IDC_GRAPH_FRAME);
    DragStep(editor, frameBox, handle, 0);
    const std::vector<POINT> first = e2e::FindHandles(e2e::CaptureClient(frame));
    DragStep(editor, frameBox, handle, 5);
    const std::vector<POINT> second = e2e::FindHandles(e2e::CaptureClient(frame));
    if (first.size() != 3 || second.size() != 3 || first[1].x == second[1].x) {
      std::fprintf(stderr, "a drag step did not move the painted handle\n");
      return 1;
    }
  }
  std::vector<double> steps;
  steps.reserve(dragSteps);
  for (int i = 0; i < dragSteps; ++i) {
    const double t0 = Now();
    DragStep(editor, frameBox, handle, i);
    steps.push_back((Now() - t0) * 1000.0);
  }

  const int gdiBefore = e2e::LiveGdiObjects();
  for (int i = 0; i < leakSteps; ++i) DragStep(editor, frameBox, handle, i);
  const int gdiAfter = e2e::LiveGdiObjects();
  SendMessageA(editor, WM_LBUTTONUP, 0, MAKELPARAM(handle.x, handle.y));
  e2e::DestroyEditor();

  std::printf("oven graph benchmark (Wine, x86_64)\n");
  Print("opening the editor", opens.size(), Summarise(opens));
  Print("drag step (move + repaint)", steps.size(), Summarise(steps));
  std::printf("%-34s before %d, after %d drag steps: %d (%+d)\n", "live GDI objects", gdiBefore,
              leakSteps, gdiAfter, gdiAfter - gdiBefore);
  return 0;
}
