#include "graph_drag.h"

#include <algorithm>
#include <vector>

#include "floors.h"
#include "harness/pixels.h"
#include "harness/harness.h"

namespace bench {

GraphDrag::GraphDrag(HWND window, int frameId)
    : window_(window), frame_(GetDlgItem(window, frameId)) {
  GetWindowRect(frame_, &inner_);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&inner_), 2);
  InflateRect(&inner_, -8, -8);  // keeps every move on the frame
}

bool GraphDrag::Grab() {
  std::vector<POINT> handles = e2e::FindHandles(e2e::CaptureClient(frame_));
  if (handles.size() < 2) return false;
  MapWindowPoints(frame_, window_, handles.data(), static_cast<UINT>(handles.size()));
  handle_ = handles[1];
  SendMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(handle_.x, handle_.y));
  SendMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(handle_.x, handle_.y));
  e2e::PumpMessages();
  return true;
}

void GraphDrag::Step(int i) {
  const int x = inner_.left + (i * 37) % (inner_.right - inner_.left);
  const int y = std::clamp<int>(handle_.y + (i * 3) % 21 - 10, inner_.top, inner_.bottom);
  SendMessageA(window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
  e2e::PumpMessages();
  GdiFlush();
}

void GraphDrag::Release() {
  SendMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(handle_.x, handle_.y));
  e2e::PumpMessages();
}

bool GraphDrag::StepsMoveTheHandle() {
  Step(0);
  const std::vector<POINT> first = e2e::FindHandles(e2e::CaptureClient(frame_));
  Step(5);
  const std::vector<POINT> second = e2e::FindHandles(e2e::CaptureClient(frame_));
  return first.size() == 3 && second.size() == 3 && first[1].x != second[1].x;
}

bool MeasureDrag(GraphDrag& drag, int steps, int leakSteps, GraphFigures& figures) {
  for (int i = 0; i < 50; ++i) drag.Step(i);  // warm up
  if (!drag.StepsMoveTheHandle()) {
    figures.notMeasured = "a drag step did not move the painted handle";
    return false;
  }
  figures.dragSteps.reserve(steps);
  {
    // Alternately, so that whatever else the machine runs weighs on both alike.
    DragFloor floor(drag.Window());
    for (int i = 0; i < steps; ++i) {
      if (floor.Ok()) {
        const double t0 = NowMs();
        floor.Step(i);
        figures.dragStepFloor.push_back(NowMs() - t0);
      }
      const double t0 = NowMs();
      drag.Step(i);
      figures.dragSteps.push_back(NowMs() - t0);
    }
  }
  figures.before = TakeResources();
  for (int i = 0; i < leakSteps; ++i) drag.Step(i);
  figures.after = TakeResources();
  figures.leakSteps = leakSteps;
  return true;
}

}  // namespace bench
