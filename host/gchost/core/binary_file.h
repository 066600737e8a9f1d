// Writing a whole file of bytes at once.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace gchost {

// Creates or replaces the file at `path` with `bytes`. Returns false when the file could
// not be opened or written completely; a partly written file is removed again.
bool WriteBinaryFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace gchost
