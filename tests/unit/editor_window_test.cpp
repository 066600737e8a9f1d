// The initialisation, closing and destruction sequences of the editor window and of the
// ULVO channel dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "editor/editor_commands.h"
#include "editor/editor_window.h"
#include "fakes/editor_fixture.h"
#include "method/inlet_method.h"
#include "resource_ids.h"
#include "ulvo/ulvo_control.h"
#include "ulvo/ulvo_state.h"

namespace {

class EditorWindowTest : public EditorTest {
 protected:
  // An empty method and values: whatever opening loads or defaults is then visible.
  void SetUp() override {
    inletMethod = {};
    editorValues = {};
  }
  void StorePosition(int left, int top) {
    host.positions[{"GCDisplay", "Parent"}] = WindowPos{0, 1, left, top, left + 500, top + 400};
  }
  size_t HostCallIndex(const std::string& call) const {
    return std::find(host.log.begin(), host.log.end(), call) - host.log.begin();
  }
};

TEST_F(EditorWindowTest, OpeningWithNoStoredMethodTakesTheDefaults) {
  editorValues.methodUntitled = 1;
  InitEditorWindow(editor, host);
  EXPECT_EQ(inletMethod.ovenStep[1].temp, 150.0);
  EXPECT_EQ(editorValues.ovenStepsInUse, 2);
  EXPECT_EQ(editorValues.methodUntitled, 0);
}

TEST_F(EditorWindowTest, StoredPositionIsUsedOnlyWhenBothCornerValuesAreNotNegative) {
  struct Case {
    bool stored;
    int left, top;
    bool moved;
  };
  const Case cases[] = {
      {false, 0, 0, false},  {true, 10, 20, true},  {true, 0, 0, true},
      {true, -5, 20, false}, {true, 10, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.stored << " " << c.left << "," << c.top);
    FakeDialog window;
    FakeHost options;
    if (c.stored) {
      options.positions[{"GCDisplay", "Parent"}] = WindowPos{0, 1, c.left, c.top, 900, 900};
    }
    InitEditorWindow(window, options);
    EXPECT_EQ(window.movedLeft, c.moved ? c.left : -1);
    EXPECT_EQ(window.movedTop, c.moved ? c.top : -1);
  }
}

TEST_F(EditorWindowTest, OptionsAreReadAfterThePositionAndMinimumTemperatureLast) {
  host.ini[{"TOVREX", "TOVREXMinTemp"}] = "35";
  InitEditorWindow(editor, host);
  const size_t position = HostCallIndex("GetIniWindPos GCDisplay Parent");
  const size_t ulvo = HostCallIndex("GetIniString TOVREX ULVOControl");
  const size_t minTemp = HostCallIndex("GetIniString TOVREX TOVREXMinTemp");
  ASSERT_LT(minTemp, host.log.size());
  EXPECT_LT(position, ulvo);
  EXPECT_LT(ulvo, minTemp);
  EXPECT_EQ(GetMinOvenTemp(), 35.0f);
  EXPECT_EQ(editor.removedMenuPositions, std::vector<int>{2});
}

TEST_F(EditorWindowTest, ClosingEmptiesTheSlotThenDestroysTheWindow) {
  host.slots[9] = editor.self;
  ASSERT_EQ(CloseEditorWindow(editor, host), 1);
  EXPECT_EQ(host.slots[9], kNoWindow);
  EXPECT_TRUE(editor.destroyed);
  EXPECT_EQ(host.log.front(), "SetDialogSlot 9 0");
}

TEST_F(EditorWindowTest, DestructionStoresThePositionShiftedByTheOwnersOffset) {
  host.windowRects[editor.self] = WindowPos{0, 1, 100, 50, 600, 450};
  host.windowRects[editor.owner] = WindowPos{0, 1, 30, 7, 1000, 800};
  host.slots[9] = editor.self;
  DestroyEditorWindow(editor, host);
  const WindowPos stored = host.positions.at({"GCDisplay", "Parent"});
  EXPECT_EQ(stored.left, 130);
  EXPECT_EQ(stored.right, 630);
  EXPECT_EQ(stored.top, 57);
  EXPECT_EQ(stored.bottom, 457);
  EXPECT_EQ(host.slots[9], kNoWindow);
  EXPECT_EQ(host.log.back(), "SetDialogSlot 9 0");
}

TEST_F(EditorWindowTest, AMinimisedEditorStoresNoPosition) {
  StorePosition(5, 5);
  editor.minimised = true;
  host.slots[9] = editor.self;
  DestroyEditorWindow(editor, host);
  EXPECT_EQ(HostCallIndex("SetIniWindPos GCDisplay Parent"), host.log.size());
  EXPECT_EQ(host.positions.at({"GCDisplay", "Parent"}).left, 5);
  EXPECT_EQ(host.slots[9], kNoWindow);
}

TEST_F(EditorWindowTest, ExitPostsACloseLikeTheCloseBox) {
  editorValues.ovenEditChanged = 1;
  OnEditorCommand(editor, host, IDM_FILE_EXIT, 0);
  EXPECT_EQ(editor.closesPosted, 1);
  EXPECT_EQ(editorValues.ovenEditChanged, 0);
  EXPECT_FALSE(editor.destroyed);  // the close itself runs when the message arrives
}

using UlvoControlTest = EditorTest;

TEST_F(UlvoControlTest, CancelRestoresTheWholeMethodAfterAnyEditing) {
  editorValues.ulvoChannel = 1;
  inletMethod.ulvo[1].mode = kUlvoPressure;
  host.positions[{"ULVODisplay", "Parent"}] = WindowPos{0, 1, 40, 30, 500, 400};
  const InletMethod opened = inletMethod;
  InitUlvoControl(editor, host);
  EXPECT_EQ(ulvoValues.ulvoRamp, 1);
  EXPECT_EQ(editor.movedLeft, 40);
  EXPECT_EQ(editor.movedTop, 30);
  UlvoRamp& ramp = inletMethod.ulvo[1].ramp[1];
  EXPECT_EQ(ramp.valueAxisMax, 15.0);  // fitted: steps at 10 and 15 kPa
  EXPECT_EQ(ramp.timeAxisMax, 12.0);

  OnUlvoCommand(editor, host, IDC_ULVO_BUTTON_RIGHT, 0);
  editor.checked[IDC_ULVO_ROW3_CHECK] = true;
  OnUlvoCommand(editor, host, IDC_ULVO_ROW3_CHECK, 0);
  editor.text[IDC_ULVO_ROW1_VALUE] = "40";
  OnUlvoCommand(editor, host, IDC_ULVO_ROW1_VALUE, 0x0200);  // left unchanged: no check
  EXPECT_EQ(ramp.step[0].value, 10.0);
  OnUlvoCommand(editor, host, IDC_ULVO_ROW1_VALUE, 0x0300);
  OnUlvoCommand(editor, host, IDC_ULVO_ROW1_VALUE, 0x0200);  // leaving it validates
  EXPECT_EQ(ramp.step[0].value, 40.0);
  editor.text[IDC_ULVO_SAMPLE] = "999";
  OnUlvoCommand(editor, host, CMD_ENTER, 0);  // refused after the rows were stored
  ASSERT_EQ(editor.questions.size(), 1u);
  EXPECT_TRUE(editor.endedWith.empty());
  EXPECT_EQ(CloseUlvoControl(editor, host), 0);  // the close box checks again
  EXPECT_EQ(editor.questions.size(), 2u);
  editor.text[IDC_ULVO_ROW2_VALUE] = "20";
  OnUlvoCommand(editor, host, IDC_ULVO_ROW2_VALUE, 0x0300);
  OnUlvoCommand(editor, host, CMD_ESCAPE, 0);
  OnUlvoCommand(editor, host, IDC_ULVO_ROW2_VALUE, 0x0200);  // the focus leaves as it ends
  EXPECT_EQ(editor.endedWith, std::vector<int>{0});
  EXPECT_EQ(std::memcmp(&inletMethod, &opened, sizeof opened), 0);

  editor = {};
  InitUlvoControl(editor, host);
  editor.text[IDC_ULVO_SAMPLE] = "5";
  OnUlvoCommand(editor, host, IDC_ULVO_BUTTON_UP, 0);
  OnUlvoCommand(editor, host, CMD_ENTER, 0);
  EXPECT_EQ(editor.endedWith, std::vector<int>{1});
  EXPECT_EQ(ramp.valueAxisMax, 15.0) << "OK validates, which fits the axes again";
  EXPECT_EQ(ramp.sampleValue, 5.0);
}

TEST_F(UlvoControlTest, DestructionStoresItsOwnPositionUnlessMinimised) {
  host.windowRects[editor.self] = WindowPos{0, 1, 100, 50, 600, 450};
  host.windowRects[editor.owner] = WindowPos{0, 1, 30, 7, 1000, 800};
  editor.minimised = true;
  DestroyUlvoControl(editor, host);
  EXPECT_TRUE(host.positions.empty());
  editor.minimised = false;
  DestroyUlvoControl(editor, host);
  ASSERT_EQ(host.positions.size(), 1u) << "the editor's own position is not touched";
  const WindowPos stored = host.positions.at({"ULVODisplay", "Parent"});
  EXPECT_EQ(stored.left, 130);
  EXPECT_EQ(stored.bottom, 457);
}

}  // namespace
