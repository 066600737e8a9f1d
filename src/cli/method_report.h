// The two readings of a stored method for people: `show` lists every stored field in
// the editor's terms, `check` holds every value to the editor's own ranges.
#pragma once

#include <string>
#include <vector>

#include "method/inlet_method.h"

namespace method_tool {

// Every stored field with its unit: the oven programme as the editor's rows with the
// rates its form shows and the run time, the zones, the dump valve, the valve
// timetable, and each ULVO channel's mode and ramps, the one in use marked.
std::string ShowText(const InletMethod& method);

// One line per value the editor would refuse, named as its message names the field, in
// the order it validates: the oven rows in use (row 1 always), zones, standby time,
// time 5; the valve times; the ramp in use of each ULVO channel, its sample and standby
// values. Rates are checked as the form shows them, the only form they have; a row that
// starts before its predecessor's time ends is reported, and so is a channel mode the
// editor does not know. `minOvenTemp` is the host's minimum oven temperature.
std::vector<std::string> CheckLines(const InletMethod& method, float minOvenTemp);

// A value the editor would refuse: where it is ("Oven row 2", "Zones", "ULVO left flow"),
// which field there (the name its message gives it, without the trailing blank:
// "Temperature", "Rate 1", "Zone 2 Temperature"; kStartField for a row that starts too
// early, kModeField for a channel's mode) and the line `check` prints.
struct Finding {
  std::string place;
  std::string field;
  std::string line;
};
inline constexpr const char* kStartField = "Start";
inline constexpr const char* kModeField = "Mode";

// CheckLines with the place and field of each line, for marking the values themselves.
std::vector<Finding> CheckFindings(const InletMethod& method, float minOvenTemp);

}  // namespace method_tool
