// Regions bounded by straight lines as polygons clipped to the frame, and their
// boundaries: the corners of a textbook linear program, the polygon against the
// per-pixel mask, unbounded and empty regions, the lines across the frame, and the
// boundary pieces drawn solid or dashed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "plot/half_plane_region.h"
#include "plot/plane_geometry.h"
#include "plot/region_boundary.h"

namespace quorvel {
namespace {

using testing::frameAt;
using testing::pixelsToSegment;

// x + y ≤ 4, x ≥ 0, y ≥ 0, x − y ≤ 2: corners (0, 0), (2, 0), (3, 1), (0, 4).
const std::vector<HalfPlane> kProgram = {{1, 1, -4, Relation::LessOrEqual},
                                         {1, 0, 0, Relation::GreaterOrEqual},
                                         {0, 1, 0, Relation::GreaterOrEqual},
                                         {1, -1, -2, Relation::LessOrEqual}};

std::vector<Inequality> asFunctions(const std::vector<HalfPlane>& system) {
  std::vector<Inequality> out;
  for (const HalfPlane& h : system) {
    out.push_back({[h](double x, double y) { return h.a * x + h.b * y + h.c; }, h.relation});
  }
  return out;
}

bool insidePolygon(const HalfPlaneRegion& r, const PlanePoint& p) {
  // Convex and counter-clockwise: left of every edge.
  const std::size_t n = r.vertices.size();
  for (std::size_t k = 0; k < n; ++k) {
    const PlanePoint& a = r.vertices[k];
    const PlanePoint& b = r.vertices[(k + 1) % n];
    if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) < 0) return false;
  }
  return true;
}

double pixelsToBoundary(const HalfPlaneRegion& r, const PixelFrame& frame, const PlanePoint& p) {
  double best = 1e300;
  for (std::size_t k = 0; k < r.vertices.size(); ++k) {
    best = std::min(
        best, pixelsToSegment(frame, p, r.vertices[k], r.vertices[(k + 1) % r.vertices.size()]));
  }
  return best;
}

TEST(HalfPlaneRegion, TheLinearProgramsCornersAndEdges) {
  const PixelFrame frame = frameAt(500, 0, 0);
  const HalfPlaneRegion r = clipHalfPlanes(kProgram, frame);
  ASSERT_EQ(r.vertices.size(), 4u);
  // Counter-clockwise from (0, 0); each edge on the line it comes from.
  const std::vector<PlanePoint> corners = {{0, 0}, {2, 0}, {3, 1}, {0, 4}};
  const std::vector<int> sources = {2, 3, 0, 1};
  const auto start = std::find_if(r.vertices.begin(), r.vertices.end(), [](const PlanePoint& p) {
    return std::abs(p.x) < 1e-12 && std::abs(p.y) < 1e-12;
  });
  ASSERT_NE(start, r.vertices.end());
  const std::size_t s = static_cast<std::size_t>(start - r.vertices.begin());
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_NEAR(r.vertices[(s + k) % 4].x, corners[k].x, 1e-12) << k;
    EXPECT_NEAR(r.vertices[(s + k) % 4].y, corners[k].y, 1e-12) << k;
    EXPECT_EQ(r.edgeSource[(s + k) % 4], sources[k]) << k;
  }
}

TEST(HalfPlaneRegion, PolygonsAreTheMaskToThePixel) {
  const std::vector<std::pair<std::string, std::vector<HalfPlane>>> systems = {
      {"linear program", kProgram},
      {"y>2x-1", {{-2, 1, 1, Relation::Greater}}},
      {"x<0.3", {{1, 0, -0.3, Relation::Less}}},
      {"wedge", {{1, -3, 0, Relation::LessOrEqual}, {1, 3, 0, Relation::GreaterOrEqual}}},
      {"strip", {{1, 1, -0.05, Relation::Less}, {1, 1, 0.05, Relation::Greater}}},
  };
  for (const auto& [name, system] : systems) {
    for (const double scale : {125.0, 500.0, 2000.0, 16000.0}) {
      SCOPED_TRACE(name + " at " + std::to_string(scale));
      const PixelFrame frame = frameAt(scale, 0.4, 0.9, 400, 300);
      const HalfPlaneRegion polygon = clipHalfPlanes(system, frame);
      const RegionMask mask = regionMaskPerPixel(asFunctions(system), frame);
      int checked = 0, differ = 0;
      for (int row = 0; row < frame.height; ++row) {
        for (int column = 0; column < frame.width; ++column) {
          const PlanePoint p{frame.xAt(column + 0.5), frame.yAt(row + 0.5)};
          // A pixel's middle on the boundary itself may go either way.
          if (!polygon.empty() && pixelsToBoundary(polygon, frame, p) < 1e-6) continue;
          ++checked;
          const bool in = !polygon.empty() && insidePolygon(polygon, p);
          if (in != mask.at(column, row)) ++differ;
        }
      }
      EXPECT_GT(checked, 0);
      EXPECT_EQ(differ, 0);
    }
  }
}

TEST(HalfPlaneRegion, UnboundedEmptyAndDegenerate) {
  const PixelFrame frame = frameAt(500, 0, 0);
  // y > 2x − 1: cut by the frame; the line's edge is marked, the frame's are not.
  const HalfPlaneRegion above = clipHalfPlanes({{-2, 1, 1, Relation::Greater}}, frame);
  ASSERT_FALSE(above.empty());
  EXPECT_EQ(std::count(above.edgeSource.begin(), above.edgeSource.end(), 0), 1);
  for (const PlanePoint& p : above.vertices) EXPECT_GE(p.y - (2 * p.x - 1), -1e-12);
  EXPECT_EQ(clipHalfPlanes({}, frame).vertices.size(), 4u);
  // No feasible point; only a line; a constant that fails; one that holds everywhere.
  EXPECT_TRUE(clipHalfPlanes(
                  {{1, 0, -1, Relation::GreaterOrEqual}, {1, 0, 0, Relation::LessOrEqual}}, frame)
                  .empty());
  EXPECT_TRUE(clipHalfPlanes(
                  {{1, 0, -1, Relation::GreaterOrEqual}, {1, 0, -1, Relation::LessOrEqual}}, frame)
                  .empty());
  EXPECT_TRUE(clipHalfPlanes({{0, 0, 1, Relation::LessOrEqual}}, frame).empty());
  EXPECT_EQ(clipHalfPlanes({{0, 0, -1, Relation::LessOrEqual}}, frame).vertices.size(), 4u);
  // A region wholly outside the frame.
  EXPECT_TRUE(clipHalfPlanes({{1, 0, -100, Relation::GreaterOrEqual}}, frame).empty());
}

TEST(HalfPlaneRegion, LinesAcrossTheFrame) {
  const PixelFrame frame = frameAt(500, 0, 0);
  const std::optional<PlaneSegment> line = lineInFrame({1, 1, -4, Relation::LessOrEqual}, frame);
  ASSERT_TRUE(line);
  for (const PlanePoint& p : {line->a, line->b}) {
    EXPECT_NEAR(p.x + p.y, 4, 1e-12);
    const bool onEdge = std::abs(p.x - frame.left) < 1e-12 ||
                        std::abs(p.x - frame.right()) < 1e-12 ||
                        std::abs(p.y - frame.top) < 1e-12 || std::abs(p.y - frame.bottom()) < 1e-12;
    EXPECT_TRUE(onEdge);
  }
  EXPECT_FALSE(lineInFrame({1, 0, -100, Relation::Less}, frame));
  EXPECT_FALSE(lineInFrame({0, 0, 1, Relation::Less}, frame));
  // The diagonal through two corners of the frame.
  const PixelFrame square = frameAt(500, 0, 0, 300, 300);
  const std::optional<PlaneSegment> diagonal = lineInFrame({1, -1, 0, Relation::Less}, square);
  ASSERT_TRUE(diagonal);
  EXPECT_NEAR(square.pixelDistance(diagonal->a, diagonal->b), 300 * std::sqrt(2.0), 1e-9);
}

TEST(RegionBoundary, SolidWhereIncludedDashedWhereNot) {
  const PixelFrame frame = frameAt(500, 0, 0);
  const PlaneFunction circle = [](double x, double y) { return x * x + y * y - 4; };
  const auto disc = regionBoundary({{circle, Relation::LessOrEqual}}, frame);
  ASSERT_EQ(disc.size(), 1u);
  EXPECT_TRUE(disc[0].included);
  EXPECT_TRUE(disc[0].line.closed);
  const auto above =
      regionBoundary({{[](double x, double y) { return y - x * x; }, Relation::Greater}}, frame);
  ASSERT_EQ(above.size(), 1u);
  EXPECT_FALSE(above[0].included);
}

TEST(RegionBoundary, PiecesRunFromCornerToCorner) {
  const PixelFrame frame = frameAt(500, 0, 0);
  const auto pieces = regionBoundary(asFunctions(kProgram), frame);
  ASSERT_EQ(pieces.size(), 4u);
  const std::vector<PlanePoint> corners = {{0, 0}, {2, 0}, {3, 1}, {0, 4}};
  for (const BoundaryPiece& piece : pieces) {
    SCOPED_TRACE(piece.inequality);
    EXPECT_TRUE(piece.included);
    for (const PlanePoint& end : {piece.line.points.front(), piece.line.points.back()}) {
      double nearest = 1e300;
      for (const PlanePoint& c : corners) nearest = std::min(nearest, frame.pixelDistance(end, c));
      EXPECT_LT(nearest, 0.01);
    }
  }
  // The half of a disc above the x axis: its arc dashed, its diameter solid.
  const auto half =
      regionBoundary({{[](double x, double y) { return x * x + y * y - 4; }, Relation::Less},
                      {[](double, double y) { return y; }, Relation::GreaterOrEqual}},
                     frame);
  ASSERT_EQ(half.size(), 2u);
  for (const BoundaryPiece& piece : half) {
    EXPECT_EQ(piece.included, piece.inequality == 1);
    EXPECT_FALSE(piece.line.closed);
    for (const PlanePoint& p : piece.line.points) EXPECT_GE(p.y, -1e-9);
    EXPECT_NEAR(std::abs(piece.line.points.front().x), 2, 0.01);
    EXPECT_NEAR(std::abs(piece.line.points.back().x), 2, 0.01);
  }
}

}  // namespace
}  // namespace quorvel
