// Reading numbers from a dialog's fields and writing them back through the host's
// formatting. Only the first nine characters of a field count, as they always have
// on this instrument's forms.
#pragma once

#include <cstdint>

#include "ui/dialog_port.h"
#include "ui/host_port.h"

inline constexpr int kFieldReadLength = 9;

// Decimals used when a quantity reaches the screen.
inline constexpr int kTempDecimals = 0;
inline constexpr int kTimeDecimals = 2;
inline constexpr int kRateDecimals = 1;

int32_t ReadWholeField(DialogPort& dialog, int id);
double ReadDecimalField(DialogPort& dialog, int id);
void WriteNumberField(DialogPort& dialog, HostPort& host, int id, double value, int decimals);
// The rate of a ramp that rises (or falls) by `rise` over `span` minutes, as a positive
// number, or "Infinity" for a ramp of no duration. The rate is shown, never stored.
void WriteRampRate(DialogPort& dialog, HostPort& host, int id, double rise, double span,
                   int decimals);

// Gives the control the focus and selects all its text.
void FocusField(DialogPort& dialog, int id);
