#pragma once
// Where the modern look's texts may go: every text is whole inside the picture and
// over no other (axis labels, the legend, curve names, key-point labels all take their
// boxes here in turn), and of the free places the one that no curve crosses is
// preferred.
#include <optional>
#include <vector>

#include "plot/axes.h"
#include "plot/curve_labels.h"
#include "plot/surface.h"

namespace quorvel {

class LabelSpace {
 public:
  // The surface's drawing area and the curves drawn on it (dots in view units, kept by
  // reference: they outlive the space).
  LabelSpace(const Surface& canvas, const std::vector<LabelledCurve>& curves);

  // Whole inside the picture and over no box taken.
  bool fits(const PixelBox& box) const;
  // The cells of the curves and the axes the box covers (a few pixels each).
  int crossings(const PixelBox& box) const;
  void take(const PixelBox& box) { taken_.push_back(box); }
  const std::vector<PixelBox>& taken() const { return taken_; }

  // A place for a text of width × height pixels that stands within three text heights
  // of `point`: of the places that fit, the first crossed by no curve (nearest first,
  // upper right first), else the least crossed. Nothing when no place fits.
  std::optional<PixelBox> placeNear(const PixelPoint& point, double width, double height) const;

 private:
  const PictureCells& cells() const;

  const Surface& canvas_;
  const std::vector<LabelledCurve>& curves_;
  mutable std::optional<PictureCells> cells_;  // built when first asked
  std::vector<PixelBox> taken_;
};

}  // namespace quorvel
