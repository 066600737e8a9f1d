// The bitmaps a graph window owns for its life: the editor's seven (the legend picture
// and the normal and pressed faces of the three axis buttons) from initialisation to
// destruction, and the ULVO channel dialog's own six button faces, no legend, from its
// WM_INITDIALOG to its WM_DESTROY.
#pragma once

#include <windows.h>

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

// A window's bitmaps belong to the window: made in its WM_INITDIALOG, kept in the
// process's table of graph windows under its handle, freed in its WM_DESTROY. Nothing
// outlives the window or is shared between two windows, so an editor created while
// another is being destroyed (or a second one a host asks for) can never draw with, or
// free, bitmaps that are not its own.
void AttachBitmaps(HWND window, HINSTANCE instance, EditorBitmaps::Legend legend);
void FreeBitmaps(HWND window);
// The window's bitmaps; null before AttachBitmaps, after FreeBitmaps, or when it failed.
const EditorBitmaps* BitmapsOf(HWND window);
// Control `id` of `window` (null when it has none). Between AttachBitmaps and
// FreeBitmaps the handle is looked up once and remembered: a dialog's controls live as
// long as the dialog, and under Wine each GetDlgItem asks the window server for the
// dialog's children, several times on every drag step.
HWND ControlOf(HWND window, int id);
