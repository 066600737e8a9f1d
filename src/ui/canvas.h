// What the graphs draw with: the small part of GDI they use, over one device context.
// Pens and brushes are made when pushed and deleted when popped, so none outlives the
// call that draws; ScopedPen and ScopedBrush pair the two.
#pragma once

#include <cstdint>

// A colour as the platform stores it: 0x00BBGGRR.
using Colour = uint32_t;
constexpr Colour MakeColour(uint8_t red, uint8_t green, uint8_t blue) {
  return Colour{red} | Colour{green} << 8 | Colour{blue} << 16;
}

// Pixels of a control's client area; right and bottom are exclusive.
struct PixelRect {
  int32_t left, top, right, bottom;
};

// The native drawing surface behind a canvas, opaque to the portable code, so that it
// can be handed to the host's chart-axis library.
using CanvasRef = std::uintptr_t;

// The pictures a graph window owns (loaded with the window, deleted with it).
enum class GraphBitmap {
  kLegend,
  kUpArrow,
  kRightArrow,
  kDefaultAxes,
  kUpArrowPressed,
  kRightArrowPressed,
  kDefaultAxesPressed,
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual CanvasRef Ref() = 0;
  virtual Colour WindowColour() = 0;  // the system's window background

  // Fills with a solid brush made and deleted within the call.
  virtual void FillRect(const PixelRect& rect, Colour colour) = 0;
  // A solid pen (brush) becomes current until the matching pop, which restores the one
  // before and deletes it.
  virtual void PushPen(Colour colour, int width) = 0;
  virtual void PopPen() = 0;
  virtual void PushBrush(Colour colour) = 0;
  virtual void PopBrush() = 0;
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  virtual void LineTo(int32_t x, int32_t y) = 0;  // the end point itself is not drawn
  // Outline in the current pen, inside in the current brush.
  virtual void Rectangle(const PixelRect& rect) = 0;
  // Copies width x height pixels from the bitmap's top-left corner to (x, y). False,
  // with nothing drawn, when the bitmap is missing or cannot be selected.
  virtual bool DrawBitmap(GraphBitmap bitmap, int width, int height, int x, int y) = 0;
};

class ScopedPen {
 public:
  ScopedPen(Canvas& canvas, Colour colour, int width) : canvas_(canvas) {
    canvas_.PushPen(colour, width);
  }
  ~ScopedPen() { canvas_.PopPen(); }
  ScopedPen(const ScopedPen&) = delete;
  ScopedPen& operator=(const ScopedPen&) = delete;

 private:
  Canvas& canvas_;
};

class ScopedBrush {
 public:
  ScopedBrush(Canvas& canvas, Colour colour) : canvas_(canvas) { canvas_.PushBrush(colour); }
  ~ScopedBrush() { canvas_.PopBrush(); }
  ScopedBrush(const ScopedBrush&) = delete;
  ScopedBrush& operator=(const ScopedBrush&) = delete;

 private:
  Canvas& canvas_;
};
