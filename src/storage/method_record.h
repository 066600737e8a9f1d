// The stored form of an inlet method: the 2456-byte record that the host's method
// database keeps as record 1, written and read field by field at fixed little-endian
// offsets so that its layout never depends on how a compiler lays out a struct.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "method/inlet_method.h"
#include "recdb_codes.h"

inline constexpr std::size_t kMethodRecordSize = recdb::kMethodRecordSize;
// The number by which every record-database call names the method database.
inline constexpr int32_t kMethodDbNumber = recdb::kMethodDatabase;
// The method is always this record of the database.
inline constexpr int32_t kMethodRecordNumber = 1;
inline constexpr const char* kInstrumentName = "TOVREX";

struct MethodDbRecord {
  std::array<std::uint8_t, kMethodRecordSize> bytes;
};

enum class FieldKind {
  kNumber,  // a double with its unit
  kOnOff,   // a flag shown as on/off
  kYesNo,   // a step's in-use flag shown as yes/no
  kMode,    // a ULVO channel mode
};

// One field the record stores: where, what kind, and its name in the JSON form and in
// the editor's terms. The name is kept in parts so that listing the fields for a save or
// an opening builds no text: a group ("/oven/steps", "Oven row"), the row in it, and the
// field's own part ("temp", "temperature").
struct StoredField {
  std::size_t offset;  // in the record, little-endian
  FieldKind kind;
  double* number;    // set for kNumber
  int32_t* integer;  // set for the other kinds
  const char* unit;  // "°C", "min", ...; empty for flags and modes
  const char* groupPath;
  const char* groupLabel;  // empty for a field of no group: its own label is whole
  int row;                 // 0-based; -1 for a field that is not a row's
  const char* ownPath;
  const char* ownLabel;

  std::string Path() const;   // a JSON pointer: "/oven/steps/1/temp"
  std::string Label() const;  // "Oven row 2 temperature"
};

// Every field the record stores, pointing into `method`, in the order of InletMethod. The
// codec writes and reads by this list and the method tool exports, imports and compares
// by it, so the layout is spelled out once and no field can be left out of one of them.
std::vector<StoredField> StoredFields(InletMethod& method);

// Fills every byte of `record` from `method`: the stored fields, the fixed constants
// the layout carries, and zero in every byte the layout leaves unset.
void EncodeMethodRecord(const InletMethod& method, MethodDbRecord& record);

// The instrument name at the start of the record: its text up to the first NUL, never
// more than the field's 11 bytes.
std::string StoredInstrumentName(const MethodDbRecord& record);

// Copies the stored fields into `method`. The axis maxima are not stored and keep the
// values they had. A channel mode outside Manual/Flow/Pressure, which only a record
// written by another program can carry, reads as Manual: the editor indexes the ramps
// by mode.
void DecodeMethodRecord(const MethodDbRecord& record, InletMethod& method);

// The same, but every field exactly as stored, an unknown channel mode included: for
// tools that show, check or carry a record as it is. Encoding the result gives back
// every stored field bit for bit. Nothing may index the ramps by such a method's modes.
void DecodeStoredFields(const MethodDbRecord& record, InletMethod& method);
