// The oven graph in the real editor window and a ULVO channel's graph in its real dialog:
// the ramp and its handles where the mapping puts them, dragging handles with mouse
// messages on the frame, the GDI objects that painting and dragging leave behind (none),
// and the channel dialog's refusals, OK and Cancel.
#include <windows.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness/dialog_answerer.h"
#include "harness/host_home.h"
#include "harness/method_database.h"
#include "harness/owner_window.h"
#include "harness/pixels.h"
#include "harness/plugin.h"
#include "resource_ids.h"

namespace {

class OvenGraphTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(e2e::LoadPlugin().acqGCInlet, nullptr);
    SetCursorPos(0, 0);  // keep the display's own pointer off the editor
    ASSERT_TRUE(e2e::InstallDefaultMethodDatabase(home));
    ASSERT_EQ(e2e::LoadPlugin().acqGCInlet(owner.Get()), 1);
    e2e::PumpMessages();
    editor = e2e::EditorWindow();
    ASSERT_NE(editor, nullptr);
    frame = GetDlgItem(editor, IDC_GRAPH_FRAME);
  }
  void TearDown() override {
    e2e::DestroyEditor();
    EXPECT_EQ(answerer.Unexpected(), 0) << "a message or dialog nobody expected";
  }

  // The frame's rectangle in the editor's client pixels, edges included.
  RECT Frame() const {
    RECT r{};
    GetWindowRect(frame, &r);
    MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // The handles as the frame shows them, in the editor's client pixels.
  std::vector<POINT> Handles() const {
    std::vector<POINT> points = e2e::FindHandles(e2e::CaptureClient(frame));
    MapWindowPoints(frame, editor, points.data(), static_cast<UINT>(points.size()));
    return points;
  }
  void Mouse(UINT message, POINT at) {
    SendMessageA(editor, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                 MAKELPARAM(at.x, at.y));
    e2e::PumpMessages();
  }
  // Hovers over the frame and presses on `handle`.
  void Grab(POINT handle) {
    Mouse(WM_MOUSEMOVE, handle);
    Mouse(WM_LBUTTONDOWN, handle);
  }
  std::string Text(int id) const {
    char text[64] = "";
    GetDlgItemTextA(editor, id, text, sizeof text);
    return text;
  }
  bool SaveEnabled() const {
    return (GetMenuState(GetMenu(editor), IDM_FILE_SAVE, MF_BYCOMMAND) & MF_GRAYED) == 0;
  }

  e2e::HostHome home;
  e2e::OwnerWindow owner{100, 60};
  e2e::DialogAnswerer answerer;
  HWND editor = nullptr;
  HWND frame = nullptr;
};

// The default ramp (a plateau at 100 degrees to 2 minutes, a ramp to 150 at 10, a plateau
// to 12) in the drawing rectangle: the frame's outer size less the margins the chart-axis
// library asks for, measured as the graph measures them, with the frame's own font.
TEST_F(OvenGraphTest, TheBlueRampAndItsRedHandlesLieWhereTheMappingPutsThem) {
  using GetBorder = int32_t(WINAPI*)(HDC, RECT*, const char*, const char*, int32_t);
  const auto getBorder = reinterpret_cast<GetBorder>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("chartaxis.dll"), "AxsGetBorder")));
  ASSERT_NE(getBorder, nullptr);
  RECT margins{}, outer{};
  HDC dc = GetDC(frame);
  getBorder(dc, &margins, "Mins", "    \260C", 0);  // 0xB0, the degree sign of code page 1252
  ReleaseDC(frame, dc);
  GetWindowRect(frame, &outer);
  const int left = margins.left, top = margins.top;
  const int right = outer.right - outer.left - margins.right;
  const int bottom = outer.bottom - outer.top - margins.bottom;
  auto x = [&](double t) { return left + static_cast<int>(std::trunc((right - left) / 12.0 * t)); };
  auto y = [&](double v) {
    return bottom - static_cast<int>(std::trunc((bottom - top) / 150.0 * v));
  };

  e2e::RedrawNow(editor);
  const e2e::Pixels graph = e2e::CaptureClient(frame);
  const std::vector<POINT> handles = e2e::FindHandles(graph);  // red squares edged in black
  const POINT expected[] = {{x(2), y(100)}, {x(10), y(150)}, {x(12), y(150)}};
  ASSERT_EQ(handles.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(handles[i].x, expected[i].x) << i;
    EXPECT_EQ(handles[i].y, expected[i].y) << i;
  }
  for (POINT blue : {POINT{x(0), y(100)}, POINT{x(1), y(100)}, POINT{x(11), y(150)}}) {
    EXPECT_EQ(graph.At(blue.x, blue.y), RGB(0, 0, 255)) << blue.x << "," << blue.y;
  }
}

TEST_F(OvenGraphTest, ADragChangesTheRecordAndLeavingTheFrameEndsItWithoutRewritingTheRows) {
  const std::vector<POINT> before = Handles();
  ASSERT_EQ(before.size(), 3u);
  const RECT f = Frame();
  ASSERT_NE(Text(IDC_ROW1_RATE), "Infinity");
  ASSERT_FALSE(SaveEnabled());
  Grab(before[1]);  // the end of step 2's ramp
  EXPECT_FALSE(SaveEnabled()) << "a press alone changes nothing";
  Mouse(WM_MOUSEMOVE, {f.left + 4, before[1].y});  // far left: a vertical ramp
  EXPECT_TRUE(SaveEnabled()) << "the first applied move marks the method modified";
  const std::vector<POINT> after = Handles();
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after[1].x, before[0].x) << "the ramp starts and ends at one time";
  EXPECT_NE(Text(IDC_ROW1_RATE), "Infinity") << "the rows wait for the release";
  Mouse(WM_LBUTTONUP, {f.left + 4, before[1].y});
  EXPECT_EQ(Text(IDC_ROW1_RATE), "Infinity");

  Grab(after[2]);                                 // the end of step 2's plateau
  Mouse(WM_MOUSEMOVE, {f.left + 4, after[2].y});  // the plateau shrinks to nothing
  EXPECT_EQ(GetCapture(), editor);
  Mouse(WM_MOUSEMOVE, {f.left - 20, after[2].y});
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Text(IDC_ROW2_TIME), "2.00") << "not rewritten when the drag ends off the frame";
  // Back on the frame with the button still down the drag is over: far right would
  // otherwise give the plateau its whole length again.
  Mouse(WM_MOUSEMOVE, {f.right - 4, after[2].y});
  Mouse(WM_MOUSEMOVE, {f.right - 5, after[2].y});
  Mouse(WM_LBUTTONUP, {f.right - 5, after[2].y});
  EXPECT_EQ(Text(IDC_ROW2_TIME), "0.00") << "the release over the frame shows the record";
}

TEST_F(OvenGraphTest, PaintingAndDraggingLeaveNoGdiObjectBehind) {
  const RECT f = Frame();
  int before = 0;
  for (int round = 0; round < 4; ++round) {
    // Wine's DC cache hides the first few DCs a leak would take: the first round warms it.
    if (round == 1) before = e2e::LiveGdiObjects();
    for (int i = 0; i < 30; ++i) e2e::RedrawNow(editor);
    const POINT held = Handles().back();
    Grab(held);
    for (int i = 0; i < 100; ++i) {
      Mouse(WM_MOUSEMOVE, {f.left + 10 + (i * 7) % (f.right - f.left - 20), held.y + i % 5});
    }
    Mouse(WM_LBUTTONUP, held);
  }
  ASSERT_GT(before, 0);
  EXPECT_EQ(e2e::LiveGdiObjects(), before);
}

// The channel dialog is modal: a test's steps run from a timer inside its message loop,
// started when the dialog is first activated, once the dialog manager has shown it
// (which it does when the dialog's queue first runs empty).
HWND dialogWaitedFor;
std::function<void()> dialogSteps;
void CALLBACK RunDialogSteps(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!IsWindowVisible(dialogWaitedFor)) return;
  KillTimer(nullptr, timer);
  dialogSteps();
}

class UlvoChannelTest : public OvenGraphTest {
 protected:
  void SetUp() override {
    MethodDbRecord record = e2e::DefaultMethodRecord();
    InletMethod method{};
    DecodeMethodRecord(record, method);
    method.ulvo[0].mode = kUlvoFlow;
    method.ulvo[1].mode = kUlvoPressure;
    EncodeMethodRecord(method, record);
    ASSERT_TRUE(e2e::WriteMethodDatabase(home, record));
    ASSERT_EQ(e2e::LoadPlugin().acqGCInlet(owner.Get()), 1);
    e2e::PumpMessages();
    editor = e2e::EditorWindow();
    ASSERT_NE(editor, nullptr);
  }
  // Opens a channel from the editor's menu and runs `steps` in it, answering the
  // messages it expects with OK; a dialog the steps leave open is cancelled.
  void InChannel(int menuCommand, std::function<void()> steps, int messages = 0) {
    dialogSteps = [this, steps] {
      frame = GetDlgItem(dialog, IDC_ULVO_GRAPH_FRAME);
      e2e::RedrawNow(dialog);
      steps();
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    answerer.Then([this](HWND window) {
      dialog = dialogWaitedFor = window;
      SetTimer(nullptr, 0, 1, RunDialogSteps);
    });
    for (int i = 0; i < messages; ++i) answerer.Press(IDOK);
    SendMessageA(editor, WM_COMMAND, menuCommand, 0);
    e2e::PumpMessages();
  }
  void DialogMouse(UINT message, POINT at) {
    SendMessageA(dialog, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                 MAKELPARAM(at.x, at.y));
  }
  std::vector<POINT> DialogHandles() const {
    std::vector<POINT> points = e2e::FindHandles(e2e::CaptureClient(frame));
    MapWindowPoints(frame, dialog, points.data(), static_cast<UINT>(points.size()));
    return points;
  }
  std::string DialogText(int id) const {
    char text[64] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
  }

  HWND dialog = nullptr;
};

TEST_F(UlvoChannelTest, ARefusedValueIsNamedAndOkKeepsTheCorrectedRamp) {
  RECT firstPlace{};
  InChannel(
      IDM_ULVO_LEFT,
      [&] {
        EXPECT_EQ(DialogText(IDC_ULVO_GROUP), "ULVO Flow Ramp");
        GetWindowRect(dialog, &firstPlace);
        SetDlgItemTextA(dialog, IDC_ULVO_ROW2_VALUE, "150");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_ULVO_ROW2_VALUE));
        SetDlgItemTextA(dialog, IDC_ULVO_ROW2_VALUE, "12");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
      },
      1);
  ASSERT_EQ(answerer.Seen().size(), 2u);
  EXPECT_EQ(answerer.Seen()[0].caption, "ULVO Left Channel Control");
  EXPECT_EQ(answerer.Seen()[1].caption, "ULVO");
  EXPECT_EQ(answerer.Seen()[1].text, "Flow\n\nAllowed Range is 0.1 to 99.9");
  EXPECT_TRUE(SaveEnabled());
  EXPECT_NE(home.ReadIni("ULVODisplay", "Parent"), "");
  EXPECT_EQ(home.ReadIni("GCDisplay", "Parent"), "") << "the editor's place is its own";

  InChannel(IDM_ULVO_LEFT, [&] {
    EXPECT_EQ(DialogText(IDC_ULVO_ROW2_VALUE), "12.0");
    RECT place{};
    GetWindowRect(dialog, &place);
    EXPECT_EQ(place.left, firstPlace.left) << "opened again where it was";
    EXPECT_EQ(place.top, firstPlace.top);
  });
}

TEST_F(UlvoChannelTest, ADragMovesTheRowsOnReleaseLeaksNothingAndCancelUndoesIt) {
  InChannel(IDM_ULVO_RIGHT, [&] {
    EXPECT_EQ(DialogText(IDC_ULVO_GROUP), "ULVO Pressure Ramp");
    const std::vector<POINT> handles = DialogHandles();
    ASSERT_EQ(handles.size(), 3u);
    RECT f{};
    GetWindowRect(frame, &f);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&f), 2);
    DialogMouse(WM_MOUSEMOVE, handles[1]);  // the end of step 2's ramp
    DialogMouse(WM_LBUTTONDOWN, handles[1]);
    DialogMouse(WM_MOUSEMOVE, {f.left + 4, handles[1].y});  // far left: no time to ramp
    EXPECT_EQ(DialogText(IDC_ULVO_ROW1_RATE), "0.6") << "the rows wait for the release";
    DialogMouse(WM_LBUTTONUP, {f.left + 4, handles[1].y});
    EXPECT_EQ(DialogText(IDC_ULVO_ROW1_RATE), "Infinity");
    EXPECT_FALSE(SaveEnabled()) << "a drag in the channel is no edit of the editor's";
    int before = 0;
    for (int round = 0; round < 4; ++round) {
      if (round == 1) before = e2e::LiveGdiObjects();  // after Wine's DC cache is warm
      for (int i = 0; i < 20; ++i) e2e::RedrawNow(dialog);
      const POINT held = DialogHandles().back();
      DialogMouse(WM_MOUSEMOVE, held);
      DialogMouse(WM_LBUTTONDOWN, held);
      for (int i = 0; i < 50; ++i) DialogMouse(WM_MOUSEMOVE, {f.right - 5 - i, held.y});
      DialogMouse(WM_LBUTTONUP, held);
    }
    EXPECT_EQ(e2e::LiveGdiObjects(), before);
  });
  EXPECT_FALSE(SaveEnabled());
  InChannel(IDM_ULVO_RIGHT, [&] { EXPECT_EQ(DialogText(IDC_ULVO_ROW1_RATE), "0.6"); });
}

}  // namespace
