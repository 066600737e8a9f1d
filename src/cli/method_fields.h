// Every field a method record stores, listed once with its name in the JSON form, its
// label in the editor's terms and its unit: export, import and diff all walk this list,
// so a field can be neither left out of one of them nor named two ways.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "method/inlet_method.h"

namespace method_tool {

enum class FieldKind {
  kNumber,  // a double with its unit
  kOnOff,   // a flag shown as on/off
  kYesNo,   // a step's in-use flag shown as yes/no
  kMode,    // a ULVO channel mode
};

struct StoredField {
  std::string path;   // JSON pointer of the field in the exported form
  std::string label;  // "Oven row 2 temperature"
  const char* unit;   // "°C", "min", ...; empty for flags and modes
  FieldKind kind;
  double* number;    // set for kNumber
  int32_t* integer;  // set for the other kinds
};

// The stored fields of `method`, pointing into it, in the order of InletMethod.
std::vector<StoredField> StoredFields(InletMethod& method);

// A double as the shortest decimal text that reads back to the same bits: "-0",
// "5e-324", "Infinity", "-Infinity"; the usual quiet NaN as "NaN", any other NaN as
// "NaN:0x" and its 16 hexadecimal digits, so that its sign and payload survive.
std::string ExactText(double value);
// Reads what ExactText writes, and any other decimal number; false for anything else.
bool ParseExactText(std::string_view text, double& value);

// The field's value for a reader: a number with its unit, on/off, yes/no or the mode.
std::string FieldValueText(const StoredField& field);

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
