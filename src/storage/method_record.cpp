// The 2456-byte method record: every field at its fixed offset, little-endian.
#include "storage/method_record.h"

#include <bit>
#include <cstring>

namespace {

using Bytes = std::array<std::uint8_t, kMethodRecordSize>;

// ---- Field offsets ----------------------------------------------------------------
// The record repeats a few shapes: the 32-byte step slot, two 304-byte heated-zone
// blocks, two 88-byte blocks of constants, the 56-byte event entry and the 392-byte
// ULVO channel. Offsets inside a shape are relative to its start.
constexpr std::size_t kNameField = 0, kNameWidth = 11;
constexpr std::size_t kTempUnitField = 11, kTempUnitWidth = 17;
constexpr std::size_t kPressureUnitField = 28, kPressureUnitWidth = 20;
constexpr std::size_t kStandbyEnabled = 48;
constexpr std::size_t kStandbyTime = 56;
constexpr std::size_t kOvenSteps = 72;
constexpr std::size_t kTime5Enabled = 200;
constexpr std::size_t kTime5 = 208;
constexpr std::size_t kOvenLimit = 216;

constexpr std::size_t kStepSize = 32;
constexpr std::size_t kStepStart = 0, kStepValue = 8, kStepHold = 16, kStepEnabled = 24;

// Heated-zone block: label (20 bytes), flag, value, word, four step slots (from 40),
// word, four step slots. Only the label, the flag and the first slot's value are set.
constexpr std::size_t kZoneBlockA = 224;  // its first slot carries zone 1
constexpr std::size_t kZoneBlockB = 528;  // its first slot carries zone 3
constexpr std::size_t kZoneLabelWidth = 20;
constexpr std::size_t kZoneFlag = 20, kZoneSteps = 40;

// Constant block: two labels (36 bytes), four flags, three values, two words. Only the
// flags and the first value are set.
constexpr std::size_t kConstBlockA = 832;  // its first value carries zone 2
constexpr std::size_t kConstBlockB = 920;
constexpr std::size_t kConstFlags = 36, kConstValues = 56;

// Two blocks of flag, flag, value, word (24 bytes), the two flags set; then three of
// flag, value (16 bytes, from 1056), all zero.
constexpr std::size_t kPairBlocks = 1008;
constexpr std::size_t kPairBlockSize = 24;
constexpr std::size_t kDumpValve = 1104;

// Ten event entries: two labels (40 bytes, empty), start, finish. The first four are
// the valve events; three others carry only a start.
constexpr std::size_t kEvents = 1112, kEventSize = 56, kEventCount = 10;
constexpr std::size_t kEventStart = 40, kEventFinish = 48;
constexpr std::size_t kPurgeEvent = 4, kSplitEvent = 5, kSecondaryCoolEvent = 6;

constexpr std::size_t EventField(std::size_t event, std::size_t field) {
  return kEvents + event * kEventSize + field;
}

constexpr std::size_t kChannels = 1672, kChannelSize = 392;
constexpr std::size_t kChMode = 0, kChStandbyEnabled = 4, kChStandbyValue = 16;
constexpr std::size_t kChSampleEnabled = 32, kChSampleValue = 40;
constexpr std::size_t kChFlowSteps = 64, kChPressureSteps = 232;

static_assert(kChannels + 2 * kChannelSize == kMethodRecordSize);
static_assert(kEvents + kEventCount * kEventSize == kChannels);

// The value the instrument software stores as the oven's upper limit.
constexpr double kOvenLimitValue = 750.0;

// ---- Little-endian access ---------------------------------------------------------

class RecordWriter {
 public:
  // Every byte starts as zero, so only what the layout sets to something else is written.
  explicit RecordWriter(Bytes& bytes) : bytes_(bytes) { bytes_.fill(0); }

  void Int32(std::size_t at, int32_t value) { Unsigned(at, static_cast<uint32_t>(value), 4); }
  void Double(std::size_t at, double value) { Unsigned(at, std::bit_cast<uint64_t>(value), 8); }
  // A text cut to fit its field with room for the NUL that ends it (a zero already).
  void Text(std::size_t at, std::size_t width, const char* text) {
    std::memcpy(&bytes_[at], text, strnlen(text, width - 1));
  }
  void Step(std::size_t at, double start, double value, double hold, int32_t enabled) {
    Double(at + kStepStart, start);
    Double(at + kStepValue, value);
    Double(at + kStepHold, hold);
    Int32(at + kStepEnabled, enabled);
  }

 private:
  void Unsigned(std::size_t at, uint64_t value, int size) {
    for (int i = 0; i < size; ++i) bytes_[at + i] = static_cast<uint8_t>(value >> (8 * i));
  }
  Bytes& bytes_;
};

class RecordReader {
 public:
  explicit RecordReader(const Bytes& bytes) : bytes_(bytes) {}

  int32_t Int32(std::size_t at) const { return static_cast<int32_t>(Unsigned(at, 4)); }
  double Double(std::size_t at) const { return std::bit_cast<double>(Unsigned(at, 8)); }
  void Step(std::size_t at, double& start, double& value, double& hold, int32_t& enabled) const {
    start = Double(at + kStepStart);
    value = Double(at + kStepValue);
    hold = Double(at + kStepHold);
    enabled = Int32(at + kStepEnabled);
  }

 private:
  uint64_t Unsigned(std::size_t at, int size) const {
    uint64_t value = 0;
    for (int i = 0; i < size; ++i) value |= static_cast<uint64_t>(bytes_[at + i]) << (8 * i);
    return value;
  }
  const Bytes& bytes_;
};

// ---- Encoding ---------------------------------------------------------------------

// A heated-zone block: a one-space label, its flag set, and the first slot's value
// carrying a temperature; the rest of the block is zero.
void WriteZoneBlock(RecordWriter& out, std::size_t block, double zoneTemp) {
  out.Text(block, kZoneLabelWidth, " ");
  out.Int32(block + kZoneFlag, 1);
  out.Double(block + kZoneSteps + kStepValue, zoneTemp);
}

// A constant block: its four flags set and its first value; labels, the other values and
// the words are zero.
void WriteConstBlock(RecordWriter& out, std::size_t block, double firstValue) {
  for (std::size_t i = 0; i < 4; ++i) out.Int32(block + kConstFlags + 4 * i, 1);
  out.Double(block + kConstValues, firstValue);
}

void WriteEvents(RecordWriter& out, const InletMethod& m) {
  for (std::size_t e = 0; e < m.valveEvent.size(); ++e) {
    out.Double(EventField(e, kEventStart), m.valveEvent[e].start);
    out.Double(EventField(e, kEventFinish), m.valveEvent[e].finish);
  }
  out.Double(EventField(kPurgeEvent, kEventStart), m.purgeTime);
  out.Double(EventField(kSplitEvent, kEventStart), m.splitTime);
  out.Double(EventField(kSecondaryCoolEvent, kEventStart), m.secondaryCoolTime);
}

void WriteChannel(RecordWriter& out, std::size_t at, const UlvoChannel& ch) {
  const UlvoRamp& flow = ch.ramp[0];
  const UlvoRamp& pressure = ch.ramp[1];
  out.Int32(at + kChMode, ch.mode);
  out.Int32(at + kChStandbyEnabled, flow.standbyEnabled);
  out.Int32(at + kChStandbyEnabled + 4, pressure.standbyEnabled);
  out.Double(at + kChStandbyValue, flow.standbyValue);
  out.Double(at + kChStandbyValue + 8, pressure.standbyValue);
  out.Int32(at + kChSampleEnabled, flow.sampleEnabled);
  out.Int32(at + kChSampleEnabled + 4, pressure.sampleEnabled);
  out.Double(at + kChSampleValue, flow.sampleValue);
  out.Double(at + kChSampleValue + 8, pressure.sampleValue);
  for (std::size_t s = 0; s < 5; ++s) {
    const UlvoStep& f = flow.step[s];
    const UlvoStep& p = pressure.step[s];
    out.Step(at + kChFlowSteps + s * kStepSize, f.start, f.value, f.hold, f.enabled);
    out.Step(at + kChPressureSteps + s * kStepSize, p.start, p.value, p.hold, p.enabled);
  }
}

// ---- Decoding ---------------------------------------------------------------------

void ReadChannel(const RecordReader& in, std::size_t at, UlvoChannel& ch) {
  UlvoRamp& flow = ch.ramp[0];
  UlvoRamp& pressure = ch.ramp[1];
  ch.mode = in.Int32(at + kChMode);
  flow.standbyEnabled = in.Int32(at + kChStandbyEnabled);
  pressure.standbyEnabled = in.Int32(at + kChStandbyEnabled + 4);
  flow.standbyValue = in.Double(at + kChStandbyValue);
  pressure.standbyValue = in.Double(at + kChStandbyValue + 8);
  flow.sampleEnabled = in.Int32(at + kChSampleEnabled);
  pressure.sampleEnabled = in.Int32(at + kChSampleEnabled + 4);
  flow.sampleValue = in.Double(at + kChSampleValue);
  pressure.sampleValue = in.Double(at + kChSampleValue + 8);
  for (std::size_t s = 0; s < 5; ++s) {
    UlvoStep& f = flow.step[s];
    UlvoStep& p = pressure.step[s];
    in.Step(at + kChFlowSteps + s * kStepSize, f.start, f.value, f.hold, f.enabled);
    in.Step(at + kChPressureSteps + s * kStepSize, p.start, p.value, p.hold, p.enabled);
  }
}

}  // namespace

void EncodeMethodRecord(const InletMethod& m, MethodDbRecord& record) {
  RecordWriter out(record.bytes);
  out.Text(kNameField, kNameWidth, kInstrumentName);
  out.Text(kTempUnitField, kTempUnitWidth, "C");
  out.Text(kPressureUnitField, kPressureUnitWidth, "Bar");
  out.Int32(kStandbyEnabled, m.standbyEnabled);
  out.Double(kStandbyTime, m.standbyTime);
  for (std::size_t i = 0; i < 4; ++i) {
    const OvenStep& s = m.ovenStep[i];
    out.Step(kOvenSteps + i * kStepSize, s.start, s.temp, s.hold, s.enabled);
  }
  out.Int32(kTime5Enabled, m.time5Enabled);
  out.Double(kTime5, m.time5);
  out.Double(kOvenLimit, kOvenLimitValue);
  WriteZoneBlock(out, kZoneBlockA, m.zone1Temp);
  WriteZoneBlock(out, kZoneBlockB, m.zone3Temp);
  WriteConstBlock(out, kConstBlockA, m.zone2Temp);
  WriteConstBlock(out, kConstBlockB, 0.0);
  for (std::size_t b = 0; b < 2; ++b) {
    const std::size_t at = kPairBlocks + b * kPairBlockSize;
    out.Int32(at, 1);
    out.Int32(at + 4, 1);
  }
  out.Int32(kDumpValve, m.dumpValve);
  WriteEvents(out, m);
  for (std::size_t c = 0; c < 2; ++c) WriteChannel(out, kChannels + c * kChannelSize, m.ulvo[c]);
}

std::string StoredInstrumentName(const MethodDbRecord& record) {
  const char* name = reinterpret_cast<const char*>(&record.bytes[kNameField]);
  return std::string(name, strnlen(name, kNameWidth));
}

void DecodeMethodRecord(const MethodDbRecord& record, InletMethod& m) {
  DecodeStoredFields(record, m);
  for (UlvoChannel& ch : m.ulvo) {
    if (ch.mode != kUlvoFlow && ch.mode != kUlvoPressure) ch.mode = kUlvoManual;
  }
}

void DecodeStoredFields(const MethodDbRecord& record, InletMethod& m) {
  const RecordReader in(record.bytes);
  m.standbyEnabled = in.Int32(kStandbyEnabled);
  m.standbyTime = in.Double(kStandbyTime);
  for (std::size_t i = 0; i < 4; ++i) {
    OvenStep& s = m.ovenStep[i];
    in.Step(kOvenSteps + i * kStepSize, s.start, s.temp, s.hold, s.enabled);
  }
  m.time5Enabled = in.Int32(kTime5Enabled);
  m.time5 = in.Double(kTime5);
  m.zone1Temp = in.Double(kZoneBlockA + kZoneSteps + kStepValue);
  m.zone3Temp = in.Double(kZoneBlockB + kZoneSteps + kStepValue);
  m.zone2Temp = in.Double(kConstBlockA + kConstValues);
  m.dumpValve = in.Int32(kDumpValve);
  for (std::size_t e = 0; e < m.valveEvent.size(); ++e) {
    m.valveEvent[e].start = in.Double(EventField(e, kEventStart));
    m.valveEvent[e].finish = in.Double(EventField(e, kEventFinish));
  }
  m.purgeTime = in.Double(EventField(kPurgeEvent, kEventStart));
  m.splitTime = in.Double(EventField(kSplitEvent, kEventStart));
  m.secondaryCoolTime = in.Double(EventField(kSecondaryCoolEvent, kEventStart));
  for (std::size_t c = 0; c < 2; ++c) ReadChannel(in, kChannels + c * kChannelSize, m.ulvo[c]);
}
