// The host's chart-axis library: a pair of axes (horizontal, vertical) with ticks at
// round steps, tick numbers and two labels, drawn into the margins of a rectangle so
// that the caller keeps the plot area inside for itself. All functions use the
// standard calling convention and are exported undecorated.
//
// A caller's sequence, all within one paint:
//   h = AxsCreate(1, 1, 1, 1)
//   border = AxsGetBorder(dc, &margins, "Mins", "    \xB0C", 0)
//   AxsPositionAxis(h, 0, 0, placement{client, margins, 0, 1, -, border})
//   AxsSetAxisRange(h, &horizontal, 0); AxsSetAxisRange(h, &vertical, 1)
//   AxsDisplayDefaultAxes(dc, h, "Mins", 0, "    \xB0C", 0)
//   AxsDelete(h)
//
// Geometry. The plot area is the client rectangle less the margins. The axis lines stand
// 4 pixels outside it (left and below), so marks that a caller draws on the plot's edge,
// and a few pixels beyond, never touch them; ticks, numbers and labels lie further out.
// The horizontal label is centred under the numbers, the vertical label starts at the
// client rectangle's top-left corner. Numbers and labels are drawn with the DC's current
// font, text colour and background mode; lines with a 1-pixel pen of the text colour.
//
// Handles are small numbers, not pointers: an unknown or deleted handle is refused
// (result 0), never followed.
#pragma once

#include <windows.h>

#include "chartaxis_types.h"

#ifdef CHARTAXIS_BUILD
// The library's own build: the .def file of each architecture lists the exports.
#define CHARTAXIS_API extern "C"
#else
#define CHARTAXIS_API extern "C" __declspec(dllimport)
#endif

typedef struct ChartAxesTag* HAXES;

// A new pair of axes. Each argument switches one part on (nonzero) or off: the
// horizontal axis, the vertical axis, the ticks, the tick numbers. Null when the
// library holds too many axes objects already.
CHARTAXIS_API HAXES WINAPI AxsCreate(int32_t horizontal, int32_t vertical, int32_t ticks,
                                     int32_t numbers);

// Fills `margins` with the room, in pixels, that the axes, their numbers and the two
// labels need on each side, measured with the DC's current font. Returns the height of
// a line of that font (to be handed on in AxisPlacement::border), or 0 when the DC
// cannot measure text; the margins are then zero. `reserved` is 0.
CHARTAXIS_API int32_t WINAPI AxsGetBorder(HDC dc, RECT* margins, const char* horizontalLabel,
                                          const char* verticalLabel, int32_t reserved);

// Places the axes. Returns 1, or 0 when the handle is unknown or the plot area (client
// less margins) is empty; the axes are then not drawn. `reserved1`, `reserved2` are 0.
CHARTAXIS_API int32_t WINAPI AxsPositionAxis(HAXES axes, int32_t reserved1, int32_t reserved2,
                                             AxisPlacement placement);

// Sets the span of axis 0 (horizontal) or 1 (vertical). A span of zero length is shown
// as one unit wide; ends that are not finite numbers give an axis without ticks.
// Returns 1, or 0 for an unknown handle, a null range or another axis index.
CHARTAXIS_API int32_t WINAPI AxsSetAxisRange(HAXES axes, const AxisRange* range, int32_t axis);

// Draws the positioned axes into the DC. The style words are 0. Returns 1, or 0 when
// the handle is unknown or the axes were not positioned.
CHARTAXIS_API int32_t WINAPI AxsDisplayDefaultAxes(HDC dc, HAXES axes, const char* horizontalLabel,
                                                   int32_t horizontalStyle,
                                                   const char* verticalLabel,
                                                   int32_t verticalStyle);

// Frees the axes. Returns 1, or 0 for an unknown handle.
CHARTAXIS_API int32_t WINAPI AxsDelete(HAXES axes);
