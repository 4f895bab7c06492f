#include "analysis/conic.h"

namespace quorvel {

double Conic::value(double px, double py) const {
  return (xx * px + xy * py + x) * px + (yy * py + y) * py + one;
}

PlanePoint Conic::gradient(double px, double py) const {
  return {2 * xx * px + xy * py + x, xy * px + 2 * yy * py + y};
}

std::optional<Conic> conicOf(const CurveParams& c) {
  const double a = c.paramA, b = c.paramB, r = c.paramR, p = c.paramP;
  switch (c.funcFamily) {
    case 8:  // x² + y² − 2ax − 2by + a² + b² − r²
      return Conic{1, 0, 1, -2 * a, -2 * b, a * a + b * b - r * r};
    case 9: return Conic{1 / (a * a), 0, 1 / (b * b), 0, 0, -1};
    case 10: return Conic{1 / (a * a), 0, -1 / (b * b), 0, 0, -1};
    case 11:
      switch (c.funcForm) {
        case 0: return Conic{0, 0, 1, -2 * p, 0, 0};  // y² − 2px
        case 1: return Conic{0, 0, 1, 2 * p, 0, 0};   // y² + 2px
        case 2: return Conic{1, 0, 0, 0, -2 * p, 0};  // x² − 2py
        case 3: return Conic{1, 0, 0, 0, 2 * p, 0};   // x² + 2py
        default: return std::nullopt;
      }
    default: return std::nullopt;
  }
}

}  // namespace quorvel
