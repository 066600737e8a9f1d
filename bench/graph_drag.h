// Dragging a ramp handle on a graph frame with window messages, as the end-to-end tests
// do, for both graphs: the oven graph in the editor and a channel's graph in the ULVO
// dialog take their mouse messages the same way, on the window that holds the frame.
#pragma once

#include <windows.h>

#include "figures.h"

namespace bench {

class GraphDrag {
 public:
  GraphDrag(HWND window, int frameId);

  // Hovers over the frame and presses on the end of step 2's ramp (the middle handle).
  // False when the frame shows fewer than two handles.
  bool Grab();
  // One drag step: the move and every paint it causes, as the host's loop would run
  // them. The pointer sweeps across the frame and a little up and down around the handle.
  void Step(int i);
  void Release();

  // A step that left the frame would end the drag, and one that did not repaint would
  // time an empty move: two steps apart must show the held handle in two places.
  bool StepsMoveTheHandle();
  HWND Window() const { return window_; }

 private:
  HWND window_;
  HWND frame_;
  RECT inner_{};  // the frame in the window's client pixels, less a margin
  POINT handle_{};
};

// Warms the held drag up, checks that steps move the handle, then times `steps` drag
// steps, each after a step of its floor (bench/floors.h), timed too, and takes the process's
// objects and memory before and after `leakSteps` further ones into `figures`. False, with the
// reason in `figures.notMeasured`, when nothing moved.
bool MeasureDrag(GraphDrag& drag, int steps, int leakSteps, GraphFigures& figures);

}  // namespace bench
