// Formatting and the strict parse of a stored window position.
#include "hostutil/core/window_pos_text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace hostutil {

std::string FormatWindowPos(const WindowPos& pos) {
  const std::array<int32_t, 6> words = {pos.flags, pos.showState, pos.left,
                                        pos.top,   pos.right,     pos.bottom};
  std::string text;
  for (int32_t word : words) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, word);
    if (!text.empty()) text += ',';
    text.append(digits, result.ptr);
  }
  return text;
}

std::optional<WindowPos> ParseWindowPos(std::string_view text) {
  std::array<int32_t, 6> words{};
  const char* cursor = text.data();
  const char* const end = text.data() + text.size();
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) {
      if (cursor == end || *cursor != ',') return std::nullopt;
      ++cursor;
    }
    // from_chars takes an optional '-' and digits, never a '+' or a space, and refuses
    // a value outside int32 with result_out_of_range.
    const auto result = std::from_chars(cursor, end, words[i]);
    if (result.ec != std::errc()) return std::nullopt;
    cursor = result.ptr;
  }
  if (cursor != end) return std::nullopt;
  return WindowPos{words[0], words[1], words[2], words[3], words[4], words[5]};
}

}  // namespace hostutil
