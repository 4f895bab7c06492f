#pragma once
// The trace: the point of a curve that follows the pointer, and its pull towards the
// key points nearby.
#include <optional>
#include <vector>

#include "analysis/analysed_curve.h"
#include "analysis/key_points.h"

namespace quorvel {

// A key point this close to the traced point (in pixels) takes its place.
inline constexpr double kSnapPixels = 6;

struct TracedPoint {
  double x = 0;
  double y = 0;
  std::optional<KeyPoint> key;      // the key point it snapped to
  std::optional<double> parameter;  // t (θ) of a parametric (polar) curve's point
};

// The pixels one curve unit covers across and up the picture.
struct PixelScale {
  double perUnitX = 1;
  double perUnitY = 1;
};

// The point of the curve for the pointer at (px, py), in curve units: on a curve along
// x the point at px (of two branches the one nearer py), on a curve along y the point
// at py; nullopt where the curve has no point there within its own ranges. A key
// point within kSnapPixels of it is returned instead. On a parametric or polar curve,
// the point nearest the pointer on the screen, with its parameter.
std::optional<TracedPoint> tracePoint(const AnalysedCurve& curve, double px, double py,
                                      const std::vector<KeyPoint>& keys, const PixelScale& scale);

}  // namespace quorvel
