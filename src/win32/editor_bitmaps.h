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

// The open editor's bitmaps, or null while no editor exists. A plain pointer: the
// plug-in keeps no state that needs constructing or destroying at load time.
extern EditorBitmaps* editorBitmaps;

// The open ULVO channel dialog's bitmaps, or null while none is open; likewise a plain
// pointer, owned through the pair below.
extern EditorBitmaps* ulvoBitmaps;
// Loads the dialog's six button faces from the plug-in's resources (replacing any set a
// dialog left behind), and deletes them.
void CreateUlvoBitmaps(HINSTANCE instance);
void DeleteUlvoBitmaps();
