// The editor menu's enabled states and the two options the editor reads from the
// host's INI file when it opens.
#pragma once

#include "editor/editor_session.h"
#include "method/method_limits.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

inline constexpr const char* kOptionSection = "TOVREX";
inline constexpr int kOptionBufferSize = 20;

// Enables the three state-dependent items: Save while the method has unsaved changes, a
// ULVO channel while it is not manual.
void UpdateMenuStates(const EditorSession& session, DialogPort& editor);

// Removes the "&ULVO" pop-up when the option "ULVOControl" is 0 (its default), then
// redraws the menu bar.
void ApplyUlvoMenuOption(DialogPort& editor, HostPort& host);

// The bounds a minimum oven temperature must lie in to count: no oven goes below
// absolute zero, and a minimum above the highest temperature the oven takes would refuse
// every temperature, so that the editor could never be closed.
inline constexpr float kLowestMinOvenTemp = -273.0f;
inline constexpr float kHighestMinOvenTemp = static_cast<float>(kOvenMaxTemp);

// Reads "TOVREXMinTemp" (default 0) into minOvenTemp at single precision. A value
// outside the bounds above (a typing slip in host.ini) is ignored: no minimum, 0.
void LoadMinOvenTemp(EditorValues& values, HostPort& host);
