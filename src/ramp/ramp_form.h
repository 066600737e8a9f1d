// A ramp's rows on a form, the oven programme's in the editor and a ULVO channel's in its
// dialog: each form described as data (its row controls, decimals, how a level is read,
// how a refusal reaches the user), checked and stored by one loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "method/inlet_method.h"
#include "method/method_limits.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

// One row's controls; `rate` is the ramp out of the row into the next, 0 on the last row.
struct RampRowControls {
  int check;
  int time;
  int level;
  int rate;
};

// How a refused value reaches the user.
enum class RefusalStyle {
  kBeepAndHostMessage,  // the editor: a beep, then the host's message captioned "TOVREX"
  kUlvoBox,             // the ULVO dialog: a box captioned "ULVO" with an information icon
};

struct RampForm {
  std::span<const RampRowControls> rows;
  bool wholeLevel;  // the level is read as whole units (the oven's degrees), cut
  int levelDecimals;
  int timeDecimals;
  int rateDecimals;
  RefusalStyle refusal;
};

// Reports `label` with the allowed range in the form's style, puts the focus on the field
// and returns false, for the caller to return.
bool RefuseRange(DialogPort& dialog, HostPort& host, RefusalStyle style, int id,
                 const std::string& label, ValueRange range, int decimals);

// Checks rows 1..inUse in order and, only when every one has passed, stores them: level
// and time rewritten with the form's decimals, a typed rate placing the row it leads
// into (row 1's start stays).
bool ValidateRampRows(DialogPort& dialog, HostPort& host, const RampForm& form,
                      const RampLimits& limits, std::span<RampStep> steps, int inUse);

// Row 1's box ticked (row 1 is always in use), the others' as their steps' flags.
void ShowRowChecks(DialogPort& dialog, const RampForm& form, std::span<const RampStep> steps);

// Row 1's fields enabled; a row's fields and the rate leading into it follow its flag.
void EnableRows(DialogPort& dialog, const RampForm& form, std::span<const RampStep> steps);

// Every row's time and level, and the rate between each two rows, in use or not, from
// the steps as they are stored.
void ShowRows(DialogPort& dialog, HostPort& host, const RampForm& form,
              std::span<const RampStep> steps);

// The boxes read into the steps' flags: rows in use form a prefix, so a ticked box counts
// only behind a row in use; row 1 always is.
void ReadRowChecks(DialogPort& dialog, const RampForm& form, std::span<RampStep> steps);

// After row k's box was toggled (k >= 2), its step starts no earlier than the end of the
// previous plateau. Any other box (row 1's has no predecessor) moves nothing.
void ShiftRowAfterCheck(const RampForm& form, std::span<RampStep> steps, int checkId);

// Whether control `id` is one of the form's row check boxes, or one of its typed row
// fields (a time, a level or a rate).
bool IsRowCheck(const RampForm& form, int id);
bool IsRowField(const RampForm& form, int id);

// After a validation that passed: Enter in a field leaves its text selected, ready to be
// typed over; a row's check box has no text to select.
void SelectFocusedText(DialogPort& dialog, const RampForm& form);
