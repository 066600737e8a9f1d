// The host's number formatting (ftoa): a value with a fixed number of decimals, as the
// editor shows every quantity.
#pragma once

#include <cstddef>

namespace hostutil {

// Decimals beyond this are treated as this many: no field shows more, and it keeps the
// exponent form of the largest doubles within the buffer.
inline constexpr int kMaxDecimals = 20;

// Writes `value` with `decimals` fixed decimals (clamped to 0..kMaxDecimals) into
// `buffer` of `size` bytes, terminated. Rounds as printf's "%.*f" does (to nearest,
// ties to even on the exact binary value). A value whose fixed text would not fit is
// written as d.ddde+NN; NaN and the infinities as "NaN", "Infinity", "-Infinity"; a
// negative value that rounds to zero as unsigned zero. Text that cannot fit at all is
// cut at size-1. Returns the number of characters written.
std::size_t FormatFixed(double value, int decimals, char* buffer, std::size_t size);

}  // namespace hostutil
