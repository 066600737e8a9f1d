// The oven graph in the real editor window: what it paints (axes, ramp, handles, legend,
// axis buttons), dragging handles with mouse messages on the frame, and the GDI objects
// that painting and dragging leave behind (none).
#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness/dialog_answerer.h"
#include "harness/host_home.h"
#include "harness/method_database.h"
#include "harness/owner_window.h"
#include "harness/pixels.h"
#include "harness/plugin.h"
#include "method/inlet_method.h"
#include "resource_ids.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kDarkRed = RGB(128, 0, 0);
constexpr COLORREF kDarkBlue = RGB(0, 0, 128);

class OvenGraphTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(e2e::LoadPlugin().acqGCInlet, nullptr);
    ASSERT_EQ(e2e::EditorWindow(), nullptr) << "an earlier test left the editor open";
    SetCursorPos(0, 0);  // keep the display's own pointer off the editor
    ASSERT_TRUE(e2e::InstallDefaultMethodDatabase(home));
    Open();
  }
  void TearDown() override {
    e2e::DestroyEditor();
    EXPECT_EQ(answerer.Unexpected(), 0) << "a message or dialog nobody expected";
  }

  void Open() {
    ASSERT_EQ(e2e::LoadPlugin().acqGCInlet(owner.Get()), 1);
    e2e::PumpMessages();
    editor = e2e::EditorWindow();
    ASSERT_NE(editor, nullptr);
    frame = GetDlgItem(editor, IDC_GRAPH_FRAME);
    ASSERT_NE(frame, nullptr);
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
    if (!points.empty()) {
      MapWindowPoints(frame, editor, points.data(), static_cast<UINT>(points.size()));
    }
    return points;
  }
  void Mouse(UINT message, POINT at) {
    const WPARAM keys = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    SendMessageA(editor, message, message == WM_MOUSEMOVE ? 0 : keys, MAKELPARAM(at.x, at.y));
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

// Length of the longest run of `colour` along any row (horizontal) or column.
int LongestRun(const e2e::Pixels& p, COLORREF colour, bool horizontal) {
  int best = 0;
  const int lines = horizontal ? p.height : p.width;
  const int along = horizontal ? p.width : p.height;
  for (int i = 0; i < lines; ++i) {
    int run = 0;
    for (int j = 0; j < along; ++j) {
      const bool on = (horizontal ? p.At(j, i) : p.At(i, j)) == colour;
      run = on ? run + 1 : 0;
      best = std::max(best, run);
    }
  }
  return best;
}

TEST_F(OvenGraphTest, TheGraphShowsAxesTheRampItsHandlesTheLegendAndTheButtons) {
  e2e::CaptureWindow(editor);  // a full repaint, as when the window is uncovered
  const e2e::Pixels graph = e2e::CaptureClient(frame);
  EXPECT_GT(graph.Count(kBlue), 150) << "the ramp";
  EXPECT_GT(LongestRun(graph, kBlack, true), graph.width / 2) << "the time axis";
  EXPECT_GT(LongestRun(graph, kBlack, false), graph.height / 2) << "the temperature axis";

  const std::vector<POINT> handles = e2e::FindHandles(graph);
  ASSERT_EQ(handles.size(), 3u);
  EXPECT_GT(handles[0].y, handles[1].y) << "100 degrees lies below 150";
  EXPECT_EQ(handles[1].y, handles[2].y);
  EXPECT_LT(handles[1].x, handles[2].x);
  // The programme's end lies at the right end of the time axis.
  EXPECT_GT(handles[2].x, graph.width * 3 / 4);

  // The legend is drawn from control 151's corner, well beyond its own small rectangle.
  RECT anchor{};
  GetWindowRect(GetDlgItem(editor, IDC_LEGEND), &anchor);
  MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&anchor), 2);
  const e2e::Pixels client = e2e::CaptureClient(editor);
  int phaseBoxes = 0;
  for (int y = anchor.top + 1; y < anchor.top + 100; ++y) {
    for (int x = anchor.right; x < anchor.left + 256; ++x)
      phaseBoxes += client.At(x, y) == kDarkBlue;
  }
  EXPECT_GT(phaseBoxes, 100) << "the legend's phase boxes right of its anchor";

  for (int id : {IDC_BUTTON_UP, IDC_BUTTON_RIGHT, IDC_BUTTON_DEFAULT}) {
    SCOPED_TRACE(id);
    HWND button = GetDlgItem(editor, id);
    RECT r{};
    GetWindowRect(button, &r);
    EXPECT_EQ(r.right - r.left, 19);
    EXPECT_EQ(r.bottom - r.top, 19);
    const e2e::Pixels face = e2e::CaptureClient(button);
    EXPECT_GT(face.Count(kBlack), 10) << "the arrow";
    EXPECT_EQ(face.Count(kDarkRed), 0) << "not pressed";
  }
}

TEST_F(OvenGraphTest, APressedButtonShowsItsSunkenFace) {
  HWND button = GetDlgItem(editor, IDC_BUTTON_UP);
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  e2e::PumpMessages();
  EXPECT_GT(e2e::CaptureClient(button).Count(kDarkRed), 10);
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  e2e::PumpMessages();
  EXPECT_EQ(e2e::CaptureClient(button).Count(kDarkRed), 0);
}

TEST_F(OvenGraphTest, DraggingARampEndLeftMakesItVerticalAndTheRowsFollowOnRelease) {
  const std::vector<POINT> before = Handles();
  ASSERT_EQ(before.size(), 3u);
  const std::string rate = Text(IDC_ROW1_RATE);
  ASSERT_NE(rate, "Infinity");
  ASSERT_FALSE(SaveEnabled());

  ASSERT_NE(LoadCursorA(nullptr, IDC_SIZE), nullptr);
  Grab(before[1]);  // the end of step 2's ramp
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZE));
  EXPECT_FALSE(SaveEnabled()) << "a press alone changes nothing";
  Mouse(WM_MOUSEMOVE, {Frame().left + 4, before[1].y});
  EXPECT_TRUE(SaveEnabled()) << "the first applied move marks the method modified";

  const std::vector<POINT> after = Handles();
  ASSERT_EQ(after.size(), 3u);
  // A drag repaints only the plot area: the axes drawn before it are still there.
  const e2e::Pixels graph = e2e::CaptureClient(frame);
  EXPECT_GT(LongestRun(graph, kBlack, true), graph.width / 2);
  EXPECT_GT(LongestRun(graph, kBlack, false), graph.height / 2);
  // The ramp is vertical at the end of step 1's plateau: both ends share their x.
  EXPECT_EQ(after[0].x, before[0].x);
  EXPECT_EQ(after[1].x, before[0].x);
  // The pointer's temperature is read on the mouse's slightly different scale.
  EXPECT_NEAR(after[0].y, before[1].y, 4) << "near 150 degrees, where the pointer is";
  EXPECT_EQ(after[1].y, before[0].y) << "at 100 degrees";
  EXPECT_EQ(Text(IDC_ROW1_RATE), rate) << "the rows wait for the release";

  Mouse(WM_LBUTTONUP, {Frame().left + 4, before[1].y});
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(Text(IDC_ROW1_RATE), "Infinity");
  EXPECT_EQ(GetCapture(), editor) << "a release keeps the capture while over the frame";
}

TEST_F(OvenGraphTest, DraggingAPlateauEndDownAndLeftEmptiesItAtTheMinimum) {
  const std::vector<POINT> handles = Handles();
  ASSERT_EQ(handles.size(), 3u);
  const RECT f = Frame();
  Grab(handles[2]);  // the end of step 2's plateau
  Mouse(WM_MOUSEMOVE, {f.left + 4, f.bottom - 4});
  Mouse(WM_LBUTTONUP, {f.left + 4, f.bottom - 4});
  EXPECT_EQ(Text(IDC_ROW2_TIME), "0.00");
  EXPECT_EQ(Text(IDC_ROW2_TEMP), "0");
  EXPECT_EQ(Text(IDC_ROW1_TIME), "2.00") << "only the held step changes";
  EXPECT_EQ(Text(IDC_ROW1_TEMP), "100");
}

TEST_F(OvenGraphTest, LeavingTheFrameEndsTheDragWithoutRewritingTheRows) {
  const std::vector<POINT> handles = Handles();
  ASSERT_EQ(handles.size(), 3u);
  const RECT f = Frame();
  Grab(handles[2]);
  Mouse(WM_MOUSEMOVE, {f.left + 4, handles[2].y});  // the plateau shrinks to nothing
  EXPECT_EQ(GetCapture(), editor);
  Mouse(WM_MOUSEMOVE, {f.left - 20, handles[2].y});
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Text(IDC_ROW2_TIME), "2.00") << "not rewritten when the drag ends off the frame";

  // Back on the frame the button is still down, but the drag is over: far right would
  // otherwise give the plateau its whole length again.
  Mouse(WM_MOUSEMOVE, {f.right - 4, handles[2].y});
  Mouse(WM_MOUSEMOVE, {f.right - 5, handles[2].y});
  Mouse(WM_LBUTTONUP, {f.right - 5, handles[2].y});
  EXPECT_EQ(Text(IDC_ROW2_TIME), "0.00") << "the release over the frame shows the record";
}

TEST_F(OvenGraphTest, PaintingAndDraggingLeaveNoGdiObjectBehind) {
  const std::vector<POINT> handles = Handles();
  ASSERT_EQ(handles.size(), 3u);
  const RECT f = Frame();
  auto dragAround = [&](int moves) {
    const std::vector<POINT> start = Handles();
    Grab(start.size() > 1 ? start[1] : handles[1]);
    for (int i = 0; i < moves; ++i) {
      Mouse(WM_MOUSEMOVE, {f.left + 10 + (i * 7) % (f.right - f.left - 20), handles[1].y + i % 5});
    }
    const std::vector<POINT> now = Handles();
    Mouse(WM_LBUTTONUP, now.size() == 3 ? now[1] : handles[1]);
  };
  // Wine's DC cache hides the first few DCs a leak would take: warm it up first.
  for (int i = 0; i < 5; ++i) e2e::RedrawNow(editor);
  dragAround(20);
  const int before = e2e::LiveGdiObjects();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 100; ++i) e2e::RedrawNow(editor);
  for (int i = 0; i < 3; ++i) dragAround(100);
  SendMessageA(GetDlgItem(editor, IDC_BUTTON_RIGHT), BM_SETSTATE, TRUE, 0);
  SendMessageA(GetDlgItem(editor, IDC_BUTTON_RIGHT), BM_SETSTATE, FALSE, 0);
  e2e::PumpMessages();
  EXPECT_EQ(e2e::LiveGdiObjects(), before);
}

// A method stored by another program may hold any number: the editor opens it, paints
// it and lets the mouse roam over it without crashing or hanging.
TEST_F(OvenGraphTest, AStoredMethodOfNonsenseNumbersIsPaintedAndPointedAt) {
  const double nonsense[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(), 1e300, -1e300, -7.5};
  for (double value : nonsense) {
    SCOPED_TRACE(value);
    e2e::DestroyEditor();
    InletMethod method{};
    SetMethodDefaults();
    method = inletMethod;
    for (OvenStep& step : method.ovenStep) step = {value, value, value, 1};
    method.tempAxisMax = method.timeAxisMax = value;
    MethodDbRecord record;
    EncodeMethodRecord(method, record);
    ASSERT_TRUE(e2e::WriteMethodDatabase(home, record));
    Open();
    e2e::RedrawNow(editor);
    const RECT f = Frame();
    for (int x = f.left; x <= f.right; x += 15) {
      for (int y = f.top; y <= f.bottom; y += 20) {
        Mouse(WM_MOUSEMOVE, {x, y});
        Mouse(WM_LBUTTONDOWN, {x, y});
        Mouse(WM_MOUSEMOVE, {x + 3, y + 3});
        Mouse(WM_LBUTTONUP, {x + 3, y + 3});
      }
    }
    e2e::RedrawNow(editor);
    EXPECT_TRUE(IsWindow(editor));
  }
}

}  // namespace
