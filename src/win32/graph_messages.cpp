// Unpacking the editor's paint, owner-draw and mouse messages for the oven graph.
#include "win32/graph_messages.h"

#include <cstdint>

#include "editor/oven_drag.h"
#include "editor/oven_graph.h"
#include "resource_ids.h"
#include "win32/editor_bitmaps.h"
#include "win32/win32_canvas.h"
#include "win32/win32_chart_axis.h"
#include "win32/win32_graph_window.h"

namespace {
// The position word is the low 32 bits of the parameter on every architecture.
uint32_t PositionWord(LPARAM position) { return static_cast<uint32_t>(position); }
}  // namespace

void PaintEditorGraph(HWND editor) {
  Win32GraphWindow window(editor, editorBitmaps);
  Win32ChartAxis axes;
  PaintOvenGraph(window, axes, IDC_GRAPH_FRAME);
}

void DrawEditorButton(HWND editor, const DRAWITEMSTRUCT* item) {
  if (!item) return;
  Win32GraphWindow window(editor, editorBitmaps);
  Win32Canvas canvas(item->hDC, nullptr, editorBitmaps);
  DrawArrowButton(window, canvas,
                  {static_cast<int>(item->CtlID), (item->itemAction & ODA_DRAWENTIRE) != 0,
                   (item->itemState & ODS_SELECTED) != 0});
}

void OnEditorMouseMove(DialogPort& dialog, HWND editor, LPARAM position) {
  Win32GraphWindow window(editor, editorBitmaps);
  OnGraphMouseMove(dialog, window, PositionWord(position), IDC_GRAPH_FRAME);
}

void OnEditorButtonDown(HWND editor, LPARAM position) {
  Win32GraphWindow window(editor, editorBitmaps);
  OnGraphButtonDown(window, PositionWord(position), IDC_GRAPH_FRAME);
}

void OnEditorButtonUp(DialogPort& dialog, HostPort& host, HWND editor, LPARAM position) {
  Win32GraphWindow window(editor, editorBitmaps);
  OnGraphButtonUp(dialog, host, window, PositionWord(position), IDC_GRAPH_FRAME);
}
