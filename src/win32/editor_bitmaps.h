// The seven bitmaps the editor window owns from initialisation to destruction: the
// legend picture and the normal and pressed faces of the three axis buttons.
#pragma once

#include <windows.h>

#include "win32/gdi_object.h"

struct EditorBitmaps {
  explicit EditorBitmaps(HINSTANCE instance);  // loads all seven; a failed load stays null

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
