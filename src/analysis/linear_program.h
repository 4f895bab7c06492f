#pragma once
// Linear programming in the plane, exactly: the region of a system of linear
// inequalities a·x + b·y (<, ≤, >, ≥) c with rational coefficients, its corner points,
// whether and where it runs to infinity, and the maximum and minimum of z = px + qy
// over it. All arithmetic is in exact rationals (GMP).
//
// Strict inequalities: the region is the set of points that satisfy them strictly, so
// a corner or an edge on the line of a strict inequality is not in it. Corners are
// those of its closure, each marked whether it is in the region. An optimum that lies
// only on such excluded boundary is reported as not attained (NotAttained) with the
// value z approaches (the supremum or infimum), and where it approaches it.
#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// Enough for any system a textbook writes; the corners are found among the
// intersections of every two lines, so the work grows with the cube of the count.
inline constexpr std::size_t kMostInequalities = 64;

enum class LinearRelation { Less, LessEqual, Greater, GreaterEqual };

// a·x + b·y REL c.
struct LinearConstraint {
  mpq_class a, b, c;
  LinearRelation relation = LinearRelation::LessEqual;
};

struct RationalPoint {
  mpq_class x, y;
};
bool operator==(const RationalPoint& p, const RationalPoint& q);

struct Corner {
  RationalPoint point;
  // In the region: on no strict inequality's line.
  bool included = true;
};

// a·x + b·y ≤ c, or < c when strict: each inequality turned to face one way.
struct RationalHalfPlane {
  mpq_class a, b, c;
  bool strict = false;
};

enum class RegionShape { Empty, Bounded, Unbounded };

struct FeasibleRegion {
  RegionShape shape = RegionShape::Empty;
  // The corners of its closure, in order along the boundary with the region on the
  // left (counter-clockwise), starting from the lowest (then leftmost) one when it is
  // bounded, and from the end where the boundary comes in from infinity when not.
  std::vector<Corner> corners;
  // The directions in which it runs to infinity: the one or two edges of the cone of
  // them; when it has no corner (a half-plane, a strip, a line, the plane) also the
  // directions of its lines both ways.
  std::vector<RationalPoint> directions;
  // When it has no corner, points of it (one on each boundary line, or the origin of
  // the whole plane) that with `directions` span it.
  std::vector<RationalPoint> anchors;
  // The inequalities as half-planes, the ones that hold everywhere left out.
  std::vector<RationalHalfPlane> halfPlanes;
};

struct RegionOutcome {
  std::optional<FeasibleRegion> region;
  std::string reason;  // more than kMostInequalities
};

RegionOutcome feasibleRegion(const std::vector<LinearConstraint>& constraints);

enum class OptimumKind { NoFeasiblePoint, Unbounded, Attained, NotAttained };

// The maximum (or minimum) of z over the region.
struct Optimum {
  OptimumKind kind = OptimumKind::NoFeasiblePoint;
  // Attained: the maximum; NotAttained: the value z approaches without reaching it.
  mpq_class value;
  // Where: one corner; two corners when z takes the value all along the edge between
  // them (a tie); with `directions`, z takes it along those directions from them too
  // (a tie along an unbounded edge or a line). Without corners, points of the region.
  std::vector<Corner> points;
  std::vector<RationalPoint> directions;
  // z is constant over the whole region (p = q = 0).
  bool everywhere = false;
};

struct ObjectiveResult {
  Optimum maximum;
  Optimum minimum;
};

// z = p·x + q·y over the region.
ObjectiveResult optimise(const FeasibleRegion& region, const mpq_class& p, const mpq_class& q);

}  // namespace quorvel
