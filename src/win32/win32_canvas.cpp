// Canvas over a device context: each call is one or two GDI calls.
#include "win32/win32_canvas.h"

#include <cstdint>

namespace {

// The pens and brushes of the few colours the graphs draw with, made on first use and
// kept for the process: a drag step would otherwise make and delete a dozen (a pen and a
// brush for each handle). A colour beyond the table's room is made for its one use.
class InkTable {
 public:
  enum Kind : uint64_t { kPen = 1, kBrush = 2 };
  // The kept object, or null when the table is full.
  HGDIOBJ Find(Kind kind, Colour colour, int width) {
    const uint64_t key =
        uint64_t{kind} << 60 | uint64_t{static_cast<uint32_t>(width)} << 32 | colour;
    for (int k = 0; k < used_; ++k) {
      if (keys_[k] == key) return inks_[k].Get();
    }
    if (used_ == kRoom) return nullptr;
    HGDIOBJ made = kind == kPen ? static_cast<HGDIOBJ>(CreatePen(PS_SOLID, width, colour))
                                : static_cast<HGDIOBJ>(CreateSolidBrush(colour));
    if (!made) return nullptr;
    keys_[used_] = key;
    inks_[used_] = GdiObject<HGDIOBJ>(made);
    return inks_[used_++].Get();
  }

 private:
  static constexpr int kRoom = 8;
  uint64_t keys_[kRoom] = {};
  GdiObject<HGDIOBJ> inks_[kRoom];
  int used_ = 0;
};

InkTable& Inks() {
  static InkTable inks;
  return inks;
}

}  // namespace

Win32Canvas::Win32Canvas(HDC dc, HWND releaseTo, const EditorBitmaps* bitmaps, POINT origin)
    : dc_(dc), releaseTo_(releaseTo), bitmaps_(bitmaps) {
  if (origin.x != 0 || origin.y != 0) {
    moved_ = SetViewportOrgEx(dc_, origin.x, origin.y, &previousOrigin_) != 0;
  }
}

Win32Canvas::~Win32Canvas() {
  // Objects must leave the DC before they are deleted, and the DC is released last.
  while (!pens_.empty()) Pop(pens_);
  while (!brushes_.empty()) Pop(brushes_);
  if (moved_) SetViewportOrgEx(dc_, previousOrigin_.x, previousOrigin_.y, nullptr);
  if (releaseTo_ && dc_) ReleaseDC(releaseTo_, dc_);
}

CanvasRef Win32Canvas::Ref() { return reinterpret_cast<CanvasRef>(dc_); }

Colour Win32Canvas::WindowColour() { return GetSysColor(COLOR_WINDOW); }

void Win32Canvas::FillRect(const PixelRect& rect, Colour colour) {
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  if (HGDIOBJ kept = Inks().Find(InkTable::kBrush, colour, 0)) {
    ::FillRect(dc_, &r, static_cast<HBRUSH>(kept));
    return;
  }
  GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  if (brush) ::FillRect(dc_, &r, brush.Get());
}

void Win32Canvas::Push(std::vector<Selection>& stack, HGDIOBJ kept, HGDIOBJ made) {
  HGDIOBJ object = kept ? kept : made;
  HGDIOBJ previous = object ? SelectObject(dc_, object) : nullptr;
  if (previous == HGDI_ERROR) previous = nullptr;
  stack.push_back({GdiObject<HGDIOBJ>(made), previous});
}

void Win32Canvas::Pop(std::vector<Selection>& stack) {
  if (stack.empty()) return;
  if (stack.back().previous) SelectObject(dc_, stack.back().previous);
  stack.pop_back();  // deletes the object, now out of the DC
}

void Win32Canvas::PushPen(Colour colour, int width) {
  HGDIOBJ kept = Inks().Find(InkTable::kPen, colour, width);
  Push(pens_, kept, kept ? nullptr : CreatePen(PS_SOLID, width, colour));
}

void Win32Canvas::PopPen() { Pop(pens_); }

void Win32Canvas::PushBrush(Colour colour) {
  HGDIOBJ kept = Inks().Find(InkTable::kBrush, colour, 0);
  Push(brushes_, kept, kept ? nullptr : CreateSolidBrush(colour));
}

void Win32Canvas::PopBrush() { Pop(brushes_); }

void Win32Canvas::MoveTo(int32_t x, int32_t y) { MoveToEx(dc_, x, y, nullptr); }

void Win32Canvas::LineTo(int32_t x, int32_t y) { ::LineTo(dc_, x, y); }

void Win32Canvas::Rectangle(const PixelRect& rect) {
  ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

HBITMAP Win32Canvas::Bitmap(GraphBitmap bitmap) const {
  if (!bitmaps_) return nullptr;
  switch (bitmap) {
    case GraphBitmap::kLegend: return bitmaps_->graphic.Get();
    case GraphBitmap::kUpArrow: return bitmaps_->upArrow.Get();
    case GraphBitmap::kRightArrow: return bitmaps_->rightArrow.Get();
    case GraphBitmap::kDefaultAxes: return bitmaps_->defaultAxes.Get();
    case GraphBitmap::kUpArrowPressed: return bitmaps_->upArrowDps.Get();
    case GraphBitmap::kRightArrowPressed: return bitmaps_->rightArrowDps.Get();
    case GraphBitmap::kDefaultAxesPressed: return bitmaps_->defaultAxesDps.Get();
  }
  return nullptr;
}

bool Win32Canvas::DrawBitmap(GraphBitmap bitmap, int width, int height, int x, int y) {
  HBITMAP picture = Bitmap(bitmap);
  if (!picture) return false;
  MemoryDC memory(dc_);
  if (!memory.Get()) return false;
  ScopedSelect select(memory.Get(), picture);
  if (!select.Ok()) return false;
  BitBlt(dc_, x, y, width, height, memory.Get(), 0, 0, SRCCOPY);
  return true;
}
