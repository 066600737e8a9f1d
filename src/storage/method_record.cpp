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

void PutUnsigned(Bytes& bytes, std::size_t at, uint64_t value, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
void PutInt32(Bytes& bytes, std::size_t at, int32_t value) {
  PutUnsigned(bytes, at, static_cast<uint32_t>(value), 4);
}
void PutDouble(Bytes& bytes, std::size_t at, double value) {
  PutUnsigned(bytes, at, std::bit_cast<uint64_t>(value), 8);
}
// A text cut to fit its field with room for the NUL that ends it (a zero already).
void PutText(Bytes& bytes, std::size_t at, std::size_t width, const char* text) {
  std::memcpy(&bytes[at], text, strnlen(text, width - 1));
}

uint64_t GetUnsigned(const Bytes& bytes, std::size_t at, std::size_t size) {
  uint64_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= static_cast<uint64_t>(bytes[at + i]) << (8 * i);
  return value;
}

// ---- The stored fields ------------------------------------------------------------

class FieldList {
 public:
  explicit FieldList(std::vector<StoredField>& fields) : fields_(fields) {}
  // The fields added next belong to this group, and to its row `row` unless it is -1.
  void Group(const char* path, const char* label, int row = -1) {
    path_ = path;
    label_ = label;
    row_ = row;
  }
  void Number(std::size_t at, const char* path, const char* label, const char* unit,
              double& value) {
    fields_.push_back(
        {at, FieldKind::kNumber, &value, nullptr, unit, path_, label_, row_, path, label});
  }
  void Integer(std::size_t at, const char* path, const char* label, FieldKind kind,
               int32_t& value) {
    fields_.push_back({at, kind, nullptr, &value, "", path_, label_, row_, path, label});
  }
  // A step slot: start, level, hold and in-use flag.
  void Step(std::size_t at, const char* levelPath, const char* levelLabel, const char* unit,
            RampStep& step) {
    Number(at + kStepStart, "start", "start", "min", step.start);
    Number(at + kStepValue, levelPath, levelLabel, unit, step.level);
    Number(at + kStepHold, "hold", "time", "min", step.hold);
    Integer(at + kStepEnabled, "enabled", "in use", FieldKind::kYesNo, step.enabled);
  }

 private:
  std::vector<StoredField>& fields_;
  const char* path_ = "";
  const char* label_ = "";
  int row_ = -1;
};

// The names of a channel's ramps: [channel][ramp] the ramp itself, then its rows.
struct RampNames {
  const char* path;
  const char* label;
  const char* unit;
  const char* rowsPath;
  const char* rowsLabel;
};
constexpr RampNames kRampNames[2][2] = {
    {{"/ulvo/left/flow", "ULVO left flow", "ml/min", "/ulvo/left/flow/steps", "ULVO left flow row"},
     {"/ulvo/left/pressure", "ULVO left pressure", "kPa", "/ulvo/left/pressure/steps",
      "ULVO left pressure row"}},
    {{"/ulvo/right/flow", "ULVO right flow", "ml/min", "/ulvo/right/flow/steps",
      "ULVO right flow row"},
     {"/ulvo/right/pressure", "ULVO right pressure", "kPa", "/ulvo/right/pressure/steps",
      "ULVO right pressure row"}},
};
constexpr const char* kChannelPaths[2] = {"/ulvo/left", "/ulvo/right"};
constexpr const char* kChannelLabels[2] = {"ULVO left", "ULVO right"};

// A channel's flow and pressure ramps interleave: each of the channel's flags and values
// is stored for the flow ramp, then beside it for the pressure ramp.
void ChannelFields(FieldList& list, std::size_t c, UlvoChannel& ch) {
  const std::size_t at = kChannels + c * kChannelSize;
  list.Group(kChannelPaths[c], kChannelLabels[c]);
  list.Integer(at + kChMode, "mode", "mode", FieldKind::kMode, ch.mode);
  for (std::size_t r = 0; r < 2; ++r) {
    const RampNames& names = kRampNames[c][r];
    UlvoRamp& ramp = ch.ramp[r];
    list.Group(names.path, names.label);
    list.Integer(at + kChStandbyEnabled + 4 * r, "standbyEnabled", "standby value in use",
                 FieldKind::kYesNo, ramp.standbyEnabled);
    list.Number(at + kChStandbyValue + 8 * r, "standbyValue", "standby value", names.unit,
                ramp.standbyValue);
    list.Integer(at + kChSampleEnabled + 4 * r, "sampleEnabled", "sample value in use",
                 FieldKind::kYesNo, ramp.sampleEnabled);
    list.Number(at + kChSampleValue + 8 * r, "sampleValue", "sample value", names.unit,
                ramp.sampleValue);
    const std::size_t steps = at + (r == 0 ? kChFlowSteps : kChPressureSteps);
    for (std::size_t k = 0; k < ramp.step.size(); ++k) {
      list.Group(names.rowsPath, names.rowsLabel, static_cast<int>(k));
      list.Step(steps + k * kStepSize, "value", "value", names.unit, ramp.step[k]);
    }
  }
}

}  // namespace

std::string StoredField::Path() const {
  return std::string(groupPath) + (row < 0 ? "" : "/" + std::to_string(row)) + "/" + ownPath;
}

std::string StoredField::Label() const {
  if (*groupLabel == '\0') return ownLabel;
  return std::string(groupLabel) + (row < 0 ? "" : " " + std::to_string(row + 1)) + " " + ownLabel;
}

std::vector<StoredField> StoredFields(InletMethod& m) {
  std::vector<StoredField> fields;
  FieldList list(fields);
  list.Group("/oven", "");
  list.Integer(kStandbyEnabled, "standbyEnabled", "Standby time in use", FieldKind::kYesNo,
               m.standbyEnabled);
  list.Number(kStandbyTime, "standbyTime", "Standby time", "min", m.standbyTime);
  list.Integer(kTime5Enabled, "time5Enabled", "Time 5 in use", FieldKind::kYesNo, m.time5Enabled);
  list.Number(kTime5, "time5", "Time 5", "min", m.time5);
  for (std::size_t k = 0; k < m.ovenStep.size(); ++k) {
    list.Group("/oven/steps", "Oven row", static_cast<int>(k));
    list.Step(kOvenSteps + k * kStepSize, "temp", "temperature", "°C", m.ovenStep[k]);
  }
  list.Group("/zones", "");
  list.Number(kZoneBlockA + kZoneSteps + kStepValue, "zone1Temp", "Zone 1 temperature", "°C",
              m.zone1Temp);
  list.Number(kConstBlockA + kConstValues, "zone2Temp", "Zone 2 temperature", "°C", m.zone2Temp);
  list.Number(kZoneBlockB + kZoneSteps + kStepValue, "zone3Temp", "Zone 3 temperature", "°C",
              m.zone3Temp);
  list.Group("", "");
  list.Integer(kDumpValve, "dumpValve", "Dump valve", FieldKind::kOnOff, m.dumpValve);
  list.Group("/valves", "");
  list.Number(EventField(kPurgeEvent, kEventStart), "purgeTime", "Purge time", "min", m.purgeTime);
  list.Number(EventField(kSplitEvent, kEventStart), "splitTime", "Split time", "min", m.splitTime);
  list.Number(EventField(kSecondaryCoolEvent, kEventStart), "secondaryCoolTime",
              "Secondary cool time", "min", m.secondaryCoolTime);
  for (std::size_t e = 0; e < m.valveEvent.size(); ++e) {
    list.Group("/valves/events", "Valve event", static_cast<int>(e));
    list.Number(EventField(e, kEventStart), "start", "start", "min", m.valveEvent[e].start);
    list.Number(EventField(e, kEventFinish), "finish", "finish", "min", m.valveEvent[e].finish);
  }
  for (std::size_t c = 0; c < m.ulvo.size(); ++c) ChannelFields(list, c, m.ulvo[c]);
  return fields;
}

// ---- Encoding and decoding --------------------------------------------------------

void EncodeMethodRecord(const InletMethod& method, MethodDbRecord& record) {
  Bytes& out = record.bytes;
  // Every byte starts as zero, so only what the layout sets to something else is written.
  out.fill(0);
  PutText(out, kNameField, kNameWidth, kInstrumentName);
  PutText(out, kTempUnitField, kTempUnitWidth, "C");
  PutText(out, kPressureUnitField, kPressureUnitWidth, "Bar");
  PutDouble(out, kOvenLimit, kOvenLimitValue);
  // The heated-zone blocks: a one-space label and their flag set.
  for (const std::size_t block : {kZoneBlockA, kZoneBlockB}) {
    PutText(out, block, kZoneLabelWidth, " ");
    PutInt32(out, block + kZoneFlag, 1);
  }
  // The constant blocks: their four flags set.
  for (const std::size_t block : {kConstBlockA, kConstBlockB}) {
    for (std::size_t i = 0; i < 4; ++i) PutInt32(out, block + kConstFlags + 4 * i, 1);
  }
  // The two pair blocks: both their flags set.
  for (std::size_t b = 0; b < 2; ++b) {
    PutInt32(out, kPairBlocks + b * kPairBlockSize, 1);
    PutInt32(out, kPairBlocks + b * kPairBlockSize + 4, 1);
  }
  InletMethod m = method;
  for (const StoredField& f : StoredFields(m)) {
    if (f.number) {
      PutDouble(out, f.offset, *f.number);
    } else {
      PutInt32(out, f.offset, *f.integer);
    }
  }
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
  for (const StoredField& f : StoredFields(m)) {
    if (f.number) {
      *f.number = std::bit_cast<double>(GetUnsigned(record.bytes, f.offset, 8));
    } else {
      *f.integer = static_cast<int32_t>(GetUnsigned(record.bytes, f.offset, 4));
    }
  }
}
