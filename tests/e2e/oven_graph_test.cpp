// The oven graph in the real editor window and a ULVO channel's graph in its real dialog:
// the ramp and its handles in pixels, dragging handles with mouse messages, the GDI
// objects that painting and dragging leave behind (none), and the channel dialog's
// refusal, OK and Cancel.
#include <functional>
#include <vector>

#include "harness/harness.h"
#include "harness/pixels.h"
#include "method/inlet_method.h"
#include "resource_ids.h"

namespace {

// The handles a window's graph frame shows, in the window's client pixels.
std::vector<POINT> Handles(HWND window, int frameId) {
  HWND frame = GetDlgItem(window, frameId);
  std::vector<POINT> points = e2e::FindHandles(e2e::CaptureClient(frame));
  MapWindowPoints(frame, window, points.data(), static_cast<UINT>(points.size()));
  return points;
}

RECT FrameRect(HWND window, int frameId) {
  RECT r{};
  GetWindowRect(GetDlgItem(window, frameId), &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Inside the modal channel dialog its own loop delivers what the message queues.
void Mouse(HWND window, UINT message, POINT at) {
  SendMessageA(window, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(at.x, at.y));
  if (window == e2e::EditorWindow()) e2e::PumpMessages();
}

// Hovers over the frame and presses on `handle`.
void Grab(HWND window, POINT handle) {
  Mouse(window, WM_MOUSEMOVE, handle);
  Mouse(window, WM_LBUTTONDOWN, handle);
}

// Paints and drags a handle to and fro, four rounds; the live GDI objects after the first
// round (once Wine's DC cache is warm, which hides the first few a leak would take) and
// after the last.
std::pair<int, int> GdiObjectsAroundDrags(HWND window, int frameId) {
  const RECT f = FrameRect(window, frameId);
  int before = 0;
  for (int round = 0; round < 4; ++round) {
    if (round == 1) before = e2e::LiveGdiObjects();
    for (int i = 0; i < 20; ++i) RedrawCompletely(window);
    const POINT held = Handles(window, frameId).back();
    Grab(window, held);
    for (int i = 0; i < 60; ++i) {
      Mouse(window, WM_MOUSEMOVE,
            {f.left + 10 + (i * 7) % (f.right - f.left - 20), held.y + i % 5});
    }
    Mouse(window, WM_LBUTTONUP, held);
  }
  return {before, e2e::LiveGdiObjects()};
}

class OvenGraphTest : public e2e::EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_NE(Open(), nullptr);
  }
};

// The default ramp: a plateau at 100 degrees to 2 minutes, a ramp to 150 at 10, a plateau
// to 12, on axes of 150 degrees and 12 minutes. With the dialog font the chart-axis
// library's margins leave the plot 45..235 across (190 pixels for 12 minutes) and its top
// at 25, 35 pixels above the 100 degrees of the first plateau.
TEST_F(OvenGraphTest, TheBlueRampAndItsRedHandlesLieOnTheAxes) {
  RedrawCompletely(editor);
  const e2e::Pixels graph = e2e::CaptureClient(GetDlgItem(editor, IDC_GRAPH_FRAME));
  const std::vector<POINT> handles = e2e::FindHandles(graph);
  const POINT expected[] = {{76, 60}, {203, 25}, {235, 25}};  // at 2, 10 and 12 minutes
  ASSERT_EQ(handles.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(handles[i].x, expected[i].x) << i;
    EXPECT_EQ(handles[i].y, expected[i].y) << i;
  }
  for (POINT blue : {POINT{45, 60}, POINT{60, 60}, POINT{219, 25}}) {  // at 0, 1 and 11
    EXPECT_EQ(graph.At(blue.x, blue.y), RGB(0, 0, 255)) << blue.x << "," << blue.y;
  }
}

TEST_F(OvenGraphTest, ADragChangesTheRecordAndLeavingTheFrameEndsItWithoutRewritingTheRows) {
  const std::vector<POINT> before = Handles(editor, IDC_GRAPH_FRAME);
  ASSERT_EQ(before.size(), 3u);
  const RECT f = FrameRect(editor, IDC_GRAPH_FRAME);
  Grab(editor, before[1]);  // the end of step 2's ramp
  EXPECT_FALSE(MenuEnabled(IDM_FILE_SAVE)) << "a press alone changes nothing";
  Mouse(editor, WM_MOUSEMOVE, {f.left + 4, before[1].y});  // far left: a vertical ramp
  EXPECT_TRUE(MenuEnabled(IDM_FILE_SAVE)) << "the first applied move marks the method modified";
  const std::vector<POINT> after = Handles(editor, IDC_GRAPH_FRAME);
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after[1].x, before[0].x) << "the ramp starts and ends at one time";
  EXPECT_EQ(Text(IDC_ROW1_RATE), "6.2") << "the rows wait for the release";
  Mouse(editor, WM_LBUTTONUP, {f.left + 4, before[1].y});
  EXPECT_EQ(Text(IDC_ROW1_RATE), "Infinity");

  Grab(editor, after[2]);                                 // the end of step 2's plateau
  Mouse(editor, WM_MOUSEMOVE, {f.left + 4, after[2].y});  // the plateau shrinks to nothing
  EXPECT_EQ(GetCapture(), editor);
  Mouse(editor, WM_MOUSEMOVE, {f.left - 20, after[2].y});
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Text(IDC_ROW2_TIME), "2.00") << "not rewritten when the drag ends off the frame";
  // Back on the frame with the button still down the drag is over: far right would
  // otherwise give the plateau its whole length again.
  Mouse(editor, WM_MOUSEMOVE, {f.right - 4, after[2].y});
  Mouse(editor, WM_MOUSEMOVE, {f.right - 5, after[2].y});
  Mouse(editor, WM_LBUTTONUP, {f.right - 5, after[2].y});
  EXPECT_EQ(Text(IDC_ROW2_TIME), "0.00") << "the release over the frame shows the record";
}

TEST_F(OvenGraphTest, PaintingAndDraggingLeaveNoGdiObjectBehind) {
  const auto [before, after] = GdiObjectsAroundDrags(editor, IDC_GRAPH_FRAME);
  ASSERT_GT(before, 0);
  EXPECT_EQ(after, before);
}

class UlvoChannelTest : public e2e::EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    MethodDbRecord record = e2e::DefaultMethodRecord();
    InletMethod method{};
    DecodeMethodRecord(record, method);
    method.ulvo[0].mode = kUlvoFlow;
    method.ulvo[1].mode = kUlvoPressure;
    EncodeMethodRecord(method, record);
    ASSERT_TRUE(e2e::WriteMethodDatabase(home, record));
    ASSERT_NE(Open(), nullptr);
  }
  // The channel dialog is modal: the steps run inside its own loop (see InDialog).
  void InChannel(int menuCommand, std::function<void()> steps, int messages = 0) {
    InDialog(
        menuCommand,
        [this, steps](HWND window) {
          dialog = window;
          steps();
        },
        messages);
  }

  HWND dialog = nullptr;
};

TEST_F(UlvoChannelTest, ARefusedValueIsNamedAndOkKeepsTheCorrectedRamp) {
  RECT firstPlace{};
  InChannel(
      IDM_ULVO_LEFT,
      [&] {
        EXPECT_EQ(e2e::TextOf(dialog, IDC_ULVO_GROUP), "ULVO Flow Ramp");
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
  EXPECT_TRUE(MenuEnabled(IDM_FILE_SAVE));
  EXPECT_NE(home.ReadIni("ULVODisplay", "Parent"), "");
  EXPECT_EQ(home.ReadIni("GCDisplay", "Parent"), "") << "the editor's place is its own";
  InChannel(IDM_ULVO_LEFT, [&] {
    EXPECT_EQ(e2e::TextOf(dialog, IDC_ULVO_ROW2_VALUE), "12.0");
    RECT place{};
    GetWindowRect(dialog, &place);
    EXPECT_EQ(place.left, firstPlace.left) << "opened again where it was";
    EXPECT_EQ(place.top, firstPlace.top);
  });
}

TEST_F(UlvoChannelTest, ADragMovesTheRowsOnReleaseLeaksNothingAndCancelUndoesIt) {
  InChannel(IDM_ULVO_RIGHT, [&] {
    EXPECT_EQ(e2e::TextOf(dialog, IDC_ULVO_GROUP), "ULVO Pressure Ramp");
    const std::vector<POINT> handles = Handles(dialog, IDC_ULVO_GRAPH_FRAME);
    ASSERT_EQ(handles.size(), 3u);
    const RECT f = FrameRect(dialog, IDC_ULVO_GRAPH_FRAME);
    Grab(dialog, handles[1]);                                 // the end of step 2's ramp
    Mouse(dialog, WM_MOUSEMOVE, {f.left + 4, handles[1].y});  // far left: no time to ramp
    EXPECT_EQ(e2e::TextOf(dialog, IDC_ULVO_ROW1_RATE), "0.6") << "the rows wait for the release";
    Mouse(dialog, WM_LBUTTONUP, {f.left + 4, handles[1].y});
    EXPECT_EQ(e2e::TextOf(dialog, IDC_ULVO_ROW1_RATE), "Infinity");
    EXPECT_FALSE(MenuEnabled(IDM_FILE_SAVE)) << "a drag in the channel is no edit of the editor's";
    const auto [before, after] = GdiObjectsAroundDrags(dialog, IDC_ULVO_GRAPH_FRAME);
    EXPECT_EQ(after, before);
  });
  EXPECT_FALSE(MenuEnabled(IDM_FILE_SAVE));
  InChannel(IDM_ULVO_RIGHT, [&] { EXPECT_EQ(e2e::TextOf(dialog, IDC_ULVO_ROW1_RATE), "0.6"); });
}

}  // namespace
