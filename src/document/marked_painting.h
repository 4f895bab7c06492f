#pragma once
// What piecewise functions and marked points draw besides lines: round marks sized
// from the pen (an end a piece holds filled, one it does not hollow; every marked
// point filled), and the points' names beside them.
#include <string>
#include <vector>

#include "document/piecewise_curve.h"
#include "document/point_list.h"
#include "plot/label_space.h"
#include "plot/surface.h"
#include "plot/view.h"

namespace quorvel {

// The radius of a mark in pixels for a pen `penWidth` pixels wide: wide enough that a
// hollow ring shows its hole, at any pen.
double markRadius(int penWidth);

// The marks at the finite ends of the pieces, in the canvas's ForeColor; an end where
// the piece's expression has no value gets none. Dots in view units go to `dots`.
void paintPieceEnds(Surface& canvas, const ViewState& view, const PiecewiseShape& shape,
                    std::vector<PlotDot>* dots);

// A filled mark at every point.
void paintMarkedPoints(Surface& canvas, const ViewState& view, const PointsShape& shape,
                       std::vector<PlotDot>* dots);

// A point's name to write once the curves are drawn, in its colour.
struct PointLabel {
  std::string name;
  std::int32_t colour = 0;
  float x = 0, y = 0;  // the point, in view units
};
std::vector<PointLabel> pointLabels(const ViewState& view, const PointsShape& shape,
                                    std::int32_t colour);

// Writes the names: in the modern look each where `space` finds it a free place near
// its point (left out when there is none), otherwise up and to the right of it.
void writePointLabels(Surface& canvas, LabelSpace* space, const std::vector<PointLabel>& labels,
                      int penWidth);

}  // namespace quorvel
