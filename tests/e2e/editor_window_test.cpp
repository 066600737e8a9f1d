// The editor window as a host sees it: its class, one window however often AcqGCInlet is
// called, recorded in slot 9, placed from and stored to the host's INI file, its menu
// after the ULVO option, closed by its close box or File > Exit.
#include "harness/harness.h"
#include "hostutil/hostutil.h"
#include "resource_ids.h"

namespace {

using EditorWindowTest = e2e::EditorTest;

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

TEST_F(EditorWindowTest, TheClassIsRegisteredAsTheHostExpects) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  ASSERT_TRUE(GetClassInfoExA(e2e::PluginModule(), TOVREX_CLASS, &wc));
  EXPECT_EQ(wc.style, CS_HREDRAW | CS_VREDRAW);
  EXPECT_EQ(reinterpret_cast<void*>(wc.lpfnWndProc),
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "DefDlgProcA")));
  EXPECT_EQ(wc.cbWndExtra, DLGWINDOWEXTRA);
  EXPECT_NE(wc.hIcon, nullptr);
  EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  EXPECT_STREQ(wc.lpszMenuName, TOVREX_MENU);
}

TEST_F(EditorWindowTest, OpeningAgainRestoresAndFocusesTheOneWindowAndClearsModified) {
  ASSERT_NE(Open(), nullptr);
  HWND first = editor;
  EXPECT_EQ(GetWindow(editor, GW_OWNER), owner.Get());
  SendMessageA(GetDlgItem(editor, IDC_DUMP_VALVE), BM_CLICK, 0, 0);
  ASSERT_TRUE(MenuEnabled(IDM_FILE_SAVE));
  ShowWindow(editor, SW_MINIMIZE);
  SetFocus(owner.Get());
  EXPECT_EQ(Open(), first);
  HWND firstFound = FindWindowExA(nullptr, nullptr, TOVREX_CLASS, nullptr);
  EXPECT_EQ(FindWindowExA(nullptr, firstFound, TOVREX_CLASS, nullptr), nullptr) << "one editor";
  EXPECT_FALSE(IsIconic(editor));
  EXPECT_TRUE(GetFocus() == editor || IsChild(editor, GetFocus()));
  EXPECT_FALSE(MenuEnabled(IDM_FILE_SAVE));
  SendMessageA(editor, WM_CLOSE, 0, 0);  // not modified any more: no question
  EXPECT_EQ(e2e::EditorWindow(), nullptr);
}

TEST_F(EditorWindowTest, SlotNineFollowsTheWindowsLifeHoweverItEnds) {
  ASSERT_NE(Open(), nullptr);
  SendMessageA(editor, WM_COMMAND, IDM_FILE_EXIT, 0);
  EXPECT_TRUE(IsWindow(editor)) << "Exit posts the close; it runs from the message loop";
  e2e::PumpMessages();
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_EQ(e2e::EditorWindow(), nullptr);
  ASSERT_NE(Open(), nullptr);
  DestroyWindow(editor);  // by its owner, with no close request
  EXPECT_EQ(e2e::EditorWindow(), nullptr);
  EXPECT_NE(Open(), nullptr) << "and the next call opens a new one";
}

// Its owner is not at the screen's corner: the place must not drift by the owner's.
TEST_F(EditorWindowTest, AnEditorClosedAndOpenedAgainIsWhereItWasUnlessMinimised) {
  ASSERT_NE(Open(), nullptr);
  ShowWindow(editor, SW_MINIMIZE);
  SendMessageA(editor, WM_CLOSE, 0, 0);
  EXPECT_EQ(home.ReadIni("GCDisplay", "Parent"), "");
  for (int cycle = 0; cycle < 3; ++cycle) {
    SCOPED_TRACE(cycle);
    ASSERT_NE(Open(), nullptr);
    if (cycle == 0) SetWindowPos(editor, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect(editor).left, 200);
    EXPECT_EQ(WindowRect(editor).top, 150);
    SendMessageA(editor, WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(editor));
  }
}

// The host's INI text places the editor; a text that is not six numbers is no place (the
// other refusals are the unit tests'), and a place off every screen is brought back.
TEST_F(EditorWindowTest, AStoredPositionIsTakenUnlessItIsNoPlace) {
  ASSERT_NE(Open(), nullptr);
  const RECT templatePlace = WindowRect(editor);
  DestroyWindow(editor);
  const char* const places[] = {"0,1,40,30,500,400", "0,1,a,30,500,400",
                                "0,1,90000,2000000000,90500,2000000400"};
  for (const char* stored : places) {
    SCOPED_TRACE(stored);
    home.WriteIni("GCDisplay", "Parent", stored);
    ASSERT_NE(Open(), nullptr);
    const RECT r = WindowRect(editor);
    EXPECT_EQ(r.right - r.left, templatePlace.right - templatePlace.left) << "the size is kept";
    if (stored == places[2]) {
      EXPECT_TRUE(r.left >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
                  r.bottom <= GetSystemMetrics(SM_CYSCREEN))
          << "brought back onto the screen";
    } else {
      EXPECT_EQ(r.left, stored == places[0] ? 40 : templatePlace.left);
      EXPECT_EQ(r.top, stored == places[0] ? 30 : templatePlace.top);
    }
    DestroyWindow(editor);
  }
}

TEST_F(EditorWindowTest, WithoutAMethodDatabaseTheHostsMessageNamesItAndTheDefaultsShow) {
  home.WriteIni("SystemList", "GC_DB", nullptr);
  answerer.Press(IDOK);
  ASSERT_NE(Open(), nullptr);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, "GC Host");
  EXPECT_NE(answerer.Seen()[0].text.find("GC DataBase"), std::string::npos);
  EXPECT_EQ(Text(IDC_ZONE1_TEMP), "150");
  EXPECT_EQ(Text(IDC_ROW1_RATE), "6.2");
}

// The channel items are greyed while both channels are manual (the default method's),
// Save while nothing has changed; without the option the ULVO menu is gone.
TEST_F(EditorWindowTest, TheUlvoMenuIsThereOnlyWithItsOption) {
  const char* const options[] = {"1", nullptr};
  for (const char* option : options) {
    SCOPED_TRACE(option ? option : "(missing)");
    home.WriteIni("TOVREX", "ULVOControl", option);
    ASSERT_NE(Open(), nullptr);
    HMENU bar = GetMenu(editor);
    char third[32] = "";
    GetMenuStringA(bar, 2, third, sizeof third, MF_BYPOSITION);
    EXPECT_EQ(GetMenuItemCount(bar), option ? 4 : 3);
    EXPECT_STREQ(third, option ? "&ULVO" : "&Help");
    for (int id : {IDM_FILE_SAVE, IDM_ULVO_LEFT, IDM_ULVO_RIGHT}) EXPECT_FALSE(MenuEnabled(id));
    for (int id : {IDM_FILE_NEW, IDM_FILE_SAVE_AS, IDM_VALVE_TIMETABLE})
      EXPECT_TRUE(MenuEnabled(id));
    EXPECT_EQ(MenuEnabled(IDM_ULVO_CONFIGURATION), option != nullptr);
    e2e::DestroyEditor();
  }
}

}  // namespace
