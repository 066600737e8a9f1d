// `plot`: the oven programme and the ULVO ramps in use as one SVG picture for reports.
#pragma once

#include <string>

#include "method/inlet_method.h"

namespace method_tool {

// One panel per ramp, stacked on one shared time axis: the oven programme, then each
// ULVO channel's ramp in use. Each panel has its value axis with ticks and a label, and
// its ramp as one <path class="ramp">. Values that are not finite are left out of the
// path and the axes. `title` is escaped for XML.
std::string PlotSvg(const InletMethod& method, const std::string& title);
// The same picture as an <svg> element alone, for a page that holds it.
std::string PlotSvgElement(const InletMethod& method, const std::string& title);

// Text for XML or HTML: the markup characters as entities, and what XML cannot hold
// (control characters, bytes that are not UTF-8) as U+FFFD.
std::string XmlEscaped(const std::string& text);

}  // namespace method_tool
