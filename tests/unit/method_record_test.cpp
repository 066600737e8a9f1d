// The method record codec against the layout written out here offset by offset, and
// a write/read round trip.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <type_traits>
#include <variant>
#include <vector>

#include "storage/method_record.h"

namespace {

// One stored field of a method and the offset at which the record keeps it.
struct Stored {
  size_t at;
  std::variant<double*, int32_t*> field;
};

// A step slot: start, value, hold, enabled.
template <class Step>
void AddStep(std::vector<Stored>& f, size_t at, Step& s, double& value) {
  f.insert(f.end(), {{at, &s.start}, {at + 8, &value}, {at + 16, &s.hold}, {at + 24, &s.enabled}});
}

// Every field of `m` that the record stores, by offset.
std::vector<Stored> LayoutFields(InletMethod& m) {
  std::vector<Stored> f = {{48, &m.standbyEnabled}, {56, &m.standbyTime}, {200, &m.time5Enabled},
                           {208, &m.time5},         {272, &m.zone1Temp},  {576, &m.zone3Temp},
                           {888, &m.zone2Temp},     {1104, &m.dumpValve}};
  double* const eventTimes[] = {&m.purgeTime, &m.splitTime, &m.secondaryCoolTime};
  for (size_t e = 0; e < 4; ++e) {
    AddStep(f, 72 + 32 * e, m.ovenStep[e], m.ovenStep[e].level);
    f.insert(f.end(),
             {{1152 + 56 * e, &m.valveEvent[e].start}, {1160 + 56 * e, &m.valveEvent[e].finish}});
    if (e < 3) f.push_back({1152 + 56 * (e + 4), eventTimes[e]});
  }
  for (size_t c = 0; c < 2; ++c) {
    const size_t at = 1672 + 392 * c;
    f.push_back({at, &m.ulvo[c].mode});
    for (size_t k = 0; k < 2; ++k) {  // flow and pressure ramps interleave
      UlvoRamp& r = m.ulvo[c].ramp[k];
      f.insert(f.end(), {{at + 4 + 4 * k, &r.standbyEnabled},
                         {at + 16 + 8 * k, &r.standbyValue},
                         {at + 32 + 4 * k, &r.sampleEnabled},
                         {at + 40 + 8 * k, &r.sampleValue}});
      for (size_t s = 0; s < 5; ++s)
        AddStep(f, at + 64 + 168 * k + 32 * s, r.step[s], r.step[s].level);
    }
  }
  return f;
}

double Value(const Stored& f) {
  return std::visit([](auto* p) { return static_cast<double>(*p); }, f.field);
}

// The fixed content that is not zero. Every byte named neither here nor among the stored
// fields is zero in a written record: the zero constants, the empty texts, the bytes
// behind a text's NUL and the unset bytes.
const std::pair<size_t, const char*> kTexts[] = {
    {0, "TOVREX"}, {11, "C"}, {28, "Bar"}, {224, " "}, {528, " "}};
const size_t kInt32Ones[] = {244, 548, 868, 872,  876,  880,  956,
                             960, 964, 968, 1008, 1012, 1032, 1036};
constexpr size_t kOvenLimit = 216;  // the double 750.0

void Put(MethodDbRecord& r, size_t at, uint64_t value, size_t size) {
  for (size_t i = 0; i < size; ++i) r.bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
uint64_t Bits(double value) { return std::bit_cast<uint64_t>(value); }
uint64_t Bits(int32_t value) { return static_cast<uint32_t>(value); }

// The record laid out by hand from the tables above; `filler` in every other byte.
MethodDbRecord ByLayout(InletMethod m, uint8_t filler) {
  MethodDbRecord r;
  r.bytes.fill(filler);
  for (const auto& [at, text] : kTexts) std::memcpy(&r.bytes[at], text, std::strlen(text) + 1);
  for (size_t at : kInt32Ones) Put(r, at, 1, 4);
  Put(r, kOvenLimit, Bits(750.0), 8);
  for (const Stored& f : LayoutFields(m)) {
    std::visit([&](auto* p) { Put(r, f.at, Bits(*p), sizeof *p); }, f.field);
  }
  return r;
}

// A method whose every stored field holds a value no other field holds, each double's low
// bytes set by its fraction, so that a field or a byte written to or read from the wrong
// offset cannot go unnoticed.
InletMethod DistinctMethod() {
  InletMethod m{};
  int n = 40;
  for (Stored& f : LayoutFields(m)) {
    std::visit([&n](auto* p) { *p = static_cast<std::remove_pointer_t<decltype(p)>>(++n + 0.1); },
               f.field);
  }
  m.ulvo[0].mode = kUlvoPressure;
  m.ulvo[1].mode = kUlvoFlow;
  return m;
}

std::vector<double> AxisMaxima(const InletMethod& m) {
  std::vector<double> axes = {m.tempAxisMax, m.timeAxisMax};
  for (const UlvoChannel& c : m.ulvo) {
    for (const UlvoRamp& r : c.ramp) axes.insert(axes.end(), {r.valueAxisMax, r.timeAxisMax});
  }
  return axes;
}

TEST(MethodRecord, EncodesEveryByteAsTheLayoutSays) {
  const InletMethod m = DistinctMethod();
  const MethodDbRecord want = ByLayout(m, 0);
  MethodDbRecord got;
  got.bytes.fill(0xEE);  // the encoder must write every byte, unset ones as zero
  EncodeMethodRecord(m, got);
  for (size_t i = 0; i < kMethodRecordSize; ++i) {
    ASSERT_EQ(want.bytes[i], got.bytes[i]) << "first difference at offset " << i;
  }
}

// A hand-laid record with garbage wherever the reader must not look, and the encoder's
// own record: both restore every stored field and leave the axis maxima alone.
TEST(MethodRecord, DecodingRestoresEveryStoredFieldAndKeepsTheAxes) {
  InletMethod m = DistinctMethod();
  MethodDbRecord handLaid = ByLayout(m, 0xA5), encoded;
  std::memcpy(&handLaid.bytes[7], "zzzz", 4);  // behind the name's NUL
  EncodeMethodRecord(m, encoded);
  for (const MethodDbRecord* record : {&handLaid, &encoded}) {
    SCOPED_TRACE(record == &encoded ? "round trip" : "hand-laid");
    InletMethod got{};
    SetMethodDefaults(got);
    const std::vector<double> axes = AxisMaxima(got);
    DecodeMethodRecord(*record, got);
    const std::vector<Stored> want = LayoutFields(m), read = LayoutFields(got);
    for (size_t k = 0; k < want.size(); ++k) {
      EXPECT_EQ(Value(read[k]), Value(want[k])) << "field at offset " << want[k].at;
    }
    EXPECT_EQ(AxisMaxima(got), axes);
    EXPECT_EQ(StoredInstrumentName(*record), "TOVREX");
  }
}

// The editor indexes the ramps by mode, so a mode only another program could have
// stored must not come through.
TEST(MethodRecord, UnknownChannelModeReadsAsManual) {
  const int32_t cases[][2] = {
      {3, kUlvoManual}, {-1, kUlvoManual}, {kUlvoFlow, kUlvoFlow}, {kUlvoPressure, kUlvoPressure}};
  for (const auto& [stored, want] : cases) {
    SCOPED_TRACE(stored);
    MethodDbRecord record = ByLayout(DistinctMethod(), 0);
    Put(record, 1672 + 392, static_cast<uint32_t>(stored), 4);
    InletMethod read{};
    DecodeMethodRecord(record, read);
    EXPECT_EQ(want, read.ulvo[1].mode);
  }
}

}  // namespace
