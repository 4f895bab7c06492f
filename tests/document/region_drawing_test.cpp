// Regions on the drawing surface: every pixel of the picture shaded exactly when the
// system holds at its middle, each shaded once (one tint, however many rectangles),
// for each sign, straight and curved boundaries and systems; the boundary dashed
// where the region leaves it out and solid where it holds it.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "document/region_entry.h"
#include "document/region_painting.h"
#include "plot/recording_surface.h"
#include "render/raster_surface.h"

namespace quorvel {
namespace {

constexpr int kWidth = 300, kHeight = 240;

// x from −6 to 6 and y from −4.8 to 4.8, 25 pixels to the unit.
ViewState view() {
  ViewState v;
  v.viewLeft = -3000;
  v.viewRight = 3000;
  v.viewTop = 2400;
  v.viewBottom = -2400;
  v.zoomScale = 500;
  return v;
}

RegionSystem systemOf(const std::string& text) {
  const RegionParse parse = parseRegion(rewrittenRegion(RegionCurve{text, "", 0}));
  EXPECT_TRUE(parse.system) << text << ": " << parse.problem;
  return parse.system.value_or(RegionSystem{});
}

// How far the pixel's middle lies from the nearest straight boundary, in pixels.
double pixelsFromLines(const RegionSystem& system, const PixelFrame& frame, double x, double y) {
  double nearest = INFINITY;
  for (const RegionInequality& inequality : system.inequalities) {
    if (!inequality.line) continue;
    const HalfPlane& h = *inequality.line;
    const double gradient = std::hypot(h.a / frame.pixelsPerUnitX, h.b / frame.pixelsPerUnitY);
    nearest = std::min(nearest, std::fabs(h.a * x + h.b * y + h.c) / gradient);
  }
  return nearest;
}

struct Shading {
  std::string text;
  bool polygon;  // every boundary straight: drawn as one exact polygon
};

// The case's text in the test's name, not its bytes.
void PrintTo(const Shading& shading, std::ostream* out) { *out << shading.text; }

class RegionShadingTest : public ::testing::TestWithParam<Shading> {};

TEST_P(RegionShadingTest, EveryPixelIsShadedExactlyWhereTheSystemHoldsAtItsMiddle) {
  const RegionSystem system = systemOf(GetParam().text);
  ASSERT_EQ(system.linear(), GetParam().polygon);
  RasterSurface canvas(kWidth, kHeight, 0);
  const ViewState v = view();
  canvas.Scale(static_cast<float>(v.viewLeft), static_cast<float>(v.viewTop),
               static_cast<float>(v.viewRight), static_cast<float>(v.viewBottom));
  canvas.setForeColor(rgbOf(0, 0, 255));
  paintRegionShading(canvas, v, system, 0.5);
  const QImage image = canvas.image().convertToFormat(QImage::Format_RGB32);
  const PixelFrame frame = frameOfView(v, kWidth, kHeight);
  const std::vector<Inequality> inequalities = regionInequalities(system);
  const QRgb white = qRgb(255, 255, 255);
  std::optional<QRgb> tint;
  int shaded = 0, wrong = 0, checked = 0;
  for (int row = 0; row < kHeight; ++row) {
    for (int column = 0; column < kWidth; ++column) {
      const double x = frame.xAt(column + 0.5), y = frame.yAt(row + 0.5);
      bool inside = true;
      for (const Inequality& inequality : inequalities) {
        inside = inside && relationHolds(inequality.relation, finiteValue(inequality.f, x, y));
      }
      const QRgb pixel = image.pixel(column, row);
      if (pixel != white) {
        ++shaded;
        if (!tint) tint = pixel;
        // Once, never twice: the rectangles do not overlap.
        EXPECT_EQ(pixel, *tint) << column << ", " << row;
      }
      // On a straight boundary the middle is as near the line as the rounding of
      // the polygon's corners: such pixels may go either way.
      if (GetParam().polygon && pixelsFromLines(system, frame, x, y) < 0.75) continue;
      ++checked;
      if ((pixel != white) != inside) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << "of " << checked << " pixels checked";
  EXPECT_GT(checked, kWidth * kHeight * 9 / 10);
  // Every case here shows some of its region, and none is the whole picture.
  ASSERT_TRUE(tint);
  EXPECT_EQ(qBlue(*tint), 255);
  EXPECT_LT(shaded, kWidth * kHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, RegionShadingTest,
    ::testing::Values(Shading{"y > x²", false}, Shading{"y ≤ x²", false},
                      Shading{"x² + y² ≤ 4", false}, Shading{"x² + y² > 4", false},
                      Shading{"y ≥ sin(3x)", false}, Shading{"xy < 1；x > −3", false},
                      Shading{"y > 1/x", false}, Shading{"x^2/16 + y^2/4 < 1; y >= x - 1", false},
                      Shading{"x < 1", true}, Shading{"2x − y > 1", true},
                      Shading{"x + y ≤ 4；x ≥ 0；y ≥ 0；x − y ≤ 2", true},
                      Shading{"y ≥ −2；y < 3.3", true}, Shading{"0 ≤ x ≤ 3", true},
                      Shading{"y > 0.5x + 0.02", true}));

// The lengths of the boundary's lines in pixels.
std::vector<double> boundaryLines(const std::string& text) {
  RecordingSurface canvas(kWidth, kHeight, 0);
  const ViewState v = view();
  canvas.Scale(static_cast<float>(v.viewLeft), static_cast<float>(v.viewTop),
               static_cast<float>(v.viewRight), static_cast<float>(v.viewBottom));
  paintRegionBoundary(canvas, v, systemOf(text));
  std::vector<double> lengths;
  for (const SurfaceCall& call : canvas.calls()) {
    if (call.kind != SurfaceCallKind::Line) continue;
    const PixelPoint a = canvas.toPixels(call.args[0], call.args[1]);
    const PixelPoint b = canvas.toPixels(call.args[2], call.args[3]);
    lengths.push_back(std::hypot(a.column - b.column, a.row - b.row));
  }
  return lengths;
}

double sum(const std::vector<double>& v) {
  double s = 0;
  for (const double x : v) s += x;
  return s;
}

TEST(RegionBoundary, DashedWhereTheRegionLeavesItOutSolidWhereItHoldsIt) {
  struct Pair {
    std::string strict, loose;
  };
  const std::vector<Pair> pairs = {{"y > x", "y >= x"},
                                   {"x < 1; y > -2", "x <= 1; y >= -2"},
                                   {"x² + y² < 4", "x² + y² ≤ 4"},
                                   {"y > x²", "y ≥ x²"}};
  for (const Pair& p : pairs) {
    SCOPED_TRACE(p.strict);
    const std::vector<double> dashed = boundaryLines(p.strict);
    const std::vector<double> solid = boundaryLines(p.loose);
    ASSERT_FALSE(solid.empty());
    ASSERT_FALSE(dashed.empty());
    // Dashes of 6 pixels with gaps of 4: six tenths of the line is drawn.
    const double share = sum(dashed) / sum(solid);
    EXPECT_GT(share, 0.52);
    EXPECT_LT(share, 0.68);
    for (const double length : dashed) EXPECT_LE(length, 6.001);
  }
  // The straight boundaries are whole lines when solid.
  EXPECT_EQ(boundaryLines("y >= x").size(), 1u);
}

}  // namespace
}  // namespace quorvel
