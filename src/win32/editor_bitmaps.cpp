// Loading the editor's bitmaps from the plug-in's own resources.
#include "win32/editor_bitmaps.h"

#include "resource_ids.h"

EditorBitmaps* editorBitmaps;

namespace {
GdiObject<HBITMAP> Load(HINSTANCE instance, const char* name) {
  return GdiObject<HBITMAP>(LoadBitmapA(instance, name));
}
}  // namespace

// Members initialise in declaration order, which is the order the editor loads them.
EditorBitmaps::EditorBitmaps(HINSTANCE instance)
    : graphic(Load(instance, BMP_GRAPHIC)),
      upArrow(Load(instance, BMP_UP_ARROW)),
      rightArrow(Load(instance, BMP_RIGHT_ARROW)),
      defaultAxes(Load(instance, BMP_DEFAULT)),
      upArrowDps(Load(instance, BMP_UP_ARROW_DPS)),
      rightArrowDps(Load(instance, BMP_RIGHT_ARROW_DPS)),
      defaultAxesDps(Load(instance, BMP_DEFAULT_DPS)) {}
