// Piecewise functions and marked points on the canvas: each piece is swept as y = f(x)
// over its own interval by the plotter (so a jump between pieces is never joined),
// then the ends are marked over the lines so a hollow ring hides the line's end.
#include "document/marked_painting.h"

#include <algorithm>
#include <cmath>

#include "catalogue/families.h"
#include "document/curve_painter.h"
#include "eval/compiled_expression.h"
#include "eval/double_program.h"
#include "plot/palette.h"
#include "plot/pixel_units.h"

namespace quorvel {

namespace {

PlotDot dotAt(const ViewState& view, double x, double y) {
  const double scale = view.zoomScale;
  return PlotDot{.x = static_cast<float>(x * scale), .y = static_cast<float>(y * scale)};
}

// The value of a piece's expression at an end, in double precision.
std::optional<double> valueAt(const std::string& expression, double x) {
  const DoubleOutcome outcome = runProgramInDouble(CompiledExpression(expression).program(), x);
  if (outcome.status != kOk || !std::isfinite(outcome.value)) return std::nullopt;
  return outcome.value;
}

}  // namespace

double markRadius(int penWidth) { return std::max(3.0, 1.5 * std::max(penWidth, 1) + 1.5); }

void paintPieceEnds(Surface& canvas, const ViewState& view, const PiecewiseShape& shape,
                    std::vector<PlotDot>* dots) {
  const auto radius = static_cast<float>(markRadius(canvas.DrawWidth()));
  for (const PieceShape& piece : shape.pieces) {
    for (const bool left : {true, false}) {
      const double x = left ? piece.from : piece.to;
      if (!std::isfinite(x)) continue;
      const std::optional<double> y = valueAt(piece.expression, x);
      if (!y) continue;
      const PlotDot dot = dotAt(view, x, *y);
      canvas.Circle(dot.x, dot.y, radius, left ? piece.fromIncluded : piece.toIncluded);
      if (dots != nullptr) dots->push_back(dot);
    }
  }
}

void paintMarkedPoints(Surface& canvas, const ViewState& view, const PointsShape& shape,
                       std::vector<PlotDot>* dots) {
  const auto radius = static_cast<float>(markRadius(canvas.DrawWidth()));
  for (const MarkedPoint& p : shape.points) {
    const PlotDot dot = dotAt(view, p.x, p.y);
    canvas.Circle(dot.x, dot.y, radius, true);
    if (dots != nullptr) dots->push_back(dot);
  }
}

std::vector<PointLabel> pointLabels(const ViewState& view, const PointsShape& shape,
                                    std::int32_t colour) {
  std::vector<PointLabel> out;
  for (const MarkedPoint& p : shape.points) {
    if (p.name.empty()) continue;
    const PlotDot dot = dotAt(view, p.x, p.y);
    out.push_back(PointLabel{p.name, colour, dot.x, dot.y});
  }
  return out;
}

void writePointLabels(Surface& canvas, LabelSpace* space, const std::vector<PointLabel>& labels,
                      int penWidth) {
  // A picture without names makes no call at all, not even of colour.
  if (labels.empty()) return;
  const std::int32_t before = canvas.ForeColor();
  const double radius = markRadius(penWidth);
  const double height = canvas.TextHeightPixels();
  for (const PointLabel& label : labels) {
    const PixelPoint at = canvas.toPixels(label.x, label.y);
    if (!std::isfinite(at.column) || !std::isfinite(at.row)) continue;
    const double width = canvas.TextWidthPixels(label.name);
    PixelBox box{.left = at.column + radius,
                 .top = at.row - radius - height,
                 .right = at.column + radius + width,
                 .bottom = at.row - radius};
    if (space != nullptr) {
      const std::optional<PixelBox> place = space->placeNear(at, width, height);
      if (!place) continue;  // no free place: left out rather than written over another
      box = *place;
      space->take(box);
    }
    canvas.setForeColor(label.colour);
    printAtPixel(canvas, box.left, box.top, label.name);
  }
  canvas.setForeColor(before);
}

std::int32_t CurvePainter::drawMarked(const EntryCurve& curve, const CurveDrawing& how) {
  std::int32_t colour = curve.colour;
  if (!how.ownColour && how.options.autoColor) {
    colour =
        how.options.readablePalette ? leastUsedColour(how.tickedColours) : autoColor(how.listIndex);
  }
  canvas_.setForeColor(colour);
  std::vector<PlotDot> dots;
  std::vector<PlotDot>* drawn = labelling_ ? &dots : nullptr;
  if (curve.piecewise) {
    PlotOptions options = how.options;
    options.autoColor = false;
    options.link = true;
    options.yDriven = false;
    for (const PieceShape& piece : curve.piecewise->pieces) {
      CurveParams params;
      params.funcFamily = static_cast<std::int16_t>(kCustomFamily);
      params.funcForm = 0;
      params.expression = piece.expression;
      PlotRange range;
      range.xFromOpen = !std::isfinite(piece.from);
      range.xToOpen = !std::isfinite(piece.to);
      if (!range.xFromOpen) range.xFrom = static_cast<float>(piece.from);
      if (!range.xToOpen) range.xTo = static_cast<float>(piece.to);
      EvalState eval;
      CurvePoints points;
      std::int32_t pen = colour;
      PlotContext context{.canvas = canvas_,
                          .view = state_.view,
                          .curve = params,
                          .eval = eval,
                          .points = points,
                          .halfWidth = size_.halfWidth,
                          .halfHeight = size_.halfHeight,
                          .redrawing = true,
                          .listIndex = how.listIndex,
                          .penColor = pen,
                          .progress = settings_.progress,
                          .drawnDots = drawn,
                          .tickedColours = &how.tickedColours};
      quorvel::draw(context, options, range, false);
    }
    canvas_.setForeColor(colour);
    if (!canvas_.DrawsNothing()) paintPieceEnds(canvas_, state_.view, *curve.piecewise, drawn);
  } else if (curve.points) {
    if (!canvas_.DrawsNothing()) paintMarkedPoints(canvas_, state_.view, *curve.points, drawn);
    std::vector<PointLabel> names = pointLabels(state_.view, *curve.points, colour);
    if (picture_) {
      pointLabels_.insert(pointLabels_.end(), names.begin(), names.end());
    } else if (!canvas_.DrawsNothing()) {
      // A curve drawn alone has no picture's end to name its points at.
      writePointLabels(canvas_, nullptr, names, settings_.penWidth);
    }
  }
  if (labelling_) {
    // Beside the points their own names say what they are; the legend lists them.
    const bool named = curve.points && settings_.style.labels != CurveLabels::Legend;
    labelled_.push_back(
        LabelledCurve{named ? std::string() : curve.printed, colour, std::move(dots)});
  }
  state_.view.zoomPending = false;
  return colour;
}

}  // namespace quorvel
