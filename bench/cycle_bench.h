// Opening and closing the editor and each of its dialogs many times on the real plug-in
// under Wine, with the process's objects and memory taken before and after.
#pragma once

#include <windows.h>

#include "harness/harness.h"

namespace bench {

// `cycles` openings and closings of the editor, then of the valve timetable, the ULVO
// configuration and the left ULVO channel dialog (opened from the editor's menu); prints
// each one's time per cycle and its objects and memory before and after.
void MeasureOpenCloseCycles(const e2e::HostHome& home, HWND owner, int cycles);

}  // namespace bench
