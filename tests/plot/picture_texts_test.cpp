// The modern look's texts on dense pictures: axis labels, curve names, the legend and
// labels of marked points, measured by their boxes: none intersects another, each lies
// whole in the picture, a name or a point's label stands within three text heights of
// its point, and the legend takes the corner that covers the fewest curve cells.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plot/picture_texts.h"
#include "plot/recording_surface.h"

namespace quorvel {
namespace {

constexpr int kWidth = 1000, kHeight = 700;
constexpr std::int32_t kScale = 500;

class PictureTexts : public ::testing::Test {
 protected:
  PictureTexts() { look(view); }
  void look(const ViewState& v) {
    view = v;
    surface.Scale(static_cast<float>(view.viewLeft), static_cast<float>(view.viewTop),
                  static_cast<float>(view.viewRight), static_cast<float>(view.viewBottom));
  }
  // A curve y = f(x) as the plotter leaves its dots: joined while inside the view.
  void addCurve(const std::string& text, const std::function<double(double)>& f) {
    LabelledCurve curve{text, static_cast<std::int32_t>(curves.size()), {}};
    bool joined = false;
    float fromX = 0, fromY = 0;
    for (int i = 0; i <= 2000; ++i) {
      const double x = view.viewLeft + (view.viewRight - view.viewLeft) * i / 2000.0;
      const double y = f(x / kScale) * kScale;
      if (!(y > view.viewBottom && y < view.viewTop)) {
        joined = false;
        continue;
      }
      curve.dots.push_back(
          PlotDot{static_cast<float>(x), static_cast<float>(y), fromX, fromY, joined});
      fromX = static_cast<float>(x);
      fromY = static_cast<float>(y);
      joined = true;
    }
    curves.push_back(std::move(curve));
  }
  void addFifteenCurves() {
    for (int i = 0; i < 15; ++i) {
      const double a = 0.5 + 0.25 * i;
      addCurve("y=" + std::to_string(i) + "sin(x)+x/" + std::to_string(i + 1),
               [a, i](double x) { return a * std::sin(x + i) + x / (i + 1); });
    }
  }
  std::vector<PlacedText> axisTexts() {
    return drawNiceAxes(surface, view, niceTicksOn(surface, view, false));
  }
  std::vector<PixelBox> printedBoxes() const {
    std::vector<PixelBox> boxes;
    for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::Print)) {
      boxes.push_back(textBox(surface, c.args[0], c.args[1], c.text));
    }
    return boxes;
  }
  static void expectApartAndWhole(const std::vector<PixelBox>& boxes) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const PixelBox& b = boxes[i];
      EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= kWidth && b.bottom <= kHeight) << i;
      for (std::size_t j = i + 1; j < boxes.size(); ++j) {
        EXPECT_FALSE(b.overlaps(boxes[j])) << i << " and " << j;
      }
    }
  }
  double nearestDot(const PixelBox& box, const LabelledCurve& curve) const {
    double nearest = 1e9;
    for (const PlotDot& d : curve.dots) {
      const PixelPoint p = surface.toPixels(d.x, d.y);
      const double dx = std::max({box.left - p.column, 0.0, p.column - box.right});
      const double dy = std::max({box.top - p.row, 0.0, p.row - box.bottom});
      nearest = std::min(nearest, std::hypot(dx, dy));
    }
    return nearest;
  }

  RecordingSurface surface{kWidth + 2, kHeight + 2, 1};
  ViewState view{-7515, 7515, -5265, 5265, kScale};
  std::vector<LabelledCurve> curves;
};

TEST_F(PictureTexts, NamesBesideFifteenCurvesNeitherTouchNorLeaveTheirCurve) {
  addFifteenCurves();
  const std::vector<PlacedText> axes = axisTexts();
  surface.clearCalls();
  LabelSpace space(surface, curves);
  writePictureTexts(surface, space, axes, curves, CurveLabels::Beside);
  const std::vector<PixelBox> boxes = printedBoxes();
  expectApartAndWhole(boxes);
  // Every name found a place, beside its own curve.
  const double height = surface.TextHeightPixels();
  std::size_t names = 0;
  for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::Print)) {
    for (const LabelledCurve& curve : curves) {
      if (c.text != curve.text) continue;
      ++names;
      EXPECT_LE(nearestDot(textBox(surface, c.args[0], c.args[1], c.text), curve), 3 * height)
          << curve.text;
    }
  }
  EXPECT_EQ(names, curves.size());
  // The space keeps what was written, for the marks that come after.
  EXPECT_EQ(space.taken().size(), boxes.size());
}

TEST_F(PictureTexts, TheLegendTakesTheQuietestCornerAndTheAxisLabelsKeepClearOfIt) {
  // The origin near the bottom left corner; curves crowd the top and the bottom right,
  // so the bottom left is the quietest corner, where some axis labels lie.
  look(ViewState{-1500, 13530, -1000, 9530, kScale});
  for (int i = 0; i < 6; ++i) {
    addCurve("y=" + std::to_string(18 - i), [i](double) { return 18.5 - i * 0.3; });
  }
  addCurve("y=-1 (x>10)", [](double x) { return x > 10 ? -1.0 : 40.0; });
  const std::vector<PlacedText> axes = axisTexts();
  const PixelBox legend = quietestLegendCorner(surface, curves);
  EXPECT_LT(legend.left, kWidth / 2.0);
  EXPECT_GT(legend.top, kHeight / 2.0);
  const std::array<PixelBox, 4> corners = legendCorners(surface, curves);
  const PictureCells cells(surface, curves, {}, false);
  for (const PixelBox& corner : corners) EXPECT_LE(cells.covered(legend), cells.covered(corner));

  surface.clearCalls();
  LabelSpace space(surface, curves);
  writePictureTexts(surface, space, axes, curves, CurveLabels::Legend);
  ASSERT_EQ(surface.count(SurfaceCallKind::FillBox), 1u);
  std::size_t axisLabels = 0;
  for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::Print)) {
    const PixelBox box = textBox(surface, c.args[0], c.args[1], c.text);
    const bool entry = box.left > legend.left && box.right <= legend.right + 1 &&
                       box.top >= legend.top && box.bottom <= legend.bottom;
    if (entry) continue;
    ++axisLabels;
    EXPECT_FALSE(box.overlaps(legend)) << c.text;
  }
  EXPECT_GT(axisLabels, 10u);
  // Some axis labels lay under the legend's corner and are left out, as are those
  // that would be cut by the picture's edge; all others are written.
  std::size_t under = 0, whole = 0;
  for (const PlacedText& t : axes) {
    under += t.box.overlaps(legend) ? 1 : 0;
    const bool inside =
        t.box.left >= 0 && t.box.top >= 0 && t.box.right <= kWidth && t.box.bottom <= kHeight;
    whole += inside && !t.box.overlaps(legend) ? 1 : 0;
  }
  EXPECT_GT(under, 0u);
  EXPECT_EQ(axisLabels, whole);
}

TEST_F(PictureTexts, PointLabelsFindFreePlacesNearTheirPointsOrAreLeftOut) {
  addFifteenCurves();
  const std::vector<PlacedText> axes = axisTexts();
  surface.clearCalls();
  LabelSpace space(surface, curves);
  writePictureTexts(surface, space, axes, curves, CurveLabels::None);
  // Forty points in a crowd around (1, 1), as the intersections of sin x with a line.
  const double height = surface.TextHeightPixels();
  const std::string text = "(-1.11,-2.79)";
  const double width = surface.TextWidthPixels(text);
  std::size_t placed = 0;
  for (int i = 0; i < 40; ++i) {
    const PixelPoint p = surface.toPixels(static_cast<float>((1 + 0.2 * (i % 8)) * kScale),
                                          static_cast<float>((1 + 0.3 * (i / 8)) * kScale));
    const std::optional<PixelBox> box = space.placeNear(p, width, height);
    if (!box) continue;
    ++placed;
    EXPECT_TRUE(space.fits(*box));
    const double dx = std::max({box->left - p.column, 0.0, p.column - box->right});
    const double dy = std::max({box->top - p.row, 0.0, p.row - box->bottom});
    EXPECT_LE(std::hypot(dx, dy), 3 * height + 1e-9) << i;
    space.take(*box);
  }
  EXPECT_GT(placed, 10u);
  EXPECT_LT(placed, 40u);  // the crowd leaves no room for all of them
  expectApartAndWhole(space.taken());
}

TEST_F(PictureTexts, AFreePlaceUncrossedByCurvesIsPreferred) {
  addCurve("y=0.3", [](double) { return 0.3; });
  LabelSpace space(surface, curves);
  // A point on the line: the label goes above or below it, not across it.
  const PixelPoint p = surface.toPixels(2 * kScale, 0.3f * kScale);
  const std::optional<PixelBox> box = space.placeNear(p, 60, surface.TextHeightPixels());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(space.crossings(*box), 0);
  // Taken boxes are never used, however many curves cross the rest.
  space.take(*box);
  const std::optional<PixelBox> again = space.placeNear(p, 60, surface.TextHeightPixels());
  ASSERT_TRUE(again.has_value());
  EXPECT_FALSE(again->overlaps(*box));
}

}  // namespace
}  // namespace quorvel
