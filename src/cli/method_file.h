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
  bool database = false;  // a method database, or else a bare method record
  uint32_t number = 1;    // which record of the database
  uint32_t records = 1;   // how many it holds
  // "method database holding 3 records, record 2", or "method record"
  std::string Form() const;
};

// What the bytes of a file hold, taking record `number` (1-based) of a database. False
// with a one-line `error` when they are neither a method database whose record `number`
// is a TOVREX method nor a bare TOVREX method record (which is record 1 only), saying
// what is wrong as far as the bytes tell.
bool ParseMethodFile(std::span<const uint8_t> bytes, uint32_t number, LoadedMethod& method,
                     std::string& error);

// Reads and parses the file at `path`; `error` names the path.
bool LoadMethodFile(const std::string& path, uint32_t number, LoadedMethod& method,
                    std::string& error);

// A method database holding `record` as its only record, as the editor would save it.
std::vector<uint8_t> MethodDatabaseBytes(const MethodDbRecord& record);

}  // namespace method_tool
