#pragma once
// Smooth curves: the points a sweep adds between two of its steps where the line
// between them would not follow the curve. Between two drawn points the interval is
// halved while the chord is longer than a pixel and the middle point leaves it; where
// the curve leaves the limits or stops being defined the edge is approached, so the
// curve runs up to it; and a chord that stays steep however far it is halved (a pole)
// is never drawn. Every halving costs one evaluation out of a fixed budget per sweep.
// The modern look asks for the edges alone when its curves are not smooth.
#include <cstdint>

namespace quorvel {

// One point of one branch of the curve at sweep value t.
struct BranchSample {
  enum class State {
    Undefined,  // no point there: rejected, failed or not finite
    Outside,    // a point beyond the limits: not drawn
    Inside,     // a point to draw
  };
  State state = State::Undefined;
  float t = 0;
  float x = 0, y = 0;  // view units
  double v = 0;        // the coordinate the limits apply to (y for the x sweeps)
  bool inside() const { return state == State::Inside; }
};

// What the refinement asks of the sweep.
class CurveSampler {
 public:
  virtual ~CurveSampler() = default;
  // The branch's point at t, computed as the sweep computes its steps.
  virtual BranchSample sample(float t, int branch) = 0;
  // Whether the curve has its points at t (the step's test passes and they compute).
  virtual bool defined(float t) = 0;
};

// Where the refinement's points go, in sweep order for each branch.
class BranchOutput {
 public:
  virtual ~BranchOutput() = default;
  // A point drawn and joined to the branch's last one, unless a gap came between.
  virtual void point(int branch, float x, float y) = 0;
  // The next point of the branch starts a new line.
  virtual void gap(int branch) = 0;
};

// How the sweep maps onto the picture.
struct RefinementFrame {
  double pixelsPerUnitX = 0;  // pixels per view unit along x and along y
  double pixelsPerUnitY = 0;
  bool alongX = true;  // x is swept (the limits apply to y)
  double lo = 0;       // the limits of v, as the sweep keeps them
  double hi = 0;
  // False: only the edges are approached, the chords between drawn points are left as
  // the sweep draws them (the modern look without 平滑曲线).
  bool followChords = true;
};

class Refinement {
 public:
  // No more than `budget` evaluations in all.
  Refinement(CurveSampler& sampler, BranchOutput& output, const RefinementFrame& frame,
             std::int64_t budget);

  // The points between two consecutive samples of a branch (`to` itself excluded: the
  // sweep draws it as it would anyway, joined unless a gap was output).
  void between(int branch, const BranchSample& from, const BranchSample& to);
  // The sweep value next to the boundary of where the curve is defined, on the side of
  // `defined` (where it is) from `undefined` (where it is not).
  float edge(float defined, float undefined);

  std::int64_t evaluations() const { return evaluations_; }

 private:
  bool spend();
  // Both inside: the points that make the chord follow the curve.
  void refineInside(int branch, const BranchSample& a, const BranchSample& b, int depth);
  // From a drawn point towards a point that is not drawn: points up to the edge.
  void approachExit(int branch, BranchSample a, BranchSample beyond);
  // From a point not drawn towards a drawn one: a new line from the edge on.
  void approachEntry(int branch, BranchSample before, const BranchSample& b);
  // Whether the halving of an interval towards an edge may stop at the point `in`.
  bool nearEdge(const BranchSample& in, const BranchSample& out) const;
  double pixelDistance(const BranchSample& a, const BranchSample& b) const;
  // m lies on the chord a–b to a fraction of a pixel, its value between theirs.
  bool onChord(const BranchSample& a, const BranchSample& m, const BranchSample& b) const;

  CurveSampler& sampler_;
  BranchOutput& output_;
  RefinementFrame frame_;
  std::int64_t budget_;
  std::int64_t evaluations_ = 0;
};

}  // namespace quorvel
