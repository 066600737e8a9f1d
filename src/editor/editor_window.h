// The editor window's life, as sequences over the dialog and the host: what happens
// when it initialises, when it is asked to close and when it is destroyed. The Win32
// dialog procedure loads and deletes the bitmaps and paints; everything else is here.
#pragma once

#include "ui/dialog_port.h"
#include "ui/host_port.h"

// Host dialog slot that records whether the editor is open.
inline constexpr int kEditorSlot = 9;
inline constexpr const char* kEditorPosSection = "GCDisplay";
inline constexpr const char* kEditorPosKey = "Parent";

// WM_INITDIALOG after the bitmaps are loaded: load the method (or the defaults), place
// the window, show the form, fit the axes, apply the INI options.
void InitEditorWindow(DialogPort& editor, HostPort& host);

// WM_CLOSE: validate, offer to save, then empty the slot and destroy the window.
// Returns 1 when the window was destroyed, 0 when it stays open.
int CloseEditorWindow(DialogPort& editor, HostPort& host);

// WM_DESTROY after the bitmaps are deleted: store the position unless minimised, and
// empty the slot.
void DestroyEditorWindow(DialogPort& editor, HostPort& host);

// Every process-wide record of the editor (the method, the editor values, the ULVO
// values and both graphs' mouse states) back to zero, as the library loads them: the
// one reset the tests and fuzz targets start from.
void ResetEditorState();
