// Loading the graph windows' bitmaps from the plug-in's own resources.
#include "win32/editor_bitmaps.h"

#include <memory>

#include "resource_ids.h"

namespace {
constexpr const char* kBitmapsProperty = "TovrexBitmaps";

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

void AttachBitmaps(HWND window, HINSTANCE instance, EditorBitmaps::Legend legend) {
  FreeBitmaps(window);
  auto bitmaps = std::make_unique<EditorBitmaps>(instance, legend);
  // The property holds them from here on; without it they are freed here.
  if (SetPropA(window, kBitmapsProperty, bitmaps.get())) bitmaps.release();
}

void FreeBitmaps(HWND window) {
  const std::unique_ptr<EditorBitmaps> owned(
      static_cast<EditorBitmaps*>(RemovePropA(window, kBitmapsProperty)));
}

const EditorBitmaps* BitmapsOf(HWND window) {
  return static_cast<const EditorBitmaps*>(GetPropA(window, kBitmapsProperty));
}
