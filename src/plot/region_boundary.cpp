#include "plot/region_boundary.h"

#include <utility>

namespace quorvel {

namespace {

// Halvings of a segment to find where it leaves the others' region: far below a pixel.
constexpr int kCutSteps = 40;

Relation loose(Relation r) {
  if (r == Relation::Less) return Relation::LessOrEqual;
  if (r == Relation::Greater) return Relation::GreaterOrEqual;
  return r;
}

// Whether every inequality but the k-th holds at p, their lines included (a boundary
// piece runs up to the corner where it meets another).
bool othersHold(const std::vector<Inequality>& system, std::size_t k, const PlanePoint& p) {
  for (std::size_t j = 0; j < system.size(); ++j) {
    if (j == k) continue;
    if (!relationHolds(loose(system[j].relation), system[j].f(p.x, p.y))) return false;
  }
  return true;
}

// The point of the segment from `in` (where the others hold) to `out` (where they do
// not) at which they stop holding.
PlanePoint cut(const std::vector<Inequality>& system, std::size_t k, PlanePoint in,
               PlanePoint out) {
  for (int step = 0; step < kCutSteps; ++step) {
    const PlanePoint m{(in.x + out.x) / 2, (in.y + out.y) / 2};
    (othersHold(system, k, m) ? in : out) = m;
  }
  return in;
}

// The stretches of one traced polyline where the others hold.
std::vector<PlanePolyline> keptStretches(const std::vector<Inequality>& system, std::size_t k,
                                         const PlanePolyline& line) {
  std::vector<PlanePolyline> out;
  const std::vector<PlanePoint>& p = line.points;
  if (p.empty()) return out;
  std::vector<bool> holds(p.size());
  bool all = true;
  for (std::size_t i = 0; i < p.size(); ++i) {
    holds[i] = othersHold(system, k, p[i]);
    all = all && holds[i];
  }
  if (all) return {line};
  PlanePolyline current;
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (i > 0 && holds[i] != holds[i - 1]) {
      if (holds[i - 1]) {
        current.points.push_back(cut(system, k, p[i - 1], p[i]));
        out.push_back(std::move(current));
        current = PlanePolyline{};
      } else {
        current.points.push_back(cut(system, k, p[i], p[i - 1]));
      }
    }
    if (holds[i]) current.points.push_back(p[i]);
  }
  if (!current.points.empty()) out.push_back(std::move(current));
  // A closed curve cut open: the stretch across its seam is one.
  if (line.closed && out.size() > 1 && holds.front() && holds.back()) {
    PlanePolyline& last = out.back();
    last.points.insert(last.points.end(), out.front().points.begin() + 1, out.front().points.end());
    out.front() = std::move(last);
    out.pop_back();
  }
  std::erase_if(out, [](const PlanePolyline& l) { return l.points.size() < 2; });
  return out;
}

}  // namespace

std::vector<BoundaryPiece> regionBoundary(const std::vector<Inequality>& system,
                                          const PixelFrame& frame, const ImplicitTracing& tracing) {
  std::vector<BoundaryPiece> pieces;
  for (std::size_t k = 0; k < system.size(); ++k) {
    const bool included = system[k].relation == Relation::LessOrEqual ||
                          system[k].relation == Relation::GreaterOrEqual;
    const TracedCurve curve = traceImplicit(system[k].f, frame, tracing);
    for (const PlanePolyline& line : curve.polylines) {
      for (PlanePolyline& kept : keptStretches(system, k, line)) {
        pieces.push_back({std::move(kept), static_cast<int>(k), included});
      }
    }
  }
  return pieces;
}

}  // namespace quorvel
