// Methods that other programs and broken files hand the editor, a table of hostile fields
// and seeded random records: the editor and all four dialogs open and paint, each graph
// takes a drag, each OK is pressed (refused values typed over, as a user would) and the
// method saved, with no crash or hang; opened again, each window shows what it did at OK.
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "cli/method_fields.h"
#include "harness/harness.h"
#include "harness/pixels.h"
#include "method/inlet_method.h"
#include "method/number_text.h"
#include "resource_ids.h"

namespace {

using method_tool::FieldKind;
using method_tool::StoredField;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormal = std::numeric_limits<double>::denorm_min();

// A row sets every stored number, the times, the in-use flags and dump valve, or the
// modes to `value`; with no field kind, it overwrites the record's texts from byte
// `value` to the end of the pressure unit, leaving them no terminator.
enum Kind { kNumbers, kTimes, kFlags, kModes, kTexts };
struct HostileRow {
  const char* name;
  Kind kind;
  double value;
};
const HostileRow kRows[] = {{"NaN", kNumbers, kNaN},
                            {"PlusInfinity", kNumbers, kInf},
                            {"MinusInfinity", kNumbers, -kInf},
                            {"Plus1e308", kNumbers, 1e308},
                            {"Minus1e308", kNumbers, -1e308},
                            {"Denormal", kNumbers, kDenormal},
                            {"NegativeDenormal", kNumbers, -kDenormal},
                            {"NegativeTimes", kTimes, -5.0},
                            {"HugeTimes", kTimes, 1e15},
                            {"AllStepsOff", kFlags, 0},
                            {"AllStepsOn", kFlags, 1},
                            {"FlagsMinusOne", kFlags, -1},
                            {"Mode7", kModes, 7},
                            {"ModeMinus1", kModes, -1},
                            {"ModeIntMin", kModes, INT_MIN},
                            {"UnitTextsUnterminated", kTexts, 11},
                            {"InstrumentNameUnterminated", kTexts, 6}};
void PrintTo(const HostileRow& row, std::ostream* out) { *out << row.name; }

Kind KindOf(const StoredField& f) {
  if (f.number) return std::string(f.unit) == "min" ? kTimes : kNumbers;
  return f.kind == FieldKind::kMode ? kModes : kFlags;
}

// The default method with `change` applied to each of its stored fields.
MethodDbRecord Record(const std::function<void(StoredField&)>& change) {
  MethodDbRecord record = e2e::DefaultMethodRecord();
  InletMethod method{};
  DecodeStoredFields(record, method);
  for (StoredField& field : method_tool::StoredFields(method)) change(field);
  EncodeMethodRecord(method, record);
  return record;
}

void FillTexts(MethodDbRecord& record, size_t from, char fill) {
  constexpr size_t kPressureUnitEnd = 48;
  for (size_t i = from; i < kPressureUnitEnd; ++i) record.bytes[i] = static_cast<uint8_t>(fill);
}

// One field in three hostile, from a pool of hostile values or any value at all.
MethodDbRecord RandomRecord(std::mt19937& rng) {
  const double numbers[] = {kNaN, kInf, -kInf, 1e308, -1e308, kDenormal, -0.0, 1e15, 3e9};
  const int32_t integers[] = {0, 1, 2, 7, -1, INT_MIN, INT_MAX};
  std::uniform_real_distribution<double> any(-1000.0, 1000.0);
  MethodDbRecord record = Record([&](StoredField& f) {
    if (rng() % 3) return;
    if (f.number) *f.number = rng() % 2 ? numbers[rng() % std::size(numbers)] : any(rng);
    if (f.integer) *f.integer = integers[rng() % std::size(integers)];
  });
  if (rng() % 10 == 0) FillTexts(record, 11 - rng() % 6, static_cast<char>(1 + rng() % 255));
  return record;
}

// What a window shows the user to confirm: enabled edits, lists and boxes.
struct ShownField {
  std::string id, text;
  bool edit;
};
using Shown = std::vector<ShownField>;
Shown ShownIn(HWND window) {
  Shown shown;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM out) {
        const std::string kind = e2e::ClassOf(child);
        std::string text = e2e::TextOf(child);
        if (kind == "Button") text += std::to_string(SendMessageA(child, BM_GETCHECK, 0, 0));
        if (IsWindowEnabled(child) && (kind == "Edit" || kind == "ComboBox" || kind == "Button"))
          reinterpret_cast<Shown*>(out)->push_back(
              {std::to_string(GetDlgCtrlID(child)), text, kind == "Edit"});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  return shown;
}

// The same, or in a number field the number the form reads ("NaN" reads as 0, and some
// fields are not rewritten when stored); a ramp between equal levels takes no time
// whatever rate was typed, and shows "Infinity" once shown from the method.
void ExpectShows(const Shown& now, const Shown& then) {
  ASSERT_EQ(now.size(), then.size());
  auto read = [](const std::string& text) { return ReadDecimalNumber(text.substr(0, 9)); };
  for (size_t i = 0; i < now.size(); ++i) {
    const ShownField &a = now[i], &b = then[i];
    const bool same =
        a.text == b.text || (a.edit && (read(a.text) == read(b.text) || a.text == "Infinity"));
    EXPECT_TRUE(a.id == b.id && same) << b.id << "=" << b.text << " came back as " << a.text;
  }
}

void Mouse(HWND window, UINT message, POINT at) {
  SendMessageA(window, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(at.x, at.y));
  if (window == e2e::EditorWindow()) e2e::PumpMessages();
}

// Presses on the last handle (or the frame's middle), sweeps the frame, lets go in it.
void Drag(HWND window, int frameId) {
  HWND frame = GetDlgItem(window, frameId);
  e2e::RedrawNow(window);
  std::vector<POINT> handles = e2e::FindHandles(e2e::CaptureClient(frame));
  RECT f{};
  GetClientRect(frame, &f);
  POINT held = handles.empty() ? POINT{f.right / 2, f.bottom / 2} : handles.back();
  POINT path[] = {
      held, {4, held.y}, {f.right - 4, 4}, {f.right / 3, f.bottom - 4}, {f.right / 2, 8}};
  MapWindowPoints(frame, window, path, static_cast<UINT>(std::size(path)));
  Mouse(window, WM_MOUSEMOVE, path[0]);
  Mouse(window, WM_LBUTTONDOWN, path[0]);
  for (POINT at : path) Mouse(window, WM_MOUSEMOVE, at);
  Mouse(window, WM_LBUTTONUP, path[4]);
}

// A modal dialog's steps run from a timer in its own loop once it is shown; a dialog the
// steps leave open is cancelled.
HWND dialogShown;
std::function<void(HWND)> dialogSteps;
void CALLBACK RunDialogSteps(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!IsWindowVisible(dialogShown)) return;
  KillTimer(nullptr, timer);
  e2e::RedrawNow(dialogShown);
  dialogSteps(dialogShown);
  PostMessageA(dialogShown, WM_COMMAND, IDCANCEL, 0);
}

class HostileRecordTest : public e2e::EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    home.WriteIni("TOVREX", "ULVOControl", "1");
    answerer.AnswerTheRestWith(IDOK);  // the refusals and the other instrument's message
  }

  void InDialog(int command, std::function<void(HWND)> steps) {
    dialogSteps = std::move(steps);
    answerer.Then([](HWND dialog) {
      dialogShown = dialog;
      SetTimer(nullptr, 0, 1, RunDialogSteps);
    });
    SendMessageA(editor, WM_COMMAND, command, 0);
    e2e::PumpMessages();
  }

  // Presses OK until taken, typing over each refused value a number from 5 to 9 (inside
  // every range, each unlike the last); what the window shows once it took it.
  Shown Accept(HWND window, int ok) {
    int same = 0;
    for (int attempt = 0; attempt < 60; ++attempt) {
      const size_t messages = answerer.Seen().size();
      SendMessageA(window, WM_COMMAND, ok, 0);
      e2e::PumpMessages();
      if (answerer.Seen().size() == messages) return ShownIn(window);
      const bool typed = e2e::ClassOf(GetFocus()) == "Edit" &&
                         SetWindowTextA(GetFocus(), std::to_string(5 + attempt % 5).c_str());
      same = messages && answerer.Seen()[messages - 1].text == answerer.Seen().back().text
                 ? same + 1
                 : 0;
      if (typed && same < 3) continue;
      // The refused field is checked although its box is clear: the user ticks the boxes.
      for (HWND box = GetWindow(window, GW_CHILD); box; box = GetWindow(box, GW_HWNDNEXT)) {
        if ((GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX &&
            IsWindowEnabled(box) && !SendMessageA(box, BM_GETCHECK, 0, 0))
          SendMessageA(box, BM_CLICK, 0, 0);
      }
    }
    ADD_FAILURE() << "OK never taken: " << answerer.Seen().back().text;
    return {};
  }

  void EditAndSave(const MethodDbRecord& record) {
    ASSERT_TRUE(e2e::WriteMethodDatabase(home, record));
    ASSERT_NE(Open(), nullptr);
    Drag(editor, IDC_GRAPH_FRAME);
    const int channels[] = {IDM_ULVO_LEFT, IDM_ULVO_RIGHT};
    Shown valves, config, channel[2];
    InDialog(IDM_VALVE_TIMETABLE, [&](HWND d) { valves = Accept(d, IDC_VALVE_OK); });
    InDialog(IDM_ULVO_CONFIGURATION, [&](HWND d) {
      SendDlgItemMessageA(d, IDC_ULVO_LEFT_MODE, CB_SETCURSEL, kUlvoFlow, 0);
      SendDlgItemMessageA(d, IDC_ULVO_RIGHT_MODE, CB_SETCURSEL, kUlvoPressure, 0);
      config = Accept(d, CMD_ENTER);
    });
    for (int c = 0; c < 2; ++c) {
      InDialog(channels[c], [&](HWND d) {
        Drag(d, IDC_ULVO_GRAPH_FRAME);
        channel[c] = Accept(d, CMD_ENTER);
      });
    }
    Accept(editor, CMD_ENTER);
    SendMessageA(editor, WM_COMMAND, IDM_FILE_SAVE, 0);
    ASSERT_FALSE(MenuEnabled(IDM_FILE_SAVE)) << "saved";
    const Shown form = ShownIn(editor);
    e2e::DestroyEditor();

    ASSERT_NE(Open(), nullptr);
    ExpectShows(ShownIn(editor), form);
    InDialog(IDM_VALVE_TIMETABLE, [&](HWND d) { ExpectShows(ShownIn(d), valves); });
    InDialog(IDM_ULVO_CONFIGURATION, [&](HWND d) { ExpectShows(ShownIn(d), config); });
    for (int c = 0; c < 2; ++c)
      InDialog(channels[c], [&](HWND d) { ExpectShows(ShownIn(d), channel[c]); });
    e2e::DestroyEditor();
  }
};

class HostileFieldTest : public HostileRecordTest,
                         public testing::WithParamInterface<HostileRow> {};

TEST_P(HostileFieldTest, EveryWindowOpensTakesADragAndOkAndSavesWhatItShowed) {
  const HostileRow row = GetParam();
  MethodDbRecord record = Record([&](StoredField& f) {
    if (KindOf(f) != row.kind && !(row.kind == kNumbers && KindOf(f) == kTimes)) return;
    if (f.number) *f.number = row.value;
    if (f.integer) *f.integer = static_cast<int32_t>(row.value);
  });
  if (row.kind == kTexts) FillTexts(record, static_cast<size_t>(row.value), 'X');
  EditAndSave(record);
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileFieldTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Each seed's records in one run; a failure names the seed and the record's number.
class RandomRecordTest : public HostileRecordTest, public testing::WithParamInterface<int> {};

TEST_P(RandomRecordTest, EveryWindowOpensTakesADragAndOkAndSavesWhatItShowed) {
  constexpr int kRecordsPerSeed = 15;
  std::mt19937 rng(static_cast<unsigned>(GetParam()));
  for (int n = 0; n < kRecordsPerSeed && !HasFailure(); ++n) {
    SCOPED_TRACE("seed " + std::to_string(GetParam()) + ", record " + std::to_string(n));
    EditAndSave(RandomRecord(rng));
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomRecordTest, testing::Range(1, 5));

}  // namespace
