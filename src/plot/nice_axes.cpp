#include "plot/nice_axes.h"

#include <algorithm>
#include <cmath>

#include "plot/axes.h"
#include "plot/pixel_units.h"

namespace quorvel {

namespace {

constexpr double kMajorTickPixels = 6;
constexpr double kMinorTickPixels = 3;
constexpr double kTextGapPixels = 3;  // between an axis (or a tick) and its labels

float asFloat(double v) { return static_cast<float>(v); }

// User units of one pixel to the right and one pixel up (negative when the user scale
// runs the other way).
struct PixelStep {
  double right = 0;
  double up = 0;
};
PixelStep pixelStep(const Surface& canvas) {
  PixelStep s;
  if (canvas.AreaWidthPixels() > 0) s.right = canvas.ScaleWidth() / canvas.AreaWidthPixels();
  if (canvas.AreaHeightPixels() > 0) s.up = -canvas.ScaleHeight() / canvas.AreaHeightPixels();
  return s;
}

}  // namespace

AxisTicks niceTicksOn(const Surface& canvas, const ViewState& view, bool piTicks) {
  const double across = canvas.ScaleWidth() != 0
                            ? std::fabs(canvas.AreaWidthPixels() / double{canvas.ScaleWidth()})
                            : 0;
  const double up = canvas.ScaleHeight() != 0
                        ? std::fabs(canvas.AreaHeightPixels() / double{canvas.ScaleHeight()})
                        : 0;
  const TextMeasure measure{
      [&canvas](const std::string& text) { return canvas.TextWidthPixels(text); },
      canvas.TextHeightPixels()};
  return niceTicks(view, across, up, piTicks, measure);
}

std::vector<PlacedText> drawNiceAxes(Surface& canvas, const ViewState& view,
                                     const AxisTicks& ticks) {
  const int penWidth = canvas.DrawWidth();
  canvas.setDrawWidth(1);
  canvas.Line(asFloat(view.viewLeft), 0, asFloat(view.viewRight), 0);
  canvas.Line(0, asFloat(view.viewBottom), 0, asFloat(view.viewTop));
  const PixelStep pixel = pixelStep(canvas);
  for (const Tick& tick : ticks.x) {
    const double length = tick.major() ? kMajorTickPixels : kMinorTickPixels;
    canvas.Line(asFloat(tick.at), 0, asFloat(tick.at), asFloat(length * pixel.up));
  }
  for (const Tick& tick : ticks.y) {
    const double length = tick.major() ? kMajorTickPixels : kMinorTickPixels;
    canvas.Line(0, asFloat(tick.at), asFloat(length * pixel.right), asFloat(tick.at));
  }
  canvas.setDrawWidth(penWidth);

  const double height = canvas.TextHeightPixels();
  const PixelPoint origin = canvas.toPixels(0, 0);
  // Below the x axis when the labels have room there, else above its ticks.
  const bool below = origin.row + kTextGapPixels + height <= canvas.AreaHeightPixels();
  const double xTop =
      below ? origin.row + kTextGapPixels : origin.row - kMajorTickPixels - kTextGapPixels - height;
  double widestY = 0;
  for (const Tick& tick : ticks.y) {
    if (tick.major()) widestY = std::max(widestY, canvas.TextWidthPixels(tick.label));
  }
  // Left of the y axis when the widest label has room there, else right of its ticks.
  const bool left = origin.column - kTextGapPixels - widestY >= 0;

  std::vector<PlacedText> labels;
  const double oWidth = canvas.TextWidthPixels("O");
  const double oLeft =
      left ? origin.column - kTextGapPixels - oWidth : origin.column + kTextGapPixels;
  const double oTop = below ? origin.row + kTextGapPixels : origin.row - kTextGapPixels - height;
  labels.push_back({{oLeft, oTop, oLeft + oWidth, oTop + height}, "O"});
  for (const Tick& tick : ticks.x) {
    if (!tick.major()) continue;
    const double width = canvas.TextWidthPixels(tick.label);
    const double column = canvas.toPixels(asFloat(tick.at), 0).column - width / 2;
    labels.push_back({{column, xTop, column + width, xTop + height}, tick.label});
  }
  for (const Tick& tick : ticks.y) {
    if (!tick.major()) continue;
    const double width = canvas.TextWidthPixels(tick.label);
    const double row = canvas.toPixels(0, asFloat(tick.at)).row - height / 2;
    const double column = left ? origin.column - kTextGapPixels - width
                               : origin.column + kMajorTickPixels + kTextGapPixels;
    labels.push_back({{column, row, column + width, row + height}, tick.label});
  }
  return labels;
}

void drawNiceGrid(Surface& canvas, const ViewState& view, const AxisTicks& ticks) {
  const std::int32_t colour = canvas.ForeColor();
  const int width = canvas.DrawWidth();
  canvas.setForeColor(kGridColour);
  canvas.setDrawWidth(1);
  for (const Tick& tick : ticks.x) {
    if (tick.major()) {
      canvas.Line(asFloat(tick.at), asFloat(view.viewBottom), asFloat(tick.at),
                  asFloat(view.viewTop));
    }
  }
  for (const Tick& tick : ticks.y) {
    if (tick.major()) {
      canvas.Line(asFloat(view.viewLeft), asFloat(tick.at), asFloat(view.viewRight),
                  asFloat(tick.at));
    }
  }
  canvas.setForeColor(colour);
  canvas.setDrawWidth(width);
}

void printFitting(Surface& canvas, LabelSpace& space, const std::vector<PlacedText>& texts) {
  for (const PlacedText& t : texts) {
    if (!space.fits(t.box)) continue;
    printAtPixel(canvas, t.box.left, t.box.top, t.text);
    space.take(t.box);
  }
}

}  // namespace quorvel
