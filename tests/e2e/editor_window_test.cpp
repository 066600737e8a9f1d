// The editor window as a host sees it: opened through AcqGCInlet, recorded in slot 9,
// placed from and stored to the host's INI file, closed by its close box or File > Exit.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/dialog_answerer.h"
#include "harness/host_home.h"
#include "harness/method_database.h"
#include "harness/owner_window.h"
#include "harness/plugin.h"
#include "hostutil/hostutil.h"
#include "resource_ids.h"

namespace {

class EditorWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(e2e::LoadPlugin().acqGCInlet, nullptr);
    ASSERT_EQ(e2e::EditorWindow(), nullptr) << "an earlier test left the editor open";
    ASSERT_TRUE(e2e::InstallDefaultMethodDatabase(home));
  }
  void TearDown() override {
    e2e::DestroyEditor();
    EXPECT_EQ(answerer.Unexpected(), 0) << "a message or dialog nobody expected";
  }

  HWND Open() {
    EXPECT_EQ(e2e::LoadPlugin().acqGCInlet(owner.Get()), 1);
    e2e::PumpMessages();
    return e2e::EditorWindow();
  }
  static RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }
  static int CountEditors() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM counter) -> BOOL {
          char name[64] = "";
          GetClassNameA(window, name, sizeof name);
          if (lstrcmpA(name, TOVREX_CLASS) == 0) ++*reinterpret_cast<int*>(counter);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
  }
  static bool MenuItemGrayed(HWND editor, int id) {
    return (GetMenuState(GetMenu(editor), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
  }

  e2e::HostHome home;
  e2e::DialogAnswerer answerer;
  e2e::OwnerWindow owner{100, 60};
};

TEST_F(EditorWindowTest, OpeningTwiceGivesOneWindowInSlotNine) {
  HWND first = Open();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(IsWindowVisible(first));
  EXPECT_EQ(GetWindow(first, GW_OWNER), owner.Get());
  HWND second = Open();
  EXPECT_EQ(second, first);
  EXPECT_EQ(CountEditors(), 1);
}

TEST_F(EditorWindowTest, OpeningAMinimisedEditorRestoresAndFocusesIt) {
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  ShowWindow(editor, SW_MINIMIZE);
  e2e::PumpMessages();
  ASSERT_TRUE(IsIconic(editor));
  SetFocus(owner.Get());
  Open();
  EXPECT_FALSE(IsIconic(editor));
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == editor || IsChild(editor, focus));
  EXPECT_TRUE(MenuItemGrayed(editor, IDM_FILE_SAVE)) << "opening clears the modified flag";
}

TEST_F(EditorWindowTest, SlotNineFollowsTheWindowsLife) {
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  SendMessageA(editor, WM_CLOSE, 0, 0);
  e2e::PumpMessages();
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_EQ(e2e::EditorWindow(), nullptr);

  // Destroyed by its owner, with no close request: the slot is emptied all the same.
  editor = Open();
  ASSERT_NE(editor, nullptr);
  DestroyWindow(editor);
  EXPECT_EQ(e2e::EditorWindow(), nullptr);
  // And the next call opens a new one.
  EXPECT_NE(Open(), nullptr);
}

TEST_F(EditorWindowTest, FileExitClosesLikeTheCloseBox) {
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  SendMessageA(editor, WM_COMMAND, IDM_FILE_EXIT, 0);
  EXPECT_TRUE(IsWindow(editor)) << "Exit posts the close; it runs from the message loop";
  e2e::PumpMessages();
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_EQ(e2e::EditorWindow(), nullptr);
  EXPECT_FALSE(home.ReadIni("GCDisplay", "Parent").empty());
}

TEST_F(EditorWindowTest, AnEditorClosedAndOpenedAgainIsWhereItWas) {
  for (int cycle = 0; cycle < 3; ++cycle) {  // its owner is not at the screen's corner
    SCOPED_TRACE(cycle);
    HWND editor = Open();
    ASSERT_NE(editor, nullptr);
    if (cycle == 0) SetWindowPos(editor, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect(editor).left, 200);
    EXPECT_EQ(WindowRect(editor).top, 150);
    SendMessageA(editor, WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(editor));
  }
}

TEST_F(EditorWindowTest, AMinimisedEditorStoresNoPosition) {
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  ShowWindow(editor, SW_MINIMIZE);
  e2e::PumpMessages();
  SendMessageA(editor, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_EQ(home.ReadIni("GCDisplay", "Parent"), "");
}

TEST_F(EditorWindowTest, StoredPositionIsRestoredUnlessACornerIsNegative) {
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  const RECT templatePlace = WindowRect(editor);
  DestroyWindow(editor);

  WindowPos pos{0, 1, 40, 30, 500, 400};
  SetIniWindPos("GCDisplay", "Parent", &pos, 1);
  editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(WindowRect(editor).left, 40);
  EXPECT_EQ(WindowRect(editor).top, 30);
  const int width = templatePlace.right - templatePlace.left;
  EXPECT_EQ(WindowRect(editor).right - WindowRect(editor).left, width) << "size is kept";
  DestroyWindow(editor);

  pos = WindowPos{0, 1, 90000, 2000000000, 90500, 2000000400};  // off every screen
  SetIniWindPos("GCDisplay", "Parent", &pos, 1);
  editor = Open();
  ASSERT_NE(editor, nullptr);
  const RECT back = WindowRect(editor);
  EXPECT_LE(back.right, GetSystemMetrics(SM_CXSCREEN)) << "brought back onto the screen";
  EXPECT_LE(back.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_GE(back.left, 0);
  DestroyWindow(editor);

  pos = WindowPos{0, 1, -5, 30, 500, 400};
  SetIniWindPos("GCDisplay", "Parent", &pos, 1);
  editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(WindowRect(editor).left, templatePlace.left);
  EXPECT_EQ(WindowRect(editor).top, templatePlace.top);
}

}  // namespace
