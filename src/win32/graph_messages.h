// The painting, owner-draw and mouse messages of the editor window (the oven graph) and
// of the ULVO channel dialog (its ramp graph), unpacked. Each builds the window's ports
// and calls the graph's handler.
#pragma once

#include <windows.h>

#include "ui/dialog_port.h"
#include "ui/host_port.h"

// WM_INITDIALOG of either window, before it is first shown: the three axis buttons take
// the size that their first owner-draw would give them. Each resize from inside a
// WM_DRAWITEM uncovers part of the window, which then paints again (three more paints
// of the whole window and three more owner-draws on every opening).
void SizeAxisButtons(HWND window);

// WM_PAINT, and the paint at the end of the window's initialisation.
void PaintEditorGraph(HWND editor);
// WM_DRAWITEM of an axis button.
void DrawEditorButton(HWND editor, const DRAWITEMSTRUCT* item);
// WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP with their position word.
void OnEditorMouseMove(DialogPort& dialog, HWND editor, LPARAM position);
void OnEditorButtonDown(HWND editor, LPARAM position);
void OnEditorButtonUp(DialogPort& dialog, HostPort& host, HWND editor, LPARAM position);

// The ULVO channel dialog's, with frame 105 and the dialog's own bitmaps.
// WM_PAINT.
void PaintUlvoDialogGraph(HWND dialog);
// WM_DRAWITEM of an axis button.
void DrawUlvoDialogButton(HWND dialog, const DRAWITEMSTRUCT* item);
// WM_MOUSEMOVE: a drag in the dialog leaves the editor's menu and modified flag alone.
void OnUlvoDialogMouseMove(HWND dialog, LPARAM position);
// WM_LBUTTONDOWN: on a handle of the frame, the size cursor and the drag starts.
void OnUlvoDialogButtonDown(HWND dialog, LPARAM position);
// WM_LBUTTONUP: the arrow cursor; over the frame, the ramp rows rewritten. `dialog` is
// the port over `window`.
void OnUlvoDialogButtonUp(DialogPort& dialog, HostPort& host, HWND window, LPARAM position);
