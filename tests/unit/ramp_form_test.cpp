// Showing the method in the editor's form and a ULVO ramp in the channel dialog, the
// titles, and the row check boxes.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "editor/oven_form.h"
#include "fakes/editor_fixture.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_state.h"

namespace {

using OvenFormTest = EditorTest;

TEST_F(OvenFormTest, DefaultsAreShownWithTheirDecimalsAndRowsThreeAndFourDisabled) {
  ShowMethod(session, editor, host);
  EnableStepFields(session, editor, host);
  const std::pair<int, const char*> fields[] = {
      {IDC_ZONE1_TEMP, "150"},    {IDC_ZONE2_TEMP, "0"},   {IDC_ZONE3_TEMP, "0"},
      {IDC_STANDBY_TIME, "0.00"}, {IDC_TIME5, "0.00"},     {IDC_ROW1_TIME, "2.00"},
      {IDC_ROW1_TEMP, "100"},     {IDC_ROW2_TIME, "2.00"}, {IDC_ROW2_TEMP, "150"},
      {IDC_ROW3_TEMP, "200"},     {IDC_ROW4_TEMP, "250"},  {IDC_ROW4_TIME, "10.00"},
      {IDC_ROW1_RATE, "6.2"},  // 50 degrees over the 8 minutes from 2 to 10
      {IDC_ROW2_RATE, "25.0"},    {IDC_ROW3_RATE, "25.0"},
  };
  for (const auto& [id, text] : fields) EXPECT_EQ(editor.text[id], text) << id;
  EXPECT_EQ(editor.enabled.size(), 13u) << "the phase times, the rows and their rates only";
  // Boxes ticked and fields enabled, then boxes clear and fields disabled.
  for (int id : {IDC_TIME5_CHECK, IDC_ROW1_CHECK, IDC_ROW2_CHECK, IDC_TIME5, IDC_ROW1_TIME,
                 IDC_ROW1_TEMP, IDC_ROW1_RATE, IDC_ROW2_TIME, IDC_ROW2_TEMP}) {
    EXPECT_TRUE(editor.checked[id] || editor.enabled[id]) << id;
  }
  for (int id : {IDC_STANDBY_CHECK, IDC_ROW3_CHECK, IDC_DUMP_VALVE, IDC_STANDBY_TIME, IDC_ROW2_RATE,
                 IDC_ROW3_TIME, IDC_ROW3_TEMP, IDC_ROW3_RATE, IDC_ROW4_TIME, IDC_ROW4_TEMP}) {
    EXPECT_FALSE(editor.checked[id] || editor.enabled[id]) << id;
  }
  EXPECT_EQ(RowsInUse(session.method.ovenStep), 2);
}

TEST_F(OvenFormTest, TitleShowsUntitledOrTheRegistrysFileInUpperCase) {
  GlobalFileEntry entry{};
  std::strcpy(entry.fileName, "m1");
  std::strcpy(entry.extension, "db");
  EXPECT_EQ(EditorTitle(false, entry), "TOVREX Control - M1.DB");
  EXPECT_EQ(EditorTitle(true, entry), "TOVREX Control - [Untitled]");
  std::strcpy(entry.fileName, "caf\xE9-\xFF\xE0\xF7\xFE\x9A");
  EXPECT_EQ(EditorTitle(false, entry), "TOVREX Control - CAF\xC9-\x9F\xC0\xF7\xDE\x8A.DB");

  host.globalFile = entry;
  session.values.methodUntitled = true;
  ShowMethod(session, editor, host);
  EXPECT_EQ(editor.title, "TOVREX Control - [Untitled]");
  session.values.methodUntitled = false;
  ShowMethod(session, editor, host);
  EXPECT_EQ(editor.title, "TOVREX Control - CAF\xC9-\x9F\xC0\xF7\xDE\x8A.DB");
}

TEST_F(OvenFormTest, TitleOfUnterminatedRegistryFieldsStaysInsideThem) {
  GlobalFileEntry entry;
  std::memset(&entry, 'a', sizeof entry);
  const std::string title = EditorTitle(false, entry);
  EXPECT_EQ(title.size(), std::strlen("TOVREX Control - ") + 256 + 1 + 258);
  EXPECT_EQ(title.find_first_not_of('A', 17), 17u + 256);
}

TEST_F(OvenFormTest, CheckBoxesReadAsAPrefixOfRowsInUse) {
  // The boxes of rows 1 to 4 (the standby box as row 4's, time 5's the opposite), the
  // rows in use and their count.
  const std::tuple<std::array<bool, 4>, std::array<int, 4>, int> cases[] = {
      {{true, true, false, false}, {1, 1, 0, 0}, 2},
      {{false, false, true, true}, {1, 0, 0, 0}, 1},  // row 3 without row 2 does not count
      {{false, true, true, false}, {1, 1, 1, 0}, 3},  // row 1 is always in use
      {{true, true, true, true}, {1, 1, 1, 1}, 4},
  };
  for (const auto& [boxes, enabled, inUse] : cases) {
    SCOPED_TRACE(inUse);
    const int ids[] = {IDC_ROW1_CHECK, IDC_ROW2_CHECK, IDC_ROW3_CHECK, IDC_ROW4_CHECK};
    for (int k = 0; k < 4; ++k) editor.checked[ids[k]] = boxes[k];
    editor.checked[IDC_STANDBY_CHECK] = boxes[3];  // the phase boxes are read as they are
    editor.checked[IDC_TIME5_CHECK] = !boxes[3];
    session.method.ovenStep[0].enabled = 0;  // as another program may have stored it
    ReadStepChecks(session, editor);
    EXPECT_EQ(session.method.standbyEnabled, boxes[3] ? 1 : 0);
    EXPECT_EQ(session.method.time5Enabled, boxes[3] ? 0 : 1);
    EXPECT_EQ(RowsInUse(session.method.ovenStep), inUse);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(session.method.ovenStep[k].enabled, enabled[k]);
    // Showing them again corrects the boxes the rule refused.
    ShowStepChecks(session, editor);
    EXPECT_TRUE(editor.checked[IDC_ROW1_CHECK]);
    EXPECT_EQ(editor.checked[IDC_ROW3_CHECK], enabled[2] == 1);
  }
}

TEST_F(OvenFormTest, AToggledRowStartsNoEarlierThanThePreviousHoldEnds) {
  // Row 2 starts inside row 1's hold, row 4 after row 3's; the other boxes move nothing.
  session.method.ovenStep = {{{-1, 100, 5, 1}, {3, 150, 2, 1}, {7, 150, 2, 0}, {20, 150, 2, 0}}};
  for (int id :
       {IDC_ROW1_CHECK, IDC_STANDBY_CHECK, IDC_TIME5_CHECK, IDC_ROW2_CHECK, IDC_ROW4_CHECK}) {
    ShiftStepAfterCheck(session, id);
  }
  const double starts[] = {-1, 4, 7, 20};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(session.method.ovenStep[k].start, starts[k]) << k;
}

class UlvoFormTest : public EditorTest {
 protected:
  void Open(int channel, int32_t mode) {
    session.values.ulvoChannel = channel;
    session.method.ulvo[channel].mode = mode;
    ShowUlvoChannel(session, editor, host);
    EnableUlvoStepFields(session, editor, host);
  }
  void Click(int box) {
    editor.checked[box] = !editor.checked[box];
    ApplyUlvoStepCheck(session, editor, host, box);
  }
};

TEST_F(UlvoFormTest, TheDefaultFlowRampShowsItsRatesEvenForRowsNotInUse) {
  Open(0, kUlvoFlow);
  struct Field {
    int id;
    const char* text;
  };
  const Field fields[] = {
      {IDC_ULVO_VALUE_HEAD, "Flow"},      {IDC_ULVO_VALUE_UNIT, "(ml/Min)"},
      {IDC_ULVO_RATE_UNIT, "(ml/Min-2)"}, {IDC_ULVO_STANDBY, "1.0"},
      {IDC_ULVO_ROW1_TIME, "2.0"},        {IDC_ULVO_ROW1_VALUE, "10.0"},
      {IDC_ULVO_ROW1_RATE, "0.6"},  // 5 over 8 minutes
      {IDC_ULVO_ROW2_RATE, "2.5"},        {IDC_ULVO_ROW5_VALUE, "30.0"},
  };
  for (const Field& f : fields) {
    SCOPED_TRACE(f.id);
    EXPECT_EQ(editor.text[f.id], f.text);
  }
  EXPECT_EQ(UlvoStepsInUse(session), 2);
  for (int id : {IDC_ULVO_ROW1_TIME, IDC_ULVO_ROW1_VALUE, IDC_ULVO_ROW1_RATE, IDC_ULVO_ROW2_VALUE})
    EXPECT_TRUE(editor.enabled[id]) << id;
  EXPECT_FALSE(editor.enabled[IDC_ULVO_ROW2_RATE]);
  EXPECT_FALSE(editor.enabled[IDC_ULVO_ROW3_VALUE]);
  EXPECT_EQ(editor.enabled.size(), 14u) << "the rows' fields and rates only";

  FakeDialog right;
  session.values.ulvoChannel = 1;
  session.method.ulvo[1].mode = kUlvoPressure;
  ShowUlvoChannel(session, right, host);
  EXPECT_EQ(right.title, "ULVO Right Channel Control");
  EXPECT_EQ(right.text[IDC_ULVO_RATE_UNIT], "(kPa/Min)");
  EXPECT_EQ(right.text[IDC_ULVO_SAMPLE], "3.0");
}

TEST_F(UlvoFormTest, StepBoxesKeepAPrefixInUseAndAToggledStepBehindItsPredecessor) {
  session.method.ulvo[0].ramp[1].standbyValue = 3.1;  // bytes a step beyond the edited ramp's
  const InletMethod before = session.method;
  Open(0, kUlvoFlow);
  Click(IDC_ULVO_ROW4_CHECK);  // behind an unused step 3: unchecked again
  EXPECT_FALSE(editor.checked[IDC_ULVO_ROW4_CHECK]);
  EXPECT_EQ(EditedUlvoRamp(session).step[3].enabled, 0);
  EXPECT_EQ(UlvoStepsInUse(session), 2);

  EditedUlvoRamp(session).step[1].hold = 4.0;  // step 2 ends at 14, after step 3's start
  EditedUlvoRamp(session).step[2].start = 12.0;
  Click(IDC_ULVO_ROW3_CHECK);
  EXPECT_EQ(EditedUlvoRamp(session).step[2].start, 14.0);
  EXPECT_EQ(EditedUlvoRamp(session).step[2].enabled, 1);
  EXPECT_TRUE(editor.enabled[IDC_ULVO_ROW3_VALUE]);
  EXPECT_TRUE(editor.enabled[IDC_ULVO_ROW2_RATE]);
  Click(IDC_ULVO_ROW4_CHECK);
  Click(IDC_ULVO_ROW5_CHECK);
  EXPECT_EQ(UlvoStepsInUse(session), 5);

  Click(IDC_ULVO_ROW2_CHECK);  // unchecking step 2 takes every later step out of use
  EXPECT_EQ(UlvoStepsInUse(session), 1);
  for (int box : {IDC_ULVO_ROW2_CHECK, IDC_ULVO_ROW3_CHECK, IDC_ULVO_ROW5_CHECK}) {
    EXPECT_FALSE(editor.checked[box]) << box;
  }
  EXPECT_EQ(EditedUlvoRamp(session).step[4].enabled, 0);
  UlvoRamp& ramp = EditedUlvoRamp(session);
  ramp.step[0].enabled = ramp.standbyEnabled = ramp.sampleEnabled = 0;
  Click(IDC_ULVO_ROW1_CHECK);  // box 1 cannot be cleared; standby and sample always run
  EXPECT_TRUE(editor.checked[IDC_ULVO_ROW1_CHECK]);
  EXPECT_EQ(ramp.step[0].enabled, 1);
  EXPECT_EQ(ramp.standbyEnabled, 1);
  EXPECT_EQ(ramp.sampleEnabled, 1);
  EXPECT_EQ(std::memcmp(&session.method.ulvo[0].ramp[1], &before.ulvo[0].ramp[1], sizeof(UlvoRamp)),
            0)
      << "only the edited ramp changes";
  EXPECT_EQ(std::memcmp(&session.method.ulvo[1], &before.ulvo[1], sizeof(UlvoChannel)), 0);

  for (auto& step : EditedUlvoRamp(session).step) step.enabled = 0;
  ShowUlvoChannel(session, editor, host);  // a stored ramp with no step enabled
  EXPECT_EQ(RowsInUse(EditedUlvoRamp(session).step), 1);
}

TEST_F(OvenFormTest, RatesAreMagnitudesAndAZeroIntervalIsInfinity) {
  const std::tuple<double, double, double, double, const char*> cases[] = {
      {150, 2, 7, 100, "10.0"},      // cooling shows positive
      {100, 2, 2, 300, "Infinity"},  // the ramp takes no time
      {100, 2, 1, 110, "10.0"},      // a start before the hold ends: still positive
      {100, 0, 3, 100, "0.0"},
  };
  for (const auto& [temp1, hold1, start2, temp2, rate] : cases) {
    SCOPED_TRACE(rate);
    session.method.ovenStep[0] = {0, temp1, hold1, 1};
    session.method.ovenStep[1] = {start2, temp2, 1, 1};
    ShowRampFields(session, editor, host);
    EXPECT_EQ(editor.text[IDC_ROW1_RATE], rate);
  }
}

}  // namespace
