// Menu item states, the channel modes that decide two of them, and the two INI options
// the editor reads when it opens.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <tuple>

#include "editor/menu_states.h"
#include "ulvo/ulvo_config.h"
#include "fakes/editor_fixture.h"
#include "resource_ids.h"

namespace {

using MenuStatesTest = EditorTest;

TEST_F(MenuStatesTest, SaveFollowsTheModifiedFlagAndChannelsTheirModes) {
  const std::tuple<int, int32_t, int32_t, bool, bool, bool> cases[] = {
      {0, kUlvoManual, kUlvoManual, false, false, false},
      {1, kUlvoManual, kUlvoManual, true, false, false},
      {0, kUlvoFlow, kUlvoManual, false, true, false},
      {1, kUlvoManual, kUlvoPressure, true, false, true},
      {0, 7, kUlvoFlow, false, true, true},  // any mode but manual enables
  };
  for (const auto& [modified, leftMode, rightMode, save, left, right] : cases) {
    SCOPED_TRACE(testing::Message() << modified << leftMode << rightMode);
    session.values.methodModified = modified;
    session.method.ulvo[0].mode = leftMode;
    session.method.ulvo[1].mode = rightMode;
    UpdateMenuStates(session, editor);
    EXPECT_EQ(editor.menuEnabled[IDM_FILE_SAVE], save);
    EXPECT_EQ(editor.menuEnabled[IDM_ULVO_LEFT], left);
    EXPECT_EQ(editor.menuEnabled[IDM_ULVO_RIGHT], right);
  }
  // No other item is touched: New, Open, Save As, Exit, Valves, Configuration, Help.
  EXPECT_EQ(editor.menuEnabled.size(), 3u);
}

// Any text that starts with a nonzero number keeps the ULVO menu; the menu bar is redrawn
// after the option is applied.
TEST_F(MenuStatesTest, UlvoMenuIsRemovedUnlessTheOptionIsANonzeroNumber) {
  const std::pair<const char*, bool> cases[] = {{nullptr, true}, {"0", true},   {"yes", true},
                                                {" 0x1", true},  {"-3", false}, {" 2abc", false}};
  for (const auto& [value, removed] : cases) {
    FakeDialog window;
    FakeHost options;
    if (value) options.ini[{"TOVREX", "ULVOControl"}] = value;
    ApplyUlvoMenuOption(window, options);
    EXPECT_EQ(window.removedMenuPositions, removed ? std::vector<int>{2} : std::vector<int>{});
    ASSERT_FALSE(window.log.empty());
    EXPECT_EQ(window.log.back(), "RedrawMenuBar") << "the bar is redrawn as it now stands";
  }
}

TEST_F(MenuStatesTest, MinimumOvenTemperatureIsReadAtSinglePrecision) {
  const std::pair<const char*, float> cases[] = {
      {nullptr, 0.0f},      {"12.3", 12.3f},
      {"warm", 0.0f},       {"-40", -40.0f},
      {"450", 450.0f},      {"-273", -273.0f},
      {"450.25junk", 0.0f},  // above every temperature the oven takes: ignored
      {"-273.5", 0.0f},     {"99999999999999999999", 0.0f},
      {"1e39", 0.0f},  // beyond single precision: saturated, then ignored
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value ? value : "(missing)");
    FakeHost options;
    if (value) options.ini[{"TOVREX", "TOVREXMinTemp"}] = value;
    session.values.minOvenTemp = 99.0f;
    LoadMinOvenTemp(session.values, options);
    EXPECT_EQ(GetMinOvenTemp(session.values), expected);
  }
}

TEST_F(MenuStatesTest, ModesAreShownChosenAndStoredOnlyByOk) {
  const std::vector<std::string> texts = {"Manual", "Flow", "Pressure"};
  // The modes before, the entries selected when shown, the user's selections (-1: none),
  // the command, the modes stored.
  using Pair = std::array<int32_t, 2>;
  const std::tuple<Pair, Pair, Pair, int, Pair> cases[] = {
      {{0, 0}, {0, 0}, {0, 0}, CMD_ENTER, {0, 0}},
      {{0, 0}, {0, 0}, {1, 2}, CMD_ENTER, {1, 2}},
      {{1, 2}, {1, 2}, {2, 1}, CMD_ENTER, {2, 1}},
      {{1, 2}, {1, 2}, {0, 0}, CMD_ESCAPE, {1, 2}},
      {{3, -1}, {0, 0}, {0, 1}, CMD_ENTER, {0, 1}},  // read as the record reads them: Manual
      {{2, 1}, {2, 1}, {-1, -1}, CMD_ENTER, {2, 1}},
      {{2, 1}, {2, 1}, {3, 3}, CMD_ENTER, {2, 1}},  // past the last entry: nothing stored
  };
  for (const auto& [before, shown, chosen, command, stored] : cases) {
    SCOPED_TRACE(testing::Message() << before[0] << before[1] << chosen[0] << chosen[1]);
    FakeDialog dialog;
    session.method.ulvo[0].mode = before[0];
    session.method.ulvo[1].mode = before[1];
    const UlvoRamp flow = session.method.ulvo[0].ramp[0];
    ShowUlvoModes(session.method, dialog);
    ASSERT_EQ(dialog.listItems.size(), 2u);
    EXPECT_EQ(dialog.listItems[IDC_ULVO_LEFT_MODE], texts);
    EXPECT_EQ(dialog.listItems[IDC_ULVO_RIGHT_MODE], texts);
    EXPECT_EQ((Pair{dialog.SelectedListItem(IDC_ULVO_LEFT_MODE),
                    dialog.SelectedListItem(IDC_ULVO_RIGHT_MODE)}),
              shown);
    dialog.listSelection[IDC_ULVO_LEFT_MODE] = chosen[0];
    dialog.listSelection[IDC_ULVO_RIGHT_MODE] = chosen[1];
    OnUlvoConfigCommand(session.method, dialog, IDC_ULVO_RIGHT_MODE);  // choosing ends nothing
    OnUlvoConfigCommand(session.method, dialog, command);
    EXPECT_EQ(dialog.endedWith, std::vector<int>{command == CMD_ENTER ? 1 : 0});
    EXPECT_EQ((Pair{session.method.ulvo[0].mode, session.method.ulvo[1].mode}), stored);
    EXPECT_EQ(std::memcmp(&session.method.ulvo[0].ramp[0], &flow, sizeof flow), 0)
        << "a mode never changes its ramps";
  }
}

}  // namespace
