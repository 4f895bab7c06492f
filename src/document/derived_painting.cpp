#include "document/derived_painting.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "document/curve_painter.h"
#include "document/plane_curve_painting.h"
#include "plot/palette.h"
#include "plot/parametric_sampler.h"

namespace quorvel {

namespace {

// Ends of view units beyond these are nothing a surface can place.
constexpr double kFarViewUnits = 1e9;

double zoomOf(const ViewState& view) { return view.zoomScale == 0 ? 1.0 : view.zoomScale; }

// Columns of an area at most: one a pixel of the widest picture printed.
constexpr int kMostAreaColumns = 8000;

}  // namespace

void paintDerivedLine(Surface& canvas, const ViewState& view, const DerivedLine& line,
                      std::vector<PlotDot>* drawnDots) {
  const double zoom = zoomOf(view);
  double x1 = view.viewLeft, x2 = view.viewRight, y1 = 0, y2 = 0;
  if (line.vertical) {
    x1 = x2 = line.x * zoom;
    y1 = view.viewBottom;
    y2 = view.viewTop;
  } else {
    y1 = (line.slope * (x1 / zoom) + line.intercept) * zoom;
    y2 = (line.slope * (x2 / zoom) + line.intercept) * zoom;
  }
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(y2) ||
      std::fabs(x1) > kFarViewUnits) {
    return;
  }
  // A steep line is cut to the view's height: its far ends would be beyond any float.
  const double low = std::min(view.viewBottom, view.viewTop);
  const double high = std::max(view.viewBottom, view.viewTop);
  if (!line.vertical && line.slope != 0) {
    const auto xAtY = [&](double y) { return ((y / zoom - line.intercept) / line.slope) * zoom; };
    if (y1 < low || y1 > high) {
      y1 = std::clamp(y1, low, high);
      x1 = xAtY(y1);
    }
    if (y2 < low || y2 > high) {
      y2 = std::clamp(y2, low, high);
      x2 = xAtY(y2);
    }
    if (y1 == y2 && (y1 == low || y1 == high)) return;  // wholly above or below
  } else if (!line.vertical && (y1 < low || y1 > high)) {
    return;
  }
  const PlotDot from{.x = static_cast<float>(x1), .y = static_cast<float>(y1)};
  const PlotDot to{.x = static_cast<float>(x2),
                   .y = static_cast<float>(y2),
                   .fromX = from.x,
                   .fromY = from.y,
                   .joined = true};
  canvas.Line(from.x, from.y, to.x, to.y);
  if (drawnDots != nullptr) {
    drawnDots->push_back(from);
    drawnDots->push_back(to);
  }
}

void paintFunctionCurve(Surface& canvas, const ViewState& view, const CurveFunction& f, int steps,
                        std::vector<PlotDot>* drawnDots) {
  if (canvas.DrawsNothing()) return;
  const PixelFrame frame = frameOfView(view, canvas.AreaWidthPixels(), canvas.AreaHeightPixels());
  if (!frame.valid()) return;
  CurveSampling sampling;
  sampling.steps = std::clamp(steps, 1, CurveSampling::kMaxSteps);
  const CurveFunction x = [](double t) -> std::optional<double> { return t; };
  const SampledCurve sampled =
      sampleParametric(x, f, ParameterRange{frame.left, frame.right()}, frame, sampling);
  plotPolylines(canvas, sampled, zoomOf(view), drawnDots);
}

namespace {

// The columns of [a, b] that the view shows, with the frame and how far beyond it a
// corner may go: what both area polygons are built on.
struct AreaColumns {
  PixelFrame frame;
  double lo = 0, hi = 0, zoom = 1, top = 0, bottom = 0;
  int columns = 0;

  double x(int i) const { return i == columns ? hi : lo + (hi - lo) * i / columns; }
  PolygonPoint corner(double px, double py) const {
    return PolygonPoint{static_cast<float>(px * zoom),
                        static_cast<float>(std::clamp(py, bottom, top) * zoom)};
  }
};

std::optional<AreaColumns> areaColumns(const ViewState& view, int areaWidthPixels,
                                       int areaHeightPixels, double a, double b) {
  AreaColumns out;
  out.frame = frameOfView(view, areaWidthPixels, areaHeightPixels);
  if (!out.frame.valid() || !std::isfinite(a) || !std::isfinite(b)) return std::nullopt;
  out.lo = std::max(std::min(a, b), out.frame.left);
  out.hi = std::min(std::max(a, b), out.frame.right());
  if (!(out.lo < out.hi)) return std::nullopt;
  out.zoom = zoomOf(view);
  // Just beyond the view, so that the polygon's cut edges never show.
  const double margin = 2 / out.frame.pixelsPerUnitY;
  out.top = out.frame.top + margin;
  out.bottom = out.frame.bottom() - margin;
  out.columns =
      std::clamp(static_cast<int>(std::ceil((out.hi - out.lo) * out.frame.pixelsPerUnitX)), 1,
                 kMostAreaColumns);
  return out;
}

void addCurveCorner(const AreaColumns& area, const CurveFunction& f, int i,
                    std::vector<PolygonPoint>& out) {
  const double x = area.x(i);
  const std::optional<double> y = f(x);
  if (y && std::isfinite(*y)) out.push_back(area.corner(x, *y));
}

}  // namespace

std::vector<PolygonPoint> areaPolygon(const ViewState& view, int areaWidthPixels,
                                      int areaHeightPixels, const CurveFunction& f, double a,
                                      double b) {
  std::vector<PolygonPoint> out;
  const std::optional<AreaColumns> area =
      areaColumns(view, areaWidthPixels, areaHeightPixels, a, b);
  if (!area) return out;
  out.push_back(area->corner(area->lo, 0));
  for (int i = 0; i <= area->columns; ++i) addCurveCorner(*area, f, i, out);
  out.push_back(area->corner(area->hi, 0));
  if (out.size() < 3) out.clear();
  return out;
}

std::vector<PolygonPoint> areaBetweenPolygon(const ViewState& view, int areaWidthPixels,
                                             int areaHeightPixels, const CurveFunction& f,
                                             const CurveFunction& g, double a, double b) {
  std::vector<PolygonPoint> out;
  const std::optional<AreaColumns> area =
      areaColumns(view, areaWidthPixels, areaHeightPixels, a, b);
  if (!area) return out;
  for (int i = 0; i <= area->columns; ++i) addCurveCorner(*area, f, i, out);
  for (int i = area->columns; i >= 0; --i) addCurveCorner(*area, g, i, out);
  if (out.size() < 3) out.clear();
  return out;
}

std::int32_t CurvePainter::drawDerived(const EntryCurve& curve, const CurveDrawing& how) {
  std::int32_t colour = curve.colour;
  if (!how.ownColour && how.options.autoColor) {
    colour =
        how.options.readablePalette ? leastUsedColour(how.tickedColours) : autoColor(how.listIndex);
  }
  canvas_.setForeColor(colour);
  const DerivedShape& shape = *curve.derived;
  std::vector<PlotDot> dots;
  std::vector<PlotDot>* drawn = labelling_ ? &dots : nullptr;
  const auto function = [&](int order) -> std::optional<CurveFunction> {
    if (!derivedFunctions_ || !shape.source) return std::nullopt;
    return derivedFunctions_(*shape.source, order);
  };
  switch (shape.kind) {
    case DerivedKind::kTangent:
    case DerivedKind::kNormal: paintDerivedLine(canvas_, state_.view, shape.line, drawn); break;
    case DerivedKind::kDerivative:
    case DerivedKind::kSecondDerivative:
      if (const std::optional<CurveFunction> f =
              function(shape.kind == DerivedKind::kDerivative ? 1 : 2)) {
        paintFunctionCurve(canvas_, state_.view, *f, settings_.level, drawn);
      }
      break;
    case DerivedKind::kArea:
      if (const std::optional<CurveFunction> f = function(0); f && !shape.with) {
        canvas_.FillPolygon(areaPolygon(state_.view, canvas_.AreaWidthPixels(),
                                        canvas_.AreaHeightPixels(), *f, shape.from, shape.to),
                            kAreaOpacity);
      } else if (f && derivedFunctions_) {
        if (const std::optional<CurveFunction> g = derivedFunctions_(*shape.with, 0)) {
          canvas_.FillPolygon(
              areaBetweenPolygon(state_.view, canvas_.AreaWidthPixels(), canvas_.AreaHeightPixels(),
                                 *f, *g, shape.from, shape.to),
              kAreaOpacity);
        }
      }
      break;
  }
  // An area has no line to name.
  if (labelling_ && !dots.empty()) {
    labelled_.push_back(LabelledCurve{curve.printed, colour, std::move(dots)});
  }
  state_.view.zoomPending = false;
  return colour;
}

}  // namespace quorvel
