#include "document/curve_painter.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "catalogue/plot_defaults.h"
#include "document/plane_curve_painting.h"
#include "document/region_painting.h"
#include "eval/single_math.h"
#include "plot/palette.h"

namespace quorvel {

namespace {

std::int32_t roundedOrZero(double v) {
  std::int32_t out = 0;
  return roundToInt32(v, out) == kOk ? out : 0;
}

// A parametric or polar curve in the colour the plotter would give it.
std::int32_t paintPlaneCurveIn(Surface& canvas, const ViewState& view, const EntryCurve& curve,
                               const CurveDrawing& how, int level, std::vector<PlotDot>* dots) {
  std::int32_t colour = curve.colour;
  if (!how.ownColour && how.options.autoColor) {
    colour =
        how.options.readablePalette ? leastUsedColour(how.tickedColours) : autoColor(how.listIndex);
  }
  canvas.setForeColor(colour);
  paintPlaneCurve(canvas, view, *curve.plane, level, dots);
  return colour;
}

}  // namespace

CurveDrawing storedEntryDrawing(const EntryCurve& curve, int level, const PictureStyle& style) {
  const PlotDefaults d =
      plotDefaults(curve.params.funcFamily, curve.params.funcForm).value_or(PlotDefaults{});
  CurveDrawing how;
  how.options = PlotOptions{.level = level,
                            .link = d.link && !curve.wholeNumbers,
                            .skip = d.skip,
                            .fixx = d.fixx,
                            .autoColor = false,
                            .yDriven = curve.sweepAlongY.value_or(d.yDriven),
                            .smooth = style.smooth,
                            .toEdges = style.modern,
                            .readablePalette = style.modern};
  how.ownColour = true;
  return how;
}

CurvePainter::CurvePainter(Surface& canvas, const DrawSettings& settings, DrawState& state)
    : canvas_(canvas), settings_(settings), state_(state) {}

void CurvePainter::startPicture() {
  const PictureStyle& style = settings_.style;
  picture_ = true;
  gridPending_ = style.grid;
  axesPending_ = style.modern;
  labelling_ = style.modern || style.labels != CurveLabels::None;
  labelled_.clear();
  axisLabels_.clear();
  axisTexts_.clear();
  texts_.reset();
  pointLabels_.clear();
}

void CurvePainter::prepareCanvas() {
  const PictureStyle& style = settings_.style;
  if (canvas_.Smooth() != style.smooth) canvas_.setSmooth(style.smooth);
  const auto points = static_cast<float>(style.labelPoints);
  if (canvas_.FontSize() != points) canvas_.setFontSize(points);
  canvas_.setDrawWidth(settings_.penWidth);
  canvas_.setAutoRedraw(settings_.autoRedraw);
  // Measured before the view is applied, as the surface reports its size then.
  size_.height = roundedOrZero(std::fabs(static_cast<double>(canvas_.ScaleHeight())));
  size_.width = roundedOrZero(std::fabs(static_cast<double>(canvas_.ScaleWidth())));
  size_.halfHeight = roundedOrZero(size_.height / 2.0);
  size_.halfWidth = roundedOrZero(size_.width / 2.0);
  CanvasView& view = state_.view;
  if (view.zoomPending) {
    if (view.zoomMode == 1) {
      // A value set by hand above half the maximum doubles to the maximum.
      state_.scale = std::min(state_.scale * 2, kMaxScale);
    } else if (view.zoomMode == 2) {
      state_.scale = roundedOrZero(state_.scale / 2.0);
    }
  } else if (!view.graphOnScreen && !view.viewKept) {
    centreView(view, canvas_.Width(), canvas_.Height());
  }
  canvas_.Scale(static_cast<float>(view.viewLeft), static_cast<float>(view.viewTop),
                static_cast<float>(view.viewRight), static_cast<float>(view.viewBottom));
  canvas_.setForeColor(0);
  view.graphOnScreen = true;
  // A scale of 0 would divide by zero everywhere: it counts as 1.
  view.zoomScale = state_.scale == 0 ? 1 : state_.scale;
}

std::int32_t CurvePainter::draw(const EntryCurve& curve, const CurveDrawing& how) {
  prepareCanvas();
  const PictureStyle& style = settings_.style;
  if (style.modern) {
    drawModernAxes(how.overKeptPicture);
  } else {
    if (gridPending_) {
      gridPending_ = false;
      drawGrid(canvas_, state_.view, style);
    }
    if (labelling_) axisLabels_.clear();
    coordinate(canvas_, state_.view, style, labelling_ ? &axisLabels_ : nullptr);
  }

  // Piecewise functions and marked points.
  if (curve.piecewise || curve.points) return drawMarked(curve, how);
  // Curves derived from another entry.
  if (curve.derived) return drawDerived(curve, how);
  // Regions given by inequalities: the shading, then the boundary over it.
  if (curve.region) {
    std::int32_t colour = curve.colour;
    if (!how.ownColour && how.options.autoColor) {
      colour = how.options.readablePalette ? leastUsedColour(how.tickedColours)
                                           : autoColor(how.listIndex);
    }
    canvas_.setForeColor(colour);
    paintRegionShading(canvas_, state_.view, *curve.region);
    paintRegionBoundary(canvas_, state_.view, *curve.region);
    state_.view.zoomPending = false;
    return colour;
  }
  std::int32_t colour = curve.colour;
  if (curve.plane) {
    std::vector<PlotDot> dots;
    colour = paintPlaneCurveIn(canvas_, state_.view, curve, how, settings_.level,
                               labelling_ ? &dots : nullptr);
    if (labelling_) labelled_.push_back(LabelledCurve{curve.printed, colour, std::move(dots)});
    state_.view.zoomPending = false;
    return colour;
  }
  EvalState eval;
  CurvePoints points;
  std::vector<PlotDot> dots;
  PlotContext context{.canvas = canvas_,
                      .view = state_.view,
                      .curve = curve.params,
                      .eval = eval,
                      .points = points,
                      .halfWidth = size_.halfWidth,
                      .halfHeight = size_.halfHeight,
                      .redrawing = how.ownColour,
                      .listIndex = how.listIndex,
                      .penColor = colour,
                      .progress = settings_.progress,
                      .drawnDots = labelling_ ? &dots : nullptr,
                      .tickedColours = &how.tickedColours};
  quorvel::draw(context, how.options, curve.range, curve.wholeNumbers);
  if (labelling_) labelled_.push_back(LabelledCurve{curve.printed, colour, std::move(dots)});
  // A pending zoom has been applied to this curve and is done with.
  state_.view.zoomPending = false;
  return colour;
}

void CurvePainter::drawModernAxes(bool overKeptPicture) {
  // A live step draws over the kept picture, which has its axes.
  if (overKeptPicture) return;
  // A picture draws them once, under its first curve.
  if (picture_ && !axesPending_) return;
  axesPending_ = false;
  const PictureStyle& style = settings_.style;
  const AxisTicks ticks = niceTicksOn(canvas_, state_.view, style.piTicks);
  if (style.grid) drawNiceGrid(canvas_, state_.view, ticks);
  axisTexts_ = drawNiceAxes(canvas_, state_.view, ticks);
  if (picture_) return;  // the labels go over every curve, at the picture's end
  const std::vector<LabelledCurve> noCurves;
  LabelSpace space(canvas_, noCurves);
  printFitting(canvas_, space, axisTexts_);
}

void CurvePainter::drawAxesAlone() {
  const bool drawnBefore = state_.view.graphOnScreen;
  state_.view.zoomPending = false;
  prepareCanvas();
  state_.view.graphOnScreen = drawnBefore;
  const PictureStyle& style = settings_.style;
  picture_ = false;
  if (style.modern) {
    // Drawn outside a picture, the modern axes write their labels at once.
    axesPending_ = true;
    drawModernAxes(false);
    return;
  }
  if (style.grid) drawGrid(canvas_, state_.view, style);
  coordinate(canvas_, state_.view, style, nullptr);
}

LabelSpace* CurvePainter::finishPicture() {
  const PictureStyle& style = settings_.style;
  picture_ = false;
  labelling_ = false;
  gridPending_ = false;
  axesPending_ = false;
  if (!style.modern) {
    drawCurveLabels(canvas_, labelled_, axisLabels_, style.labels);
    writePointLabels(canvas_, nullptr, pointLabels_, settings_.penWidth);
    return nullptr;
  }
  // Every text of the picture over the curves, each clear of the others.
  texts_.emplace(canvas_, labelled_);
  writePictureTexts(canvas_, *texts_, axisTexts_, labelled_, style.labels);
  writePointLabels(canvas_, &*texts_, pointLabels_, settings_.penWidth);
  return &*texts_;
}

}  // namespace quorvel
