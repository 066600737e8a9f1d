// Reading a method from the files tovrex-method is given: a method database of the
// host's record database (the method is its record 1) or a bare 2456-byte method
// record; and writing either. The record codec and the database format are the
// editor's and the host library's own; nothing here knows a byte offset of either.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "method/inlet_method.h"
#include "storage/method_record.h"

namespace method_tool {

// A method as one file holds it: the record and its fields exactly as stored.
struct LoadedMethod {
  MethodDbRecord record;
  InletMethod method;
  std::string form;  // "method database, record 1" or "method record"
};

// What the bytes of a file hold. False with a one-line `error` when they are neither a
// method database whose record 1 is a TOVREX method nor a bare TOVREX method record.
bool ParseMethodFile(std::span<const uint8_t> bytes, LoadedMethod& method, std::string& error);

// Reads and parses the file at `path`; `error` names the path.
bool LoadMethodFile(const std::string& path, LoadedMethod& method, std::string& error);

// A method database holding `record` as its only record, as the editor would save it.
std::vector<uint8_t> MethodDatabaseBytes(const MethodDbRecord& record);

}  // namespace method_tool
