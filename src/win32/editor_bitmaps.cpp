// Loading the graph windows' bitmaps from the plug-in's own resources.
#include "win32/editor_bitmaps.h"

#include "resource_ids.h"

EditorBitmaps* editorBitmaps;
EditorBitmaps* ulvoBitmaps;

namespace {
GdiObject<HBITMAP> Load(HINSTANCE instance, const char* name) {
  return GdiObject<HBITMAP>(LoadBitmapA(instance, name));
}
}  // namespace

// Members initialise in declaration order, which is the order the windows load them.
EditorBitmaps::EditorBitmaps(HINSTANCE instance, Legend legend)
    : graphic(legend == kWithLegend ? Load(instance, BMP_GRAPHIC) : GdiObject<HBITMAP>()),
      upArrow(Load(instance, BMP_UP_ARROW)),
      rightArrow(Load(instance, BMP_RIGHT_ARROW)),
      defaultAxes(Load(instance, BMP_DEFAULT)),
      upArrowDps(Load(instance, BMP_UP_ARROW_DPS)),
      rightArrowDps(Load(instance, BMP_RIGHT_ARROW_DPS)),
      defaultAxesDps(Load(instance, BMP_DEFAULT_DPS)) {}

void CreateUlvoBitmaps(HINSTANCE instance) {
  DeleteUlvoBitmaps();
  ulvoBitmaps = new EditorBitmaps(instance, EditorBitmaps::kNoLegend);
}

void DeleteUlvoBitmaps() {
  delete ulvoBitmaps;
  ulvoBitmaps = nullptr;
}
