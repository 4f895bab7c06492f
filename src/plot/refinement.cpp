#include "plot/refinement.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvel {

namespace {

constexpr int kMaxDepth = 20;      // halvings of a chord between two drawn points
constexpr int kEdgeHalvings = 48;  // halvings towards an edge
constexpr int kBoundaryHalvings = 64;
constexpr double kJoinPixels = 1;      // a chord this short is left as it is
constexpr double kFlatPixels = 8;      // a longer chord is halved even when it looks flat
constexpr double kChordPixels = 0.25;  // how far off the chord a middle point may lie
constexpr double kLimitPixels = 0.5;   // how near a limit the approach goes

// The middle of two sweep values, as the sweep's own single precision has it.
float middle(float a, float b) {
  return static_cast<float>((static_cast<double>(a) + static_cast<double>(b)) / 2);
}

}  // namespace

Refinement::Refinement(CurveSampler& sampler, BranchOutput& output, const RefinementFrame& frame,
                       std::int64_t budget)
    : sampler_(sampler), output_(output), frame_(frame), budget_(budget) {}

bool Refinement::spend() {
  if (evaluations_ >= budget_) return false;
  ++evaluations_;
  return true;
}

void Refinement::between(int branch, const BranchSample& from, const BranchSample& to) {
  if (from.inside() && to.inside()) {
    refineInside(branch, from, to, 0);
  } else if (from.inside()) {
    approachExit(branch, from, to);
  } else if (to.inside()) {
    approachEntry(branch, from, to);
  }
  // Neither drawn: the sweep draws nothing between them either.
}

float Refinement::edge(float defined, float undefined) {
  for (int i = 0; i < kBoundaryHalvings; ++i) {
    const float t = middle(defined, undefined);
    if (t == defined || t == undefined || !spend()) break;
    if (sampler_.defined(t)) {
      defined = t;
    } else {
      undefined = t;
    }
  }
  return defined;
}

void Refinement::refineInside(int branch, const BranchSample& a, const BranchSample& b, int depth) {
  if (!frame_.followChords || pixelDistance(a, b) <= kJoinPixels) return;
  const float t = middle(a.t, b.t);
  if (t == a.t || t == b.t) return;  // neighbouring values: nothing lies between
  if (depth >= kMaxDepth) {
    // Still steep after every halving: the curve jumps here (a pole), no line.
    output_.gap(branch);
    return;
  }
  if (!spend()) {
    // The budget is spent (a curve that swings without end): no line unchecked.
    output_.gap(branch);
    return;
  }
  const BranchSample m = sampler_.sample(t, branch);
  if (!m.inside()) {
    // The curve leaves the limits (or has no point) between a and b.
    approachExit(branch, a, m);
    approachEntry(branch, m, b);
    return;
  }
  // A long chord is halved anyway: a curve that swings (or a pole) between its ends
  // may pass its middle by chance.
  if (pixelDistance(a, b) <= kFlatPixels && onChord(a, m, b)) return;
  refineInside(branch, a, m, depth + 1);
  output_.point(branch, m.x, m.y);
  refineInside(branch, m, b, depth + 1);
}

void Refinement::approachExit(int branch, BranchSample a, BranchSample beyond) {
  for (int i = 0; i < kEdgeHalvings && !nearEdge(a, beyond); ++i) {
    const float t = middle(a.t, beyond.t);
    if (t == a.t || t == beyond.t || !spend()) break;
    const BranchSample m = sampler_.sample(t, branch);
    if (m.inside()) {
      refineInside(branch, a, m, 0);
      output_.point(branch, m.x, m.y);
      a = m;
    } else {
      beyond = m;
    }
  }
  output_.gap(branch);
}

void Refinement::approachEntry(int branch, BranchSample before, const BranchSample& b) {
  // The drawn points found, latest first: each new one lies before the others.
  std::array<BranchSample, kEdgeHalvings> found;
  int count = 0;
  BranchSample first = b;
  for (int i = 0; i < kEdgeHalvings && !nearEdge(first, before); ++i) {
    const float t = middle(before.t, first.t);
    if (t == before.t || t == first.t || !spend()) break;
    const BranchSample m = sampler_.sample(t, branch);
    if (m.inside()) {
      found[static_cast<std::size_t>(count++)] = m;
      first = m;
    } else {
      before = m;
    }
  }
  output_.gap(branch);
  for (int i = count - 1; i >= 0; --i) {
    const BranchSample& p = found[static_cast<std::size_t>(i)];
    output_.point(branch, p.x, p.y);
    refineInside(branch, p, i > 0 ? found[static_cast<std::size_t>(i - 1)] : b, 0);
  }
}

bool Refinement::nearEdge(const BranchSample& in, const BranchSample& out) const {
  if (out.state != BranchSample::State::Outside) return false;
  const double limit = out.v >= frame_.hi ? frame_.hi : frame_.lo;
  const double perUnit = frame_.alongX ? frame_.pixelsPerUnitY : frame_.pixelsPerUnitX;
  return std::fabs(limit - in.v) * perUnit <= kLimitPixels;
}

double Refinement::pixelDistance(const BranchSample& a, const BranchSample& b) const {
  const double dx = (static_cast<double>(b.x) - a.x) * frame_.pixelsPerUnitX;
  const double dy = (static_cast<double>(b.y) - a.y) * frame_.pixelsPerUnitY;
  return std::sqrt(dx * dx + dy * dy);
}

bool Refinement::onChord(const BranchSample& a, const BranchSample& m,
                         const BranchSample& b) const {
  if (m.v < std::min(a.v, b.v) || m.v > std::max(a.v, b.v)) return false;
  const double ax = a.x * frame_.pixelsPerUnitX, ay = a.y * frame_.pixelsPerUnitY;
  const double dx = b.x * frame_.pixelsPerUnitX - ax, dy = b.y * frame_.pixelsPerUnitY - ay;
  const double mx = m.x * frame_.pixelsPerUnitX - ax, my = m.y * frame_.pixelsPerUnitY - ay;
  const double length = std::hypot(dx, dy);
  return length > 0 && std::fabs(dx * my - dy * mx) / length <= kChordPixels;
}

}  // namespace quorvel
