// Unpacking the paint, owner-draw and mouse messages of the oven and ULVO graphs.
#include "win32/graph_messages.h"

#include <cstdint>

#include "editor/oven_drag.h"
#include "editor/oven_graph.h"
#include "resource_ids.h"
#include "ulvo/ulvo_drag.h"
#include "ulvo/ulvo_graph.h"
#include "win32/editor_bitmaps.h"
#include "win32/win32_canvas.h"
#include "win32/win32_chart_axis.h"
#include "win32/win32_graph_window.h"

namespace {
// The position word is the low 32 bits of the parameter on every architecture.
uint32_t PositionWord(LPARAM position) { return static_cast<uint32_t>(position); }

void DrawButton(HWND window, const DRAWITEMSTRUCT* item) {
  if (!item) return;
  const EditorBitmaps* bitmaps = BitmapsOf(window);
  Win32GraphWindow graph(window, bitmaps);
  Win32Canvas canvas(item->hDC, nullptr, bitmaps);
  DrawArrowButton(graph, canvas,
                  {static_cast<int>(item->CtlID), (item->itemAction & ODA_DRAWENTIRE) != 0,
                   (item->itemState & ODS_SELECTED) != 0});
}
}  // namespace

void SizeAxisButtons(HWND window) {
  Win32GraphWindow graph(window, BitmapsOf(window));
  for (const int id : {IDC_BUTTON_UP, IDC_BUTTON_RIGHT, IDC_BUTTON_DEFAULT}) {
    graph.ResizeControl(id, kButtonFaceSize, kButtonFaceSize);
  }
}

void PaintEditorGraph(HWND editor) {
  Win32GraphWindow window(editor, BitmapsOf(editor));
  Win32ChartAxis axes;
  PaintOvenGraph(window, axes, IDC_GRAPH_FRAME);
}

void DrawEditorButton(HWND editor, const DRAWITEMSTRUCT* item) { DrawButton(editor, item); }

void OnEditorMouseMove(DialogPort& dialog, HWND editor, LPARAM position) {
  Win32GraphWindow window(editor, BitmapsOf(editor));
  OnGraphMouseMove(dialog, window, PositionWord(position), IDC_GRAPH_FRAME);
}

void OnEditorButtonDown(HWND editor, LPARAM position) {
  Win32GraphWindow window(editor, BitmapsOf(editor));
  OnGraphButtonDown(window, PositionWord(position), IDC_GRAPH_FRAME);
}

void OnEditorButtonUp(DialogPort& dialog, HostPort& host, HWND editor, LPARAM position) {
  Win32GraphWindow window(editor, BitmapsOf(editor));
  OnGraphButtonUp(dialog, host, window, PositionWord(position), IDC_GRAPH_FRAME);
}

void PaintUlvoDialogGraph(HWND dialog) {
  Win32GraphWindow window(dialog, BitmapsOf(dialog));
  Win32ChartAxis axes;
  PaintUlvoGraph(window, axes, IDC_ULVO_GRAPH_FRAME);
}

void DrawUlvoDialogButton(HWND dialog, const DRAWITEMSTRUCT* item) { DrawButton(dialog, item); }

void OnUlvoDialogMouseMove(HWND dialog, LPARAM position) {
  Win32GraphWindow window(dialog, BitmapsOf(dialog));
  OnUlvoGraphMouseMove(window, PositionWord(position), IDC_ULVO_GRAPH_FRAME);
}

void OnUlvoDialogButtonDown(HWND dialog, LPARAM position) {
  Win32GraphWindow window(dialog, BitmapsOf(dialog));
  OnUlvoGraphButtonDown(window, PositionWord(position), IDC_ULVO_GRAPH_FRAME);
}

void OnUlvoDialogButtonUp(DialogPort& dialog, HostPort& host, HWND window, LPARAM position) {
  Win32GraphWindow graph(window, BitmapsOf(window));
  OnUlvoGraphButtonUp(dialog, host, graph, PositionWord(position), IDC_ULVO_GRAPH_FRAME);
}
