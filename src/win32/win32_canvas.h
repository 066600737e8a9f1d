// Canvas over a device context: a control's DC from GetDC (released with the canvas) or
// one that Windows lends for an owner-draw request.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/canvas.h"
#include "win32/graph_window_record.h"
#include "win32/gdi_object.h"

class Win32Canvas final : public Canvas {
 public:
  // Draws into `dc`. With `releaseTo` set, the DC came from GetDC(releaseTo) and is
  // released when the canvas goes. `bitmaps` may be null (no picture can be drawn).
  // `origin` moves the canvas's (0, 0) to that point of the DC until the canvas goes.
  Win32Canvas(HDC dc, HWND releaseTo, const EditorBitmaps* bitmaps, POINT origin = {0, 0});
  ~Win32Canvas() override;
  Win32Canvas(const Win32Canvas&) = delete;
  Win32Canvas& operator=(const Win32Canvas&) = delete;

  CanvasRef Ref() override;
  Colour WindowColour() override;
  void FillRect(const PixelRect& rect, Colour colour) override;
  void PushPen(Colour colour, int width) override;
  void PopPen() override;
  void PushBrush(Colour colour) override;
  void PopBrush() override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Rectangle(const PixelRect& rect) override;
  bool DrawBitmap(GraphBitmap bitmap, int width, int height, int x, int y) override;

 private:
  // An object made for this canvas and the one it replaced in the DC.
  struct Selection {
    GdiObject<HGDIOBJ> object;
    HGDIOBJ previous;
  };
  void Push(std::vector<Selection>& stack, HGDIOBJ object);
  void Pop(std::vector<Selection>& stack);
  HBITMAP Bitmap(GraphBitmap bitmap) const;

  HDC dc_;
  HWND releaseTo_;
  POINT previousOrigin_{0, 0};
  bool moved_ = false;
  const EditorBitmaps* bitmaps_;
  std::vector<Selection> pens_;
  std::vector<Selection> brushes_;
};

inline HDC ToHdc(CanvasRef ref) { return reinterpret_cast<HDC>(ref); }
