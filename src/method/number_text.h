// Numbers read from text typed by a user or stored in an INI file, converted the way
// the classic C runtime's atoi and atof do, but independent of the locale and of any C
// library's extensions (no hexadecimal, infinity or NaN forms), and never undefined.
#pragma once

#include <cstdint>
#include <string_view>

// Leading white space, an optional sign, decimal digits; stops at the first other
// character. No digits gives 0. A value beyond int32 saturates.
int32_t ReadWholeNumber(std::string_view text);

// Leading white space, an optional sign, digits with an optional fraction, an optional
// exponent. No number gives 0; a value too large for a double gives an infinity of its
// sign, one too small gives 0.
double ReadDecimalNumber(std::string_view text);

// Conversions of outside values that clamp instead of being undefined: NaN becomes 0.
float SaturateToFloat(double value);
int32_t SaturateToInt32(double value);
