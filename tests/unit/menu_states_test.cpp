// Menu item states, the channel modes that decide two of them, and the two INI options
// the editor reads when it opens.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/menu_states.h"
#include "ulvo/ulvo_config.h"
#include "fakes/editor_fixture.h"
#include "resource_ids.h"

namespace {

using MenuStatesTest = EditorTest;

TEST_F(MenuStatesTest, SaveFollowsTheModifiedFlagAndChannelsTheirModes) {
  struct Case {
    int modified, leftMode, rightMode;
    bool save, left, right;
  };
  const Case cases[] = {
      {0, kUlvoManual, kUlvoManual, false, false, false},
      {1, kUlvoManual, kUlvoManual, true, false, false},
      {0, kUlvoFlow, kUlvoManual, false, true, false},
      {1, kUlvoManual, kUlvoPressure, true, false, true},
      {0, 7, kUlvoFlow, false, true, true},  // any mode but manual enables
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.modified << c.leftMode << c.rightMode);
    editorValues.methodModified = c.modified;
    inletMethod.ulvo[0].mode = c.leftMode;
    inletMethod.ulvo[1].mode = c.rightMode;
    EXPECT_EQ(UpdateMenuStates(editor), 1);
    EXPECT_EQ(editor.menuEnabled[IDM_FILE_SAVE], c.save);
    EXPECT_EQ(editor.menuEnabled[IDM_ULVO_LEFT], c.left);
    EXPECT_EQ(editor.menuEnabled[IDM_ULVO_RIGHT], c.right);
  }
  // No other item is touched: New, Open, Save As, Exit, Valves, Configuration, Help.
  EXPECT_EQ(editor.menuEnabled.size(), 3u);
}

TEST_F(MenuStatesTest, UlvoMenuIsRemovedUnlessTheOptionIsANonzeroNumber) {
  struct Case {
    const char* value;  // nullptr: the key is missing
    bool removed;
  };
  const Case cases[] = {
      {nullptr, true}, {"0", true},  {"", true},    {"yes", true},
      {" 0x1", true},  {"1", false}, {"-3", false}, {" 2abc", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "(missing)");
    FakeDialog window;
    FakeHost options;
    if (c.value) options.ini[{"TOVREX", "ULVOControl"}] = c.value;
    ApplyUlvoMenuOption(window, options);
    EXPECT_EQ(window.removedMenuPositions, c.removed ? std::vector<int>{2} : std::vector<int>{});
    // The bar is redrawn either way, after any removal.
    ASSERT_FALSE(window.log.empty());
    EXPECT_EQ(window.log.back(), "RedrawMenuBar");
    EXPECT_EQ(window.menuRedraws, 1);
  }
}

TEST_F(MenuStatesTest, MinimumOvenTemperatureIsReadAtSinglePrecision) {
  struct Case {
    const char* value;
    float expected;
  };
  const Case cases[] = {
      {nullptr, 0.0f},      {"12.3", 12.3f},
      {"warm", 0.0f},       {"-40", -40.0f},
      {"450", 450.0f},      {"-273", -273.0f},
      {"450.25junk", 0.0f},  // above every temperature the oven takes: ignored
      {"-273.5", 0.0f},     {"99999999999999999999", 0.0f},
      {"1e39", 0.0f},  // beyond single precision: saturated, then ignored
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "(missing)");
    FakeHost options;
    if (c.value) options.ini[{"TOVREX", "TOVREXMinTemp"}] = c.value;
    editorValues.minOvenTemp = 99.0f;
    LoadMinOvenTemp(options);
    EXPECT_EQ(GetMinOvenTemp(), c.expected);
  }
}

TEST_F(MenuStatesTest, ModesAreShownChosenAndStoredOnlyByOk) {
  const std::vector<std::string> texts = {"Manual", "Flow", "Pressure"};
  struct Case {
    int32_t left, right;          // modes before
    int shownLeft, shownRight;    // entries selected when shown
    int chosenLeft, chosenRight;  // the user's selections (-1: none)
    int command;
    int32_t storedLeft, storedRight;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0, 0, CMD_ENTER, 0, 0},   {0, 0, 0, 0, 1, 2, CMD_ENTER, 1, 2},
      {1, 2, 1, 2, 2, 1, CMD_ENTER, 2, 1},   {1, 2, 1, 2, 0, 0, CMD_ESCAPE, 1, 2},
      {3, -1, 0, 0, 0, 1, CMD_ENTER, 0, 1},  // read as the record reads them: Manual
      {2, 1, 2, 1, -1, -1, CMD_ENTER, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.left << c.right << c.chosenLeft << c.chosenRight);
    FakeDialog dialog;
    inletMethod.ulvo[0].mode = c.left;
    inletMethod.ulvo[1].mode = c.right;
    const UlvoRamp flow = inletMethod.ulvo[0].ramp[0];
    ShowUlvoModes(dialog);
    ASSERT_EQ(dialog.listItems.size(), 2u);
    EXPECT_EQ(dialog.listItems[IDC_ULVO_LEFT_MODE], texts);
    EXPECT_EQ(dialog.listItems[IDC_ULVO_RIGHT_MODE], texts);
    EXPECT_EQ(dialog.SelectedListItem(IDC_ULVO_LEFT_MODE), c.shownLeft);
    EXPECT_EQ(dialog.SelectedListItem(IDC_ULVO_RIGHT_MODE), c.shownRight);
    dialog.listSelection[IDC_ULVO_LEFT_MODE] = c.chosenLeft;
    dialog.listSelection[IDC_ULVO_RIGHT_MODE] = c.chosenRight;
    OnUlvoConfigCommand(dialog, IDC_ULVO_RIGHT_MODE);  // choosing ends nothing
    OnUlvoConfigCommand(dialog, c.command);
    EXPECT_EQ(dialog.endedWith, std::vector<int>{c.command == CMD_ENTER ? 1 : 0});
    EXPECT_EQ(inletMethod.ulvo[0].mode, c.storedLeft);
    EXPECT_EQ(inletMethod.ulvo[1].mode, c.storedRight);
    EXPECT_EQ(std::memcmp(&inletMethod.ulvo[0].ramp[0], &flow, sizeof flow), 0)
        << "a mode never changes its ramps";
  }
}

}  // namespace
