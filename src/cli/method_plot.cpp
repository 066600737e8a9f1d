// Drawing the ramps as SVG, with the tick placement of the host's chart-axis library.
#include "cli/method_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "chartaxis/core/axis_ticks.h"
#include "cli/ramp_view.h"

namespace method_tool {

namespace {

constexpr int kWidth = 760;
constexpr int kLeft = 90, kRight = 20, kTop = 40, kBottom = 50;
constexpr int kPanelHeight = 180, kPanelGap = 24;
constexpr const char* kColours[] = {"#c0392b", "#1f6fb2", "#2e8b57"};

// Tick labels in a 12-pixel sans-serif font: wide enough an estimate for digits.
class SvgTextMeasure : public chartaxis::TextMeasure {
 public:
  int Width(std::string_view text) const override { return 7 * static_cast<int>(text.size()); }
  int Height() const override { return 14; }
};

// A value range mapped onto pixels. Halves keep the span finite for the largest doubles.
struct Scale {
  double low, high;
  int pixelLow, pixelHigh;
  double Pixel(double v) const {
    return pixelLow + (v / 2 - low / 2) / (high / 2 - low / 2) * (pixelHigh - pixelLow);
  }
};

// The finite values' range, widened to take 0 and never empty.
Scale ScaleOf(const std::vector<double>& values, int pixelLow, int pixelHigh) {
  double low = 0.0, high = 0.0;
  for (double v : values) {
    if (!std::isfinite(v)) continue;
    low = std::min(low, v);
    high = std::max(high, v);
  }
  if (!(high > low)) high = low + 1.0;
  return {low, high, pixelLow, pixelHigh};
}

std::string Num(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return text;
}

// The length of the UTF-8 character at `at`, or 0 when the bytes there are not one (cut
// short, overlong, a surrogate, beyond U+10FFFF) or are one that XML 1.0 cannot hold.
std::size_t XmlCharLength(const std::string& text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
  const std::size_t length = (lead >> 5) == 0x6    ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
  if (length == 0 || at + length > text.size()) return 0;
  char32_t code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = code << 6 | (next & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool ok = code >= kLeast[length] && code <= 0x10FFFF &&
                  !(code >= 0xD800 && code <= 0xDFFF) && code != 0xFFFE && code != 0xFFFF;
  return ok ? length : 0;
}

std::string Line(double x1, double y1, double x2, double y2, const char* style) {
  return "<line x1=\"" + Num(x1) + "\" y1=\"" + Num(y1) + "\" x2=\"" + Num(x2) + "\" y2=\"" +
         Num(y2) + "\" " + style + "/>\n";
}

std::string Text(double x, double y, const char* anchor, const std::string& text,
                 const std::string& extra = "") {
  return "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" text-anchor=\"" + anchor + "\"" + extra +
         ">" + XmlEscaped(text) + "</text>\n";
}

// Each row in use: reached at its start, held to its end; the ramp lines join them.
std::vector<std::pair<double, double>> RampPoints(const RampView& ramp) {
  std::vector<std::pair<double, double>> points;
  for (int k = 0; k < ramp.inUse; ++k) {
    const RampStep& row = ramp.rows[k];
    points.push_back({row.start, row.level});
    points.push_back({row.start + row.hold, row.level});
  }
  return points;
}

std::string Panel(const RampView& ramp, const Scale& time, int top, const char* colour) {
  std::vector<double> levels;
  for (const auto& point : RampPoints(ramp)) levels.push_back(point.second);
  const Scale value = ScaleOf(levels, top + kPanelHeight, top);
  const SvgTextMeasure measure;
  std::string svg = "<g class=\"panel\">\n";
  svg += Line(kLeft, top, kLeft, top + kPanelHeight, "stroke=\"black\"");
  svg += Line(kLeft, top + kPanelHeight, kWidth - kRight, top + kPanelHeight, "stroke=\"black\"");
  for (const chartaxis::Tick& tick :
       chartaxis::PlaceTicks(value.low, value.high, value.pixelLow, value.pixelHigh,
                             chartaxis::AxisDirection::kVertical, measure)) {
    svg += Line(kLeft - 5, tick.pixel, kLeft, tick.pixel, "stroke=\"black\"");
    svg += Text(kLeft - 8, tick.pixel + 4, "end", tick.text);
  }
  for (const chartaxis::Tick& tick :
       chartaxis::PlaceTicks(time.low, time.high, time.pixelLow, time.pixelHigh,
                             chartaxis::AxisDirection::kHorizontal, measure)) {
    svg += Line(tick.pixel, top, tick.pixel, top + kPanelHeight, "stroke=\"#dddddd\"");
  }
  const double labelY = top + kPanelHeight / 2.0;
  svg += Text(24, labelY, "middle", ramp.name + " (" + ramp.levelUnit + ")",
              " transform=\"rotate(-90 24 " + Num(labelY) + ")\"");
  std::string path;
  for (const auto& [t, v] : RampPoints(ramp)) {
    const double x = time.Pixel(t), y = value.Pixel(v);
    if (!std::isfinite(x) || !std::isfinite(y)) continue;
    path += (path.empty() ? "M" : " L") + Num(x) + " " + Num(y);
  }
  svg += "<path class=\"ramp\" fill=\"none\" stroke=\"" + std::string(colour) +
         "\" stroke-width=\"2\" d=\"" + path + "\"/>\n</g>\n";
  return svg;
}

}  // namespace

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = XmlCharLength(text, at);
    switch (length == 0 ? '\0' : text[at]) {
      case '\0': out += "\xEF\xBF\xBD"; break;
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out.append(text, at, length);
    }
    at += std::max<std::size_t>(length, 1);
  }
  return out;
}

std::string PlotSvg(const InletMethod& m, const std::string& title) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + PlotSvgElement(m, title);
}

std::string PlotSvgElement(const InletMethod& m, const std::string& title) {
  std::vector<RampView> ramps = {OvenRampView(m)};
  for (int c = 0; c < 2; ++c) {
    const int r = UlvoRampInUse(m.ulvo[c]);
    if (r >= 0) ramps.push_back(UlvoRampView(m, c, r));
  }
  std::vector<double> times;
  for (const RampView& ramp : ramps) {
    for (const auto& point : RampPoints(ramp)) times.push_back(point.first);
  }
  const Scale time = ScaleOf(times, kLeft, kWidth - kRight);
  const int count = static_cast<int>(ramps.size());
  const int axisY = kTop + count * kPanelHeight + (count - 1) * kPanelGap;
  const int height = axisY + kBottom;

  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kWidth) +
                    "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
                    std::to_string(kWidth) + " " + std::to_string(height) +
                    "\" font-family=\"sans-serif\" font-size=\"12\">\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  svg += Text(kWidth / 2.0, 24, "middle", title, " font-size=\"14\"");
  for (int i = 0; i < count; ++i) {
    svg += Panel(ramps[i], time, kTop + i * (kPanelHeight + kPanelGap), kColours[std::min(i, 2)]);
  }
  const SvgTextMeasure measure;
  for (const chartaxis::Tick& tick :
       chartaxis::PlaceTicks(time.low, time.high, time.pixelLow, time.pixelHigh,
                             chartaxis::AxisDirection::kHorizontal, measure)) {
    svg += Line(tick.pixel, axisY, tick.pixel, axisY + 5, "stroke=\"black\"");
    svg += Text(tick.pixel, axisY + 18, "middle", tick.text);
  }
  svg += Text((kLeft + kWidth - kRight) / 2.0, axisY + 40, "middle", "Time (min)");
  svg += "</svg>\n";
  return svg;
}

}  // namespace method_tool
