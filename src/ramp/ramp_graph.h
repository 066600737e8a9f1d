// What the oven graph and the ULVO graph share: a ramp as a plain snapshot of its steps
// and axes, the value-to-pixel mapping, fitting the axes to the steps, and the painter
// that draws either ramp with its axes and handles, and the axis buttons beside it.
// The graphs read their snapshot from the editor's session, call these and write the
// result back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "method/inlet_method.h"
#include "ui/canvas.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

// One step: its level is reached at `start` and held for `hold` minutes.
struct RampPoint {
  double start;
  double level;  // degrees for the oven, ml/min or kPa for the ULVO
  double hold;
};

// The ULVO's ramps have five steps, the oven's four.
inline constexpr int32_t kMaxRampSteps = 5;

struct RampSnapshot {
  std::array<RampPoint, kMaxRampSteps> step;
  int32_t inUse;  // steps drawn and dragged, 0..kMaxRampSteps
  double valueAxisMax;
  double timeAxisMax;
  double valueFloor;  // the bottom of the value axis: minOvenTemp, or 0 for the ULVO
};
// A method's steps as points; inUse and the axes are left for the caller.
RampSnapshot SnapshotOf(std::span<const RampStep> steps);
// A dragged point written back into a method's step.
void WriteRampPoint(RampStep& step, const RampPoint& point);

// inUse held to the steps a snapshot has, so that no count indexes past them.
int32_t StepsInUse(const RampSnapshot& ramp);

inline constexpr const char* kTimeAxisLabel = "Mins";
inline constexpr Colour kRampColour = MakeColour(0, 0, 255);
inline constexpr Colour kHandleOutline = MakeColour(0, 0, 0);
inline constexpr Colour kHandleFill = MakeColour(255, 0, 0);
// Axis buttons are squeezed to this size; their 20th row and column never show.
inline constexpr int kButtonFaceSize = 19;

// Pixels are held within GDI's 27-bit coordinate range: a stored method can hold any
// number, and a point that far out is off the frame anyway.
inline constexpr int32_t kPixelLimit = (1 << 27) - 1;

// The mapping of a plot rectangle (L, T, R, B): x = L + trunc(kx * t) and
// y = B - trunc(ky * v - m * ky), kx and ky from the spans of the axes (1.0 where a span
// is exactly 0). Values outside the axes map outside the rectangle.
struct RampScale {
  double left;
  double bottom;
  double kx;
  double ky;
  double valueMin;
};
RampScale MakeRampScale(const PixelRect& plot, double timeAxisMax, double valueAxisMax,
                        double valueMin);
// The ramp's own axes over a rectangle.
RampScale RampScaleOf(const RampSnapshot& ramp, const PixelRect& plot);
int32_t TimeToPixel(const RampScale& scale, double time);
int32_t ValueToPixel(const RampScale& scale, double value);

// How a level above the axis top becomes the new top: the oven cuts it to whole
// degrees, the ULVO rounds it up so that its highest plateau stays inside the plot.
enum class LevelRounding { kCut, kUp };
struct RampAxes {
  double valueAxisMax;
  double timeAxisMax;
};
// The value axis from the floor up to the highest level in use (rounded), the time axis
// to the end of the last hold. With no step in use the time axis keeps its end.
RampAxes FitRampAxes(const RampSnapshot& ramp, LevelRounding rounding);

// The value axis's labels: the chart-axis library measures its margins with one text
// and draws the other (the ULVO's flow unit is measured with a doubled slash).
struct RampAxisLabels {
  const char* measured;
  const char* drawn;
};

// One paint of a ramp graph.
struct RampPaint {
  RampSnapshot ramp;
  RampAxisLabels labels;
  bool dragging;    // only the plot area is erased and the ramp redrawn; axes stay
  bool eraseFrame;  // the axes changed: the whole frame is erased first
};

// Paints the ramp and its axes into frame control `frameId`, in one paint session of the
// window. Returns the rectangle the mouse is mapped by (the plot area widened by the
// handles' overhang), or nothing when the window has no such control.
std::optional<PixelRect> PaintRampFrame(GraphWindow& window, ChartAxisPort& axes, int frameId,
                                        const RampPaint& paint);

// An owner-draw request of an axis button, as the platform describes it.
struct ButtonDrawRequest {
  int controlId;
  bool drawEntire;  // the whole item must be drawn (its first appearance)
  bool selected;    // the button is pressed
};

// The face for a request: the pressed one only when the button is selected and not
// drawn whole. None for a control that is not an axis button.
std::optional<GraphBitmap> ChooseButtonFace(const ButtonDrawRequest& request);

// Resizes the button and copies its face into the item's canvas; beeps when there is no
// face to draw. The editor and the ULVO dialog number their axis buttons alike.
void DrawArrowButton(GraphWindow& window, Canvas& item, const ButtonDrawRequest& request);
