// Bounded copies between std::string_view and the fixed char fields of the host's
// blocks: a caller's field may be full to the last byte without a terminator, and a
// value longer than a field is cut, never overrun. The plug-in and the host's library
// stand-ins fill and read the same blocks, so both cut and read them here, one way.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

// Copies at most size-1 characters of `text` into `dest` and terminates it. Returns the
// number of characters copied; does nothing (and returns 0) when size is 0.
inline std::size_t CopyBounded(char* dest, std::size_t size, std::string_view text) {
  if (dest == nullptr || size == 0) return 0;
  const std::size_t count = text.size() < size ? text.size() : size - 1;
  if (count > 0) std::memcpy(dest, text.data(), count);
  dest[count] = '\0';
  return count;
}

template <std::size_t N>
std::size_t CopyBounded(char (&dest)[N], std::string_view text) {
  return CopyBounded(dest, N, text);
}

// The text of a field up to its terminator or its last byte, whichever comes first.
inline std::string_view ReadBounded(const char* field, std::size_t size) {
  if (field == nullptr) return {};
  const void* end = std::memchr(field, '\0', size);
  return {field, end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : size};
}

template <std::size_t N>
std::string_view ReadBounded(const char (&field)[N]) {
  return ReadBounded(field, N);
}
