// The method record codec against a record laid out here by hand, offset by offset, and
// a write/read round trip.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <string>

#include "storage/method_record.h"

namespace {

// A method whose every stored field holds a value no other field holds, so that a
// field written to or read from the wrong offset cannot go unnoticed.
InletMethod DistinctMethod() {
  InletMethod m{};
  double next = 1.25;
  auto value = [&next] { return next += 1.5; };
  int32_t flag = 40;
  auto nextFlag = [&flag] { return ++flag; };
  m.tempAxisMax = 901.0;
  m.timeAxisMax = 33.0;
  m.standbyEnabled = nextFlag();
  m.standbyTime = value();
  m.time5Enabled = nextFlag();
  m.time5 = value();
  for (OvenStep& s : m.ovenStep) s = {value(), value(), value(), nextFlag()};
  m.zone1Temp = value();
  m.zone2Temp = value();
  m.zone3Temp = value();
  m.dumpValve = nextFlag();
  m.purgeTime = value();
  m.splitTime = value();
  m.secondaryCoolTime = value();
  for (ValveEvent& e : m.valveEvent) e = {value(), value()};
  m.ulvo[0].mode = kUlvoPressure;
  m.ulvo[1].mode = kUlvoFlow;
  for (UlvoChannel& c : m.ulvo) {
    for (UlvoRamp& r : c.ramp) {
      r.valueAxisMax = value();
      r.timeAxisMax = value();
      r.standbyEnabled = nextFlag();
      r.standbyValue = value();
      r.sampleEnabled = nextFlag();
      r.sampleValue = value();
      for (UlvoStep& s : r.step) s = {value(), value(), value(), nextFlag()};
    }
  }
  return m;
}

// The record as the layout table describes it, built byte by byte. Bytes the table
// leaves unset get `filler`.
class HandRecord {
 public:
  explicit HandRecord(uint8_t filler) { r.bytes.fill(filler); }
  void I16(size_t at, int16_t v) { Put(at, static_cast<uint16_t>(v), 2); }
  void I32(size_t at, int32_t v) { Put(at, static_cast<uint32_t>(v), 4); }
  void F64(size_t at, double v) { Put(at, std::bit_cast<uint64_t>(v), 8); }
  void Text(size_t at, size_t width, const char* text) {
    // The whole field: the text, its NUL, and zero behind it (the writer is free
    // there, and writes zero).
    for (size_t i = 0; i < width; ++i) r.bytes[at + i] = 0;
    std::memcpy(&r.bytes[at], text, std::strlen(text));
  }
  void Step(size_t at, double start, double value, double hold, int32_t enabled) {
    F64(at, start);
    F64(at + 8, value);
    F64(at + 16, hold);
    I32(at + 24, enabled);
  }
  MethodDbRecord r;

 private:
  void Put(size_t at, uint64_t v, int n) {
    for (int i = 0; i < n; ++i) r.bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
  }
};

MethodDbRecord BuildByHand(const InletMethod& m, uint8_t filler) {
  HandRecord h(filler);
  h.Text(0, 11, "TOVREX");
  h.Text(11, 17, "C");
  h.Text(28, 20, "Bar");
  h.I32(48, m.standbyEnabled);
  h.F64(56, m.standbyTime);
  for (size_t i = 0; i < 4; ++i) {
    const OvenStep& s = m.ovenStep[i];
    h.Step(72 + 32 * i, s.start, s.temp, s.hold, s.enabled);
  }
  h.I32(200, m.time5Enabled);
  h.F64(208, m.time5);
  h.F64(216, 750.0);
  h.Text(224, 20, " ");
  h.I32(244, 1);
  h.F64(248, 0.0);
  h.I16(256, 0);
  h.Step(264, 0.0, m.zone1Temp, 0.0, 0);
  for (size_t i = 1; i < 4; ++i) h.Step(264 + 32 * i, 0, 0, 0, 0);
  h.I16(392, 0);
  for (size_t i = 0; i < 4; ++i) h.Step(400 + 32 * i, 0, 0, 0, 0);
  h.Text(528, 20, " ");
  h.I32(548, 1);
  h.F64(552, 0.0);
  h.I16(560, 0);
  h.Step(568, 0.0, m.zone3Temp, 0.0, 0);
  for (size_t i = 1; i < 4; ++i) h.Step(568 + 32 * i, 0, 0, 0, 0);
  h.I16(696, 0);
  for (size_t i = 0; i < 4; ++i) h.Step(704 + 32 * i, 0, 0, 0, 0);
  h.Text(832, 17, "");
  h.Text(849, 19, "");
  for (size_t at : {868, 872, 876, 880}) h.I32(at, 1);
  h.F64(888, m.zone2Temp);
  h.F64(896, 0.0);
  h.F64(904, 0.0);
  h.I16(912, 0);
  h.I16(914, 0);
  h.Text(920, 17, "");
  h.Text(937, 19, "");
  for (size_t at : {956, 960, 964, 968}) h.I32(at, 1);
  for (size_t at : {976, 984, 992}) h.F64(at, 0.0);
  h.I16(1000, 0);
  h.I16(1002, 0);
  h.I32(1008, 1);
  h.I32(1012, 1);
  h.F64(1016, 0.0);
  h.I16(1024, 0);
  h.I32(1032, 1);
  h.I32(1036, 1);
  h.F64(1040, 0.0);
  h.I16(1048, 0);
  for (size_t at : {1056, 1072, 1088}) {
    h.I32(at, 0);
    h.F64(at + 8, 0.0);
  }
  h.I32(1104, m.dumpValve);
  const double eventStart[10] = {m.valveEvent[0].start,
                                 m.valveEvent[1].start,
                                 m.valveEvent[2].start,
                                 m.valveEvent[3].start,
                                 m.purgeTime,
                                 m.splitTime,
                                 m.secondaryCoolTime,
                                 0.0,
                                 0.0,
                                 0.0};
  const double eventFinish[10] = {m.valveEvent[0].finish, m.valveEvent[1].finish,
                                  m.valveEvent[2].finish, m.valveEvent[3].finish};
  for (size_t e = 0; e < 10; ++e) {
    h.Text(1112 + 56 * e, 17, "");
    h.Text(1112 + 56 * e + 17, 23, "");
    h.F64(1112 + 56 * e + 40, eventStart[e]);
    h.F64(1112 + 56 * e + 48, eventFinish[e]);
  }
  for (size_t c = 0; c < 2; ++c) {
    const size_t at = 1672 + 392 * c;
    const UlvoRamp& f = m.ulvo[c].ramp[0];
    const UlvoRamp& p = m.ulvo[c].ramp[1];
    h.I32(at + 0, m.ulvo[c].mode);
    h.I32(at + 4, f.standbyEnabled);
    h.I32(at + 8, p.standbyEnabled);
    h.F64(at + 16, f.standbyValue);
    h.F64(at + 24, p.standbyValue);
    h.I32(at + 32, f.sampleEnabled);
    h.I32(at + 36, p.sampleEnabled);
    h.F64(at + 40, f.sampleValue);
    h.F64(at + 48, p.sampleValue);
    for (size_t s = 0; s < 5; ++s) {
      h.Step(at + 64 + 32 * s, f.step[s].start, f.step[s].value, f.step[s].hold, f.step[s].enabled);
      h.Step(at + 232 + 32 * s, p.step[s].start, p.step[s].value, p.step[s].hold,
             p.step[s].enabled);
    }
  }
  return h.r;
}

// Every field that the record stores, compared one by one.
void ExpectSameStoredFields(const InletMethod& want, const InletMethod& got) {
  EXPECT_EQ(want.standbyEnabled, got.standbyEnabled);
  EXPECT_EQ(want.standbyTime, got.standbyTime);
  EXPECT_EQ(want.time5Enabled, got.time5Enabled);
  EXPECT_EQ(want.time5, got.time5);
  for (size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE("oven step " + std::to_string(i));
    EXPECT_EQ(want.ovenStep[i].start, got.ovenStep[i].start);
    EXPECT_EQ(want.ovenStep[i].temp, got.ovenStep[i].temp);
    EXPECT_EQ(want.ovenStep[i].hold, got.ovenStep[i].hold);
    EXPECT_EQ(want.ovenStep[i].enabled, got.ovenStep[i].enabled);
  }
  EXPECT_EQ(want.zone1Temp, got.zone1Temp);
  EXPECT_EQ(want.zone2Temp, got.zone2Temp);
  EXPECT_EQ(want.zone3Temp, got.zone3Temp);
  EXPECT_EQ(want.dumpValve, got.dumpValve);
  EXPECT_EQ(want.purgeTime, got.purgeTime);
  EXPECT_EQ(want.splitTime, got.splitTime);
  EXPECT_EQ(want.secondaryCoolTime, got.secondaryCoolTime);
  for (size_t e = 0; e < 4; ++e) {
    SCOPED_TRACE("valve event " + std::to_string(e));
    EXPECT_EQ(want.valveEvent[e].start, got.valveEvent[e].start);
    EXPECT_EQ(want.valveEvent[e].finish, got.valveEvent[e].finish);
  }
  for (size_t c = 0; c < 2; ++c) {
    SCOPED_TRACE("channel " + std::to_string(c));
    EXPECT_EQ(want.ulvo[c].mode, got.ulvo[c].mode);
    for (size_t k = 0; k < 2; ++k) {
      SCOPED_TRACE("ramp " + std::to_string(k));
      const UlvoRamp& a = want.ulvo[c].ramp[k];
      const UlvoRamp& b = got.ulvo[c].ramp[k];
      EXPECT_EQ(a.standbyEnabled, b.standbyEnabled);
      EXPECT_EQ(a.standbyValue, b.standbyValue);
      EXPECT_EQ(a.sampleEnabled, b.sampleEnabled);
      EXPECT_EQ(a.sampleValue, b.sampleValue);
      for (size_t s = 0; s < 5; ++s) {
        SCOPED_TRACE("step " + std::to_string(s));
        EXPECT_EQ(a.step[s].start, b.step[s].start);
        EXPECT_EQ(a.step[s].value, b.step[s].value);
        EXPECT_EQ(a.step[s].hold, b.step[s].hold);
        EXPECT_EQ(a.step[s].enabled, b.step[s].enabled);
      }
    }
  }
}

void ExpectSameAxisMaxima(const InletMethod& want, const InletMethod& got) {
  EXPECT_EQ(want.tempAxisMax, got.tempAxisMax);
  EXPECT_EQ(want.timeAxisMax, got.timeAxisMax);
  for (size_t c = 0; c < 2; ++c) {
    for (size_t k = 0; k < 2; ++k) {
      SCOPED_TRACE("channel " + std::to_string(c) + " ramp " + std::to_string(k));
      EXPECT_EQ(want.ulvo[c].ramp[k].valueAxisMax, got.ulvo[c].ramp[k].valueAxisMax);
      EXPECT_EQ(want.ulvo[c].ramp[k].timeAxisMax, got.ulvo[c].ramp[k].timeAxisMax);
    }
  }
}

TEST(MethodRecord, EncodesEveryByteAsTheLayoutSays) {
  const InletMethod m = DistinctMethod();
  const MethodDbRecord want = BuildByHand(m, 0);
  MethodDbRecord got;
  got.bytes.fill(0xEE);  // the encoder must write every byte, unset ones as zero
  EncodeMethodRecord(m, got);
  for (size_t i = 0; i < kMethodRecordSize; ++i) {
    ASSERT_EQ(want.bytes[i], got.bytes[i]) << "first difference at offset " << i;
  }
}

TEST(MethodRecord, DecodesAHandBuiltRecordIgnoringUnsetBytes) {
  const InletMethod source = DistinctMethod();
  // Garbage where the layout sets nothing, and behind the name's NUL.
  MethodDbRecord record = BuildByHand(source, 0xA5);
  std::memcpy(&record.bytes[7], "zzzz", 4);
  InletMethod got{};
  got.tempAxisMax = -1.0;
  got.timeAxisMax = -2.0;
  for (UlvoChannel& c : got.ulvo) {
    for (UlvoRamp& r : c.ramp) {
      r.valueAxisMax = -3.0;
      r.timeAxisMax = -4.0;
    }
  }
  const InletMethod axesBefore = got;
  DecodeMethodRecord(record, got);
  ExpectSameStoredFields(source, got);
  ExpectSameAxisMaxima(axesBefore, got);
  EXPECT_EQ("TOVREX", StoredInstrumentName(record));
}

TEST(MethodRecord, RoundTripRestoresEveryStoredFieldAndKeepsTheAxes) {
  const InletMethod written = DistinctMethod();
  MethodDbRecord record;
  EncodeMethodRecord(written, record);
  SetMethodDefaults();
  InletMethod read = inletMethod;
  const InletMethod axesBefore = read;
  DecodeMethodRecord(record, read);
  ExpectSameStoredFields(written, read);
  ExpectSameAxisMaxima(axesBefore, read);
}

TEST(MethodRecord, InstrumentNameIsBoundedByItsField) {
  struct Case {
    const char* bytes;  // the first 12 bytes of the record
    const char* want;
  } cases[] = {
      {"TOVREX\0\0\0\0\0\0", "TOVREX"},
      {"AS800\0TOVREX", "AS800"},
      {"ABCDEFGHIJKL", "ABCDEFGHIJK"},  // no NUL inside the field: cut at 11
      {"\0BCDEFGHIJKL", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.want);
    MethodDbRecord record{};
    std::memcpy(record.bytes.data(), c.bytes, 12);
    EXPECT_EQ(c.want, StoredInstrumentName(record));
  }
}

TEST(MethodRecord, UnknownChannelModeReadsAsManual) {
  const int32_t modes[][2] = {{3, kUlvoManual},
                              {-1, kUlvoManual},
                              {0x7fffffff, kUlvoManual},
                              {kUlvoFlow, kUlvoFlow},
                              {kUlvoPressure, kUlvoPressure}};
  for (const auto& mode : modes) {
    SCOPED_TRACE(mode[0]);
    MethodDbRecord record = BuildByHand(DistinctMethod(), 0);
    HandRecord h(0);
    h.r = record;
    h.I32(1672 + 392, mode[0]);
    InletMethod read{};
    DecodeMethodRecord(h.r, read);
    EXPECT_EQ(mode[1], read.ulvo[1].mode);
  }
}

}  // namespace
