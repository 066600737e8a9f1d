// Fuzz target: a stored method record as the editor opens it. The record is decoded and
// shown in the form with its rates, the oven graph is fitted, painted, hit-tested and
// dragged, each ULVO channel in Flow or Pressure mode is opened and its ramp treated
// alike, and closing the editor validates the form and saves it. The input is the record
// (a shorter one is padded with zeros) followed by a script of mouse and button events.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "editor/editor_commands.h"
#include "editor/editor_window.h"
#include "editor/oven_form.h"
#include "editor/oven_graph.h"
#include "fuzz_ports.h"
#include "graph_ports.h"
#include "resource_ids.h"
#include "ulvo/ulvo_control.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_state.h"

namespace {

// What one event of the script does (its kind byte modulo 8).
enum EventKind { kMove, kDown, kUp, kUpButton, kRightButton, kDefaultButton, kRowCheck, kClose };

struct Event {
  uint8_t kind;   // bit 3: the pointer word is taken as it is; bit 4: near a handle
  uint32_t word;  // the pointer, or which row check
};

class Script {
 public:
  Script(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::optional<Event> Next() {
    if (size_ < 5) return std::nullopt;
    Event event{data_[0], 0};
    std::memcpy(&event.word, data_ + 1, 4);
    data_ += 5;
    size_ -= 5;
    return event;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
};

uint32_t Word(int64_t x, int64_t y) {
  return static_cast<uint32_t>(std::clamp<int64_t>(y, 0, 0xFFFF) << 16 |
                               std::clamp<int64_t>(x, 0, 0xFFFF));
}

// Within reach of one of the ramp's handles as last painted, so that a press grabs one
// without the fuzzer having to find its few pixels first.
uint32_t NearHandle(uint32_t word, const RampSnapshot& ramp, const PixelRect& plot,
                    const FrameBox& box) {
  const int32_t steps = StepsInUse(ramp);
  if (steps == 0) return 0;
  const uint32_t handle = (word & 0xFF) % (2 * steps - 1);  // 0: step 0's hold end
  const RampPoint& step = ramp.step[(handle + 1) / 2];
  const double time = handle % 2 == 1 ? step.start : step.start + step.hold;
  const RampScale scale = RampScaleOf(ramp, plot);
  const int64_t dx = static_cast<int64_t>(word >> 8 & 0xF) - kHandleReach;
  const int64_t dy = static_cast<int64_t>(word >> 12 & 0xF) - kHandleReach;
  return Word(box.originX + TimeToPixel(scale, time) + dx,
              box.originY + ValueToPixel(scale, step.level) + dy);
}

// The pointer the window system's position word gives: 16 unsigned bits each.
MousePoint PointOf(uint32_t word) { return {word & 0xFFFF, word >> 16}; }

// A mouse message's position word: on or near the frame, or near a handle, unless the
// event asks for any word at all (left of or above the client area included).
uint32_t PointerWord(const Event& event, const FrameBox& box, const RampSnapshot& ramp,
                     const PixelRect& plot) {
  if (event.kind & 8) return event.word;
  if (event.kind & 16) return NearHandle(event.word, ramp, plot, box);
  return Word(box.originX - 8 + (event.word & 0xFFFF) % (box.width + 17),
              box.originY - 8 + (event.word >> 16) % (box.height + 17));
}

// A graph as the script drives it: its wiring, its form's row boxes, its paint and the
// command handler of the window that holds it.
struct DrivenGraph {
  const RampGraphWiring& graph;
  const RampForm& form;
  void (*paint)(EditorSession& session, GraphWindow& window, ChartAxisPort& axes);
  void (*command)(EditorSession& session, DialogPort& dialog, HostPort& host, int id,
                  EditNotice notice);
};
constexpr DrivenGraph kOven{kOvenGraph, kOvenForm, PaintOvenGraph, OnEditorCommand};
constexpr DrivenGraph kUlvo{kUlvoGraph, kUlvoForm, PaintUlvoGraph, OnUlvoCommand};

void RunEvents(const DrivenGraph& driven, EditorSession& session, Script& script,
               FormDialog& dialog, FuzzHost& host, FrameWindow& window, CoreChartAxis& axes) {
  const RampGraphWiring& graph = driven.graph;
  driven.paint(session, window, axes);
  while (const std::optional<Event> event = script.Next()) {
    const MousePoint point = PointOf(PointerWord(
        *event, RampFrameBox(graph, window), graph.read(session), graph.state(session).plotRect));
    const auto command = [&](int id) {
      driven.command(session, dialog, host, id, EditNotice::kNone);
    };
    switch (event->kind % 8) {
      case kMove: OnGraphMouseMove(graph, session, dialog, window, point); break;
      case kDown: OnGraphButtonDown(graph, session, window, point); break;
      case kUp: OnGraphButtonUp(graph, session, dialog, host, window, point); break;
      case kUpButton: command(IDC_BUTTON_UP); break;
      case kRightButton: command(IDC_BUTTON_RIGHT); break;
      case kDefaultButton: command(IDC_BUTTON_DEFAULT); break;
      case kRowCheck: {
        const int id = driven.form.rows[event->word % driven.form.rows.size()].check;
        dialog.checked[id] = !dialog.checked[id];
        command(id);
        break;
      }
      default: return;
    }
    driven.paint(session, window, axes);
  }
}

// The channel dialog as the editor runs it, ended with Enter.
void RunChannel(EditorSession& session, int32_t channel, Script& script, FuzzHost& host,
                FrameWindow& window, CoreChartAxis& axes) {
  session.values.ulvoChannel = channel;
  FormDialog dialog;
  InitUlvoControl(session, dialog, host);
  RunEvents(kUlvo, session, script, dialog, host, window, axes);
  OnUlvoCommand(session, dialog, host, CMD_ENTER);
  DestroyUlvoControl(dialog, host);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  EditorSession session{};
  FuzzHost host;
  const std::size_t recordBytes = std::min(size, kMethodRecordSize);
  std::memcpy(host.record.bytes.data(), data, recordBytes);
  // Another instrument's record is refused before it is decoded: every input is this
  // instrument's, so that each reaches the decoder.
  std::memcpy(host.record.bytes.data(), kInstrumentName, std::strlen(kInstrumentName) + 1);
  host.ini[{"TOVREX", "ULVOControl"}] = "1";
  // The name field's last bytes are never read: the one after the stamped name sets the
  // host's minimum oven temperature, the bottom of the oven graph and of its drags.
  const int8_t minimum = static_cast<int8_t>(host.record.bytes[std::strlen(kInstrumentName) + 1]);
  host.ini[{"TOVREX", "TOVREXMinTemp"}] = std::to_string(minimum * 4);
  Script script(data + recordBytes, size - recordBytes);

  FormDialog editor;
  editor.answer = Answer::kYes;  // closing saves
  FrameWindow window;
  CoreChartAxis axes;
  InitEditorWindow(session, editor, host);
  RunEvents(kOven, session, script, editor, host, window, axes);
  for (int32_t channel = 0; channel < 2; ++channel) {
    const int32_t mode = session.method.ulvo[channel].mode;
    if (mode == kUlvoFlow || mode == kUlvoPressure)
      RunChannel(session, channel, script, host, window, axes);
  }
  session.values.methodModified = true;
  CloseEditorWindow(session, editor, host);
  return 0;
}
