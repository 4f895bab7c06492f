#include "analysis/linear_program.h"

#include <algorithm>
#include <utility>

namespace quorvel {

namespace {

mpq_class cross(const RationalPoint& u, const RationalPoint& v) { return u.x * v.y - u.y * v.x; }
mpq_class dot(const RationalPoint& u, const RationalPoint& v) { return u.x * v.x + u.y * v.y; }
RationalPoint minus(const RationalPoint& u, const RationalPoint& v) {
  return {u.x - v.x, u.y - v.y};
}

mpq_class along(const RationalHalfPlane& h, const RationalPoint& v) {
  return h.a * v.x + h.b * v.y;
}
bool holdsClosed(const RationalHalfPlane& h, const RationalPoint& v) { return along(h, v) <= h.c; }
bool onLine(const RationalHalfPlane& h, const RationalPoint& v) { return along(h, v) == h.c; }

// The direction as the shortest vector of whole numbers: (1, 1/2) is (2, 1).
RationalPoint primitive(const RationalPoint& d) {
  mpz_class common;
  mpz_lcm(common.get_mpz_t(), d.x.get_den_mpz_t(), d.y.get_den_mpz_t());
  const mpz_class x = mpz_class(d.x * common), y = mpz_class(d.y * common);
  mpz_class divisor;
  mpz_gcd(divisor.get_mpz_t(), x.get_mpz_t(), y.get_mpz_t());
  return {mpq_class(x / divisor), mpq_class(y / divisor)};
}

void addOnce(std::vector<RationalPoint>& list, const RationalPoint& p) {
  if (std::find(list.begin(), list.end(), p) == list.end()) list.push_back(p);
}

RationalHalfPlane facingDown(const LinearConstraint& c) {
  const bool flip =
      c.relation == LinearRelation::Greater || c.relation == LinearRelation::GreaterEqual;
  const bool strict = c.relation == LinearRelation::Less || c.relation == LinearRelation::Greater;
  RationalHalfPlane h{c.a, c.b, c.c, strict};
  if (flip) h = {-h.a, -h.b, -h.c, strict};
  return h;
}

// The corners of the closure: the meeting points of two lines that satisfy every
// inequality (each corner once).
std::vector<RationalPoint> closureCorners(const std::vector<RationalHalfPlane>& hs) {
  std::vector<RationalPoint> corners;
  for (std::size_t i = 0; i < hs.size(); ++i) {
    for (std::size_t j = i + 1; j < hs.size(); ++j) {
      const mpq_class det = hs[i].a * hs[j].b - hs[j].a * hs[i].b;
      if (det == 0) continue;
      const RationalPoint p{(hs[i].c * hs[j].b - hs[j].c * hs[i].b) / det,
                            (hs[i].a * hs[j].c - hs[j].a * hs[i].c) / det};
      if (std::all_of(hs.begin(), hs.end(),
                      [&p](const RationalHalfPlane& h) { return holdsClosed(h, p); })) {
        addOnce(corners, p);
      }
    }
  }
  return corners;
}

// The edges of the cone of directions in which the closure runs to infinity: they lie
// along the lines.
std::vector<RationalPoint> recessionEdges(const std::vector<RationalHalfPlane>& hs) {
  std::vector<RationalPoint> edges;
  for (const RationalHalfPlane& h : hs) {
    for (const RationalPoint& d : {RationalPoint{-h.b, h.a}, RationalPoint{h.b, -h.a}}) {
      if (std::all_of(hs.begin(), hs.end(),
                      [&d](const RationalHalfPlane& k) { return along(k, d) <= 0; })) {
        addOnce(edges, primitive(d));
      }
    }
  }
  return edges;
}

// Counter-clockwise from the lowest (then leftmost) corner: by the turn from it.
void orderBounded(std::vector<RationalPoint>& corners) {
  const auto lowest = std::min_element(
      corners.begin(), corners.end(),
      [](const auto& u, const auto& v) { return u.y < v.y || (u.y == v.y && u.x < v.x); });
  std::iter_swap(corners.begin(), lowest);
  const RationalPoint start = corners.front();
  std::sort(corners.begin() + 1, corners.end(), [&start](const auto& u, const auto& v) {
    return sgn(cross(minus(u, start), minus(v, start))) > 0;
  });
}

// Along the boundary from the incoming edge direction `in` to the outgoing `out`
// (cross(in, out) < 0, or the same when one direction): by the distance along a
// direction every step of the boundary goes forward in.
void orderUnbounded(std::vector<RationalPoint>& corners, const RationalPoint& in,
                    const RationalPoint& out) {
  RationalPoint forward;
  if (in == out) {
    forward = {in.y, -in.x};  // the boundary runs across the half-strip, clockwise of it
  } else {
    const mpq_class inOut = dot(in, out);
    const mpq_class k =
        inOut <= 0 ? mpq_class(1) : (inOut / dot(in, in) + dot(out, out) / inOut) / 2;
    forward = {out.x - k * in.x, out.y - k * in.y};
  }
  std::sort(corners.begin(), corners.end(),
            [&forward](const auto& u, const auto& v) { return dot(u, forward) < dot(v, forward); });
}

// No corner and every line parallel to the first one's: a half-plane, a strip or a
// line, spanned by a point on each boundary line and the directions. false when the
// inequalities leave nothing.
bool spanParallel(const std::vector<RationalHalfPlane>& hs, FeasibleRegion& r) {
  const RationalPoint n{hs.front().a, hs.front().b};
  std::optional<mpq_class> lo, hi;  // on n·(x, y)
  for (const RationalHalfPlane& h : hs) {
    const mpq_class ratio = n.x != 0 ? h.a / n.x : h.b / n.y;
    const mpq_class bound = h.c / ratio;
    if (ratio > 0) {
      if (!hi || bound < *hi) hi = bound;
    } else if (!lo || bound > *lo) {
      lo = bound;
    }
  }
  if (lo && hi && *lo > *hi) return false;
  const mpq_class length = dot(n, n);
  for (const std::optional<mpq_class>& t : {lo, hi}) {
    if (t) addOnce(r.anchors, {*t * n.x / length, *t * n.y / length});
  }
  r.directions = {primitive({-n.y, n.x}), primitive({n.y, -n.x})};
  if (!hi) r.directions.push_back(primitive(n));
  if (!lo) r.directions.push_back(primitive({-n.x, -n.y}));
  return true;
}

// The strict inequality holds nowhere on the set spanned by the points and
// directions: it is all on the inequality's line.
bool allOnLine(const RationalHalfPlane& h, const std::vector<RationalPoint>& points,
               const std::vector<RationalPoint>& directions) {
  return std::all_of(points.begin(), points.end(), [&h](const auto& p) { return onLine(h, p); }) &&
         std::all_of(directions.begin(), directions.end(),
                     [&h](const auto& d) { return along(h, d) == 0; });
}

bool excludesAll(const std::vector<RationalHalfPlane>& hs, const std::vector<RationalPoint>& points,
                 const std::vector<RationalPoint>& directions) {
  return std::any_of(hs.begin(), hs.end(), [&](const RationalHalfPlane& h) {
    return h.strict && allOnLine(h, points, directions);
  });
}

bool inRegion(const std::vector<RationalHalfPlane>& hs, const RationalPoint& p) {
  return std::none_of(hs.begin(), hs.end(),
                      [&p](const RationalHalfPlane& h) { return h.strict && onLine(h, p); });
}

std::vector<RationalPoint> spanningPoints(const FeasibleRegion& r) {
  if (r.corners.empty()) return r.anchors;
  std::vector<RationalPoint> points;
  for (const Corner& c : r.corners) points.push_back(c.point);
  return points;
}

Optimum best(const FeasibleRegion& r, const mpq_class& p, const mpq_class& q, int sense) {
  Optimum o;
  if (r.shape == RegionShape::Empty) return o;
  const RationalPoint z{p * sense, q * sense};
  for (const RationalPoint& d : r.directions) {
    if (dot(z, d) > 0) {
      o.kind = OptimumKind::Unbounded;
      return o;
    }
  }
  const std::vector<RationalPoint> points = spanningPoints(r);
  mpq_class most = dot(z, points.front());
  for (const RationalPoint& v : points) most = std::max(most, mpq_class(dot(z, v)));
  std::vector<RationalPoint> face;
  for (const RationalPoint& v : points) {
    if (dot(z, v) == most) {
      face.push_back(v);
      o.points.push_back({v, inRegion(r.halfPlanes, v)});
    }
  }
  for (const RationalPoint& d : r.directions) {
    if (dot(z, d) == 0) o.directions.push_back(d);
  }
  o.value = most * sense;
  o.everywhere = p == 0 && q == 0;
  o.kind = excludesAll(r.halfPlanes, face, o.directions) ? OptimumKind::NotAttained
                                                         : OptimumKind::Attained;
  return o;
}

}  // namespace

bool operator==(const RationalPoint& p, const RationalPoint& q) { return p.x == q.x && p.y == q.y; }

RegionOutcome feasibleRegion(const std::vector<LinearConstraint>& constraints) {
  if (constraints.size() > kMostInequalities) {
    return {std::nullopt,
            "不等式太多：一个线性规划最多 " + std::to_string(kMostInequalities) + " 个不等式"};
  }
  FeasibleRegion r;
  for (const LinearConstraint& c : constraints) {
    const RationalHalfPlane h = facingDown(c);
    if (h.a == 0 && h.b == 0) {
      // 0 ≤ c holds everywhere or nowhere.
      if (h.strict ? !(0 < h.c) : !(0 <= h.c)) return {FeasibleRegion{}, {}};
      continue;
    }
    r.halfPlanes.push_back(h);
  }
  const std::vector<RationalHalfPlane>& hs = r.halfPlanes;
  if (hs.empty()) {
    r.shape = RegionShape::Unbounded;
    r.anchors = {{0, 0}};
    r.directions = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    return {r, {}};
  }
  std::vector<RationalPoint> corners = closureCorners(hs);
  if (!corners.empty()) {
    r.directions = recessionEdges(hs);
    if (r.directions.empty()) {
      orderBounded(corners);
    } else {
      if (r.directions.size() == 2 && sgn(cross(r.directions[0], r.directions[1])) > 0) {
        std::swap(r.directions[0], r.directions[1]);
      }
      orderUnbounded(corners, r.directions.front(), r.directions.back());
    }
  } else {
    const bool parallel = std::all_of(hs.begin(), hs.end(), [&hs](const RationalHalfPlane& h) {
      return h.a * hs.front().b - h.b * hs.front().a == 0;
    });
    // Two lines that are not parallel meet in a corner of any region they bound.
    if (!parallel || !spanParallel(hs, r)) return {FeasibleRegion{}, {}};
  }
  if (excludesAll(hs, corners.empty() ? r.anchors : corners, r.directions)) {
    return {FeasibleRegion{}, {}};
  }
  for (const RationalPoint& p : corners) r.corners.push_back({p, inRegion(hs, p)});
  r.shape = r.directions.empty() ? RegionShape::Bounded : RegionShape::Unbounded;
  return {r, {}};
}

ObjectiveResult optimise(const FeasibleRegion& region, const mpq_class& p, const mpq_class& q) {
  return {best(region, p, q, 1), best(region, p, q, -1)};
}

}  // namespace quorvel
