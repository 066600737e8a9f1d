// The oven graph: the value-to-pixel mapping, painting the frame (legend, axes, ramp,
// handles) and drawing the three axis buttons. The graph's process-wide state lives
// here too, since painting and the mouse handlers share it.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/canvas.h"
#include "ui/chart_axis_port.h"
#include "ui/graph_window.h"

struct OvenGraphState {
  int32_t ovenDragging;       // a handle is held
  int32_t ovenMouseCaptured;  // the editor holds the capture: the pointer is on the frame
  int32_t ovenDragStep;       // the held handle's step
  int32_t ovenDragHoldEnd;    // 1: the end of its plateau, 0: the end of its ramp
  double ovenDragTemp;        // the values under the pointer at the last move
  double ovenDragTime;
  PixelRect ovenPlotRect;  // the plot area and the handles' overhang; the mouse's scale
};

// Zero when the library loads, like the method.
extern OvenGraphState ovenGraph;

inline constexpr const char* kTimeAxisLabel = "Mins";
inline constexpr const char* kTempAxisLabel =
    "    \xB0"
    "C";  // code page 1252 degree sign
inline constexpr Colour kRampColour = MakeColour(0, 0, 255);
inline constexpr Colour kHandleOutline = MakeColour(0, 0, 0);
inline constexpr Colour kHandleFill = MakeColour(255, 0, 0);
// The legend is drawn from this offset in control 151's device context.
inline constexpr int kLegendWidth = 255;
inline constexpr int kLegendHeight = 99;
// Axis buttons are squeezed to this size; their 20th row and column never show.
inline constexpr int kButtonFaceSize = 19;

// Pixels are held within GDI's 27-bit coordinate range: a stored method can hold any
// number, and a point that far out is off the frame anyway.
inline constexpr int32_t kPixelLimit = (1 << 27) - 1;
int32_t ClampPixel(int64_t pixel);

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
int32_t TimeToPixel(const RampScale& scale, double time);
int32_t ValueToPixel(const RampScale& scale, double value);
// The oven's scale over a rectangle: time 0 .. timeAxisMax, minOvenTemp .. tempAxisMax.
RampScale OvenScale(const PixelRect& plot);

// The steps drawn and dragged: ovenStepsInUse, held to the four rows there are.
int32_t OvenStepsDrawn();

// Paints the graph into frame control `frameId`. While a handle is dragged only the plot
// area is erased and the ramp redrawn; the legend, the whole-frame erase and the axes
// wait for the next paint. Returns 1.
int PaintOvenGraph(GraphWindow& window, ChartAxisPort& axes, int frameId);

// The ramp in the plot rectangle, with a handle at every break point but the first.
// Returns 0 (nothing drawn) when no step is in use, else 1.
int DrawOvenRamp(Canvas& canvas, int32_t left, int32_t top, int32_t right, int32_t bottom);

// A 4 x 4 handle covering x-1..x+2, y-2..y+1; leaves the position at (x+1, y). Returns 1.
int DrawRampHandle(Canvas& canvas, int32_t x, int32_t y);

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
// face to draw. Returns 1.
int DrawArrowButton(GraphWindow& window, Canvas& item, const ButtonDrawRequest& request);
