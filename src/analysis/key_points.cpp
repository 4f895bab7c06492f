#include "analysis/key_points.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "analysis/search.h"

namespace quorvel {

namespace {

// Points closer than this share of the searched width are one point.
constexpr double kSamePoint = 1e-6;

ScalarFunction branchFunction(const AnalysedCurve& curve, int branch) {
  return [&curve, branch](double t) { return curve.valueAt(branch, t); };
}

// The sweep interval of a curve within a region.
const Interval& sweepInterval(const AnalysedCurve& curve, const Region& region) {
  return curve.alongX() ? region.x : region.y;
}

class Collector {
 public:
  explicit Collector(const Region& where) : where_(where) {}

  void add(KeyKind kind, double x, double y) {
    if (where_.contains(x, y)) points_.push_back({kind, x, y});
  }
  // The points at sweep values ts whose other coordinate is `level`.
  void addLevel(const AnalysedCurve& curve, const std::vector<double>& ts, KeyKind kind,
                double level) {
    for (const double t : ts) {
      if (curve.alongX()) {
        add(kind, t, level);
      } else {
        add(kind, level, t);
      }
    }
  }
  std::vector<KeyPoint> finish(double tolX, double tolY) {
    // By x, then y, then kind, where "the same x" is within the tolerance: the zero, the
    // minimum and the y-intercept of x² at the origin keep that order whatever the last
    // digits of their refinements.
    auto cell = [](double v, double tol) { return tol > 0 ? std::round(v / tol) : v; };
    std::sort(points_.begin(), points_.end(), [&](const KeyPoint& a, const KeyPoint& b) {
      return std::tuple(cell(a.x, tolX), cell(a.y, tolY), a.kind, a.x, a.y) <
             std::tuple(cell(b.x, tolX), cell(b.y, tolY), b.kind, b.x, b.y);
    });
    std::vector<KeyPoint> unique;
    for (const KeyPoint& p : points_) {
      const bool seen = std::any_of(unique.begin(), unique.end(), [&](const KeyPoint& q) {
        return q.kind == p.kind && std::fabs(q.x - p.x) <= tolX && std::fabs(q.y - p.y) <= tolY;
      });
      if (!seen) unique.push_back(p);
    }
    return unique;
  }

 private:
  Region where_;
  std::vector<KeyPoint> points_;
};

// The width a millionth of which makes two points one; an unbounded side borrows the
// other's.
double tolerance(const Interval& side, const Interval& other) {
  const Interval& measured = side.bounded() ? side : other;
  const double width = measured.bounded() ? measured.hi - measured.lo : 1.0;
  return kSamePoint * std::max(width, 0.0);
}

// The points of the curve where its y (levelOfY) or its x equals `level`: searched
// for along the sweep when that is the computed coordinate, read off the formula when
// it is the swept one.
void levelPoints(const AnalysedCurve& curve, const Region& where, bool levelOfY, double level,
                 KeyKind kind, Collector& out) {
  const bool computed = curve.alongX() == levelOfY;
  for (int b = 0; b < curve.branches(); ++b) {
    const ScalarFunction g = branchFunction(curve, b);
    if (computed) {
      const Interval& sweep = sweepInterval(curve, where);
      if (!sweep.bounded() || sweep.empty()) continue;
      const Samples s = shiftedSamples(sampleFunction(g, sweep.lo, sweep.hi), level);
      const ScalarFunction h = [&g, level](double t) -> std::optional<double> {
        const std::optional<double> v = g(t);
        if (!v) return std::nullopt;
        return *v - level;
      };
      out.addLevel(curve, zerosOf(h, s), kind, level);
    } else if (const std::optional<PlanePoint> p = curve.pointAt(b, level)) {
      out.add(kind, p->x, p->y);
    }
  }
}

// A piecewise function's turns at the ends its pieces hold: the sampled search sees a
// jump there, never a turn, yet x + 1 (x < 0), x² (x ≥ 0) has its minimum at 0. An end
// is a minimum (maximum) when the function is above (below) it on each side it has.
void pieceEndTurns(const AnalysedCurve& curve, const Region& where, Collector& out) {
  const PiecewiseShape* shape = curve.piecewise();
  if (shape == nullptr) return;
  const double step = std::max(where.x.hi - where.x.lo, 1.0) * 1e-7;
  for (const PieceShape& piece : shape->pieces) {
    for (const bool left : {true, false}) {
      if (!(left ? piece.fromIncluded : piece.toIncluded)) continue;
      const double x = left ? piece.from : piece.to;
      const std::optional<double> at = curve.valueAt(0, x);
      if (!at) continue;
      bool above = true, below = true, sides = false;
      for (const double side : {x - step, x + step}) {
        const std::optional<double> v = curve.valueAt(0, side);
        if (!v) continue;
        sides = true;
        above = above && *v > *at;
        below = below && *v < *at;
      }
      if (!sides || above == below) continue;
      out.add(above ? KeyKind::Minimum : KeyKind::Maximum, x, *at);
    }
  }
}

bool nearPieceEnd(const AnalysedCurve& curve, const Region& where, double t) {
  const PiecewiseShape* shape = curve.piecewise();
  if (shape == nullptr) return false;
  const double near = (where.x.hi - where.x.lo) * kSamePoint;
  return std::any_of(shape->pieces.begin(), shape->pieces.end(), [&](const PieceShape& p) {
    return std::fabs(t - p.from) <= near || std::fabs(t - p.to) <= near;
  });
}

void turningPoints(const AnalysedCurve& curve, const Region& where, Collector& out) {
  if (!curve.functionOfX() || !where.x.bounded() || where.x.empty()) return;
  const ScalarFunction g = branchFunction(curve, 0);
  for (const Turn& turn : turnsOf(g, sampleFunction(g, where.x.lo, where.x.hi))) {
    // At a piece's end the search sees the limit of a jump, perhaps at an end no piece
    // holds: the ends are looked at on their own below.
    if (nearPieceEnd(curve, where, turn.t)) continue;
    out.add(turn.maximum ? KeyKind::Maximum : KeyKind::Minimum, turn.t, turn.value);
  }
  pieceEndTurns(curve, where, out);
}

// Where branch i of `a` meets branch j of `b`, `a` sampled along its sweep. When b runs
// along the other axis, b's coordinate is taken at a's point and compared with a's
// sweep value.
void meetings(const AnalysedCurve& a, const AnalysedCurve& b, const Region& where, Collector& out) {
  const Interval& sweep = sweepInterval(a, where);
  if (!sweep.bounded() || sweep.empty()) return;
  const bool sameAxis = a.alongX() == b.alongX();
  for (int i = 0; i < a.branches(); ++i) {
    for (int j = 0; j < b.branches(); ++j) {
      const ScalarFunction h = [&a, &b, i, j, sameAxis](double t) -> std::optional<double> {
        const std::optional<double> va = a.valueAt(i, t);
        if (!va) return std::nullopt;
        const std::optional<double> vb = b.valueAt(j, sameAxis ? t : *va);
        if (!vb) return std::nullopt;
        return sameAxis ? *va - *vb : *vb - t;
      };
      for (const double t : zerosOf(h, sampleFunction(h, sweep.lo, sweep.hi))) {
        if (const std::optional<PlanePoint> p = a.pointAt(i, t)) {
          out.add(KeyKind::Intersection, p->x, p->y);
        }
      }
    }
  }
}

void intersections(const AnalysedCurve& curve, const AnalysedCurve& other, const Region& where,
                   Collector& out) {
  // A curve along x is the one sampled (two curves along y meet only over a bounded y),
  // and of two along x the one with a single branch: the point is taken on it, away
  // from the ends of a conic's branches where a root's last digits are unsure.
  const bool swap =
      curve.alongX() != other.alongX() ? !curve.alongX() : curve.branches() > other.branches();
  if (swap) {
    meetings(other, curve, where, out);
  } else {
    meetings(curve, other, where, out);
  }
}

// An equation's intersections with the axes: F(x, 0) = G over the x interval, F(0, y)
// = G over the y interval (over the x interval again when the y interval is unbounded,
// as from the command line). It meets no curve and takes no value here.
std::vector<KeyPoint> equationAxisPoints(const AnalysedCurve& curve, const KeyPointQuery& query) {
  if (!query.basic) return {};
  const Region& where = query.region;
  if (where.x.empty() || where.y.empty() || !where.x.bounded()) return {};
  const Interval alongY = where.y.bounded() ? where.y : where.x;
  Collector out(where);
  const ScalarFunction onX = [&curve](double x) { return curve.equationValue(x, 0.0); };
  for (const double x : zerosOf(onX, sampleFunction(onX, where.x.lo, where.x.hi))) {
    out.add(KeyKind::Zero, x, 0.0);
  }
  if (where.x.contains(0.0)) {
    const ScalarFunction onY = [&curve](double y) { return curve.equationValue(0.0, y); };
    for (const double y : zerosOf(onY, sampleFunction(onY, alongY.lo, alongY.hi))) {
      out.add(KeyKind::YIntercept, 0.0, y);
    }
  }
  return out.finish(tolerance(where.x, where.y), tolerance(where.y, where.x));
}

}  // namespace

std::vector<KeyPoint> findKeyPoints(const AnalysedCurve& curve, const KeyPointQuery& query) {
  if (curve.equation()) return equationAxisPoints(curve, query);
  if (curve.plane() != nullptr || (query.other != nullptr && query.other->plane() != nullptr)) {
    return {};
  }
  const Region where = query.region.meet(curve.own());
  if (where.x.empty() || where.y.empty()) return {};
  Collector out(where);
  if (query.basic) {
    levelPoints(curve, where, true, 0.0, KeyKind::Zero, out);
    turningPoints(curve, where, out);
    levelPoints(curve, where, false, 0.0, KeyKind::YIntercept, out);
  }
  if (query.value) levelPoints(curve, where, true, *query.value, KeyKind::Value, out);
  if (query.other != nullptr) {
    const Region both = where.meet(query.other->own());
    if (!both.x.empty() && !both.y.empty()) {
      Collector meet(both);
      intersections(curve, *query.other, both, meet);
      for (const KeyPoint& p : meet.finish(tolerance(both.x, both.y), tolerance(both.y, both.x))) {
        out.add(p.kind, p.x, p.y);
      }
    }
  }
  return out.finish(tolerance(where.x, where.y), tolerance(where.y, where.x));
}

}  // namespace quorvel
