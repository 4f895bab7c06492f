#pragma once
// The names of the curves on the picture: each curve's list text beside it in its
// colour, or a legend of all of them in a corner.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "plot/axes.h"
#include "plot/picture_style.h"
#include "plot/surface.h"

namespace quorvel {

// A curve drawn on the picture: its list text, its colour and its dots (view units).
struct LabelledCurve {
  std::string text;
  std::int32_t colour = 0;
  std::vector<PlotDot> dots;
};

// Where a curve's text goes, and what it covers there.
struct LabelPlace {
  PixelBox box;
  int covered = 0;  // cells of the picture's curves, axes and texts under the box
};

// Which parts of the picture are taken, in cells of a few pixels: the curves, the
// axes through the origin and the texts already written.
class PictureCells {
 public:
  // `withAxes`: the axes through the origin count as taken.
  PictureCells(const Surface& canvas, const std::vector<LabelledCurve>& curves,
               const std::vector<PixelBox>& texts, bool withAxes = true);
  // The taken cells a box covers (a box reaching out of the picture counts as
  // covering everything).
  int covered(const PixelBox& box) const;
  void take(const PixelBox& box);

 private:
  void markSegment(double c0, double r0, double c1, double r1);
  void mark(double column, double row);
  double cell_ = 4;  // pixels a side; larger on a huge picture
  int columns_ = 0;
  int rows_ = 0;
  double areaWidth_ = 0;
  double areaHeight_ = 0;
  std::vector<unsigned char> taken_;
};

// The place beside the curve for a text of width × height pixels: where it covers
// nothing when the picture has such a place, else where it covers least. Nothing
// when no dot of the curve lies in the picture.
bool placeBeside(const Surface& canvas, const PictureCells& cells, const LabelledCurve& curve,
                 double width, double height, LabelPlace& place);

// The boxes a legend of the curves takes in each corner of the picture, in the order
// of preference: top right, top left, bottom right, bottom left.
std::array<PixelBox, 4> legendCorners(const Surface& canvas,
                                      const std::vector<LabelledCurve>& curves);
// The legend in `box` (one of legendCorners): white paper, a grey frame, a line of
// each curve's colour before its text. The surface's width is as it was afterwards.
void drawLegendAt(Surface& canvas, const std::vector<LabelledCurve>& curves, const PixelBox& box);

// Writes the names of the curves in the way `mode` asks (nothing for None), in the
// surface's scale; `texts` are the boxes of the texts already on the picture (the
// axes' labels). The surface's colour and width are as they were afterwards.
void drawCurveLabels(Surface& canvas, const std::vector<LabelledCurve>& curves,
                     const std::vector<PixelBox>& texts, CurveLabels mode);

}  // namespace quorvel
