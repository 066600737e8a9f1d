// Range checks of the oven rows, zones and phase times, of the valve timetable and of a
// ULVO channel's ramp, and how accepted values land in the method.
#include <gtest/gtest.h>

#include "editor/oven_validation.h"
#include "editor/valve_timetable.h"
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
  void UseRows(int n) {
    for (int k = 0; k < 4; ++k) inletMethod.ovenStep[k].enabled = k < n;
    editorValues.ovenStepsInUse = n;
  }
  // Validates and expects exactly one refusal, on `id`, with `text`.
  void ExpectRefused(int id, const std::string& text) {
    host.reported.clear();
    editor.beeps = 0;
    EXPECT_FALSE(ValidateOvenForm(editor, host));
    ASSERT_EQ(host.reported.size(), 1u);
    EXPECT_EQ(host.reported[0].first, "TOVREX");
    EXPECT_EQ(host.reported[0].second, text);
    EXPECT_EQ(editor.focusedId, id);
    EXPECT_EQ(editor.beeps, 1);
    ASSERT_GE(editor.log.size(), 2u);
    EXPECT_EQ(editor.log.back(), "SelectAllText " + std::to_string(id));
  }
};

TEST_F(OvenValidationTest, EveryFieldHasItsInclusiveRangeAndMessage) {
  const std::string temp = "Temperature \n\nAllowed Range is 30 to 450";
  const std::string time = "Time \n\nAllowed Range is 0.00 to 800.00";
  const std::string rate1 = "Rate 1 \n\nAllowed Range is 0.1 to 49.9";
  const std::string zone2 = "Zone 2 Temperature \n\nAllowed Range is 0 to 450";
  const std::string standby = "Standby Time \n\nAllowed Range is 0.00 to 800.00";
  const std::string time5 = "Time 5 \n\nAllowed Range is 0.00 to 800.00";
  struct Case {
    int id;
    const char* text;
    const std::string* refusal;  // nullptr: accepted
  };
  const Case cases[] = {
      {IDC_ROW2_TEMP, "30", nullptr},
      {IDC_ROW2_TEMP, "450", nullptr},
      {IDC_ROW2_TEMP, "451", &temp},
      {IDC_ROW2_TEMP, "29", &temp},
      {IDC_ROW2_TEMP, "100.7", nullptr},
      {IDC_ROW2_TEMP, "abc", &temp},
      {IDC_ROW1_TIME, "800", nullptr},
      {IDC_ROW1_TIME, "800.01", &time},
      {IDC_ROW1_TIME, "-0.5", &time},
      {IDC_ROW1_TIME, "000000001234", nullptr},
      {IDC_ROW1_TIME, "123456789012", &time},  // only nine characters count
      {IDC_ROW1_RATE, "0.1", nullptr},
      {IDC_ROW1_RATE, "49.9", nullptr},
      {IDC_ROW1_RATE, "0.09", &rate1},
      {IDC_ROW1_RATE, "49.95", &rate1},
      {IDC_ROW1_RATE, "0", &rate1},
      {IDC_ROW1_RATE, "Infinity", &rate1},
      {IDC_ZONE2_TEMP, "450.9", nullptr},
      {IDC_ZONE2_TEMP, "-1", &zone2},
      {IDC_ZONE2_TEMP, "x451", nullptr},    // no leading number reads as 0
      {IDC_STANDBY_TIME, "801", &standby},  // checked though its box is clear
      {IDC_TIME5, "1e3", &time5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " '" << c.text << "'");
    SetUp();
    editorValues.minOvenTemp = 30.0f;
    editor.text[c.id] = c.text;
    if (c.refusal) {
      ExpectRefused(c.id, *c.refusal);
      EXPECT_EQ(editor.text[c.id], c.text) << "the user's text stays";
    } else {
      EXPECT_TRUE(ValidateOvenForm(editor, host));
    }
  }
}

TEST_F(OvenValidationTest, ARateMessageNamesTheRampNumber) {
  UseRows(4);
  editor.text[IDC_ROW3_RATE] = "50";
  ExpectRefused(IDC_ROW3_RATE, "Rate 3 \n\nAllowed Range is 0.1 to 49.9");
}

TEST_F(OvenValidationTest, WholeNumbersAreStoredCutAndRampFieldsRewritten) {
  editor.text[IDC_ROW1_TEMP] = "100.7";
  editor.text[IDC_ROW1_TIME] = "3";
  editor.text[IDC_ZONE2_TEMP] = "450.9";
  ASSERT_TRUE(ValidateOvenForm(editor, host));
  EXPECT_EQ(inletMethod.ovenStep[0].temp, 100.0);
  EXPECT_EQ(editor.text[IDC_ROW1_TEMP], "100");
  EXPECT_EQ(editor.text[IDC_ROW1_TIME], "3.00");
  EXPECT_EQ(editor.text[IDC_ROW1_RATE], "10.0");
  EXPECT_EQ(inletMethod.zone2Temp, 450.0);
  EXPECT_EQ(editor.text[IDC_ZONE2_TEMP], "450.9") << "zones are not rewritten";
}

TEST_F(OvenValidationTest, RowsNotInUseAreNeverRead) {
  SetRow(3, "9999", "-1", "junk");
  SetRow(4, "-5", "x", "");
  editor.text[IDC_ROW2_RATE] = "0";
  EXPECT_TRUE(ValidateOvenForm(editor, host));
  EXPECT_EQ(inletMethod.ovenStep[2].temp, 200.0);
}

TEST_F(OvenValidationTest, ARampRowFailureStoresNoRow) {
  SetRow(1, "120", "3", "10");
  editor.text[IDC_ROW2_TIME] = "900";
  EXPECT_FALSE(ValidateOvenForm(editor, host));
  EXPECT_EQ(inletMethod.ovenStep[0].temp, 100.0);
  EXPECT_EQ(inletMethod.ovenStep[0].hold, 2.0);
  EXPECT_EQ(editor.text[IDC_ROW2_TIME], "900") << "the user's text stays";
}

TEST_F(OvenValidationTest, TypedRatesBecomeStartsWhateverTheStartsWere) {
  UseRows(4);
  SetRow(1, "100", "2", "10");
  SetRow(2, "50", "3", "4");  // cooling: 50 degrees at 10 per minute
  SetRow(3, "250", "1", "2.5");
  SetRow(4, "240", "10", "");
  // Starts as a drag might have left them.
  inletMethod.ovenStep[0].start = 1.5;
  inletMethod.ovenStep[1].start = 40;
  inletMethod.ovenStep[2].start = 2;
  inletMethod.ovenStep[3].start = 90;
  ASSERT_TRUE(ValidateOvenForm(editor, host));
  // Each start is the previous hold's end plus the temperature change over the rate:
  // 1.5 + 2 + 50/10, 8.5 + 3 + 200/4, 61.5 + 1 + 10/2.5.
  const auto& s = inletMethod.ovenStep;
  EXPECT_EQ(s[0].start, 1.5) << "row 1's start is never moved";
  EXPECT_DOUBLE_EQ(s[1].start, 8.5);
  EXPECT_DOUBLE_EQ(s[2].start, 61.5);
  EXPECT_DOUBLE_EQ(s[3].start, 66.5);
  EXPECT_EQ(editor.text[IDC_ROW2_RATE], "4.0");
  EXPECT_EQ(inletMethod.tempAxisMax, 250.0);
  EXPECT_DOUBLE_EQ(inletMethod.timeAxisMax, 76.5);
}

TEST_F(OvenValidationTest, ASlowerRateMovesTheLaterRowsByTheSameAmount) {
  UseRows(3);
  inletMethod.ovenStep[1].start = 7;
  inletMethod.ovenStep[2].start = 20;
  // Rate 1 of 1 puts row 2 at 52: its hold then runs past row 3's start of 20.
  editor.text[IDC_ROW1_RATE] = "1";
  editor.text[IDC_ROW2_RATE] = "5";
  ASSERT_TRUE(ValidateOvenForm(editor, host));
  EXPECT_EQ(inletMethod.ovenStep[1].start, 52.0);
  // Row 3 moved with it, then took its own start from Rate 2.
  EXPECT_EQ(inletMethod.ovenStep[2].start, 64.0);  // 52 + 2 + 50/5
}

TEST_F(OvenValidationTest, ARowThatStillEndsBeforeTheNextKeepsTheLaterStarts) {
  UseRows(3);
  inletMethod.ovenStep[2].start = 100;
  // Store row 2 alone: row 3's start must stay while row 2 ends before it.
  ASSERT_TRUE(StoreOvenStep(editor, host, 2, IDC_ROW2_TEMP, IDC_ROW2_TIME, IDC_ROW1_RATE));
  EXPECT_EQ(inletMethod.ovenStep[1].start, 7.0);
  EXPECT_EQ(inletMethod.ovenStep[2].start, 100.0);
}

TEST_F(OvenValidationTest, ZonesAndPhaseTimesAreCheckedInOrderAndStoredAsTheyPass) {
  editor.text[IDC_ZONE1_TEMP] = "200";
  editor.text[IDC_ZONE2_TEMP] = "300";
  editor.text[IDC_ZONE3_TEMP] = "451";
  editor.text[IDC_STANDBY_TIME] = "5";
  SetRow(1, "120", "3", "10");
  ExpectRefused(IDC_ZONE3_TEMP, "Zone 3 Temperature \n\nAllowed Range is 0 to 450");
  EXPECT_EQ(inletMethod.zone1Temp, 200.0);
  EXPECT_EQ(inletMethod.zone2Temp, 300.0);
  EXPECT_EQ(inletMethod.zone3Temp, 0.0);
  EXPECT_EQ(inletMethod.ovenStep[0].temp, 120.0) << "the ramp was stored before the zones";
  EXPECT_EQ(inletMethod.standbyTime, 0.0) << "not reached";
}

TEST_F(OvenValidationTest, AMessageOnScreenDoesNotStartASecondValidation) {
  editor.text[IDC_ROW1_TEMP] = "999";
  int nested = -1;
  host.whileReporting = [&] { nested = ValidateOvenForm(editor, host); };
  EXPECT_FALSE(ValidateOvenForm(editor, host));
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(host.reported.size(), 1u);
  host.whileReporting = nullptr;
  editor.text[IDC_ROW1_TEMP] = "100";
  EXPECT_TRUE(ValidateOvenForm(editor, host)) << "the guard is released afterwards";
}

TEST_F(OvenValidationTest, SuccessSelectsTheFocusedFieldButNotARowCheckBox) {
  editor.focusedId = IDC_ZONE1_TEMP;
  ASSERT_TRUE(ValidateOvenForm(editor, host));
  EXPECT_EQ(editor.log.back(), "SelectAllText " + std::to_string(IDC_ZONE1_TEMP));
  for (int id : {IDC_ROW1_CHECK, IDC_ROW2_CHECK, IDC_ROW3_CHECK, IDC_ROW4_CHECK}) {
    SCOPED_TRACE(id);
    editor.focusedId = id;
    editor.selectAllCount = 0;
    ASSERT_TRUE(ValidateOvenForm(editor, host));
    EXPECT_EQ(editor.selectAllCount, 0);
  }
}

TEST_F(OvenValidationTest, SuccessRefitsTheAxes) {
  SetRow(2, "200.7", "4", "25");
  editorValues.ovenAxesChanged = 0;
  ASSERT_TRUE(ValidateOvenForm(editor, host));
  EXPECT_EQ(inletMethod.tempAxisMax, 200.0);
  EXPECT_EQ(inletMethod.timeAxisMax, 16.0);  // row 2 starts at 2 + 100/10 and holds 4
  EXPECT_EQ(editorValues.ovenAxesChanged, 1);
}

using ValveTimetableTest = EditorTest;

// Purge, Secondary Cool, Split are checked in that order and each is stored as it
// passes; the first refusal names its field and stops there.
TEST_F(ValveTimetableTest, TimesAreCheckedInOrderAndStoredAsTheyPass) {
  struct Case {
    const char *purge, *cool, *split;
    const char* refused;  // the name reported, nullptr: all accepted
    double stored[3];     // purge, cool, split afterwards
  };
  const Case cases[] = {
      {"0", "100", "50", nullptr, {0, 100, 50}},
      {"", "12abc", "99.999", nullptr, {0, 12, 99.999}},
      {"150", "200", "x", "Purge", {5, 6, 7}},
      {"-0.01", "1", "1", "Purge", {5, 6, 7}},
      {"10", "200", "101", "Secondary Cool", {10, 6, 7}},
      {"10", "20", "100.01", "Split Time", {10, 20, 7}},
      {"10", "20", "1000000000", "Split Time", {10, 20, 7}},
  };
  const int ids[3] = {IDC_VALVE_PURGE, IDC_VALVE_COOL, IDC_VALVE_SPLIT};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.purge << " " << c.cool << " " << c.split);
    SetUp();
    editor = {};
    host = {};
    inletMethod.purgeTime = 5;
    inletMethod.secondaryCoolTime = 6;
    inletMethod.splitTime = 7;
    inletMethod.valveEvent[1] = {3.5, 4.5};
    editor.text[IDC_VALVE_PURGE] = c.purge;
    editor.text[IDC_VALVE_COOL] = c.cool;
    editor.text[IDC_VALVE_SPLIT] = c.split;
    OnValveCommand(editor, host, IDC_VALVE_OK);
    EXPECT_EQ(inletMethod.purgeTime, c.stored[0]);
    EXPECT_EQ(inletMethod.secondaryCoolTime, c.stored[1]);
    EXPECT_EQ(inletMethod.splitTime, c.stored[2]);
    EXPECT_EQ(inletMethod.valveEvent[1].start, 3.5) << "events have no fields to come from";
    EXPECT_EQ(inletMethod.valveEvent[1].finish, 4.5);
    if (!c.refused) {
      EXPECT_EQ(editor.endedWith, std::vector<int>{1});
      EXPECT_EQ(editor.beeps, 0);
      continue;
    }
    EXPECT_TRUE(editor.endedWith.empty()) << "the dialog stays open";
    EXPECT_EQ(editor.beeps, 1);
    EXPECT_EQ(host.log, std::vector<std::string>{"ReportOutOfRange " + std::string(c.refused)});
    const int refusedId = ids[c.refused[0] == 'P' ? 0 : c.refused[1] == 'e' ? 1 : 2];
    EXPECT_EQ(editor.focusedId, refusedId);
    EXPECT_EQ(editor.log.back(), "SelectAllText " + std::to_string(refusedId));
  }
}

TEST_F(ValveTimetableTest, TimesAreShownWithTwoDecimalsAndOnlyOkOrCancelEndTheDialog) {
  inletMethod.purgeTime = 1.5;
  inletMethod.secondaryCoolTime = 100;
  ShowValveTimes(editor, host);
  EXPECT_EQ(editor.text[IDC_VALVE_PURGE], "1.50");
  EXPECT_EQ(editor.text[IDC_VALVE_COOL], "100.00");
  EXPECT_EQ(editor.text[IDC_VALVE_SPLIT], "0.00");
  for (int id : {IDC_VALVE_PURGE, IDC_VALVE_SPLIT, IDC_VALVE_COOL, 3, 116}) {
    OnValveCommand(editor, host, id);
  }
  EXPECT_TRUE(editor.endedWith.empty());
  editor.text[IDC_VALVE_PURGE] = "999";  // Cancel and Escape never read the fields
  OnValveCommand(editor, host, IDC_VALVE_CANCEL);
  OnValveCommand(editor, host, CMD_ESCAPE);
  editor.text[IDC_VALVE_PURGE] = "1";
  OnValveCommand(editor, host, CMD_ENTER);
  EXPECT_EQ(editor.endedWith, (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(inletMethod.purgeTime, 1.0);
}

class UlvoValidationTest : public EditorTest {
 protected:
  // The default ramp of the mode on the left channel, shown: a valid form, two rows in use.
  void Open(int32_t mode) {
    editorValues.ulvoChannel = 0;
    inletMethod.ulvo[0].mode = mode;
    ulvoValues.ulvoRamp = mode - 1;
    ShowUlvoChannel(editor, host);
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
  struct Case {
    int32_t mode;
    int id;
    const char* text;
    const std::string* refusal;  // nullptr: accepted
  };
  const Case cases[] = {
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
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode << " " << c.id << " '" << c.text << "'");
    SetUp();
    editor = {};
    Open(c.mode);
    editor.text[c.id] = c.text;
    const bool ok = ValidateUlvoForm(editor, host);
    EXPECT_EQ(ok, c.refusal == nullptr);
    EXPECT_EQ(editor.beeps, 0);
    if (ok) continue;
    ASSERT_EQ(editor.questions.size(), 1u);
    EXPECT_EQ(editor.questions[0].caption, "ULVO");
    EXPECT_EQ(editor.questions[0].text, *c.refusal);
    EXPECT_EQ(editor.focusedId, c.id);
    EXPECT_EQ(editor.log.back(), "SelectAllText " + std::to_string(c.id));
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
  ASSERT_TRUE(ValidateUlvoForm(editor, host));
  const UlvoRamp& ramp = inletMethod.ulvo[0].ramp[0];
  EXPECT_EQ(ramp.step[0].value, 20.0);
  EXPECT_EQ(ramp.step[1].start, 3.25);
  EXPECT_EQ(ramp.sampleValue, static_cast<double>(99.9f));
  EXPECT_EQ(editor.text[IDC_ULVO_ROW1_TIME], "1.2");
  EXPECT_EQ(editor.text[IDC_ULVO_ROW1_RATE], "2.5");
  EXPECT_EQ(editor.text[IDC_ULVO_SAMPLE], "99.900001") << "levels are not rewritten";
  EXPECT_EQ(ramp.valueAxisMax, 20.0);
  EXPECT_EQ(ramp.timeAxisMax, 5.25);

  // A refused standby leaves the rows and the sample stored.
  editor.text[IDC_ULVO_ROW2_VALUE] = "30";
  editor.text[IDC_ULVO_SAMPLE] = "50";
  editor.text[IDC_ULVO_STANDBY] = "0";
  EXPECT_FALSE(ValidateUlvoForm(editor, host));
  EXPECT_EQ(ramp.step[1].value, 30.0);
  EXPECT_EQ(ramp.sampleValue, 50.0);
  EXPECT_EQ(ramp.standbyValue, 1.0);
}

}  // namespace
