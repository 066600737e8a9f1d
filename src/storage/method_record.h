// The stored form of an inlet method: the 2456-byte record that the host's method
// database keeps as record 1, written and read field by field at fixed little-endian
// offsets so that its layout never depends on how a compiler lays out a struct.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

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
