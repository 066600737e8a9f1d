// The editor window's painting, owner-draw and mouse messages, unpacked for the oven
// graph. Each builds the window's ports and calls the graph's handler.
#pragma once

#include <windows.h>

#include "ui/dialog_port.h"
#include "ui/host_port.h"

// WM_PAINT, and the paint at the end of the window's initialisation.
void PaintEditorGraph(HWND editor);
// WM_DRAWITEM of an axis button.
void DrawEditorButton(HWND editor, const DRAWITEMSTRUCT* item);
// WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP with their position word.
void OnEditorMouseMove(DialogPort& dialog, HWND editor, LPARAM position);
void OnEditorButtonDown(HWND editor, LPARAM position);
void OnEditorButtonUp(DialogPort& dialog, HostPort& host, HWND editor, LPARAM position);
