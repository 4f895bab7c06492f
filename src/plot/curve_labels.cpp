#include "plot/curve_labels.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstddef>

#include "plot/clip_segment.h"
#include "plot/pixel_units.h"

namespace quorvel {

namespace {

constexpr double kSmallestCell = 4;
constexpr double kMostCells = 4'000'000;  // a huge picture gets larger cells
constexpr double kGap = 3;                // between a curve's point and its text
constexpr double kAnchorSpacing = 10;     // pixels along the curve between two tries
constexpr int kOutOfPicture = INT_MAX / 4;
constexpr std::int32_t kLegendFrame = rgbOf(160, 160, 160);
constexpr std::int32_t kLegendPaper = rgbOf(255, 255, 255);
constexpr double kLegendPadding = 6;
constexpr double kLegendMargin = 8;   // between the legend and the picture's edge
constexpr double kSwatchLength = 20;  // the line before each text

bool insideArea(const Surface& canvas, const PixelPoint& p) {
  return p.column >= 0 && p.row >= 0 && p.column < canvas.AreaWidthPixels() &&
         p.row < canvas.AreaHeightPixels();
}

void drawBeside(Surface& canvas, const std::vector<LabelledCurve>& curves,
                const std::vector<PixelBox>& texts) {
  PictureCells cells(canvas, curves, texts);
  const double height = canvas.TextHeightPixels();
  for (const LabelledCurve& curve : curves) {
    if (curve.text.empty()) continue;
    LabelPlace place;
    if (!placeBeside(canvas, cells, curve, canvas.TextWidthPixels(curve.text), height, place)) {
      continue;  // the curve is not in the picture
    }
    canvas.setForeColor(curve.colour);
    printAtPixel(canvas, place.box.left, place.box.top, curve.text);
    cells.take(place.box);
  }
}

void drawLegend(Surface& canvas, const std::vector<LabelledCurve>& curves,
                const std::vector<PixelBox>& texts) {
  const std::array<PixelBox, 4> corners = legendCorners(canvas, curves);
  // The corners in the order of preference; the one that covers least wins.
  const PictureCells cells(canvas, curves, texts);
  PixelBox at = corners[0];
  int least = INT_MAX;
  for (const PixelBox& corner : corners) {
    const int covered = cells.covered(corner);
    if (covered < least) {
      least = covered;
      at = corner;
    }
  }
  drawLegendAt(canvas, curves, at);
}

}  // namespace

PictureCells::PictureCells(const Surface& canvas, const std::vector<LabelledCurve>& curves,
                           const std::vector<PixelBox>& texts, bool withAxes)
    : areaWidth_(canvas.AreaWidthPixels()), areaHeight_(canvas.AreaHeightPixels()) {
  cell_ = std::max(kSmallestCell, std::ceil(std::sqrt(areaWidth_ * areaHeight_ / kMostCells)));
  columns_ = static_cast<int>(std::ceil(areaWidth_ / cell_));
  rows_ = static_cast<int>(std::ceil(areaHeight_ / cell_));
  taken_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
  const ClipBox area{0, 0, areaWidth_, areaHeight_};
  for (const LabelledCurve& curve : curves) {
    for (const PlotDot& d : curve.dots) {
      const PixelPoint to = canvas.toPixels(d.x, d.y);
      if (!d.joined) {
        mark(to.column, to.row);
        continue;
      }
      const PixelPoint from = canvas.toPixels(d.fromX, d.fromY);
      double c0 = from.column, r0 = from.row, c1 = to.column, r1 = to.row;
      if (clipSegment(c0, r0, c1, r1, area)) markSegment(c0, r0, c1, r1);
    }
  }
  if (withAxes) {
    // The axes through the origin.
    const PixelPoint origin = canvas.toPixels(0, 0);
    markSegment(0, origin.row, areaWidth_, origin.row);
    markSegment(origin.column, 0, origin.column, areaHeight_);
  }
  for (const PixelBox& box : texts) take(box);
}

void PictureCells::mark(double column, double row) {
  if (!(column >= 0 && row >= 0 && column < areaWidth_ && row < areaHeight_)) return;
  const auto c = static_cast<std::size_t>(column / cell_);
  const auto r = static_cast<std::size_t>(row / cell_);
  if (c < static_cast<std::size_t>(columns_) && r < static_cast<std::size_t>(rows_)) {
    taken_[r * static_cast<std::size_t>(columns_) + c] = 1;
  }
}

void PictureCells::markSegment(double c0, double r0, double c1, double r1) {
  // Half a cell at a time: no cell the segment crosses is passed over. The segment
  // lies in the picture, so the steps are bounded by its diagonal.
  const double length = std::hypot(c1 - c0, r1 - r0);
  if (!std::isfinite(length)) return;
  const int steps = static_cast<int>(std::ceil(length / (cell_ / 2)));
  for (int i = 0; i <= steps; ++i) {
    const double f = steps == 0 ? 0 : static_cast<double>(i) / steps;
    mark(c0 + (c1 - c0) * f, r0 + (r1 - r0) * f);
  }
}

void PictureCells::take(const PixelBox& box) {
  const double left = std::max(0.0, box.left), top = std::max(0.0, box.top);
  const double right = std::min(areaWidth_, box.right), bottom = std::min(areaHeight_, box.bottom);
  for (double r = top; r < bottom; r += cell_ / 2) {
    for (double c = left; c < right; c += cell_ / 2) mark(c, r);
    mark(right - 0.5, r);
  }
  for (double c = left; c < right; c += cell_ / 2) mark(c, bottom - 0.5);
}

int PictureCells::covered(const PixelBox& box) const {
  if (box.left < 0 || box.top < 0 || box.right > areaWidth_ || box.bottom > areaHeight_) {
    return kOutOfPicture;
  }
  const int c0 = static_cast<int>(box.left / cell_);
  const int r0 = static_cast<int>(box.top / cell_);
  const int c1 = std::min(columns_ - 1, static_cast<int>((box.right - 1e-9) / cell_));
  const int r1 = std::min(rows_ - 1, static_cast<int>((box.bottom - 1e-9) / cell_));
  int count = 0;
  for (int r = r0; r <= r1; ++r) {
    for (int c = c0; c <= c1; ++c) {
      count += taken_[static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_) +
                      static_cast<std::size_t>(c)];
    }
  }
  return count;
}

bool placeBeside(const Surface& canvas, const PictureCells& cells, const LabelledCurve& curve,
                 double width, double height, LabelPlace& place) {
  // Tries along the curve from its end back to its start, so that of the places that
  // cover nothing the one nearest the end is taken (a label at the right, as in a
  // book, for the curves swept along x).
  bool found = false;
  PixelPoint lastAnchor{-1e9, -1e9};
  for (auto d = curve.dots.rbegin(); d != curve.dots.rend(); ++d) {
    const PixelPoint p = canvas.toPixels(d->x, d->y);
    if (!insideArea(canvas, p)) continue;
    if (std::hypot(p.column - lastAnchor.column, p.row - lastAnchor.row) < kAnchorSpacing) {
      continue;
    }
    lastAnchor = p;
    const std::array<PixelBox, 4> boxes = {
        PixelBox{p.column + kGap, p.row - kGap - height, p.column + kGap + width, p.row - kGap},
        PixelBox{p.column + kGap, p.row + kGap, p.column + kGap + width, p.row + kGap + height},
        PixelBox{p.column - kGap - width, p.row - kGap - height, p.column - kGap, p.row - kGap},
        PixelBox{p.column - kGap - width, p.row + kGap, p.column - kGap, p.row + kGap + height},
    };
    for (const PixelBox& box : boxes) {
      const int covered = cells.covered(box);
      if (!found || covered < place.covered) {
        found = true;
        place = LabelPlace{box, covered};
        if (covered == 0) return true;
      }
    }
  }
  return found;
}

std::array<PixelBox, 4> legendCorners(const Surface& canvas,
                                      const std::vector<LabelledCurve>& curves) {
  const double row = canvas.TextHeightPixels();
  double widest = 0;
  for (const LabelledCurve& curve : curves) {
    widest = std::max(widest, canvas.TextWidthPixels(curve.text));
  }
  const double width = 2 * kLegendPadding + kSwatchLength + kLegendPadding + widest;
  const double height = 2 * kLegendPadding + row * static_cast<double>(curves.size());
  const double right = canvas.AreaWidthPixels() - kLegendMargin - width;
  const double bottom = canvas.AreaHeightPixels() - kLegendMargin - height;
  auto at = [&](double left, double top) {
    return PixelBox{left, top, left + width, top + height};
  };
  return {at(right, kLegendMargin), at(kLegendMargin, kLegendMargin), at(right, bottom),
          at(kLegendMargin, bottom)};
}

void drawLegendAt(Surface& canvas, const std::vector<LabelledCurve>& curves, const PixelBox& box) {
  const double row = canvas.TextHeightPixels();
  const double x0 = box.left, y0 = box.top, x1 = box.right, y1 = box.bottom;
  const int penWidth = canvas.DrawWidth();
  // White paper under the legend: the curves it lies over do not run through it.
  canvas.setForeColor(kLegendPaper);
  const PixelPoint paperFrom = userOf(canvas, x0, y0);
  const PixelPoint paperTo = userOf(canvas, x1, y1);
  canvas.FillBox(static_cast<float>(paperFrom.column), static_cast<float>(paperFrom.row),
                 static_cast<float>(paperTo.column), static_cast<float>(paperTo.row));
  canvas.setDrawWidth(1);
  canvas.setForeColor(kLegendFrame);
  lineAtPixels(canvas, x0, y0, x1, y0);
  lineAtPixels(canvas, x1, y0, x1, y1);
  lineAtPixels(canvas, x1, y1, x0, y1);
  lineAtPixels(canvas, x0, y1, x0, y0);
  canvas.setDrawWidth(penWidth);
  double top = y0 + kLegendPadding;
  for (const LabelledCurve& curve : curves) {
    canvas.setForeColor(curve.colour);
    const double middle = top + row / 2;
    lineAtPixels(canvas, x0 + kLegendPadding, middle, x0 + kLegendPadding + kSwatchLength, middle);
    printAtPixel(canvas, x0 + 2 * kLegendPadding + kSwatchLength, top, curve.text);
    top += row;
  }
}

void drawCurveLabels(Surface& canvas, const std::vector<LabelledCurve>& curves,
                     const std::vector<PixelBox>& texts, CurveLabels mode) {
  if (curves.empty() || mode == CurveLabels::None) return;
  const std::int32_t colour = canvas.ForeColor();
  if (mode == CurveLabels::Legend) {
    drawLegend(canvas, curves, texts);
  } else {
    drawBeside(canvas, curves, texts);
  }
  canvas.setForeColor(colour);
}

}  // namespace quorvel
