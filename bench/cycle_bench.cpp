// Open/close cycles. Each kind is warmed up with a few cycles (first loads of the
// template, the bitmaps' pages and Wine's caches), then taken before and after `cycles`
// more. The modal dialogs are answered with Cancel as soon as they are activated, after
// their initialisation (which loads, shows and, for the channel, makes its bitmaps) and
// before the user could type; the editor is opened with AcqGCInlet until its queue is
// empty (its first paints done) and destroyed as its host destroys it.
#include "cycle_bench.h"

#include <cstdio>
#include <functional>

#include "figures.h"
#include "resource_ids.h"
#include "resources.h"
#include "win32/dialog_answerer.h"
#include "win32/owned_handle.h"

namespace bench {

namespace {

constexpr int kWarmUp = 20;

void Measure(const char* what, int cycles, const std::function<void()>& cycle) {
  for (int i = 0; i < kWarmUp; ++i) cycle();
  const Resources before = TakeResources();
  const double t0 = NowMs();
  for (int i = 0; i < cycles; ++i) cycle();
  const double ms = NowMs() - t0;
  const Resources after = TakeResources();
  std::printf("%s: %d cycles, %.1f ms a cycle, %.0f s in all\n", what, cycles, ms / cycles,
              ms / 1000);
  PrintResources("before -> after", before, after);
  std::fflush(stdout);
}

// Cancels each dialog as it is activated and keeps no record of it: the harness's
// answerer records every dialog it answers, and 10,000 records would themselves grow
// the memory measured.
LRESULT CALLBACK CancelOnActivate(int code, WPARAM wParam, LPARAM lParam) {
  const HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && e2e::ClassOf(window) == "#32770")
    DialogAnswerer::Click(window, IDCANCEL);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND OpenEditor(HWND owner) {
  e2e::AcqGCInlet()(owner);
  e2e::PumpMessages();
  return e2e::EditorWindow();
}

}  // namespace

void MeasureOpenCloseCycles(const e2e::HostHome& home, HWND owner, int cycles) {
  MethodDbRecord record = e2e::DefaultMethodRecord();
  InletMethod method{};
  DecodeMethodRecord(record, method);
  method.ulvo[0].mode = kUlvoFlow;  // the left channel's menu item is enabled
  EncodeMethodRecord(method, record);
  if (!e2e::WriteMethodDatabase(home, record)) {
    std::printf("open/close cycles not measured: the method database could not be written\n");
    return;
  }
  home.WriteIni("TOVREX", "ULVOControl", "1");
  Measure("editor (AcqGCInlet, destroyed by its host)", cycles, [&] {
    OpenEditor(owner);
    e2e::DestroyEditor();
  });

  HWND editor = OpenEditor(owner);
  if (!editor) {
    std::printf("dialog cycles not measured: the editor did not open\n");
    return;
  }
  const OwnedHandle<HHOOK, UnhookWindowsHookEx> hook(
      SetWindowsHookExA(WH_CBT, CancelOnActivate, nullptr, GetCurrentThreadId()));
  const std::pair<const char*, int> dialogs[] = {
      {"valve timetable (menu, Cancel)", IDM_VALVE_TIMETABLE},
      {"ULVO configuration (menu, Cancel)", IDM_ULVO_CONFIGURATION},
      {"ULVO left channel, Flow (menu, Cancel)", IDM_ULVO_LEFT},
  };
  for (const auto& [what, command] : dialogs) {
    Measure(what, cycles, [&, command = command] {
      SendMessageA(editor, WM_COMMAND, command, 0);
      e2e::PumpMessages();
    });
  }
  e2e::DestroyEditor();
}

}  // namespace bench
