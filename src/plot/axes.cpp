#include "plot/axes.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <numeric>
#include <string>

#include "eval/number_text.h"
#include "eval/single_math.h"

namespace quorvel {

namespace {

constexpr std::int32_t kTickSpacing = 500;  // view units, whatever the scale
constexpr double kLabelGapPixels = 4;       // between a measured y label and the y axis

// The scale the labels divide by: the slider allows 0, which is shown as 1.
std::int64_t labelScale(std::int32_t zoomScale) { return zoomScale == 0 ? 1 : zoomScale; }

// round(Width) \ 100: the tick length from the surface's outer size in twips.
std::int64_t tickLength(float twips) {
  return static_cast<std::int64_t>(roundHalfEven(static_cast<double>(twips))) / 100;
}

float asFloat(std::int64_t v) { return static_cast<float>(v); }

// The multiple of the tick spacing at an edge, truncated toward zero.
std::int64_t firstTick(std::int32_t edge) {
  return kTickSpacing * static_cast<std::int64_t>(edge / kTickSpacing);
}

// User units that `dx`, `dy` pixels of the drawing area span (signed as the scale is).
struct UserStep {
  double x = 0;
  double y = 0;
};
UserStep userPerPixel(const Surface& canvas) {
  UserStep s;
  if (canvas.AreaWidthPixels() > 0) s.x = canvas.ScaleWidth() / canvas.AreaWidthPixels();
  if (canvas.AreaHeightPixels() > 0) s.y = canvas.ScaleHeight() / canvas.AreaHeightPixels();
  return s;
}

// One tick of the x axis: where it is and its label.
struct XTick {
  float at = 0;
  std::string label;
};

// The π ticks inside the view, 0 left out.
template <class Visit>
void forEachPiTick(const ViewState& view, Visit visit) {
  const PiSpacing spacing = piSpacing(view.zoomScale);
  const auto first = static_cast<std::int64_t>(std::ceil(view.viewLeft / spacing.viewUnits));
  const auto last = static_cast<std::int64_t>(std::floor(view.viewRight / spacing.viewUnits));
  for (std::int64_t k = first; k <= last; ++k) {
    if (k == 0) continue;
    visit(
        XTick{static_cast<float>(static_cast<double>(k) * spacing.viewUnits), piLabel(k, spacing)});
  }
}

void printAt(Surface& canvas, float x, float y, const std::string& text,
             std::vector<PixelBox>* boxes) {
  canvas.setCurrentX(x);
  canvas.setCurrentY(y);
  canvas.Print(text);
  if (boxes != nullptr) boxes->push_back(textBox(canvas, x, y, text));
}

}  // namespace

std::string tickLabel(std::int32_t i, std::int32_t zoomScale) {
  const std::int64_t scale = labelScale(zoomScale);
  const std::int64_t q = static_cast<std::int64_t>(i) / scale;
  const auto n = static_cast<int>(std::to_string(q).size());  // the sign counts
  // Fewer decimals as the integer part grows: 1000 for one character down to 1 for
  // four; from five characters on the label is a whole number.
  const auto p = static_cast<std::int64_t>(roundHalfEven(std::pow(10.0, 4 - n)));
  const double value = static_cast<double>(i) / static_cast<double>(scale);
  if (p != 0) {
    const double decimals = static_cast<double>(p);
    return doubleText(roundHalfEven(value * decimals) / decimals);
  }
  return std::to_string(static_cast<std::int64_t>(roundHalfEven(value)));
}

PiSpacing piSpacing(std::int32_t zoomScale) {
  const std::int64_t scale = labelScale(zoomScale);
  PiSpacing s;
  s.viewUnits = std::numbers::pi / 2 * static_cast<double>(scale < 0 ? -scale : scale);
  // The scale lies between 1 and 2^31: a few dozen doublings or halvings at most.
  while (s.viewUnits < kTickSpacing) {
    s.viewUnits *= 2;
    s.numerator *= 2;
  }
  while (s.viewUnits >= 2 * kTickSpacing) {
    s.viewUnits /= 2;
    s.denominator *= 2;
  }
  return s;
}

std::string piLabel(std::int64_t k, const PiSpacing& spacing) {
  // k × numerator / denominator halves of π, as a reduced fraction of π.
  std::int64_t top = k * spacing.numerator;
  std::int64_t bottom = 2 * spacing.denominator;
  const std::int64_t common = std::gcd(top, bottom);
  if (common != 0) {
    top /= common;
    bottom /= common;
  }
  std::string text = top < 0 ? "-" : "";
  const std::int64_t size = top < 0 ? -top : top;
  if (size != 1) text += std::to_string(size);
  text += "π";
  if (bottom != 1) text += "/" + std::to_string(bottom);
  return text;
}

PixelBox textBox(const Surface& canvas, float x, float y, const std::string& text) {
  const PixelPoint p = canvas.toPixels(x, y);
  return {p.column, p.row, p.column + canvas.TextWidthPixels(text),
          p.row + canvas.TextHeightPixels()};
}

void coordinate(Surface& canvas, const ViewState& view) {
  coordinate(canvas, view, PictureStyle{}, nullptr);
}

void coordinate(Surface& canvas, const ViewState& view, const PictureStyle& style,
                std::vector<PixelBox>* labelBoxes) {
  canvas.Line(asFloat(view.viewLeft), 0, asFloat(view.viewRight), 0);
  canvas.Line(0, asFloat(view.viewBottom), 0, asFloat(view.viewTop));

  const std::int64_t tickW = tickLength(canvas.Width());
  const std::int64_t tickH = tickLength(canvas.Height());
  // The picture box's labels sit at fixed offsets; other labels are measured.
  const bool measureX = style.piTicks || style.labelPoints != kDefaultLabelPoints;
  const bool measureY = style.labelPoints != kDefaultLabelPoints;
  const UserStep perPixel = userPerPixel(canvas);

  auto xTick = [&](const XTick& tick, float fixedLeft) {
    canvas.Line(tick.at, 0, tick.at, asFloat(tickW));
    const float left =
        measureX ? static_cast<float>(tick.at - canvas.TextWidthPixels(tick.label) / 2 * perPixel.x)
                 : fixedLeft;
    printAt(canvas, left, asFloat(-tickW), tick.label, labelBoxes);
  };
  if (style.piTicks) {
    forEachPiTick(view, [&](const XTick& tick) { xTick(tick, tick.at); });
  } else {
    // The bounds are truncated toward zero, so the outer ticks stay inside the view
    // when the axis crosses it. Every tick lies between two 32-bit extents.
    const std::int64_t xLast = firstTick(view.viewRight);
    for (std::int64_t i = firstTick(view.viewLeft); i <= xLast; i += kTickSpacing) {
      if (i == 0) continue;
      xTick(XTick{asFloat(i), tickLabel(static_cast<std::int32_t>(i), view.zoomScale)},
            asFloat(i - tickW));
    }
  }

  const std::int64_t yLast = firstTick(view.viewTop);
  for (std::int64_t i = firstTick(view.viewBottom); i <= yLast; i += kTickSpacing) {
    if (i == 0) continue;
    canvas.Line(0, asFloat(i), asFloat(tickH), asFloat(i));
    const std::string label = tickLabel(static_cast<std::int32_t>(i), view.zoomScale);
    if (measureY) {
      // Right of the label a small gap before the axis, the label's middle on the tick.
      const double width = canvas.TextWidthPixels(label) + kLabelGapPixels;
      const double halfHeight = canvas.TextHeightPixels() / 2;
      printAt(canvas, static_cast<float>(-width * perPixel.x),
              static_cast<float>(static_cast<double>(i) - halfHeight * perPixel.y), label,
              labelBoxes);
    } else {
      // Labels of the y axis start a fixed 500 units left of it, whatever their width.
      printAt(canvas, -static_cast<float>(kTickSpacing), asFloat(i), label, labelBoxes);
    }
  }

  printAt(canvas, asFloat(tickW), asFloat(-tickH), "O", labelBoxes);
}

void drawGrid(Surface& canvas, const ViewState& view, const PictureStyle& style) {
  const std::int32_t colour = canvas.ForeColor();
  const int width = canvas.DrawWidth();
  canvas.setForeColor(kGridColour);
  canvas.setDrawWidth(1);
  const float bottom = asFloat(view.viewBottom);
  const float top = asFloat(view.viewTop);
  const float left = asFloat(view.viewLeft);
  const float right = asFloat(view.viewRight);
  if (style.piTicks) {
    forEachPiTick(view, [&](const XTick& tick) { canvas.Line(tick.at, bottom, tick.at, top); });
  } else {
    const std::int64_t xLast = firstTick(view.viewRight);
    for (std::int64_t i = firstTick(view.viewLeft); i <= xLast; i += kTickSpacing) {
      if (i != 0) canvas.Line(asFloat(i), bottom, asFloat(i), top);
    }
  }
  const std::int64_t yLast = firstTick(view.viewTop);
  for (std::int64_t i = firstTick(view.viewBottom); i <= yLast; i += kTickSpacing) {
    if (i != 0) canvas.Line(left, asFloat(i), right, asFloat(i));
  }
  canvas.setForeColor(colour);
  canvas.setDrawWidth(width);
}

}  // namespace quorvel
