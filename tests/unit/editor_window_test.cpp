// The initialisation, closing and destruction sequences of the editor window and of the
// ULVO channel dialog.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <tuple>

#include "editor/editor_commands.h"
#include "editor/editor_window.h"
#include "editor/oven_form.h"
#include "fakes/editor_fixture.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "ulvo/ulvo_control.h"
#include "ulvo/ulvo_state.h"

namespace {

using EditorWindowTest = EditorTest;

// Opening takes the defaults when no method can be loaded, a stored position only when
// neither corner value is negative, and the two INI options, the minimum oven temperature
// only after the axes were fitted to the method.
TEST_F(EditorWindowTest, OpeningTakesTheDefaultsAndAStoredPositionWithNoNegativeCorner) {
  // Stored, the stored corner, where the window goes (-1: not moved). A 400 x 300 window
  // whose caption would lie on no screen comes into the 1024 x 740 work area.
  const std::tuple<bool, int, int, int, int> cases[] = {
      {false, 0, 0, -1, -1},     {true, 10, 20, 10, 20},   {true, 0, 0, 0, 0},
      {true, -5, 20, -1, -1},    {true, 10, -1, -1, -1},   {true, 900, 700, 900, 700},
      {true, 5000, 20, 624, 20}, {true, 30, 800, 30, 440}, {true, INT32_MAX, 0, 624, 0},
  };
  for (const auto& [stored, left, top, toLeft, toTop] : cases) {
    SCOPED_TRACE(testing::Message() << stored << " " << left << "," << top);
    session = {};
    session.values.methodUntitled = true;
    FakeDialog window;
    FakeHost options;
    if (stored) options.positions[{"GCDisplay", "Parent"}] = WindowPos{0, 1, left, top, 900, 900};
    options.ini[{"TOVREX", "TOVREXMinTemp"}] = "200";
    InitEditorWindow(session, window, options);
    EXPECT_EQ(GetMinOvenTemp(session.values), 200.0f);
    EXPECT_EQ(session.method.tempAxisMax, 150.0) << "the minimum is read after the axes' fit";
    EXPECT_EQ(window.removedMenuPositions, std::vector<int>{2}) << "no ULVO option";
    EXPECT_EQ(window.movedLeft, toLeft);
    EXPECT_EQ(window.movedTop, toTop);
    EXPECT_EQ(session.method.ovenStep[1].level, 150.0);
    EXPECT_EQ(RowsInUse(session.method.ovenStep), 2);
    EXPECT_FALSE(session.values.methodUntitled);
  }
}

// The host's call makes an editor only when the slot holds none and none is being made.
TEST(EditorOpening, MakesOneEditorAndRaisesTheOneInTheSlot) {
  EXPECT_EQ(DecideEditorOpening(false, false), EditorOpening::kCreate);
  EXPECT_EQ(DecideEditorOpening(false, true), EditorOpening::kIgnore);
  EXPECT_EQ(DecideEditorOpening(true, false), EditorOpening::kRaise);
  EXPECT_EQ(DecideEditorOpening(true, true), EditorOpening::kRaise);
}

using UlvoControlTest = EditorTest;

TEST_F(UlvoControlTest, CancelRestoresTheWholeMethodAfterAnyEditing) {
  session.values.ulvoChannel = 1;
  session.method.ulvo[1].mode = kUlvoPressure;
  host.positions[{"ULVODisplay", "Parent"}] = WindowPos{0, 1, 40, 30, 500, 400};
  const InletMethod opened = session.method;
  InitUlvoControl(session, editor, host);
  EXPECT_EQ(EditedUlvoMode(session), kUlvoPressure);
  EXPECT_EQ(editor.movedLeft, 40);
  EXPECT_EQ(editor.movedTop, 30);
  UlvoRamp& ramp = session.method.ulvo[1].ramp[1];
  EXPECT_EQ(ramp.valueAxisMax, 15.0);  // fitted: steps at 10 and 15 kPa
  EXPECT_EQ(ramp.timeAxisMax, 12.0);

  OnUlvoCommand(session, editor, host, IDC_ULVO_BUTTON_RIGHT);
  editor.checked[IDC_ULVO_ROW3_CHECK] = true;
  OnUlvoCommand(session, editor, host, IDC_ULVO_ROW3_CHECK);
  editor.text[IDC_ULVO_ROW1_VALUE] = "40";
  OnUlvoCommand(session, editor, host, IDC_ULVO_ROW1_VALUE,
                EditNotice::kLeft);  // left unchanged: no check
  EXPECT_EQ(ramp.step[0].level, 10.0);
  OnUlvoCommand(session, editor, host, IDC_ULVO_ROW1_VALUE, EditNotice::kChanged);
  OnUlvoCommand(session, editor, host, IDC_ULVO_ROW1_VALUE,
                EditNotice::kLeft);  // leaving it validates
  EXPECT_EQ(ramp.step[0].level, 40.0);
  editor.text[IDC_ULVO_SAMPLE] = "999";
  OnUlvoCommand(session, editor, host, CMD_ENTER);  // refused after the rows were stored
  ASSERT_EQ(editor.questions.size(), 1u);
  EXPECT_TRUE(editor.endedWith.empty());
  CloseUlvoControl(session, editor, host);  // the close box checks again
  EXPECT_EQ(editor.questions.size(), 2u);
  editor.text[IDC_ULVO_ROW2_VALUE] = "20";
  OnUlvoCommand(session, editor, host, IDC_ULVO_ROW2_VALUE, EditNotice::kChanged);
  OnUlvoCommand(session, editor, host, CMD_ESCAPE);
  OnUlvoCommand(session, editor, host, IDC_ULVO_ROW2_VALUE,
                EditNotice::kLeft);  // the focus leaves as it ends
  EXPECT_EQ(editor.endedWith, std::vector<int>{0});
  EXPECT_EQ(std::memcmp(&session.method, &opened, sizeof opened), 0);

  editor = {};
  InitUlvoControl(session, editor, host);
  editor.text[IDC_ULVO_SAMPLE] = "5";
  OnUlvoCommand(session, editor, host, IDC_ULVO_BUTTON_UP);
  OnUlvoCommand(session, editor, host, CMD_ENTER);
  EXPECT_EQ(editor.endedWith, std::vector<int>{1});
  EXPECT_EQ(ramp.valueAxisMax, 15.0) << "OK validates, which fits the axes again";
  EXPECT_EQ(ramp.sampleValue, 5.0);
}

}  // namespace
