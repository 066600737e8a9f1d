// Range checks of the oven rows, zones and phase times, of the valve timetable and of a
// ULVO channel's ramp, and how accepted values land in the method.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <new>
#include <tuple>

#include "editor/oven_form.h"
#include "editor/oven_validation.h"
#include "editor/valve_timetable.h"
#include "ramp/ramp_rows.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_state.h"
#include "ulvo/ulvo_validation.h"
#include "fakes/editor_fixture.h"
#include "method/inlet_method.h"
#include "resource_ids.h"

namespace {

class OvenValidationTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    // A valid form for the defaults: two rows in use.
    SetRow(1, "100", "2", "10");
    SetRow(2, "150", "2", "25");
    SetRow(3, "200", "2", "25");
    SetRow(4, "250", "10", "");
    editor.text[IDC_ZONE1_TEMP] = "150";
    editor.text[IDC_ZONE2_TEMP] = "0";
    editor.text[IDC_ZONE3_TEMP] = "0";
    editor.text[IDC_STANDBY_TIME] = "0";
    editor.text[IDC_TIME5] = "0";
  }
  // Row k's temperature, hold and the rate of the ramp leading OUT of it.
  void SetRow(int k, const char* temp, const char* time, const char* rateOut) {
    static const int ids[4][3] = {{IDC_ROW1_TEMP, IDC_ROW1_TIME, IDC_ROW1_RATE},
                                  {IDC_ROW2_TEMP, IDC_ROW2_TIME, IDC_ROW2_RATE},
                                  {IDC_ROW3_TEMP, IDC_ROW3_TIME, IDC_ROW3_RATE},
                                  {IDC_ROW4_TEMP, IDC_ROW4_TIME, 0}};
    editor.text[ids[k - 1][0]] = temp;
    editor.text[ids[k - 1][1]] = time;
    if (ids[k - 1][2]) editor.text[ids[k - 1][2]] = rateOut;
  }
  void UseRows(int n) { ::UseRows(session.method.ovenStep, n); }
  // Validates and expects exactly one refusal, on `id`, with `text`.
  void ExpectRefused(int id, const std::string& text) {
    host.reported.clear();
    editor.beeps = 0;
    EXPECT_FALSE(ValidateOvenForm(session, editor, host));
    ASSERT_EQ(host.reported.size(), 1u);
    EXPECT_EQ(host.reported[0].first, "TOVREX");
    EXPECT_EQ(host.reported[0].second, text);
    EXPECT_EQ(editor.focusedId, id);
    EXPECT_EQ(editor.beeps, 1);
    ASSERT_GE(editor.log.size(), 2u);
    EXPECT_EQ(editor.log.back(), "SelectAllText " + std::to_string(id));
  }
};

// Each range is inclusive; a refused field keeps the user's text. Rows not in use (3 and
// 4 of the defaults, and the rate leading into them) are never read.
TEST_F(OvenValidationTest, EveryFieldHasItsInclusiveRangeAndMessage) {
  const std::string temp = "Temperature \n\nAllowed Range is 30 to 450";
  const std::string time = "Time \n\nAllowed Range is 0.00 to 800.00";
  const std::string rate1 = "Rate 1 \n\nAllowed Range is 0.1 to 49.9";
  const std::string rate3 = "Rate 3 \n\nAllowed Range is 0.1 to 49.9";
  const std::string zone1 = "Zone 1 Temperature \n\nAllowed Range is 0 to 450";
  const std::string zone2 = "Zone 2 Temperature \n\nAllowed Range is 0 to 450";
  const std::string standby = "Standby Time \n\nAllowed Range is 0.00 to 800.00";
  const std::string time5 = "Time 5 \n\nAllowed Range is 0.00 to 800.00";
  const std::tuple<int, const char*, const std::string*, int> cases[] = {
      // refusal, rows
      {IDC_ROW2_TEMP, "30", nullptr, 2},
      {IDC_ROW2_TEMP, "450", nullptr, 2},
      {IDC_ROW2_TEMP, "451", &temp, 2},
      {IDC_ROW2_TEMP, "29", &temp, 2},
      {IDC_ROW2_TEMP, "100.7", nullptr, 2},
      {IDC_ROW2_TEMP, "abc", &temp, 2},
      {IDC_ROW1_TIME, "0", nullptr, 2},
      {IDC_ROW1_TIME, "800", nullptr, 2},
      {IDC_ROW1_TIME, "800.01", &time, 2},
      {IDC_ROW1_TIME, "-0.5", &time, 2},
      {IDC_ROW1_TIME, "000000001234", nullptr, 2},
      {IDC_ROW1_TIME, "123456789012", &time, 2},  // only nine characters count
      {IDC_ROW1_RATE, "0.1", nullptr, 2},
      {IDC_ROW1_RATE, "49.9", nullptr, 2},
      {IDC_ROW1_RATE, "0.09", &rate1, 2},
      {IDC_ROW1_RATE, "49.95", &rate1, 2},
      {IDC_ROW1_RATE, "0", &rate1, 2},
      {IDC_ROW1_RATE, "Infinity", &rate1, 2},
      {IDC_ROW3_RATE, "50", &rate3, 4},
      {IDC_ROW3_TEMP, "9999", nullptr, 2},
      {IDC_ROW4_TIME, "x", nullptr, 3},
      {IDC_ROW2_TEMP, "999", nullptr, 1},
      {IDC_ROW2_RATE, "0", nullptr, 2},
      {IDC_ZONE2_TEMP, "450.9", nullptr, 2},
      {IDC_ZONE2_TEMP, "-1", &zone2, 2},
      {IDC_ZONE1_TEMP, "451", &zone1, 2},
      {IDC_ZONE2_TEMP, "x451", nullptr, 2},    // no leading number reads as 0
      {IDC_STANDBY_TIME, "801", &standby, 2},  // checked though its box is clear
      {IDC_TIME5, "1e3", &time5, 2},
  };
  for (const auto& [id, text, refusal, rows] : cases) {
    SCOPED_TRACE(testing::Message() << id << " '" << text << "'");
    SetUp();
    UseRows(rows);
    session.values.minOvenTemp = 30.0f;
    editor.text[id] = text;
    if (refusal) {
      ExpectRefused(id, *refusal);
      EXPECT_EQ(editor.text[id], text) << "the user's text stays";
    } else {
      EXPECT_TRUE(ValidateOvenForm(session, editor, host));
    }
  }
}

// Whole numbers are cut, the ramp fields rewritten with their decimals (the zones are
// not), each typed rate becomes the next row's start after the previous hold, whatever
// the starts were, and the axes are refitted.
TEST_F(OvenValidationTest, RowsAreStoredCutTheirRatesBecomeStartsAndTheAxesAreRefitted) {
  UseRows(4);
  SetRow(1, "100.7", "2", "10");
  SetRow(2, "50", "3", "4");  // cooling: 50 degrees at 10 per minute
  SetRow(3, "250", "1", "2.5");
  SetRow(4, "240", "10", "");
  editor.text[IDC_ZONE2_TEMP] = "450.9";
  const double dragged[] = {1.5, 40, 2, 90};  // starts as a drag might have left them
  for (int k = 0; k < 4; ++k) session.method.ovenStep[k].start = dragged[k];
  session.values.ovenAxesChanged = false;
  ASSERT_TRUE(ValidateOvenForm(session, editor, host));
  // 1.5 + 2 + 50/10, 8.5 + 3 + 200/4, 61.5 + 1 + 10/2.5; row 1's start never moves.
  const double starts[] = {1.5, 8.5, 61.5, 66.5};
  for (int k = 0; k < 4; ++k) EXPECT_DOUBLE_EQ(session.method.ovenStep[k].start, starts[k]) << k;
  EXPECT_EQ(session.method.ovenStep[0].level, 100.0);
  EXPECT_EQ(session.method.zone2Temp, 450.0);
  const std::pair<int, const char*> shown[] = {{IDC_ROW1_TEMP, "100"},
                                               {IDC_ROW1_TIME, "2.00"},
                                               {IDC_ROW1_RATE, "10.0"},
                                               {IDC_ROW2_RATE, "4.0"},
                                               {IDC_ZONE2_TEMP, "450.9"}};
  for (const auto& [id, text] : shown) EXPECT_EQ(editor.text[id], text) << id;
  EXPECT_EQ(session.method.tempAxisMax, 250.0);
  EXPECT_DOUBLE_EQ(session.method.timeAxisMax, 76.5);
  EXPECT_TRUE(session.values.ovenAxesChanged);
}

TEST_F(OvenValidationTest, ARowPlacedLaterPushesTheNextOnlyWhenItsHoldWouldOverlapIt) {
  UseRows(3);
  session.method.ovenStep[1].start = 7;
  session.method.ovenStep[2].start = 20;
  // Rate 1 of 1 puts row 2 at 52: its hold then runs past row 3's start of 20; row 3
  // moves with it, then takes its own start from Rate 2: 52 + 2 + 50/5.
  editor.text[IDC_ROW1_RATE] = "1";
  editor.text[IDC_ROW2_RATE] = "5";
  ASSERT_TRUE(ValidateOvenForm(session, editor, host));
  EXPECT_EQ(session.method.ovenStep[1].start, 52.0);
  EXPECT_EQ(session.method.ovenStep[2].start, 64.0);
  // Placed alone at 7, row 2 ends before row 3 and leaves row 3's start.
  session.method.ovenStep[2].start = 100;
  PlaceRampRow(session.method.ovenStep, 2, 3, 7.0);
  EXPECT_EQ(session.method.ovenStep[1].start, 7.0);
  EXPECT_EQ(session.method.ovenStep[2].start, 100.0);
}

// Row 1's start stays, even before the run; one that is no time at all (only another
// program's record holds one) is put at 0, and a row moved from a start that is no number
// moves alone, so that the typed rates place every row.
TEST_F(OvenValidationTest, StartsThatAreNoTimeGiveWayToTheTypedRates) {
  for (double first : {std::nan(""), -double{INFINITY}, 1e15, -5.0}) {
    SetUp();
    UseRows(3);
    session.method.ovenStep[0].start = first;
    session.method.ovenStep[1].start = std::nan("");
    session.method.ovenStep[2].start = 0;  // row 2's hold reaches it: the rows after it move
    ASSERT_TRUE(ValidateOvenForm(session, editor, host));
    const double from = first == -5.0 ? -5.0 : 0.0;
    EXPECT_EQ(session.method.ovenStep[0].start, from) << first;
    EXPECT_EQ(session.method.ovenStep[1].start, from + 7) << first;   // + 2 + 50/10
    EXPECT_EQ(session.method.ovenStep[2].start, from + 11) << first;  // + 2 + 50/25
  }
}

// The rows are checked first and stored only when all pass; then the zones and phase
// times, each stored as it passes.
TEST_F(OvenValidationTest, ARefusalStopsTheCheckAndKeepsWhatPassedBeforeIt) {
  SetRow(1, "120", "3", "10");
  editor.text[IDC_ROW2_TIME] = "900";
  EXPECT_FALSE(ValidateOvenForm(session, editor, host));
  EXPECT_EQ(session.method.ovenStep[0].level, 100.0);
  EXPECT_EQ(session.method.ovenStep[0].hold, 2.0);

  editor.text[IDC_ROW2_TIME] = "2";
  editor.text[IDC_ZONE1_TEMP] = "200";
  editor.text[IDC_ZONE2_TEMP] = "300";
  editor.text[IDC_ZONE3_TEMP] = "451";
  editor.text[IDC_STANDBY_TIME] = "5";
  ExpectRefused(IDC_ZONE3_TEMP, "Zone 3 Temperature \n\nAllowed Range is 0 to 450");
  EXPECT_EQ(session.method.ovenStep[0].level, 120.0);
  EXPECT_EQ(session.method.zone1Temp, 200.0);
  EXPECT_EQ(session.method.zone2Temp, 300.0);
  EXPECT_EQ(session.method.zone3Temp, 0.0);
  EXPECT_EQ(session.method.standbyTime, 0.0) << "not reached";
}

TEST_F(OvenValidationTest, SuccessSelectsTheFocusedFieldButNotARowCheckBox) {
  for (int id : {IDC_ZONE1_TEMP, IDC_ROW1_CHECK, IDC_ROW2_CHECK, IDC_ROW3_CHECK, IDC_ROW4_CHECK}) {
    SCOPED_TRACE(id);
    editor.focusedId = id;
    editor.selectAllCount = 0;
    ASSERT_TRUE(ValidateOvenForm(session, editor, host));
    EXPECT_EQ(editor.selectAllCount, id == IDC_ZONE1_TEMP ? 1 : 0);
    if (id == IDC_ZONE1_TEMP) {
      EXPECT_EQ(editor.log.back(), "SelectAllText " + std::to_string(id));
    }
  }
}

using ValveTimetableTest = EditorTest;

// Purge, Secondary Cool, Split are checked in that order and each is stored as it
// passes; the first refusal names its field (the host's message 4) and stops there. The
// four valve events have no fields: they keep what the method held.
TEST_F(ValveTimetableTest, TimesAreCheckedInOrderAndStoredAsTheyPass) {
  using Times = std::array<double, 3>;  // purge, cool, split
  const std::tuple<const char*, const char*, const char*, const char*, int, Times> cases[] = {
      {"0", "100", "50", nullptr, 0, {0, 100, 50}},
      {"", "12abc", "99.999", nullptr, 0, {0, 12, 99.999}},
      {"150", "200", "x", "Purge", IDC_VALVE_PURGE, {5, 6, 7}},
      {"-0.01", "1", "1", "Purge", IDC_VALVE_PURGE, {5, 6, 7}},
      {"10", "200", "101", "Secondary Cool", IDC_VALVE_COOL, {10, 6, 7}},
      {"10", "20", "100.01", "Split Time", IDC_VALVE_SPLIT, {10, 20, 7}},
      {"10", "20", "1000000000", "Split Time", IDC_VALVE_SPLIT, {10, 20, 7}},
  };
  for (const auto& [purge, cool, split, refused, refusedId, stored] : cases) {
    SCOPED_TRACE(testing::Message() << purge << " " << cool << " " << split);
    SetUp();
    editor = {};
    host = {};
    session.method.purgeTime = 5;
    session.method.secondaryCoolTime = 6;
    session.method.splitTime = 7;
    session.method.valveEvent[1] = {3.5, 4.5};
    editor.text[IDC_VALVE_PURGE] = purge;
    editor.text[IDC_VALVE_COOL] = cool;
    editor.text[IDC_VALVE_SPLIT] = split;
    OnValveCommand(session.method, editor, host, IDC_VALVE_OK);
    EXPECT_EQ((Times{session.method.purgeTime, session.method.secondaryCoolTime,
                     session.method.splitTime}),
              stored);
    EXPECT_EQ(session.method.valveEvent[1].start, 3.5);
    EXPECT_EQ(session.method.valveEvent[1].finish, 4.5);
    EXPECT_EQ(editor.endedWith, refused ? std::vector<int>{} : std::vector<int>{1});
    EXPECT_EQ(editor.beeps, refused ? 1 : 0);
    if (!refused) continue;
    EXPECT_EQ(host.log, std::vector<std::string>{"ReportOutOfRange " + std::string(refused)});
    EXPECT_EQ(editor.focusedId, refusedId);
    EXPECT_EQ(editor.log.back(), "SelectAllText " + std::to_string(refusedId));
    OnValveCommand(session.method, editor, host, IDC_VALVE_CANCEL);
    EXPECT_EQ(editor.endedWith, std::vector<int>{0}) << "Cancel ends it, refused or not";
  }
  // Shown with two decimals, each from its own time.
  session.method.purgeTime = 5;
  session.method.secondaryCoolTime = 6.5;
  session.method.splitTime = 7.25;
  ShowValveTimes(session.method, editor, host);
  EXPECT_EQ(editor.text[IDC_VALVE_PURGE], "5.00");
  EXPECT_EQ(editor.text[IDC_VALVE_COOL], "6.50");
  EXPECT_EQ(editor.text[IDC_VALVE_SPLIT], "7.25");
}

class UlvoValidationTest : public EditorTest {
 protected:
  // The default ramp of the mode on the left channel, shown: a valid form, two rows in use.
  void Open(int32_t mode) {
    session.values.ulvoChannel = 0;
    session.method.ulvo[0].mode = mode;
    ShowUlvoChannel(session, editor, host);
    editor.text[IDC_ULVO_ROW1_RATE] = "1";
  }
};

TEST_F(UlvoValidationTest, EveryFieldHasItsModesInclusiveRangeAndMessage) {
  const std::string flow = "Flow\n\nAllowed Range is 0.1 to 99.9";
  const std::string press = "Pressure\n\nAllowed Range is 3.0 to 250.0";
  const std::string time = "Time \n\nAllowed Range is 0.0 to 800.0";
  const std::string rate1 = "Rate 1 \n\nAllowed Range is 0.0 to 10.0";
  const std::string rate1p = "Rate 1 \n\nAllowed Range is 0.0 to 250.0";
  const std::string zero = "Rate 1 cannot be zero";
  const std::string sample = "Sample value \n\nAllowed Range is 0.1 to 99.9";
  const std::string standby = "Standby value \n\nAllowed Range is 3.0 to 250.0";
  const std::tuple<int32_t, int, const char*, const std::string*> cases[] = {
      // refusal
      {kUlvoFlow, IDC_ULVO_ROW2_VALUE, "0.1", nullptr},
      {kUlvoFlow, IDC_ULVO_ROW2_VALUE, "99.9", nullptr},
      {kUlvoFlow, IDC_ULVO_ROW2_VALUE, "0.09", &flow},
      {kUlvoFlow, IDC_ULVO_ROW1_VALUE, "99.900001", &flow},
      {kUlvoFlow, IDC_ULVO_SAMPLE, "99.900001", nullptr},  // 99.9 at single precision
      {kUlvoFlow, IDC_ULVO_SAMPLE, "99.91", &sample},
      {kUlvoFlow, IDC_ULVO_ROW1_RATE, "10", nullptr},
      {kUlvoFlow, IDC_ULVO_ROW1_RATE, "10.05", &rate1},
      {kUlvoFlow, IDC_ULVO_ROW1_RATE, "-0.1", &rate1},
      {kUlvoFlow, IDC_ULVO_ROW1_RATE, "0", &zero},
      {kUlvoFlow, IDC_ULVO_ROW1_RATE, "Infinity", &zero},
      {kUlvoFlow, IDC_ULVO_ROW2_TIME, "0", nullptr},
      {kUlvoFlow, IDC_ULVO_ROW2_TIME, "-0.01", &time},
      {kUlvoFlow, IDC_ULVO_ROW2_TIME, "800", nullptr},
      {kUlvoFlow, IDC_ULVO_ROW2_TIME, "800.5", &time},
      {kUlvoPressure, IDC_ULVO_ROW1_VALUE, "3", nullptr},
      {kUlvoPressure, IDC_ULVO_ROW2_VALUE, "250", nullptr},
      {kUlvoPressure, IDC_ULVO_ROW1_VALUE, "2.9", &press},
      {kUlvoPressure, IDC_ULVO_ROW2_VALUE, "250.1", &press},
      {kUlvoPressure, IDC_ULVO_ROW1_RATE, "250", nullptr},
      {kUlvoPressure, IDC_ULVO_ROW1_RATE, "250.01", &rate1p},
      {kUlvoPressure, IDC_ULVO_STANDBY, "2.99", &standby},
  };
  for (const auto& [mode, id, text, refusal] : cases) {
    SCOPED_TRACE(testing::Message() << mode << " " << id << " '" << text << "'");
    SetUp();
    editor = {};
    Open(mode);
    editor.text[id] = text;
    const bool ok = ValidateUlvoForm(session, editor, host);
    EXPECT_EQ(ok, refusal == nullptr);
    EXPECT_EQ(editor.beeps, 0);
    if (ok) continue;
    ASSERT_EQ(editor.questions.size(), 1u);
    EXPECT_EQ(editor.questions[0].caption, "ULVO");
    EXPECT_EQ(editor.questions[0].kind, AskKind::kOkInformation);
    EXPECT_EQ(editor.questions[0].text, *refusal);
    EXPECT_EQ(editor.focusedId, id);
    EXPECT_EQ(editor.log.back(), "SelectAllText " + std::to_string(id));
  }
}

TEST_F(UlvoValidationTest, RowsInUseAreStoredTheirRatesBecomeStartsAndLevelsAreWidened) {
  Open(kUlvoFlow);
  editor.text[IDC_ULVO_ROW3_VALUE] = "junk";  // rows past the last in use are never read
  editor.text[IDC_ULVO_ROW2_RATE] = "0";
  editor.text[IDC_ULVO_ROW1_VALUE] = "20";
  editor.text[IDC_ULVO_ROW1_TIME] = "1.25";
  editor.text[IDC_ULVO_ROW1_RATE] = "2.5";  // 5 ml/min down at 2.5: 2 minutes
  editor.text[IDC_ULVO_SAMPLE] = "99.900001";
  editor.focusedId = IDC_ULVO_SAMPLE;
  session.method.ulvo[0].ramp[0].step[0].start = std::nan("");  // no time at all: put at 0
  ASSERT_TRUE(ValidateUlvoForm(session, editor, host));
  EXPECT_EQ(editor.log.back(), "SelectAllText " + std::to_string(IDC_ULVO_SAMPLE));
  const UlvoRamp& ramp = session.method.ulvo[0].ramp[0];
  EXPECT_EQ(ramp.step[0].level, 20.0);
  EXPECT_EQ(ramp.step[0].start, 0.0);
  EXPECT_EQ(ramp.step[1].start, 3.25);
  EXPECT_EQ(ramp.sampleValue, static_cast<double>(99.9f));
  EXPECT_EQ(editor.text[IDC_ULVO_ROW1_TIME], "1.2");
  EXPECT_EQ(editor.text[IDC_ULVO_ROW1_RATE], "2.5");
  EXPECT_EQ(editor.text[IDC_ULVO_SAMPLE], "99.900001") << "levels are not rewritten";
  EXPECT_EQ(ramp.valueAxisMax, 20.0);
  EXPECT_EQ(ramp.timeAxisMax, 5.25);

  // A later row's refusal stores no row, not even those that passed before it; a focused
  // row box is not sent select-all.
  editor.text[IDC_ULVO_ROW1_VALUE] = "40";
  editor.text[IDC_ULVO_ROW2_TIME] = "900";
  EXPECT_FALSE(ValidateUlvoForm(session, editor, host));
  EXPECT_EQ(ramp.step[0].level, 20.0);
  editor.text[IDC_ULVO_ROW1_VALUE] = "20";
  editor.text[IDC_ULVO_ROW2_TIME] = "2";
  editor.focusedId = IDC_ULVO_ROW2_CHECK;
  editor.selectAllCount = 0;
  ASSERT_TRUE(ValidateUlvoForm(session, editor, host));
  EXPECT_EQ(editor.selectAllCount, 0);

  // A refused standby leaves the rows and the sample stored.
  editor.text[IDC_ULVO_ROW2_VALUE] = "30";
  editor.text[IDC_ULVO_SAMPLE] = "50";
  editor.text[IDC_ULVO_STANDBY] = "0";
  EXPECT_FALSE(ValidateUlvoForm(session, editor, host));
  EXPECT_EQ(ramp.step[1].level, 30.0);
  EXPECT_EQ(ramp.sampleValue, 50.0);
  EXPECT_EQ(ramp.standbyValue, 1.0);
}

// While a refusal is on screen a second validation is refused; the guard is released
// afterwards, also when an exception left the message (caught at the export's barrier),
// or every later validation would fail and the form could never be closed.
TEST_F(UlvoValidationTest, AMessageOnScreenBlocksASecondValidationUntilItIsGone) {
  const std::tuple<bool (*)(EditorSession&, DialogPort&, HostPort&), int, const char*> forms[] = {
      {ValidateOvenForm, IDC_ROW1_TEMP, "100"},       // refused by the host's message
      {ValidateUlvoForm, IDC_ULVO_ROW1_VALUE, "10"},  // refused by the "ULVO" box
  };
  for (const auto& [validate, field, good] : forms) {
    const bool oven = validate == ValidateOvenForm;
    SCOPED_TRACE(oven ? "oven" : "ULVO");
    oven ? ShowMethod(session, editor, host) : Open(kUlvoFlow);
    editor.text[field] = "999";
    int nested = -1;
    host.whileReporting = editor.whileAsking = [&, validate = validate] {
      nested = validate(session, editor, host);
      throw std::bad_alloc();
    };
    EXPECT_THROW(validate(session, editor, host), std::bad_alloc);
    EXPECT_EQ(nested, 0);
    host.whileReporting = editor.whileAsking = nullptr;
    editor.text[field] = good;
    EXPECT_TRUE(validate(session, editor, host)) << "the guard is released afterwards";
  }
}

}  // namespace
