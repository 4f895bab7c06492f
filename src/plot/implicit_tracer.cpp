#include "plot/implicit_tracer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <deque>
#include <limits>

#include "plot/flat_key_map.h"
#include "plot/segment_joining.h"

namespace quorvel {

namespace {

// A crossing is refined until its bracket is this short (pixels).
constexpr double kCrossingPixels = 1.0 / 1024;
constexpr int kMaxCrossingSteps = 60;
// Lattice coordinates stay below 2^26, so that a side's key holds both of them.
constexpr std::uint64_t kLatticeLimit = std::uint64_t{1} << 26;

// Larger than any picture the program makes (a metre at 1200 dots per inch is 47 000
// pixels; an A3 page at 600 dots per inch 42 million).
constexpr int kMaxFrameSide = 1 << 16;
constexpr std::int64_t kMaxFrameArea = std::int64_t{1} << 26;
constexpr std::size_t kNotDense = ~std::size_t{0};
// A fraction of the finest unit that no round number of the plane is likely to hit.
constexpr double kLatticeOffset = 0.3819660112501051;  // 2 − golden ratio
constexpr double kGolden = 1.618033988749895;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool defined(double v) { return !std::isnan(v); }
// The curve separates the places where F is positive from those where it is not.
bool positive(double v) { return v > 0; }

// A square cell of the lattice: corners (i, j) to (i + size, j + size), j downward.
struct Cell {
  std::uint32_t i = 0;
  std::uint32_t j = 0;
  std::uint32_t size = 0;  // a power of two
};

struct LatticePoint {
  std::uint32_t i = 0;
  std::uint32_t j = 0;
};

std::uint64_t pointKey(std::uint32_t i, std::uint32_t j) {
  return (std::uint64_t{i} << 32) | std::uint64_t{j};
}

// The piece of side from p to q (one lattice direction, a power of two long).
std::uint64_t sideKey(LatticePoint p, LatticePoint q) {
  const LatticePoint from = (p.i < q.i || p.j < q.j) ? p : q;
  const std::uint32_t length =
      p.i == q.i ? (p.j > q.j ? p.j - q.j : q.j - p.j) : (p.i > q.i ? p.i - q.i : q.i - p.i);
  const std::uint64_t level = static_cast<std::uint64_t>(std::countr_zero(length));
  const std::uint64_t vertical = p.i == q.i ? 1 : 0;
  return (std::uint64_t{from.i} << 38) | (std::uint64_t{from.j} << 12) | (level << 1) | vertical;
}

struct Crossing {
  enum class Kind : std::uint8_t { Zero, Jump };
  Kind kind = Kind::Jump;
  PlanePoint point;
};

// A crossing found on the boundary of a leaf, in boundary order.
struct BoundaryCrossing {
  std::uint64_t key = 0;
  PlanePoint point;
  bool positiveAfter = false;  // the sign of the boundary after it
};

enum class LeafOutcome { Empty, Split, Segments };

class Tracer {
 public:
  Tracer(const PlaneFunction& f, const PixelFrame& frame, const ImplicitTracing& tracing)
      : f_(f),
        frame_(frame),
        budget_(tracing.budget),
        leafDepth_(std::clamp(tracing.leafDepth, 0, 12)),
        extraDepth_(std::clamp(tracing.extraDepth, 0, 12)),
        coarse_(std::uint32_t{1} << (leafDepth_ + extraDepth_)),
        leafSize_(std::uint32_t{1} << extraDepth_),
        values_(1 << 16),
        crossings_(1 << 14) {
    const double cellPixels = std::max(tracing.coarseCellPixels, 1.0);
    unitPixels_ = cellPixels / coarse_;
    columns_ = static_cast<std::uint32_t>(std::ceil(frame.width / cellPixels)) + 2;
    rows_ = static_cast<std::uint32_t>(std::ceil(frame.height / cellPixels)) + 2;
    // One coarse cell of margin round the frame, so the curve runs to its edges. The
    // lattice is moved off the frame's round numbers by a fraction of its finest unit:
    // a pole or a domain edge at x = 0 would otherwise lie on the lattice's lines,
    // where F has no value at the very points that should show its sign beside them.
    fits_ = frame.width <= kMaxFrameSide && frame.height <= kMaxFrameSide &&
            std::int64_t{frame.width} * frame.height <= kMaxFrameArea &&
            std::uint64_t{columns_} * coarse_ < kLatticeLimit &&
            std::uint64_t{rows_} * coarse_ < kLatticeLimit;
    if (fits_) {
      const std::size_t dense = (2 * std::size_t{columns_} + 1) * (2 * std::size_t{rows_} + 1);
      denseValues_.assign(dense, kNaN);
      denseKnown_.assign(dense, 0);
    }
    column0_ = -cellPixels + kLatticeOffset * unitPixels_;
    row0_ = -cellPixels + kLatticeOffset * unitPixels_ * kGolden;
  }

  bool fits() const { return fits_; }

  TracedCurve run() {
    TracedCurve result;
    for (std::uint32_t cj = 0; cj <= rows_; ++cj) {
      for (std::uint32_t ci = 0; ci <= columns_; ++ci) {
        count(result.census, value(ci * coarse_, cj * coarse_));
      }
    }
    // The leaves of each coarse cell, halved as their corners and middles ask.
    leaves_.assign(std::size_t{columns_} * rows_, {});
    active_.assign(leaves_.size(), 0);
    queued_.assign(leaves_.size(), 0);
    for (std::uint32_t cj = 0; cj < rows_; ++cj) {
      for (std::uint32_t ci = 0; ci < columns_; ++ci) {
        const Cell cell{ci * coarse_, cj * coarse_, coarse_};
        std::vector<Cell>& leaves = leaves_[coarseIndex(cell)];
        settle(cell, leaves);
        if (leaves.size() > 1) queueAround(ci, cj);
      }
    }
    // A leaf whose sides gained points from a neighbour's halving may now show more
    // crossings: its coarse cell is looked at again until no leaf needs halving. Along a
    // curve that hugs a pole this carries the halving from cell to cell.
    while (!queue_.empty()) {
      const std::size_t k = queue_.front();
      queue_.pop_front();
      queued_[k] = 0;
      std::vector<Cell> before = std::move(leaves_[k]);
      std::vector<Cell>& after = leaves_[k];
      after.clear();
      bool changed = false;
      for (const Cell& leaf : before) {
        if (examine(leaf, nullptr) == LeafOutcome::Split) {
          halve(leaf, after);
          changed = true;
        } else {
          after.push_back(leaf);
        }
      }
      if (changed)
        queueAround(static_cast<std::uint32_t>(k % columns_),
                    static_cast<std::uint32_t>(k / columns_));
    }
    std::vector<KeyedSegment> segments;
    for (std::size_t k = 0; k < leaves_.size(); ++k) {
      if (!active_[k]) continue;  // never halved, nor beside a halved cell: no crossing
      for (const Cell& leaf : leaves_[k]) examine(leaf, &segments);
    }
    result.polylines = joinSegments(segments);
    result.evaluations = evaluations_;
    result.budgetSpent = budgetSpent_;
    return result;
  }

 private:
  // The coarse cell and those beside it (which share its sides) are to be looked at.
  void queueAround(std::uint32_t ci, std::uint32_t cj) {
    for (int dj = -1; dj <= 1; ++dj) {
      for (int di = -1; di <= 1; ++di) {
        const std::int64_t ni = std::int64_t{ci} + di, nj = std::int64_t{cj} + dj;
        if (ni < 0 || nj < 0 || ni >= columns_ || nj >= rows_) continue;
        const std::size_t k =
            static_cast<std::size_t>(nj) * columns_ + static_cast<std::size_t>(ni);
        active_[k] = 1;
        if (!queued_[k]) {
          queued_[k] = 1;
          queue_.push_back(k);
        }
      }
    }
  }

  static void count(SignCensus& census, double v) {
    if (!defined(v)) {
      ++census.undefined;
    } else if (v > 0) {
      ++census.positive;
    } else if (v < 0) {
      ++census.negative;
    } else {
      ++census.zero;
    }
  }

  PlanePoint planeAt(double i, double j) const {
    return {frame_.xAt(column0_ + i * unitPixels_), frame_.yAt(row0_ + j * unitPixels_)};
  }

  double evaluate(const PlanePoint& p) {
    ++evaluations_;
    const std::optional<double> v = finiteValue(f_, p.x, p.y);
    return v ? *v : kNaN;
  }

  // The place of a point of the half-coarse lattice (corners, side middles and middles
  // of the coarse cells) in the dense table, or npos for a finer point.
  std::size_t halfCoarseIndex(std::uint32_t i, std::uint32_t j) const {
    const std::uint32_t half = coarse_ / 2;
    if (half == 0 || i % half != 0 || j % half != 0) return kNotDense;
    return std::size_t{j / half} * (2 * std::size_t{columns_} + 1) + i / half;
  }

  // F at a lattice point, evaluated once. The points every cell has (the half-coarse
  // lattice) are kept in a table, the finer ones, near the curve only, in a hash map.
  double value(std::uint32_t i, std::uint32_t j) {
    const std::size_t at = halfCoarseIndex(i, j);
    if (at != kNotDense) {
      if (!denseKnown_[at]) {
        denseValues_[at] = evaluate(planeAt(i, j));
        denseKnown_[at] = 1;
      }
      return denseValues_[at];
    }
    const std::uint64_t key = pointKey(i, j);
    if (const double* known = values_.find(key)) return *known;
    const double v = evaluate(planeAt(i, j));
    values_.insert(key, v);
    return v;
  }

  bool known(std::uint32_t i, std::uint32_t j) const {
    const std::size_t at = halfCoarseIndex(i, j);
    if (at != kNotDense) return denseKnown_[at];
    return values_.find(pointKey(i, j));
  }

  // F in the middle of a cell; a cell one lattice unit wide has no lattice point there.
  double centreValue(const Cell& c) {
    if (c.size >= 2) return value(c.i + c.size / 2, c.j + c.size / 2);
    return evaluate(planeAt(c.i + 0.5, c.j + 0.5));
  }

  bool mayHalve(const Cell& c) {
    if (c.size < 2) return false;
    if (evaluations_ < budget_) return true;
    budgetSpent_ = true;
    return false;
  }

  std::size_t coarseIndex(const Cell& c) const {
    return std::size_t{c.j / coarse_} * columns_ + c.i / coarse_;
  }

  // Halves the cell (its four new corners and its middle are evaluated, so that its
  // neighbours see them on their sides) and settles the quarters.
  void halve(const Cell& c, std::vector<Cell>& leaves) {
    const std::uint32_t h = c.size / 2;
    value(c.i + h, c.j);
    value(c.i + c.size, c.j + h);
    value(c.i + h, c.j + c.size);
    value(c.i, c.j + h);
    value(c.i + h, c.j + h);
    settle({c.i, c.j, h}, leaves);
    settle({c.i + h, c.j, h}, leaves);
    settle({c.i, c.j + h, h}, leaves);
    settle({c.i + h, c.j + h, h}, leaves);
  }

  // The cell as a leaf, or halved as far as its corners and middle ask.
  void settle(const Cell& c, std::vector<Cell>& leaves) {
    if (mayHalve(c) && asksHalving(c)) {
      halve(c, leaves);
    } else {
      leaves.push_back(c);
    }
  }

  bool asksHalving(const Cell& c) {
    const std::array<double, 4> v = {value(c.i, c.j), value(c.i + c.size, c.j),
                                     value(c.i + c.size, c.j + c.size), value(c.i, c.j + c.size)};
    int pos = 0, neg = 0, undefinedCorners = 0;
    double sum = 0;
    for (const double x : v) {
      if (!defined(x)) {
        ++undefinedCorners;
      } else {
        positive(x) ? ++pos : ++neg;
        sum += x;
      }
    }
    const double m = centreValue(c);
    const bool cornersChange = pos > 0 && neg > 0;
    const bool mixed = undefinedCorners > 0 && undefinedCorners < 4;
    // The middle's sign is on no corner: the curve is inside.
    const bool centreNew = defined(m) && (positive(m) ? pos == 0 : neg == 0);
    // The middle lies so far off the corners' mean that F may reach zero inside, or
    // jumps there (a pole).
    const bool bent = undefinedCorners == 0 && defined(m) && !cornersChange &&
                      std::abs(m) < 2 * std::abs(m - sum / 4);
    // F has no value in the middle of a cell whose corners all have one: a pole or a
    // hole that may hide a piece of the curve beside it.
    const bool hole = undefinedCorners == 0 && !defined(m);
    if (c.size > leafSize_) return cornersChange || centreNew || bent || mixed || hole;
    const bool saddle = undefinedCorners == 0 && positive(v[0]) == positive(v[2]) &&
                        positive(v[1]) == positive(v[3]) && positive(v[0]) != positive(v[1]);
    // Below the leaves only what is certain to be there is looked for: a pole makes
    // every cell beside it look bent, and halving those would follow the pole, not the
    // curve. A curve that runs beside a pole is followed from cell to cell instead, by
    // the crossings the halved cells leave on their neighbours' sides (examine).
    return (centreNew && pos + neg > 0) || hole || (cornersChange && (mixed || saddle));
  }

  // Where F crosses zero between two lattice points of unlike sign: found by the
  // Illinois method, and a zero only when F really goes to zero there.
  Crossing crossing(LatticePoint p, LatticePoint q, double vp, double vq) {
    const std::uint64_t key = sideKey(p, q);
    if (const Crossing* known = crossings_.find(key)) return *known;
    const PlanePoint a0 = planeAt(p.i, p.j), b0 = planeAt(q.i, q.j);
    auto along = [&](double s) {
      return PlanePoint{a0.x + s * (b0.x - a0.x), a0.y + s * (b0.y - a0.y)};
    };
    Crossing result;
    const double lengthPixels =
        (static_cast<double>(q.i) - p.i + static_cast<double>(q.j) - p.j) * unitPixels_;
    if (vp == 0 || vq == 0) {  // the zero is on the lattice point itself
      result.kind = Crossing::Kind::Zero;
      result.point = vp == 0 ? a0 : b0;
      return crossings_.insert(key, result);
    }
    double a = 0, b = 1, fa = vp, fb = vq, ra = vp, rb = vq;
    int kept = 0;  // which end stayed last time: −1 a, +1 b
    bool hole = false;
    for (int step = 0; step < kMaxCrossingSteps; ++step) {
      if (std::abs(b - a) * std::abs(lengthPixels) <= kCrossingPixels) break;
      double s = (a * fb - b * fa) / (fb - fa);
      if (!(s > std::min(a, b) && s < std::max(a, b))) s = (a + b) / 2;
      const double fs = evaluate(along(s));
      // No value inside, or one beyond both ends: a hole or a pole, no zero to refine.
      if (!defined(fs) || std::abs(fs) > 2 * std::max(std::abs(vp), std::abs(vq))) {
        hole = true;
        break;
      }
      if (fs == 0) {
        a = b = s;
        ra = rb = 0;
        break;
      }
      if (positive(fs) == positive(fa)) {
        a = s;
        fa = ra = fs;
        if (kept == 1) fb /= 2;
        kept = 1;
      } else {
        b = s;
        fb = rb = fs;
        if (kept == -1) fa /= 2;
        kept = -1;
      }
    }
    // Beside a zero F shrinks with the bracket; across a pole or a jump it does not.
    if (!hole &&
        std::max(std::abs(ra), std::abs(rb)) <= 0.5 * std::max(std::abs(vp), std::abs(vq))) {
      result.kind = Crossing::Kind::Zero;
      double s = a;
      if (rb != ra) s = std::clamp((a * rb - b * ra) / (rb - ra), std::min(a, b), std::max(a, b));
      result.point = along(s);
    }
    return crossings_.insert(key, result);
  }

  // The points on the side from p to q (excluded) that some cell evaluated: where a
  // neighbour was halved, its corners lie on this leaf's side.
  void sidePoints(LatticePoint p, LatticePoint q, std::vector<LatticePoint>& out) const {
    const std::uint32_t di = q.i > p.i ? q.i - p.i : p.i - q.i;
    const std::uint32_t dj = q.j > p.j ? q.j - p.j : p.j - q.j;
    if (di + dj < 2) return;
    const LatticePoint mid{(p.i + q.i) / 2, (p.j + q.j) / 2};
    if (!known(mid.i, mid.j)) return;
    sidePoints(p, mid, out);
    out.push_back(mid);
    sidePoints(mid, q, out);
  }

  // Looks at a leaf's boundary. With `segments`, adds the leaf's pieces of curve;
  // without, only says whether it must be halved.
  LeafOutcome examine(const Cell& c, std::vector<KeyedSegment>* segments) {
    const std::array<LatticePoint, 4> corners = {
        LatticePoint{c.i, c.j}, LatticePoint{c.i + c.size, c.j},
        LatticePoint{c.i + c.size, c.j + c.size}, LatticePoint{c.i, c.j + c.size}};
    boundary_.clear();
    for (int k = 0; k < 4; ++k) {
      boundary_.push_back(corners[k]);
      sidePoints(corners[k], corners[(k + 1) % 4], boundary_);
    }
    found_.clear();
    int jumps = 0;
    bool undefinedSeen = false;
    const std::size_t n = boundary_.size();
    double previous = value(boundary_[0].i, boundary_[0].j);
    for (std::size_t k = 0; k < n; ++k) {
      const LatticePoint p = boundary_[k], q = boundary_[(k + 1) % n];
      const double vp = previous, vq = value(q.i, q.j);
      previous = vq;
      if (!defined(vp)) {
        undefinedSeen = true;
        continue;
      }
      if (!defined(vq) || positive(vp) == positive(vq)) continue;
      const Crossing x = crossing(p, q, vp, vq);
      if (x.kind == Crossing::Kind::Jump) {
        ++jumps;
      } else {
        found_.push_back({sideKey(p, q), x.point, positive(vq)});
      }
    }
    // Sides where F only jumps (a pole beside which the curve does not run) leave
    // nothing to draw; whether the curve hides beside them the middle has told.
    if (found_.empty()) return LeafOutcome::Empty;
    const bool simple = c.size <= leafSize_ && jumps == 0 && !undefinedSeen && found_.size() == 2;
    if (!simple && mayHalve(c)) return LeafOutcome::Split;
    if (segments == nullptr) return LeafOutcome::Segments;
    if (jumps > 0) return LeafOutcome::Empty;  // never a line beside a pole
    if (found_.size() == 2) {
      segments->push_back({found_[0].key, found_[1].key, found_[0].point, found_[1].point});
    } else if (found_.size() % 2 == 0 && !undefinedSeen) {
      // A saddle at the finest cells: the middle's sign joins its side's regions, so
      // each crossing pairs with the next across a stretch of the other sign.
      const double m = centreValue(c);
      if (!defined(m)) return LeafOutcome::Empty;
      const std::size_t k = found_.size();
      for (std::size_t at = 0; at < k; ++at) {
        if (found_[at].positiveAfter == positive(m)) continue;
        const BoundaryCrossing& x = found_[at];
        const BoundaryCrossing& y = found_[(at + 1) % k];
        segments->push_back({x.key, y.key, x.point, y.point});
      }
    }
    return LeafOutcome::Segments;
  }

  const PlaneFunction& f_;
  const PixelFrame& frame_;
  std::int64_t budget_;
  int leafDepth_;
  int extraDepth_;
  std::uint32_t coarse_;    // a coarse cell, in lattice units
  std::uint32_t leafSize_;  // a leaf of the curve's lines, in lattice units
  double unitPixels_ = 1;
  double column0_ = 0, row0_ = 0;
  std::uint32_t columns_ = 0, rows_ = 0;
  bool fits_ = false;
  std::vector<double> denseValues_;
  std::vector<std::uint8_t> denseKnown_;
  FlatKeyMap<double> values_;
  FlatKeyMap<Crossing> crossings_;
  std::int64_t evaluations_ = 0;
  bool budgetSpent_ = false;
  std::vector<std::vector<Cell>> leaves_;  // per coarse cell
  std::vector<std::uint8_t> active_;       // per coarse cell: may hold crossings
  std::vector<std::uint8_t> queued_;
  std::deque<std::size_t> queue_;
  // Scratch of examine.
  std::vector<LatticePoint> boundary_;
  std::vector<BoundaryCrossing> found_;
};

}  // namespace

TracedCurve traceImplicit(const PlaneFunction& f, const PixelFrame& frame,
                          const ImplicitTracing& tracing) {
  if (!frame.valid()) return {};
  Tracer tracer(f, frame, tracing);
  if (!tracer.fits()) return {};
  return tracer.run();
}

}  // namespace quorvel
