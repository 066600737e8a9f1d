// The six exports of chartaxis.dll: handles in a table, measuring and drawing with the
// caller's device context. Exceptions (an allocation failure) never cross into the host.
#include "chartaxis.h"

#include <cstdint>
#include <mutex>
#include <string_view>

#include "chartaxis/core/axes_layout.h"
#include "chartaxis/core/axes_table.h"
#include "no_throw.h"
#include "win32/gdi_object.h"

namespace {

using chartaxis::AxesState;

// Measures with the DC's current font.
class DcTextMeasure final : public chartaxis::TextMeasure {
 public:
  explicit DcTextMeasure(HDC dc) : dc_(dc) {
    TEXTMETRICA metrics{};
    if (dc && GetTextMetricsA(dc, &metrics)) height_ = metrics.tmHeight;
  }
  int Width(std::string_view text) const override {
    SIZE size{};
    const int length = static_cast<int>(text.size());
    return GetTextExtentPoint32A(dc_, text.data(), length, &size) ? size.cx : 0;
  }
  int Height() const override { return height_; }

 private:
  HDC dc_;
  int height_ = 0;
};

struct Library {
  std::mutex lock;
  chartaxis::AxesTable table;
};

Library& Lib() {
  static Library library;
  return library;
}

uint32_t ToId(HAXES axes) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(axes)); }

HAXES ToHandle(uint32_t id) { return reinterpret_cast<HAXES>(static_cast<uintptr_t>(id)); }

std::string_view Label(const char* text) {
  return text ? std::string_view(text) : std::string_view();
}

template <class Body>
int32_t WithAxes(HAXES axes, Body&& body) noexcept {
  return NoThrow(int32_t{0}, [&] {
    Library& lib = Lib();
    std::lock_guard<std::mutex> guard(lib.lock);
    AxesState* state = lib.table.Find(ToId(axes));
    return state ? body(*state) : 0;
  });
}

void Draw(HDC dc, const chartaxis::AxesDrawing& drawing) {
  COLORREF ink = GetTextColor(dc);
  if (ink == CLR_INVALID) ink = RGB(0, 0, 0);
  {
    // Without a pen of its own the lines go in the DC's current one.
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ink));
    const ScopedSelect selected(dc, pen.Get());
    POINT previousPosition{};
    MoveToEx(dc, 0, 0, &previousPosition);
    for (const chartaxis::Segment& line : drawing.lines) {
      MoveToEx(dc, line.x1, line.y1, nullptr);
      LineTo(dc, line.x2, line.y2);
    }
    MoveToEx(dc, previousPosition.x, previousPosition.y, nullptr);
  }
  for (const chartaxis::TextAt& text : drawing.texts) {
    TextOutA(dc, text.x, text.y, text.text.data(), static_cast<int>(text.text.size()));
  }
}

}  // namespace

CHARTAXIS_API HAXES WINAPI AxsCreate(int32_t horizontal, int32_t vertical, int32_t ticks,
                                     int32_t numbers) {
  return NoThrow(HAXES{}, [&] {
    Library& lib = Lib();
    std::lock_guard<std::mutex> guard(lib.lock);
    return ToHandle(lib.table.Create(horizontal != 0, vertical != 0, ticks != 0, numbers != 0));
  });
}

CHARTAXIS_API int32_t WINAPI AxsGetBorder(HDC dc, RECT* margins, const char* horizontalLabel,
                                          const char* verticalLabel, int32_t /*reserved*/) {
  if (!margins) return 0;
  *margins = RECT{};
  return NoThrow(int32_t{0}, [&] {
    const DcTextMeasure measure(dc);
    if (measure.Height() <= 0) return 0;
    const chartaxis::Box box =
        chartaxis::MeasureMargins(measure, Label(horizontalLabel), Label(verticalLabel));
    *margins = RECT{box.left, box.top, box.right, box.bottom};
    return measure.Height();
  });
}

CHARTAXIS_API int32_t WINAPI AxsPositionAxis(HAXES axes, int32_t /*reserved1*/,
                                             int32_t /*reserved2*/, AxisPlacement placement) {
  return WithAxes(
      axes, [&](AxesState& state) { return chartaxis::PositionAxes(state, placement) ? 1 : 0; });
}

CHARTAXIS_API int32_t WINAPI AxsSetAxisRange(HAXES axes, const AxisRange* range, int32_t axis) {
  if (!range) return 0;
  return WithAxes(
      axes, [&](AxesState& state) { return chartaxis::SetAxisSpan(state, *range, axis) ? 1 : 0; });
}

CHARTAXIS_API int32_t WINAPI AxsDisplayDefaultAxes(HDC dc, HAXES axes, const char* horizontalLabel,
                                                   int32_t /*horizontalStyle*/,
                                                   const char* verticalLabel,
                                                   int32_t /*verticalStyle*/) {
  return WithAxes(axes, [&](AxesState& state) {
    if (!state.positioned) return 0;
    const DcTextMeasure measure(dc);
    if (measure.Height() <= 0) return 0;
    Draw(dc, chartaxis::LayoutAxes(state, measure, Label(horizontalLabel), Label(verticalLabel)));
    return 1;
  });
}

CHARTAXIS_API int32_t WINAPI AxsDelete(HAXES axes) {
  return WithAxes(axes, [&](AxesState&) { return Lib().table.Delete(ToId(axes)) ? 1 : 0; });
}
