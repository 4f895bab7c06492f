#include "document/region_painting.h"

#include <algorithm>

#include "document/plane_curve_painting.h"
#include "plot/dashed_polyline.h"
#include "plot/half_plane_region.h"
#include "plot/region_boundary.h"

namespace quorvel {

namespace {

double zoomOf(const ViewState& view) { return view.zoomScale == 0 ? 1.0 : view.zoomScale; }

PixelFrame canvasFrame(const Surface& canvas, const ViewState& view) {
  return frameOfView(view, canvas.AreaWidthPixels(), canvas.AreaHeightPixels());
}

std::vector<HalfPlane> halfPlanes(const RegionSystem& system) {
  std::vector<HalfPlane> out;
  for (const RegionInequality& inequality : system.inequalities) out.push_back(*inequality.line);
  return out;
}

bool included(Relation r) { return r == Relation::LessOrEqual || r == Relation::GreaterOrEqual; }

// Solid or dashed lines in the canvas's colour, as the plane curves' runs of dots.
void plotBoundary(Surface& canvas, const PixelFrame& frame, double zoom,
                  const std::vector<PlanePolyline>& solid,
                  const std::vector<PlanePolyline>& dashed) {
  SampledCurve lines;
  lines.polylines = solid;
  for (const PlanePolyline& line : dashed) {
    std::vector<PlanePolyline> dashes = dashedPieces(line, frame);
    lines.polylines.insert(lines.polylines.end(), std::make_move_iterator(dashes.begin()),
                           std::make_move_iterator(dashes.end()));
  }
  plotPolylines(canvas, lines, zoom, nullptr);
}

}  // namespace

std::vector<PixelRectangle> maskRectangles(const RegionMask& mask) {
  std::vector<PixelRectangle> out;
  // The rectangles reaching the previous row, by their place in `out`.
  std::vector<std::size_t> open, next;
  int previousRow = -2;
  const std::vector<MaskSpan> spans = mask.spans();
  for (std::size_t i = 0; i < spans.size();) {
    const int row = spans[i].row;
    if (row != previousRow + 1) open.clear();
    next.clear();
    std::size_t k = 0;  // open rectangles and spans both run left to right
    for (; i < spans.size() && spans[i].row == row; ++i) {
      const MaskSpan& span = spans[i];
      while (k < open.size() && out[open[k]].left < span.from) ++k;
      if (k < open.size() && out[open[k]].left == span.from && out[open[k]].right == span.to) {
        out[open[k]].bottom = row + 1;
        next.push_back(open[k]);
      } else {
        next.push_back(out.size());
        out.push_back(PixelRectangle{span.from, row, span.to, row + 1});
      }
    }
    std::swap(open, next);
    previousRow = row;
  }
  return out;
}

void paintRegionShading(Surface& canvas, const ViewState& view, const RegionSystem& system,
                        double opacity) {
  if (canvas.DrawsNothing()) return;
  const PixelFrame frame = canvasFrame(canvas, view);
  if (!frame.valid()) return;
  const double zoom = zoomOf(view);
  const auto corner = [zoom](double x, double y) {
    return PolygonPoint{static_cast<float>(x * zoom), static_cast<float>(y * zoom)};
  };
  if (system.linear()) {
    const HalfPlaneRegion region = clipHalfPlanes(halfPlanes(system), frame);
    if (region.empty()) return;
    std::vector<PolygonPoint> polygon;
    for (const PlanePoint& p : region.vertices) polygon.push_back(corner(p.x, p.y));
    canvas.FillPolygon(polygon, opacity);
    return;
  }
  const RegionMask mask = regionMask(regionInequalities(system), frame);
  for (const PixelRectangle& r : maskRectangles(mask)) {
    const double left = frame.xAt(r.left), right = frame.xAt(r.right);
    const double top = frame.yAt(r.top), bottom = frame.yAt(r.bottom);
    canvas.FillPolygon(
        {corner(left, top), corner(right, top), corner(right, bottom), corner(left, bottom)},
        opacity);
  }
}

void paintRegionBoundary(Surface& canvas, const ViewState& view, const RegionSystem& system) {
  if (canvas.DrawsNothing()) return;
  const PixelFrame frame = canvasFrame(canvas, view);
  if (!frame.valid()) return;
  std::vector<PlanePolyline> solid, dashed;
  if (system.linear()) {
    // The polygon's own edges: exactly where the shading ends.
    const HalfPlaneRegion region = clipHalfPlanes(halfPlanes(system), frame);
    if (region.empty()) return;
    const std::size_t n = region.vertices.size();
    for (std::size_t k = 0; k < n; ++k) {
      const int source = region.edgeSource[k];
      if (source == HalfPlaneRegion::kFrameEdge) continue;
      PlanePolyline edge{{region.vertices[k], region.vertices[(k + 1) % n]}, false};
      const Relation r = system.inequalities[static_cast<std::size_t>(source)].relation;
      (included(r) ? solid : dashed).push_back(std::move(edge));
    }
  } else {
    for (BoundaryPiece& piece : regionBoundary(regionInequalities(system), frame)) {
      (piece.included ? solid : dashed).push_back(std::move(piece.line));
    }
  }
  plotBoundary(canvas, frame, zoomOf(view), solid, dashed);
}

}  // namespace quorvel
