#pragma once
// The picture's pixels and the part of the curve plane they show, for the curves that
// are not y = f(x): parametric and polar curves, equations in x and y and regions.
// Their cores work in plane coordinates (curve units, double precision) and measure
// every tolerance in pixels of this frame, so one rule ("within a pixel") holds at
// every zoom and at every device resolution.
#include <functional>
#include <optional>
#include <vector>

#include "plot/view.h"

namespace quorvel {

// A point of the curve plane, in curve units.
struct PlanePoint {
  double x = 0;
  double y = 0;
  bool operator==(const PlanePoint&) const = default;
};

// Points joined by straight lines in order. A closed polyline ends on its first point
// (the same coordinates exactly), so that it can be drawn as one closed path.
struct PlanePolyline {
  std::vector<PlanePoint> points;
  bool closed = false;
};

// A function of one variable (the parameter t or the angle θ) or of the plane's x and
// y. No value (nullopt) or a value that is not finite means the function has none
// there; a lambda returning a plain double converts.
using CurveFunction = std::function<std::optional<double>(double)>;
using PlaneFunction = std::function<std::optional<double>(double, double)>;

// The value of f, or nothing when it is missing or not finite.
std::optional<double> finiteValue(const CurveFunction& f, double t);
std::optional<double> finiteValue(const PlaneFunction& f, double x, double y);

// The pixels of a picture and the plane they show: column c (0 at the left edge of the
// picture, c + 0.5 the middle of pixel c) is x = left + c / pixelsPerUnitX; row r (0 at
// the top) is y = top − r / pixelsPerUnitY.
struct PixelFrame {
  int width = 0;   // pixels
  int height = 0;  // pixels
  double left = 0;
  double top = 0;
  double pixelsPerUnitX = 0;
  double pixelsPerUnitY = 0;

  // A frame with pixels and a finite positive scale: nothing is drawn in any other.
  bool valid() const;
  double right() const { return left + width / pixelsPerUnitX; }
  double bottom() const { return top - height / pixelsPerUnitY; }
  double xAt(double column) const { return left + column / pixelsPerUnitX; }
  double yAt(double row) const { return top - row / pixelsPerUnitY; }
  double columnOf(double x) const { return (x - left) * pixelsPerUnitX; }
  double rowOf(double y) const { return (top - y) * pixelsPerUnitY; }
  // The distance between two plane points in pixels.
  double pixelDistance(const PlanePoint& a, const PlanePoint& b) const;
};

// The frame of a drawing area of areaWidthPixels × areaHeightPixels that shows `view`
// (the surface's Scale from (viewLeft, viewTop) to (viewRight, viewBottom)); one view
// unit is 1 / zoomScale curve units. pixelRatio > 1 gives the frame of the device
// pixels of a picture drawn at a higher resolution (a high-density screen, a print).
// Not valid when the scale or the extents leave nothing to show.
PixelFrame frameOfView(const ViewState& view, int areaWidthPixels, int areaHeightPixels,
                       double pixelRatio = 1.0);

}  // namespace quorvel
