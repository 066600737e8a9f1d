// The stored fields as the tool shows and compares them: exact number text, a field's
// value for a reader, and the fields that differ between two methods.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/method_record.h"

namespace method_tool {

// A double as the shortest decimal text that reads back to the same bits: "-0",
// "5e-324", "Infinity", "-Infinity"; the usual quiet NaN as "NaN", any other NaN as
// "NaN:0x" and its 16 hexadecimal digits, so that its sign and payload survive.
std::string ExactText(double value);
// Reads what ExactText writes, and any other decimal number; false for anything else.
bool ParseExactText(std::string_view text, double& value);

// A flag: 0 is `off`, 1 is `on`, any other value its number and `on` in brackets, as the
// editor takes every value but 0 as set.
std::string FlagText(int32_t value, const char* off, const char* on);

// Mode 0, 1, 2 as the configuration dialog names them; any other value by its number.
std::string ModeText(int32_t mode);

// The positions in StoredFields of the fields that differ, compared bit for bit (a NaN
// equals only the same NaN, and -0 is not 0).
std::vector<std::size_t> ChangedFields(const InletMethod& before, const InletMethod& after);

// One line per stored field that differs, "label: old → new".
std::vector<std::string> DiffLines(const InletMethod& before, const InletMethod& after);

}  // namespace method_tool
