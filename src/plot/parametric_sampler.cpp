#include "plot/parametric_sampler.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace quorvel {

namespace {

// A chord longer than this is halved even when its middle point lies on it: on short
// chords the middle point tells whether the curve bends away, and a chord that stays
// this long however far it is halved is a jump, not a steep stretch of the curve.
constexpr double kMaxChordPixels = 8;
// Halvings of one step at most; past them a chord that still does not follow the
// curve is a jump and is not drawn.
constexpr int kMaxDepth = 48;
// The last point closes the curve when it lies this near the first (rounding of
// cos 2π and sin 2π leaves far less).
constexpr double kClosePixels = 0.01;

struct Sample {
  double t = 0;
  bool defined = false;
  PlanePoint p;
  double column = 0, row = 0;  // in pixels of the frame
};

// Polylines in parameter order: the pen is put down at a point and draws lines on from
// it until it is lifted.
class PolylineBuilder {
 public:
  void lineTo(const Sample& s) {
    if (!penDown_) {
      if (!pending_) return;
      current_.points.push_back(pending_->p);
      startT_ = pending_->t;
      penDown_ = true;
    }
    current_.points.push_back(s.p);
    endT_ = s.t;
    pending_.reset();
  }
  // The pen is lifted and waits at s: the next line starts there.
  void moveTo(const Sample& s) {
    lift();
    pending_ = s;
  }
  void lift() {
    if (penDown_ && current_.points.size() >= 2) {
      lines_.push_back(std::move(current_));
      starts_.push_back(startT_);
      ends_.push_back(endT_);
    }
    current_ = PlanePolyline{};
    penDown_ = false;
    pending_.reset();
  }

  // The polylines; a curve that ends where it started is closed.
  std::vector<PlanePolyline> finish(double from, double to, const PixelFrame& frame) {
    lift();
    if (lines_.empty() || starts_.front() != from || ends_.back() != to) return std::move(lines_);
    const PlanePoint first = lines_.front().points.front();
    const PlanePoint last = lines_.back().points.back();
    if (frame.pixelDistance(first, last) > kClosePixels) return std::move(lines_);
    if (lines_.size() == 1) {
      lines_.front().points.back() = first;
      lines_.front().closed = true;
    } else {
      // The stretch across the seam is one line: the last polyline runs on into the first.
      PlanePolyline& tail = lines_.back();
      tail.points.insert(tail.points.end(), lines_.front().points.begin() + 1,
                         lines_.front().points.end());
      lines_.front() = std::move(tail);
      lines_.pop_back();
    }
    return std::move(lines_);
  }

 private:
  std::vector<PlanePolyline> lines_;
  std::vector<double> starts_, ends_;
  PlanePolyline current_;
  double startT_ = 0, endT_ = 0;
  bool penDown_ = false;
  std::optional<Sample> pending_;
};

template <class PointAt>
class Sampler {
 public:
  Sampler(const PointAt& pointAt, const PixelFrame& frame, const CurveSampling& sampling)
      : pointAt_(pointAt),
        frame_(frame),
        tolerance_(std::max(sampling.tolerancePixels, 1e-3)),
        budget_(sampling.budget) {
    const double margin = tolerance_ + 2;
    minColumn_ = -margin;
    minRow_ = -margin;
    maxColumn_ = frame.width + margin;
    maxRow_ = frame.height + margin;
  }

  SampledCurve run(const ParameterRange& range, int steps) {
    SampledCurve result;
    if (!std::isfinite(range.from) || !std::isfinite(range.to)) return result;
    const int n = range.from == range.to ? 1 : std::clamp(steps, 1, CurveSampling::kMaxSteps);
    const double step = (range.to - range.from) / n;
    auto stepAt = [&](int k) { return sample(k == n ? range.to : range.from + k * step); };
    // Each step from a to b, with the steps on either side of it (before, after).
    Sample before, a = sample(range.from), b = stepAt(1);
    if (a.defined) out_.moveTo(a);
    for (int k = 1; k <= n; ++k) {
      Sample after;
      if (k < n) after = stepAt(k + 1);
      if (k > 1 && k < n && followsItsNeighbours(before, a, b, after)) {
        if (nearView(a, b, b)) {
          out_.lineTo(b);
        } else {
          out_.moveTo(b);
        }
      } else {
        between(a, b);
      }
      before = a;
      a = b;
      b = after;
    }
    result.polylines = out_.finish(range.from, range.to, frame_);
    result.evaluations = evaluations_;
    result.budgetSpent = budgetSpent_;
    return result;
  }

 private:
  Sample sample(double t) {
    ++evaluations_;
    Sample s;
    s.t = t;
    const std::optional<PlanePoint> p = pointAt_(t);
    if (!p) return s;
    s.p = *p;
    s.column = frame_.columnOf(p->x);
    s.row = frame_.rowOf(p->y);
    s.defined = std::isfinite(s.column) && std::isfinite(s.row);
    return s;
  }

  // A step shorter than a pixel whose neighbours bend by far less than the tolerance:
  // the curve between its ends is the straight line to well within a pixel (the
  // parabola through the four points leaves the chord by an eighth of their second
  // differences), and no point in its middle is needed. The steps are then already
  // finer than the pixels, as for 10 000 steps of a curve in the window.
  bool followsItsNeighbours(const Sample& before, const Sample& a, const Sample& b,
                            const Sample& after) const {
    if (!before.defined || !a.defined || !b.defined || !after.defined) return false;
    if (chord(a, b) > 1) return false;
    auto bend = [](const Sample& p, const Sample& q, const Sample& r) {
      const double dc = p.column - 2 * q.column + r.column, dr = p.row - 2 * q.row + r.row;
      return std::sqrt(dc * dc + dr * dr);
    };
    return bend(before, a, b) <= tolerance_ && bend(a, b, after) <= tolerance_;
  }

  bool mayRefine() {
    if (evaluations_ < budget_) return true;
    budgetSpent_ = true;
    return false;
  }

  // From one step to the next: the pen is at `a` when a is defined.
  void between(const Sample& a, const Sample& b) {
    if (a.defined && b.defined) {
      refine(a, b, 0);
    } else if (a.defined) {
      approachExit(a, b);
    } else if (b.defined) {
      approachEntry(a, b);
    }
  }

  // The lines from a (where the pen is) to b, halving until each follows the curve.
  void refine(const Sample& a, const Sample& b, int depth) {
    if (!mayRefine()) {
      if (nearView(a, b, b)) {
        out_.lineTo(b);
      } else {
        out_.moveTo(b);
      }
      return;
    }
    const double tm = a.t + (b.t - a.t) / 2;
    if (tm == a.t || tm == b.t) {  // no parameter left between them
      lineOrJump(a, b);
      return;
    }
    const Sample m = sample(tm);
    if (!m.defined) {  // a hole between the two steps
      approachExit(a, m);
      approachEntry(m, b);
      return;
    }
    if (!nearView(a, m, b)) {  // runs outside: nothing to draw, the pen waits at b
      out_.moveTo(b);
      return;
    }
    if (chord(a, b) <= kMaxChordPixels && offChord(m, a, b) <= tolerance_) {
      out_.lineTo(b);
      return;
    }
    if (depth >= kMaxDepth) {
      lineOrJump(a, b);
      return;
    }
    refine(a, m, depth + 1);
    refine(m, b, depth + 1);
  }

  // Halving ended without the chord following the curve: joined only when it is
  // shorter than a pixel (a cusp), broken otherwise (a jump).
  void lineOrJump(const Sample& a, const Sample& b) {
    if (chord(a, b) <= 1) {
      out_.lineTo(b);
    } else {
      out_.moveTo(b);
    }
  }

  // From a defined point towards one where the curve has none: the curve up to the edge.
  void approachExit(Sample a, Sample beyond) {
    for (int i = 0; i < kMaxDepth && mayRefine(); ++i) {
      const double tm = a.t + (beyond.t - a.t) / 2;
      if (tm == a.t || tm == beyond.t) break;
      const Sample m = sample(tm);
      if (m.defined) {
        refine(a, m, 0);
        a = m;
      } else {
        beyond = m;
      }
    }
    out_.lift();
  }

  // From where the curve has no point to a defined b: the curve from the edge on. The
  // points nearest the edge are found first and drawn in parameter order.
  void approachEntry(Sample before, const Sample& b) {
    std::vector<Sample> found;  // defined points, each nearer the edge than the last
    Sample inner = b;
    for (int i = 0; i < kMaxDepth && mayRefine(); ++i) {
      const double tm = before.t + (inner.t - before.t) / 2;
      if (tm == before.t || tm == inner.t) break;
      const Sample m = sample(tm);
      if (m.defined) {
        found.push_back(m);
        inner = m;
      } else {
        before = m;
      }
    }
    Sample at = found.empty() ? b : found.back();
    out_.moveTo(at);
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
      if (it == found.rbegin()) continue;
      refine(at, *it, 0);
      at = *it;
    }
    if (!found.empty()) refine(at, b, 0);
  }

  double chord(const Sample& a, const Sample& b) const {
    const double dc = b.column - a.column, dr = b.row - a.row;
    return std::sqrt(dc * dc + dr * dr);
  }

  // The distance in pixels from m to the chord a–b.
  double offChord(const Sample& m, const Sample& a, const Sample& b) const {
    const double dx = b.column - a.column, dy = b.row - a.row;
    const double length2 = dx * dx + dy * dy;
    double f = 0;
    if (length2 > 0) {
      f = std::clamp(((m.column - a.column) * dx + (m.row - a.row) * dy) / length2, 0.0, 1.0);
    }
    const double ec = m.column - (a.column + f * dx), er = m.row - (a.row + f * dy);
    return std::sqrt(ec * ec + er * er);
  }

  // Whether the box around the three points reaches the frame (with a margin): a
  // stretch wholly beside the frame is not drawn.
  bool nearView(const Sample& a, const Sample& m, const Sample& b) const {
    const double c0 = std::min({a.column, m.column, b.column});
    const double c1 = std::max({a.column, m.column, b.column});
    const double r0 = std::min({a.row, m.row, b.row});
    const double r1 = std::max({a.row, m.row, b.row});
    return c1 >= minColumn_ && c0 <= maxColumn_ && r1 >= minRow_ && r0 <= maxRow_;
  }

  const PointAt& pointAt_;
  const PixelFrame& frame_;
  double tolerance_;
  std::int64_t budget_;
  std::int64_t evaluations_ = 0;
  bool budgetSpent_ = false;
  double minColumn_, minRow_, maxColumn_, maxRow_;
  PolylineBuilder out_;
};

template <class PointAt>
SampledCurve sampleCurve(const PointAt& pointAt, const ParameterRange& range,
                         const PixelFrame& frame, const CurveSampling& sampling) {
  if (!frame.valid()) return {};
  Sampler<PointAt> sampler(pointAt, frame, sampling);
  return sampler.run(range, sampling.steps);
}

}  // namespace

SampledCurve sampleParametric(const CurveFunction& x, const CurveFunction& y, ParameterRange range,
                              const PixelFrame& frame, const CurveSampling& sampling) {
  auto pointAt = [&](double t) -> std::optional<PlanePoint> {
    const std::optional<double> px = finiteValue(x, t);
    if (!px) return std::nullopt;
    const std::optional<double> py = finiteValue(y, t);
    if (!py) return std::nullopt;
    return PlanePoint{*px, *py};
  };
  return sampleCurve(pointAt, range, frame, sampling);
}

SampledCurve samplePolar(const CurveFunction& rho, ParameterRange range, const PixelFrame& frame,
                         const CurveSampling& sampling) {
  auto pointAt = [&](double theta) -> std::optional<PlanePoint> {
    const std::optional<double> r = finiteValue(rho, theta);
    if (!r) return std::nullopt;
    return PlanePoint{*r * std::cos(theta), *r * std::sin(theta)};
  };
  return sampleCurve(pointAt, range, frame, sampling);
}

}  // namespace quorvel
