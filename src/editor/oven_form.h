// The editor's form: copying the method into the controls, enabling the rows in use,
// reading the check boxes back and keeping a toggled row behind its predecessor.
// Typed values reach the method through validation, not here.
#pragma once

#include <string>

#include "editor/editor_session.h"
#include "editor/form_fields.h"
#include "hostutil_types.h"
#include "ramp/ramp_form.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

// The controls of one programme row. The rate field belongs to the ramp that leads
// from this row to the next (row 4 has none).
extern const RampRowControls kOvenRows[4];
// The oven programme's rows: whole degrees, times with two decimals, rates with one; a
// refusal beeps and shows the host's message.
inline constexpr RampForm kOvenForm{kOvenRows,     true,
                                    kTempDecimals, kTimeDecimals,
                                    kRateDecimals, RefusalStyle::kBeepAndHostMessage};

// "TOVREX Control - " and "[Untitled]" or the registry's NAME.EXT, upper-cased as the
// platform's ANSI code page does. Reads the entry's fields only up to their sizes.
std::string EditorTitle(bool untitled, const GlobalFileEntry& entry);

void ShowMethod(EditorSession& session, DialogPort& editor, HostPort& host);
void ShowStepChecks(const EditorSession& session, DialogPort& editor);
void EnableStepFields(EditorSession& session, DialogPort& editor, HostPort& host);
void ShowRampFields(EditorSession& session, DialogPort& editor, HostPort& host);
void ReadStepChecks(EditorSession& session, DialogPort& editor);
// After a row's box was toggled: see ShiftRowAfterCheck. The row 1, standby and time-5
// boxes move nothing.
void ShiftStepAfterCheck(EditorSession& session, int checkId);
