// tovrex-method: what the JSON form refuses (its bit-for-bit round trip is the fuzz
// target's check), the files and records it reads, diff, show, plot, check on the
// editor's boundary values and the review page's marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "cli/method_fields.h"
#include "cli/method_file.h"
#include "cli/method_html.h"
#include "cli/method_json.h"
#include "cli/method_plot.h"
#include "cli/method_report.h"
#include "recdb/core/database_file.h"

namespace {

using namespace method_tool;
using Edit = void (*)(InletMethod&);

MethodDbRecord Encoded(const InletMethod& m) {
  MethodDbRecord record;
  EncodeMethodRecord(m, record);
  return record;
}

TEST(MethodJson, ImportRefusesWhatIsNotTheFormAndKeepsTheMethod) {
  const std::string good = ExportJson(DefaultMethod());
  const std::string deep = std::string(20000, '[') + std::string(20000, ']');
  std::string deepest = "/dumpValve";  // the 17th container
  for (int level = 3; level <= 17; ++level) deepest += "/0";
  const std::string rows = R"({"start": "0", "finish": "0"})";
  struct Case {
    std::string from, to, error;
    std::string until = "";  // replaces from `from` through the first `until` after it
  };
  const Case cases[] = {
      {"tovrex-method 1", "tovrex-method 2", "not a method in the JSON form \"tovrex-method 1\""},
      {"\"zone2Temp\": \"0\",", "", "missing field /zones/zone2Temp"},
      {"\"zone2Temp\": \"0\"", "\"zone2Temp\": \"0x1\"",
       "/zones/zone2Temp: \"0x1\" is not a number text"},
      {"\"zone2Temp\": \"0\"", "\"zone2Temp\": \"inf\"",
       "/zones/zone2Temp: \"inf\" is not a number text"},
      {"\"dumpValve\": 0", "\"dumpValve\": 2147483648",
       "/dumpValve: 2147483648 is not a 32-bit whole number"},
      {"\"dumpValve\": 0", "\"dumpValve\": 1.5", "/dumpValve: 1.5 is not a 32-bit whole number"},
      {"\"dumpValve\": 0", "\"dumpValve\": 0, \"dumpvalve\": 0", "unknown field /dumpvalve"},
      {"\"dumpValve\": 0,", "\"dumpValve\": 0",
       "not JSON text of a method (a syntax error at line 41, column 10)"},
      // Each of these was taken, crashed the program or was told as a missing field.
      {"\"dumpValve\": 0", "\"dumpValve\": " + deep, deepest + ": nested deeper than 16 levels"},
      {"\"dumpValve\": 0", "\"dumpValve\": 1, \"dumpValve\": 0", "/dumpValve: given twice"},
      {"\"dumpValve\": 0", "\"dumpValve\": [0]",
       "/dumpValve: an array is not a 32-bit whole number"},
      {"\"zones\": {", "\"zones\": 5", "/zones: 5 is not an object", "}"},
      {"\"events\": [",
       "\"events\": {\"0\": " + rows + ", \"1\": " + rows + ", \"2\": " + rows +
           ", \"3\": " + rows + "}",
       "/valves/events: an object is not an array", "]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.to);
    std::string text = good;
    const std::size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos);
    const std::size_t end = c.until.empty() ? at + c.from.size() : text.find(c.until, at) + 1;
    text.replace(at, end - at, c.to);
    InletMethod m{};
    m.zone1Temp = 123.0;
    std::string error;
    EXPECT_FALSE(ImportJson(text, m, error));
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(m.zone1Temp, 123.0);
  }
  // A plain JSON number, typed by hand, is taken as the number it is.
  std::string typed = good;
  typed.replace(typed.find("\"zone2Temp\": \"0\""), 16, "\"zone2Temp\": 42.5");
  InletMethod m{};
  std::string error;
  ASSERT_TRUE(ImportJson(typed, m, error)) << error;
  EXPECT_EQ(m.zone2Temp, 42.5);
}

TEST(MethodFile, RefusesWhatIsNeitherADatabaseNorARecordOrHasNoSuchRecord) {
  const MethodDbRecord record = Encoded(DefaultMethod());
  std::vector<uint8_t> database = MethodDatabaseBytes(record);
  MethodDbRecord other = record;  // "XOVREX"
  other.bytes[0] = 'X';
  const std::vector<uint8_t> foreign(other.bytes.begin(), other.bytes.end());
  const std::vector<uint8_t> bare(record.bytes.begin(), record.bytes.end());
  InletMethod second = DefaultMethod();
  second.zone1Temp = 42;
  const MethodDbRecord secondRecord = Encoded(second);
  std::vector<uint8_t> badCrc = database;
  badCrc[100] ^= 1;
  const std::vector<uint8_t> truncated(database.begin(), database.end() - 1);
  recdb::DatabaseImage empty{recdb::kMethodDatabase, recdb::kMethodRecordSize, 0, {}};
  recdb::DatabaseImage two = empty;
  two.count = 2;
  // Appended byte by byte: GCC 12 at -O2 takes a range insert of a whole record for a
  // copy past its end (a false -Warray-bounds in the MinGW trees).
  std::ranges::copy(record.bytes, std::back_inserter(two.records));
  std::ranges::copy(secondRecord.bytes, std::back_inserter(two.records));
  const std::vector<uint8_t> twoRecords = recdb::SerializeDatabase(two);
  const auto damaged = [](std::vector<uint8_t> bytes, std::size_t at) {
    bytes[at] ^= 1;
    return bytes;
  };
  // Two whole records after a header that counts one.
  std::vector<uint8_t> miscounted = database;
  miscounted.insert(miscounted.end(), twoRecords.begin() + database.size(), twoRecords.end());
  const struct {
    std::vector<uint8_t> bytes;
    uint32_t number;
    const char* error;
  } cases[] = {
      {{}, 1, "neither a method database nor a TOVREX method record"},
      {foreign, 1, "neither a method database nor a TOVREX method record"},
      {MethodDatabaseBytes(other), 1,
       "a method database whose record 1 is a method of another instrument (XOVREX)"},
      {badCrc, 1, "a method database whose record 1 fails its checksum (damaged)"},
      {damaged(twoRecords, twoRecords.size() - 10), 1,
       "a method database whose record 2 fails its checksum (damaged)"},
      {damaged(twoRecords, 12), 2, "a method database whose header fails its checksum (damaged)"},
      {truncated, 1,
       "a method database cut short or lengthened (2487 bytes, not a header and whole records)"},
      {miscounted, 1,
       "a record database, but not a method database of this format (another version, "
       "database or record size, or a record count that does not match its length)"},
      {recdb::SerializeDatabase(empty), 1, "a method database that holds no method"},
      {twoRecords, 3, "a method database holding 2 records, no record 3"},
      {foreign, 2, "neither a method database nor a TOVREX method record"},
      {bare, 2, "a bare method record, which is record 1 only, not record 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    LoadedMethod loaded;
    std::string error;
    EXPECT_FALSE(ParseMethodFile(c.bytes, c.number, loaded, error));
    EXPECT_EQ(error, c.error);
  }
  LoadedMethod loaded;
  std::string error;
  EXPECT_TRUE(ParseMethodFile(record.bytes, 1, loaded, error));
  EXPECT_EQ(loaded.Form(), "method record");
  EXPECT_TRUE(ParseMethodFile(twoRecords, 2, loaded, error));
  EXPECT_EQ(loaded.Form(), "method database holding 2 records, record 2");
  EXPECT_EQ(loaded.method.zone1Temp, 42);
}

TEST(MethodDiff, OneLinePerChangedFieldWithUnits) {
  struct Case {
    Edit edit;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {[](InletMethod&) {}, {}},
      {[](InletMethod& m) { m.ovenStep[1].level = 160; },
       {"Oven row 2 temperature: 150 °C → 160 °C"}},
      {[](InletMethod& m) { m.zone3Temp = 42.5; }, {"Zone 3 temperature: 0 °C → 42.5 °C"}},
      {[](InletMethod& m) { m.dumpValve = 3; }, {"Dump valve: off → 3 (on)"}},
      {[](InletMethod& m) { m.ulvo[0].ramp[1].step[4].level = 31; },
       {"ULVO left pressure row 5 value: 30 kPa → 31 kPa"}},
      {[](InletMethod& m) {
         m.ulvo[0].mode = 5;
         m.ulvo[1].ramp[0].step[0].enabled = 0;
       },
       {"ULVO left mode: Manual → 5 (unknown)", "ULVO right flow row 1 in use: yes → no"}},
  };
  for (const Case& c : cases) {
    InletMethod after = DefaultMethod();
    c.edit(after);
    EXPECT_EQ(DiffLines(DefaultMethod(), after), c.lines);
  }
}

TEST(MethodShow, RowsRatesAndRampsInTheEditorsTerms) {
  struct Case {
    Edit edit;
    const char* text;  // lines the output must hold
  };
  const Edit none = [](InletMethod&) {};
  const Case cases[] = {
      {none, "  1    yes     0            100        2           6.2\n"},
      {none, "  4      0            0\nULVO left channel: Manual, no ramp in use\n  Flow ramp\n"},
      {[](InletMethod& m) { m.ovenStep[1].start = 2; },
       "  1    yes     0            100        2           Infinity\n"},
      {[](InletMethod& m) { m.ovenStep[2].enabled = 1; },
       "  Run time: 16 min, to the end of row 3\n"},
      {[](InletMethod& m) { m.ulvo[1].mode = 2; },
       "ULVO right channel: Pressure, pressure ramp in use\n"},
      {[](InletMethod& m) { m.ulvo[1].mode = 2; },
       "    5    no      22           30              2\n    Run time: 12 min\n"},
  };
  for (const Case& c : cases) {
    InletMethod m = DefaultMethod();
    c.edit(m);
    const std::string text = ShowText(m);
    EXPECT_NE(text.find(c.text), std::string::npos) << c.text << "\n---\n" << text;
  }
}

// Time 0 to 12 min across 650 pixels from x 90; the levels, with 0, across 180 pixels up
// from y 220.
TEST(MethodPlot, OvenProgrammeInOnePanel) {
  // A name that is not UTF-8 or holds a control character still gives XML.
  const std::string svg = PlotSvg(DefaultMethod(), "a<b\x01\xff\xc3\xa9\xed\xa0\x80\xe2\x82");
  EXPECT_NE(svg.find("d=\"M90.0 100.0 L198.3 100.0 L631.7 40.0 L740.0 40.0\""), std::string::npos)
      << svg;
  EXPECT_NE(svg.find("height=\"270\""), std::string::npos);
  const std::string bad = "\xEF\xBF\xBD";  // U+FFFD
  EXPECT_NE(svg.find(">a&lt;b" + bad + bad + "\xc3\xa9" + bad + bad + bad + bad + bad + "</text>"),
            std::string::npos)
      << svg;
}

// The default method with the left channel on its flow ramp and the right on its
// pressure ramp, checked with a minimum oven temperature of 30.
TEST(MethodCheck, EditorBoundaryValues) {
  struct Case {
    Edit edit;
    const char* line;  // nullptr: the method passes
  };
  const Case cases[] = {
      {[](InletMethod&) {}, nullptr},
      {[](InletMethod& m) { m.ovenStep[0].level = 29.5; },
       "Oven row 1: Temperature 29.5 °C, allowed 30 to 450"},
      {[](InletMethod& m) { m.ovenStep[1].hold = 800.01; },
       "Oven row 2: Time 800.01 min, allowed 0.00 to 800.00"},
      {[](InletMethod& m) { m.ovenStep[3].level = 999; }, nullptr},  // row 4 is not in use
      {[](InletMethod& m) { m.ovenStep[1].start = 3; },
       "Oven row 2: Rate 1 50.0 °C/min, allowed 0.1 to 49.9"},
      {[](InletMethod& m) { m.ovenStep[1].start = 2; },
       "Oven row 2: Rate 1 Infinity °C/min, allowed 0.1 to 49.9"},
      {[](InletMethod& m) { m.ovenStep[1].start = 1.5; },
       "Oven row 2: starts at 1.5 min, before row 1's time ends at 2 min"},
      {[](InletMethod& m) { m.zone2Temp = -1; },
       "Zones: Zone 2 Temperature -1 °C, allowed 0 to 450"},
      {[](InletMethod& m) { m.standbyTime = NAN; },
       "Oven: Standby Time NaN min, allowed 0.00 to 800.00"},
      {[](InletMethod& m) { m.splitTime = INFINITY; },
       "Valve timetable: Split Time Infinity min, allowed 0.00 to 100.00"},
      {[](InletMethod& m) {
         m.ulvo[0].ramp[0].step[1].level = 99.9;
         m.ulvo[0].ramp[0].step[1].start = 12;
       },
       nullptr},
      {[](InletMethod& m) { m.ulvo[0].ramp[0].step[0].level = 0.09; },
       "ULVO left flow row 1: Flow 0.09 ml/min, allowed 0.1 to 99.9"},
      {[](InletMethod& m) { m.ulvo[0].ramp[0].sampleValue = static_cast<double>(99.9f); }, nullptr},
      {[](InletMethod& m) { m.ulvo[0].ramp[0].step[1].start = 2.4; },
       "ULVO left flow row 2: Rate 1 12.5 ml/min², allowed 0.0 to 10.0"},
      {[](InletMethod& m) { m.ulvo[0].ramp[0].step[1].start = 2; },
       "ULVO left flow row 2: Rate 1 cannot be zero"},
      {[](InletMethod& m) { m.ulvo[1].ramp[1].step[1].level = 250.1; },
       "ULVO right pressure row 2: Pressure 250.1 kPa, allowed 3.0 to 250.0"},
      {[](InletMethod& m) {
         m.ulvo[0].mode = kUlvoManual;
         m.ulvo[0].ramp[0].step[0].level = 500;
       },
       nullptr},
      {[](InletMethod& m) { m.ulvo[1].mode = 3; },
       "ULVO right channel: mode 3 is not Manual, Flow or Pressure; the editor opens it as Manual"},
  };
  for (const Case& c : cases) {
    InletMethod m = DefaultMethod();
    m.ulvo[0].mode = kUlvoFlow;
    m.ulvo[1].mode = kUlvoPressure;
    c.edit(m);
    const std::vector<std::string> want =
        c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{};
    EXPECT_EQ(CheckLines(m, 30.0f), want);
  }
}

// The review page marks the very cell of each value check refuses, and only those: the
// default method with the left channel on its flow ramp.
TEST(MethodReport, MarksEachRefusedValueWhereItStands) {
  struct Case {
    Edit edit;
    const char* cell;  // nullptr: nothing marked
  };
  const Case cases[] = {
      {[](InletMethod&) {}, nullptr},
      {[](InletMethod& m) { m.ovenStep[1].start = 3; },  // rate 1 shows on row 1's line
       "<td>100</td><td>2</td><td class=\"refused\">50.0 \u2717</td>"},
      {[](InletMethod& m) { m.ovenStep[1].start = 1.5; },
       "<td>yes</td><td class=\"refused\">1.5 \u2717</td><td>150</td>"},
      {[](InletMethod& m) { m.zone3Temp = 451; },
       "Zone 3</td><td class=\"refused\">451 °C \u2717</td>"},
      {[](InletMethod& m) { m.ulvo[0].ramp[0].sampleValue = 0; },
       "Sample value (in use: yes)</td><td class=\"refused\">0 ml/min \u2717</td>"},
      {[](InletMethod& m) { m.ulvo[0].ramp[0].step[1].hold = 801; },
       "<td>15</td><td class=\"refused\">801 \u2717</td>"},
      {[](InletMethod& m) { m.ulvo[1].mode = 3; }, "<td class=\"refused\">3 (unknown) \u2717</td>"},
  };
  for (const Case& c : cases) {
    LoadedMethod loaded;
    loaded.method = DefaultMethod();
    loaded.method.ulvo[0].mode = kUlvoFlow;
    c.edit(loaded.method);
    const std::string html = ReportHtml({"m.db", "", ""}, loaded, 0.0f);
    int marks = 0;
    for (std::size_t at = html.find("class=\"refused\">"); at != std::string::npos;
         at = html.find("class=\"refused\">", at + 1)) {
      ++marks;
    }
    // One cell in the tables and one line in the list after them, or none at all.
    EXPECT_EQ(marks, c.cell ? 2 : 0) << html;
    if (c.cell) {
      EXPECT_NE(html.find(c.cell), std::string::npos) << c.cell << "\n---\n" << html;
    }
  }
}

}  // namespace
