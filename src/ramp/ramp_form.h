// A ramp's rows on a form, the oven programme's in the editor and a ULVO channel's in its
// dialog: each form described as data (its row controls, decimals, how a level is read,
// how a refusal reaches the user), checked and stored by one loop.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "editor/form_fields.h"
#include "method/method_limits.h"
#include "ramp/ramp_rows.h"
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

// Row k (1-based): its level, its time and the rate leading into it, each against the
// limits; the first refusal is reported.
bool CheckRampRow(DialogPort& dialog, HostPort& host, const RampForm& form,
                  const RampLimits& limits, int k);

// The level typed into a row, read as the form reads it.
double ReadRampLevel(DialogPort& dialog, const RampForm& form, int id);

// Checks rows 1..inUse in order and, only when every one has passed, stores them: level
// and time rewritten with the form's decimals, a typed rate placing the row it leads
// into (row 1's start stays). `level` names the level in the method's step record.
template <class Step, std::size_t N>
bool ValidateRampRows(DialogPort& dialog, HostPort& host, const RampForm& form,
                      const RampLimits& limits, std::array<Step, N>& steps, double Step::*level,
                      int inUse) {
  for (int k = 1; k <= inUse; ++k) {
    if (!CheckRampRow(dialog, host, form, limits, k)) return false;
  }
  for (int k = 1; k <= inUse; ++k) {
    const RampRowControls& row = form.rows[k - 1];
    Step& step = steps[k - 1];
    step.*level = ReadRampLevel(dialog, form, row.level);
    WriteNumberField(dialog, host, row.level, step.*level, form.levelDecimals);
    step.hold = ReadDecimalField(dialog, row.time);
    WriteNumberField(dialog, host, row.time, step.hold, form.timeDecimals);
    if (k == 1) {
      step.start = FirstRowStart(step.start, limits.time.high);
      continue;
    }
    const Step& previous = steps[k - 2];
    const int rateId = form.rows[k - 2].rate;
    const double rate = ReadDecimalField(dialog, rateId);
    PlaceRampRow(steps, k, inUse,
                 StartAfterRamp(previous.start, previous.hold, previous.*level, step.*level, rate));
    WriteNumberField(dialog, host, rateId, rate, form.rateDecimals);
  }
  return true;
}

// Row 1's box ticked (row 1 is always in use), the others' as their steps' flags.
template <class Step, std::size_t N>
void ShowRowChecks(DialogPort& dialog, const RampForm& form, const std::array<Step, N>& steps) {
  dialog.SetChecked(form.rows[0].check, true);
  for (std::size_t k = 1; k < N; ++k) dialog.SetChecked(form.rows[k].check, steps[k].enabled != 0);
}

// Row 1's fields enabled; a row's fields and the rate leading into it follow its flag.
template <class Step, std::size_t N>
void EnableRows(DialogPort& dialog, const RampForm& form, const std::array<Step, N>& steps) {
  dialog.EnableControl(form.rows[0].time, true);
  dialog.EnableControl(form.rows[0].level, true);
  for (std::size_t k = 1; k < N; ++k) {
    const bool enabled = steps[k].enabled != 0;
    dialog.EnableControl(form.rows[k].time, enabled);
    dialog.EnableControl(form.rows[k].level, enabled);
    dialog.EnableControl(form.rows[k - 1].rate, enabled);
  }
}

// Every row's time and level, and the rate between each two rows, in use or not, from
// the steps as they are stored.
template <class Step, std::size_t N>
void ShowRows(DialogPort& dialog, HostPort& host, const RampForm& form,
              const std::array<Step, N>& steps, double Step::*level) {
  for (std::size_t k = 0; k < N; ++k) {
    WriteNumberField(dialog, host, form.rows[k].time, steps[k].hold, form.timeDecimals);
    WriteNumberField(dialog, host, form.rows[k].level, steps[k].*level, form.levelDecimals);
    if (k + 1 == N) break;
    WriteRampRate(dialog, host, form.rows[k].rate, steps[k + 1].*level - steps[k].*level,
                  steps[k + 1].start - (steps[k].start + steps[k].hold), form.rateDecimals);
  }
}

// The boxes read into the steps' flags: rows in use form a prefix, so a ticked box counts
// only behind a row in use; row 1 always is.
template <class Step, std::size_t N>
void ReadRowChecks(DialogPort& dialog, const RampForm& form, std::array<Step, N>& steps) {
  bool inUse = true;
  steps[0].enabled = 1;
  for (std::size_t k = 1; k < N; ++k) {
    inUse = inUse && dialog.IsChecked(form.rows[k].check);
    steps[k].enabled = inUse ? 1 : 0;
  }
}

// After row k's box was toggled (k >= 2), its step starts no earlier than the end of the
// previous plateau. Any other box (row 1's has no predecessor) moves nothing.
template <class Step, std::size_t N>
void ShiftRowAfterCheck(const RampForm& form, std::array<Step, N>& steps, int checkId) {
  for (std::size_t k = 1; k < N; ++k) {
    if (form.rows[k].check != checkId) continue;
    const double previousEnd = steps[k - 1].start + steps[k - 1].hold;
    if (previousEnd > steps[k].start) steps[k].start = previousEnd;
  }
}

// Whether control `id` is one of the form's row check boxes, or one of its typed row
// fields (a time, a level or a rate).
bool IsRowCheck(const RampForm& form, int id);
bool IsRowField(const RampForm& form, int id);

// After a validation that passed: Enter in a field leaves its text selected, ready to be
// typed over; a row's check box has no text to select.
void SelectFocusedText(DialogPort& dialog, const RampForm& form);
