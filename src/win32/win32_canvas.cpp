// Canvas over a device context: each call is one or two GDI calls.
#include "win32/win32_canvas.h"

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
  GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  if (brush) ::FillRect(dc_, &r, brush.Get());
}

void Win32Canvas::Push(std::vector<Selection>& stack, HGDIOBJ object) {
  HGDIOBJ previous = object ? SelectObject(dc_, object) : nullptr;
  if (previous == HGDI_ERROR) previous = nullptr;
  stack.push_back({GdiObject<HGDIOBJ>(object), previous});
}

void Win32Canvas::Pop(std::vector<Selection>& stack) {
  if (stack.empty()) return;
  if (stack.back().previous) SelectObject(dc_, stack.back().previous);
  stack.pop_back();  // deletes the object, now out of the DC
}

void Win32Canvas::PushPen(Colour colour, int width) {
  Push(pens_, CreatePen(PS_SOLID, width, colour));
}

void Win32Canvas::PopPen() { Pop(pens_); }

void Win32Canvas::PushBrush(Colour colour) { Push(brushes_, CreateSolidBrush(colour)); }

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
