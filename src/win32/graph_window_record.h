// What a graph window owns for its life, from its WM_INITDIALOG to its WM_DESTROY: its
// bitmaps (the editor's seven: the legend picture and the normal and pressed faces of
// the three axis buttons; the ULVO channel dialog's six button faces, no legend), its
// controls once found, the system metrics its mouse handlers measure by, and where it is
// to be shown.
#pragma once

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "ui/graph_window.h"
#include "win32/gdi_object.h"

struct EditorBitmaps {
  enum Legend { kWithLegend, kNoLegend };
  // Loads the button faces and, unless told otherwise, the legend; a failed load stays null.
  explicit EditorBitmaps(HINSTANCE instance, Legend legend = kWithLegend);

  GdiObject<HBITMAP> graphic;
  GdiObject<HBITMAP> upArrow;
  GdiObject<HBITMAP> rightArrow;
  GdiObject<HBITMAP> defaultAxes;
  GdiObject<HBITMAP> upArrowDps;
  GdiObject<HBITMAP> rightArrowDps;
  GdiObject<HBITMAP> defaultAxesDps;
};

struct GraphWindowRecord {
  EditorBitmaps bitmaps;
  std::vector<std::pair<int, HWND>> controls;  // looked up so far
  // Read on every drag step, and under Wine each GetSystemMetrics costs about as much as
  // a window-server round trip; read once, and again after the settings change.
  std::optional<WindowMetrics> metrics;
  // The place the window's initialisation restored, made by its showing (DeferMove).
  std::optional<POINT> deferredMove;
};

// The record is made in the window's WM_INITDIALOG and kept in the dialog's own user
// word, freed in its WM_DESTROY. Nothing outlives the window or is shared between two
// windows, so an editor created while another is being destroyed can never draw with,
// or free, bitmaps that are not its own. Not a window property: the record is read on
// every mouse move and paint, and under Wine each property read is a round trip to the
// window server, where the user word is read in the process.
void AttachRecord(HWND window, HINSTANCE instance, EditorBitmaps::Legend legend);
void FreeRecord(HWND window);
// The window's record; null before AttachRecord, after FreeRecord, or for a dialog that
// keeps none (the valve timetable, the ULVO configuration).
GraphWindowRecord* RecordOf(HWND window);
// The window's bitmaps, or null.
const EditorBitmaps* BitmapsOf(HWND window);
// Control `id` of `window` (null when it has none), looked up once and remembered while
// the window has a record: a dialog's controls live as long as the dialog, and under Wine
// each GetDlgItem asks the window server for the dialog's children, several times on
// every drag step.
HWND ControlOf(HWND window, int id);
// The system's settings changed (WM_SETTINGCHANGE, WM_DISPLAYCHANGE): the metrics kept
// for the window are read afresh on their next use.
void ForgetMetrics(HWND window);

// A window restores its stored place in WM_INITDIALOG, before the dialog manager shows
// it. Moving a hidden top-level window is a window-server request of its own, which
// under Wine also moves the window's thirty-odd children and its X window: 1.1-1.5 ms of
// each opening of the editor and of the channel dialog. The move is kept instead and
// made by the request that shows the window (TakeDeferredMove, from its
// WM_WINDOWPOSCHANGING), so the window is first seen where it belongs, as before.
// False when the window keeps no record (the caller then moves it at once).
bool DeferMove(HWND window, int left, int top);
// The place a deferred move will take the window to, when one is waiting.
std::optional<POINT> DeferredMove(HWND window);
// WM_WINDOWPOSCHANGING: the request that shows the window also moves it.
void TakeDeferredMove(HWND window, WINDOWPOS& change);
// A window destroyed before it was ever shown is moved first, so the place it stores is
// the one it was given.
void MakeDeferredMove(HWND window);
