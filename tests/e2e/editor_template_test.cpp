// The editor's window class, dialog template and menu, read from the live window as
// the plug-in creates it: what a user sees must be exactly the instrument's layout.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/dialog_answerer.h"
#include "harness/host_home.h"
#include "harness/method_database.h"
#include "harness/owner_window.h"
#include "harness/plugin.h"
#include "resource_ids.h"

namespace {

enum Kind { kGroup, kStatic, kCheck, kEdit, kFrame, kOwnerDrawn, kBitmap };

struct TemplateControl {
  int id;
  Kind kind;
  const char* text;
  RECT rect;  // left, top, width, height in dialog units
};

// In template order, which is the tab order.
const TemplateControl kControls[] = {
    {104, kGroup, "Oven Temperature Ramp", {6, 4, 329, 131}},
    {147, kCheck, "&SB", {10, 40, 26, 8}},
    {149, kEdit, "", {40, 40, 30, 12}},
    {108, kCheck, "&1", {10, 55, 25, 10}},
    {110, kEdit, "", {40, 55, 30, 12}},
    {109, kEdit, "", {75, 55, 30, 12}},
    {111, kEdit, "", {110, 55, 30, 12}},
    {112, kStatic, "Temp", {75, 20, 22, 8}},
    {113, kStatic, "Time", {40, 20, 23, 8}},
    {114, kStatic, "Rate", {110, 20, 25, 8}},
    {115, kCheck, "&2", {10, 70, 25, 10}},
    {127, kEdit, "", {40, 70, 30, 12}},
    {123, kEdit, "", {75, 70, 30, 12}},
    {119, kEdit, "", {110, 70, 30, 12}},
    {116, kCheck, "&3", {10, 85, 25, 10}},
    {128, kEdit, "", {40, 85, 30, 12}},
    {124, kEdit, "", {75, 85, 30, 12}},
    {120, kEdit, "", {110, 85, 30, 12}},
    {117, kCheck, "&4", {10, 100, 25, 10}},
    {129, kEdit, "", {40, 100, 30, 12}},
    {125, kEdit, "", {75, 100, 30, 12}},
    {148, kCheck, "&5", {10, 115, 26, 10}},
    {150, kEdit, "", {40, 115, 30, 12}},
    {152, kCheck, "&Dump Valve", {188, 145, 56, 12}},
    {133, kStatic, "&Zone 1", {259, 158, 36, 12}},
    {136, kEdit, "", {299, 158, 19, 13}},
    {134, kStatic, "Z&one 2", {259, 172, 33, 12}},
    {138, kEdit, "", {299, 172, 19, 13}},
    {135, kStatic, "Zo&ne 3", {259, 188, 31, 11}},
    {137, kEdit, "", {299, 188, 19, 13}},
    {131,
     kGroup,
     "Zone Temperatures (\xB0"
     "C)",
     {245, 140, 90, 65}},
    {139,
     kStatic,
     "(\xB0"
     "C/Min)",
     {110, 30, 32, 8}},
    {140,
     kStatic,
     "(\xB0"
     "C)",
     {75, 30, 27, 8}},
    {141, kStatic, "(Mins)", {40, 30, 28, 8}},
    {151, kBitmap, "", {5, 145, 15, 13}},
    {103, kOwnerDrawn, "", {320, 40, 12, 13}},
    {126, kOwnerDrawn, "", {320, 55, 12, 13}},
    {130, kOwnerDrawn, "", {320, 25, 12, 13}},
    {105, kFrame, "", {145, 25, 170, 105}},
};

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The class and the style bits that make each kind of control what it is. The dialog
// manager turns an edit's WS_BORDER into a client edge, so edits are checked for that.
void ExpectKind(HWND control, Kind kind) {
  struct Shape {
    const char* className;
    LONG mask, type, required;
  };
  static const Shape shapes[] = {
      {"Button", BS_TYPEMASK, BS_GROUPBOX, 0},
      {"Static", SS_TYPEMASK, SS_LEFT, 0},
      {"Button", BS_TYPEMASK, BS_AUTOCHECKBOX, WS_TABSTOP},
      {"Edit", ES_CENTER | ES_RIGHT, ES_LEFT, WS_TABSTOP},
      {"Static", SS_TYPEMASK, SS_WHITEFRAME, SS_SUNKEN},
      {"Button", BS_TYPEMASK, BS_OWNERDRAW, 0},
      {"Static", SS_TYPEMASK, SS_BITMAP, 0},
  };
  const Shape& shape = shapes[kind];
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  EXPECT_EQ(ClassOf(control), shape.className);
  EXPECT_EQ(style & shape.mask, shape.type);
  EXPECT_EQ(style & shape.required, shape.required);
  if (kind == kEdit) {
    EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
  }
  if (kind == kBitmap) {
    EXPECT_EQ(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  }
}

class EditorTemplateTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(e2e::LoadPlugin().acqGCInlet, nullptr);
    ASSERT_TRUE(e2e::InstallDefaultMethodDatabase(home));
  }
  void TearDown() override {
    e2e::DestroyEditor();
    EXPECT_EQ(answerer.Unexpected(), 0) << "a message or dialog nobody expected";
  }
  HWND Open() {
    e2e::LoadPlugin().acqGCInlet(owner.Get());
    e2e::PumpMessages();
    return e2e::EditorWindow();
  }
  e2e::HostHome home;
  e2e::DialogAnswerer answerer;
  e2e::OwnerWindow owner{0, 0};
};

TEST_F(EditorTemplateTest, WindowClassIsRegisteredAsTheHostExpects) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  ASSERT_TRUE(GetClassInfoExA(e2e::LoadPlugin().module, TOVREX_CLASS, &wc));
  EXPECT_EQ(wc.style, CS_HREDRAW | CS_VREDRAW);
  EXPECT_EQ(reinterpret_cast<void*>(wc.lpfnWndProc),
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "DefDlgProcA")));
  EXPECT_EQ(wc.cbClsExtra, 0);
  EXPECT_EQ(wc.cbWndExtra, DLGWINDOWEXTRA);
  EXPECT_EQ(wc.hInstance, e2e::LoadPlugin().module);
  EXPECT_NE(wc.hIcon, nullptr);
  EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(6));
  ASSERT_NE(wc.lpszMenuName, nullptr);
  EXPECT_STREQ(wc.lpszMenuName, TOVREX_MENU);
}

TEST_F(EditorTemplateTest, ControlsAreThoseOfTheTemplateInTabOrder) {
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(ClassOf(editor), TOVREX_CLASS);
  const LONG style = GetWindowLongA(editor, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE),
            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);

  std::vector<HWND> children;
  for (HWND c = GetWindow(editor, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    children.push_back(c);
  }
  ASSERT_EQ(children.size(), std::size(kControls));
  for (size_t i = 0; i < children.size(); ++i) {
    const TemplateControl& want = kControls[i];
    SCOPED_TRACE(testing::Message() << "control #" << i << " id " << want.id);
    HWND control = children[i];
    ASSERT_EQ(GetDlgCtrlID(control), want.id);
    ExpectKind(control, want.kind);
    if (want.kind != kEdit) {
      EXPECT_EQ(TextOf(control), want.text);
    }
    // The dialog manager converts the origin and the size separately.
    RECT origin = {want.rect.left, want.rect.top, want.rect.right, want.rect.bottom};
    MapDialogRect(editor, &origin);
    const RECT units = {origin.left, origin.top, origin.left + origin.right,
                        origin.top + origin.bottom};
    RECT actual{};
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, units.left);
    EXPECT_EQ(actual.top, units.top);
    if (want.kind == kOwnerDrawn) continue;  // drawing them sizes them to their faces
    EXPECT_EQ(actual.right, units.right);
    EXPECT_EQ(actual.bottom, units.bottom);
  }
}

struct MenuItem {
  int id;  // 0: a separator
  const char* text;
};

void ExpectPopup(HMENU bar, int position, const char* title, std::vector<MenuItem> items) {
  SCOPED_TRACE(title);
  char text[64] = "";
  GetMenuStringA(bar, position, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, title);
  HMENU popup = GetSubMenu(bar, position);
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(items.size()));
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    if (items[i].id == 0) {
      EXPECT_TRUE(GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR);
      continue;
    }
    EXPECT_EQ(static_cast<int>(GetMenuItemID(popup, i)), items[i].id);
    GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, items[i].text);
  }
}

const std::vector<MenuItem> kFileItems = {{200, "&New"},        {201, "&Open..."}, {202, "&Save"},
                                          {203, "Save &As..."}, {0, ""},           {204, "E&xit"}};

TEST_F(EditorTemplateTest, MenuHasFileValvesUlvoAndHelpWhenUlvoControlIsOn) {
  home.WriteIni("TOVREX", "ULVOControl", "1");
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  HMENU bar = GetMenu(editor);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 4);
  ExpectPopup(bar, 0, "&File", kFileItems);
  ExpectPopup(bar, 1, "&Valves", {{205, "&Valve Timetable..."}});
  ExpectPopup(
      bar, 2, "&ULVO",
      {{209, "&Left Channel..."}, {208, "&Right Channel..."}, {0, ""}, {210, "&Configuration..."}});
  ExpectPopup(bar, 3, "&Help", {{206, "&TOVREX..."}});
  // Both channels of the default method are manual: their items are greyed; Save too,
  // as nothing has changed yet. The rest stay available.
  EXPECT_TRUE(GetMenuState(bar, IDM_ULVO_LEFT, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(bar, IDM_ULVO_RIGHT, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(bar, IDM_FILE_SAVE, MF_BYCOMMAND) & MF_GRAYED);
  for (int id : {200, 201, 203, 204, 205, 206, 210}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(GetMenuState(bar, id, MF_BYCOMMAND) & MF_GRAYED);
  }
}

TEST_F(EditorTemplateTest, UlvoMenuIsRemovedWhenTheOptionIsMissing) {
  HWND editor = Open();
  ASSERT_NE(editor, nullptr);
  HMENU bar = GetMenu(editor);
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  ExpectPopup(bar, 0, "&File", kFileItems);
  ExpectPopup(bar, 1, "&Valves", {{205, "&Valve Timetable..."}});
  ExpectPopup(bar, 2, "&Help", {{206, "&TOVREX..."}});
}

}  // namespace
