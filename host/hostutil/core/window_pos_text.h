// The INI text of a window-position record: "flags,showState,left,top,right,bottom".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "hostutil/hostutil_types.h"

namespace hostutil {

std::string FormatWindowPos(const WindowPos& pos);

// Exactly six decimal integers, each within int32, separated by single commas: no
// spaces, signs other than a leading '-', or trailing text. A stored value that is
// anything else was not written by this library (or was damaged) and reads as absent,
// so a window is never placed from half a record.
std::optional<WindowPos> ParseWindowPos(std::string_view text);

}  // namespace hostutil
