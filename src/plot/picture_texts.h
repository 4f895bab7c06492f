#pragma once
// The modern look's texts over the finished curves, in the order they claim their
// places: the legend (the corner whose box covers the fewest curve cells), the axes'
// labels that keep clear of it, then each curve's name beside it. What is written
// after them (the analysis marks) keeps clear of all of them through the same space.
#include <vector>

#include "plot/curve_labels.h"
#include "plot/label_space.h"
#include "plot/nice_axes.h"
#include "plot/picture_style.h"
#include "plot/surface.h"

namespace quorvel {

// Of the legend's four corners the one whose box covers the fewest cells of the
// curves (the first of them in the order of preference).
PixelBox quietestLegendCorner(const Surface& canvas, const std::vector<LabelledCurve>& curves);

// A place beside the curve for its name: within a few pixels of one of its dots, fitting
// the space, of those the first crossed by no curve from the curve's end back, else the
// least crossed. Nothing when no place fits.
std::optional<PixelBox> placeName(const Surface& canvas, const LabelSpace& space,
                                  const LabelledCurve& curve);

// Writes the axes' labels (in black) and the curves' names as `mode` asks, taking
// their boxes in `space`. The surface's colour and width are as they were afterwards.
void writePictureTexts(Surface& canvas, LabelSpace& space,
                       const std::vector<PlacedText>& axisLabels,
                       const std::vector<LabelledCurve>& curves, CurveLabels mode);

}  // namespace quorvel
