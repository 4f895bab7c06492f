#include "plot/picture_texts.h"

#include <array>
#include <climits>

#include "plot/pixel_units.h"

namespace quorvel {

namespace {

constexpr double kNameGap = 3;         // between a curve's dot and its name
constexpr double kAnchorSpacing = 10;  // pixels along the curve between two tries
constexpr std::int32_t kLabelColour = 0;

bool insideArea(const Surface& canvas, const PixelPoint& p) {
  return p.column >= 0 && p.row >= 0 && p.column < canvas.AreaWidthPixels() &&
         p.row < canvas.AreaHeightPixels();
}

}  // namespace

PixelBox quietestLegendCorner(const Surface& canvas, const std::vector<LabelledCurve>& curves) {
  const std::array<PixelBox, 4> corners = legendCorners(canvas, curves);
  const PictureCells cells(canvas, curves, {}, false);
  PixelBox at = corners[0];
  int least = INT_MAX;
  for (const PixelBox& corner : corners) {
    const int covered = cells.covered(corner);
    if (covered < least) {
      least = covered;
      at = corner;
    }
  }
  return at;
}

std::optional<PixelBox> placeName(const Surface& canvas, const LabelSpace& space,
                                  const LabelledCurve& curve) {
  const double width = canvas.TextWidthPixels(curve.text);
  const double height = canvas.TextHeightPixels();
  std::optional<PixelBox> best;
  int least = INT_MAX;
  PixelPoint lastAnchor{-1e9, -1e9};
  // From the curve's end back: of the places crossed by nothing the one nearest the end
  // (a name at the right, as in a book, for the curves swept along x).
  for (auto d = curve.dots.rbegin(); d != curve.dots.rend(); ++d) {
    const PixelPoint p = canvas.toPixels(d->x, d->y);
    const double dx = p.column - lastAnchor.column, dy = p.row - lastAnchor.row;
    if (!insideArea(canvas, p) || dx * dx + dy * dy < kAnchorSpacing * kAnchorSpacing) continue;
    lastAnchor = p;
    const double right = p.column + kNameGap, left = p.column - kNameGap - width;
    const double below = p.row + kNameGap, above = p.row - kNameGap - height;
    for (const PixelBox& box : {PixelBox{right, above, right + width, above + height},
                                PixelBox{right, below, right + width, below + height},
                                PixelBox{left, above, left + width, above + height},
                                PixelBox{left, below, left + width, below + height}}) {
      if (!space.fits(box)) continue;
      const int crossed = space.crossings(box);
      if (crossed == 0) return box;
      if (crossed < least) {
        least = crossed;
        best = box;
      }
    }
  }
  return best;
}

void writePictureTexts(Surface& canvas, LabelSpace& space,
                       const std::vector<PlacedText>& axisLabels,
                       const std::vector<LabelledCurve>& curves, CurveLabels mode) {
  const std::int32_t colour = canvas.ForeColor();
  std::optional<PixelBox> legend;
  if (mode == CurveLabels::Legend && !curves.empty()) {
    legend = quietestLegendCorner(canvas, curves);
    space.take(*legend);
  }
  canvas.setForeColor(kLabelColour);
  printFitting(canvas, space, axisLabels);
  if (legend) drawLegendAt(canvas, curves, *legend);
  if (mode == CurveLabels::Beside) {
    for (const LabelledCurve& curve : curves) {
      if (curve.text.empty()) continue;
      const std::optional<PixelBox> box = placeName(canvas, space, curve);
      if (!box) continue;  // no free place: the name is left out rather than written over another
      canvas.setForeColor(curve.colour);
      printAtPixel(canvas, box->left, box->top, curve.text);
      space.take(*box);
    }
  }
  canvas.setForeColor(colour);
}

}  // namespace quorvel
