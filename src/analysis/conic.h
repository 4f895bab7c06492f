#pragma once
// The conics of the families as implicit curves F(x, y) = 0 with F a quadratic, so
// their value and gradient are exact formulas: the circle (x − a)² + (y − b)² = r²,
// the ellipse x²/a² + y²/b² = 1, the hyperbola x²/a² − y²/b² = 1 and the four
// parabolas y² = ±2px, x² = ±2py.
#include <optional>

#include "analysis/analysed_curve.h"

namespace quorvel {

// F(x, y) = xx·x² + xy·xy + yy·y² + x·x + y·y + one.
struct Conic {
  double xx = 0, xy = 0, yy = 0, x = 0, y = 0, one = 0;

  double value(double px, double py) const;
  // (∂F/∂x, ∂F/∂y) at the point.
  PlanePoint gradient(double px, double py) const;
};

// The conic of a curve of families 8 to 11 with its parameters (as drawn, in single
// precision, taken exactly into double); nullopt for the other families.
std::optional<Conic> conicOf(const CurveParams& c);

}  // namespace quorvel
