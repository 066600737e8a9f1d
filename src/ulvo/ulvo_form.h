// The ULVO channel dialog's form: the caption and mode texts, the ramp rows, their check
// boxes and enabling, and keeping a toggled step behind its predecessor. Typed values
// reach the ramp through validation, not here. Every number is shown with one decimal.
#pragma once

#include "editor/editor_session.h"
#include "editor/form_fields.h"
#include "ramp/ramp_form.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

// The controls of one ramp row. The rate field belongs to the ramp that leads from this
// row to the next (row 5 has none).
extern const RampRowControls kUlvoRows[5];

inline constexpr int kUlvoDecimals = 1;
// A channel's rows: every number with one decimal; a refusal is a box captioned "ULVO".
inline constexpr RampForm kUlvoForm{kUlvoRows,     false,         kUlvoDecimals,
                                    kUlvoDecimals, kUlvoDecimals, RefusalStyle::kUlvoBox};

// The caption, the mode's texts, the sample and standby values, the step boxes and rows.
void ShowUlvoChannel(EditorSession& session, DialogPort& dialog, HostPort& host);
// The rows' fields enabled as their steps are in use, and the rows shown.
void EnableUlvoStepFields(EditorSession& session, DialogPort& dialog, HostPort& host);
void ShowUlvoRampFields(EditorSession& session, DialogPort& dialog, HostPort& host);
// After step box `checkId` was toggled: the boxes read into the steps (ReadRowChecks;
// standby and sample always run), the fields enabled, the boxes shown as the rule left
// them, and the toggled step kept behind its predecessor (ShiftRowAfterCheck; box 1
// moves nothing).
void ApplyUlvoStepCheck(EditorSession& session, DialogPort& dialog, HostPort& host, int checkId);
