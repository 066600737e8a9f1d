// ftoa: the host's number formatting, bounded to the caller's kFtoaBufferSize bytes.
#include "hostutil.h"

#include "hostutil/core/number_format.h"
#include "no_throw.h"

HOSTUTIL_API char* WINAPI ftoa(double value, char* buffer, int decimals) {
  return NoThrow(buffer, [&] {
    hostutil::FormatFixed(value, decimals, buffer, kFtoaBufferSize);
    return buffer;
  });
}
