#include "plot/sweeps.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

#include "eval/single_math.h"
#include "plot/refinement.h"

namespace quorvel {

namespace {

constexpr double kSmartSkipAdvance = 0.1;  // curve units, on top of the normal step

// One branch of the curve: whether its next dot is joined to the previous one, and
// where that one was (view units). Smooth curves also keep the branch's last step,
// drawn or not.
struct Branch {
  bool joined = false;
  float prevX = 0;
  float prevY = 0;
  std::optional<BranchSample> last;
};

// Evaluations smooth curves may add to a sweep of `level` steps.
std::int64_t refinementBudget(int level) {
  return 8 * static_cast<std::int64_t>(level < 1 ? 1 : level) + 16384;
}

// The dots of a sweep go to the surface in runs: nothing else draws while the sweep
// runs, so the calls and their order are the same as one at a time.
constexpr std::size_t kDotsPerRun = 512;

// The last progress value worked out, and the shares that round to it for certain
// (ties excluded): a step whose share lies strictly between them shows the same
// value with the same outcome, and the bar is not asked again.
struct ShownProgress {
  bool known = false;
  bool accepted = false;
  double low = 0;
  double high = 0;
};

class Sweeper : CurveSampler, BranchOutput {
 public:
  Sweeper(PlotContext& ctx, const PlotOptions& options, const SweepPlan& plan);

  void run();
  void flushDots();

 private:
  // Smooth curves: the refinement's view of the sweep.
  BranchSample sample(float t, int branch) override;
  bool defined(float t) override;
  void point(int branch, float x, float y) override;
  void gap(int branch) override { branchAt(branch).joined = false; }
  Branch& branchAt(int branch) { return branch == 0 ? first_ : second_; }
  // The branch's sample at a step; the refinement's points since its last one first.
  void advance(int branch, const BranchSample& next);
  // Draws a sample as the step would (a dot when inside, else a break).
  void plotSample(int branch, const BranchSample& s);
  // The conic's two branches meet where its points stop (or start) between the last
  // accepted step and a rejected one: the sweep runs on to that edge.
  void closeAtEdge(float rejected);
  void openAtEdge(float accepted);
  BranchSample sampleOf(float t, const CurvePoints& points, int branch) const;
  BranchSample vertexOf(const BranchSample& a, const BranchSample& b) const;

  // Each step returns true when Smart Skip asks to move on an extra distance.
  bool oneValueStep(float t);
  bool twoValueStep(float t);
  bool setProgress(float t);
  // Tells the progress of the value; false when no bar could show it.
  bool showProgress(std::int32_t value);
  // Computes the step's coordinates into `points`, in curve units; a step of the
  // sweep adds to the running sum of "Ｓｘ＝", the refinement's points do not.
  StepCheck evaluate(float t, CurvePoints& points, EvalState& eval, bool sweepStep);
  // Multiplies the coordinates by the scale; false on overflow.
  bool scalePoints(CurvePoints& points) const;
  // Draws the branch's point when v lies strictly inside the limits.
  bool plotInBranch(Branch& branch, float x, float y, float v);
  bool farOut(float v) const { return isFarOut(v, plan_.lo, plan_.hi, plan_.skip); }
  bool notPassed(float t) const;
  bool isBeyond(float t, float previous) const;
  void addDot(float x, float y, const Branch& branch);

  PlotContext& ctx_;
  const PlotOptions& options_;
  const SweepPlan& plan_;
  CurvePoints& p_;
  Branch first_;
  Branch second_;
  float runningSum_ = 0;  // "Ｓｘ＝": the sum of every evaluated value so far
  ShownProgress shown_;
  std::array<PlotDot, kDotsPerRun> dots_{};
  std::size_t dotCount_ = 0;
  std::optional<Refinement> refinement_;
  EvalState scratchEval_;            // the refinement's evaluations leave the panel's alone
  std::optional<float> rejectedAt_;  // two values: the last step, when it was rejected
  std::optional<float> acceptedAt_;  // two values: the last step, when it was accepted
};

Sweeper::Sweeper(PlotContext& ctx, const PlotOptions& options, const SweepPlan& plan)
    : ctx_(ctx), options_(options), plan_(plan), p_(ctx.points) {
  if (!plan.refine && !plan.toEdges) return;
  const Surface& canvas = ctx.canvas;
  RefinementFrame frame;
  if (canvas.ScaleWidth() != 0) {
    frame.pixelsPerUnitX = std::fabs(canvas.AreaWidthPixels() / double{canvas.ScaleWidth()});
  }
  if (canvas.ScaleHeight() != 0) {
    frame.pixelsPerUnitY = std::fabs(canvas.AreaHeightPixels() / double{canvas.ScaleHeight()});
  }
  frame.alongX = sweepsAlongX(plan.kind);
  frame.lo = plan.lo;
  frame.hi = plan.hi;
  frame.followChords = plan.refine;
  CurveSampler& sampler = *this;  // the bases are private: converted here
  BranchOutput& output = *this;
  refinement_.emplace(sampler, output, frame, refinementBudget(options.level));
}

void Sweeper::addDot(float x, float y, const Branch& branch) {
  PlotDot& d = dots_[dotCount_];
  d.x = x;
  d.y = y;
  d.joined = options_.link && branch.joined;
  d.fromX = branch.prevX;
  d.fromY = branch.prevY;
  if (ctx_.drawnDots != nullptr) ctx_.drawnDots->push_back(d);
  if (++dotCount_ == dots_.size()) flushDots();
}

void Sweeper::flushDots() {
  ctx_.canvas.PlotDots(dots_.data(), dotCount_);
  dotCount_ = 0;
}

bool Sweeper::notPassed(float t) const {
  if (plan_.step > 0) return t <= plan_.tEnd;
  if (plan_.step < 0) return t >= plan_.tEnd;
  return true;  // a zero step visits its single value once (see run)
}

bool Sweeper::isBeyond(float t, float previous) const {
  return plan_.step > 0 ? t > previous : t < previous;
}

void Sweeper::run() {
  float t = plan_.tStart;
  bool visited = false;
  float previous = 0;
  for (std::int64_t count = 0; count < kMaxSweepSteps && notPassed(t); ++count) {
    float worked = t;
    const bool snapFailed =
        options_.fixx && plan_.step != 0 && snapToStep(worked, plan_.step) != kOk;
    // Far from zero a step may be lost in single precision (or undone by the
    // snapping): the sweep would stand still, so it ends there.
    if (visited && !isBeyond(worked, previous)) break;
    visited = true;
    previous = worked;

    bool skipAhead = false;
    if (snapFailed) {
      if (!hasTwoValues(plan_.kind)) first_.joined = false;
      first_.last.reset();
      second_.last.reset();
      rejectedAt_.reset();
      acceptedAt_.reset();
    } else {
      skipAhead = hasTwoValues(plan_.kind) ? twoValueStep(worked) : oneValueStep(worked);
    }
    if (plan_.step == 0) break;

    t = worked;
    if (skipAhead) {
      // The extra distance goes the way the sweep runs, also for a negative step.
      const double advance = plan_.step > 0 ? kSmartSkipAdvance : -kSmartSkipAdvance;
      t = static_cast<float>(static_cast<double>(t) + advance);
    }
    t = t + plan_.step;
  }
}

bool Sweeper::setProgress(float t) {
  std::int32_t value = 0;
  if (plan_.range == 0) {
    // The x sweeps leave the bar alone over a single value; the y sweeps show 0
    // rather than dividing by the zero range.
    if (sweepsAlongX(plan_.kind)) return true;
  } else {
    const double share = progressShare(t, plan_.tStart, plan_.range);
    if (shown_.known && shown_.low < share && share < shown_.high) return shown_.accepted;
    std::int32_t rounded = 0;
    if (roundToInt32(share, rounded) != kOk) return false;
    value = rounded % 100;  // the sign of the dividend is kept
    const bool accepted = showProgress(value);
    shown_ = {true, accepted, rounded - 0.5, rounded + 0.5};
    return accepted;
  }
  return showProgress(value);
}

bool Sweeper::showProgress(std::int32_t value) {
  // A progress bar takes 0 to 100 only: any other value fails the step, as the
  // platform's bar did by raising an error.
  if (value < 0 || value > 100) return false;
  if (ctx_.progress) ctx_.progress(value);
  return true;
}

StepCheck Sweeper::evaluate(float t, CurvePoints& points, EvalState& eval, bool sweepStep) {
  const CurveParams& curve = ctx_.curve;
  switch (plan_.kind) {
    case SweepKind::XOneValue: {
      float y = 0;
      if (f(curve, eval, t, y) != kOk) return StepCheck::Fail;
      if (curve.funcFamily == 13) {
        if (curve.funcForm == 1 && sweepStep) {
          float sum = 0;
          if (addSingle(runningSum_, y, sum) != kOk) return StepCheck::Fail;
          runningSum_ = sum;
          y = sum;
        }
        // The expression could not be computed here (the sum keeps what was added).
        if (eval.evalStatus != 0) return StepCheck::Reject;
      }
      points.pointX1 = t;
      points.pointY1 = y;
      return StepCheck::Accept;
    }
    case SweepKind::XTwoValues:
      if (f2(curve, t, points) != kOk) return StepCheck::Fail;
      points.pointX1 = t;
      return StepCheck::Accept;
    case SweepKind::YOneValue: {
      float x = 0;
      if (f1(curve, t, x) != kOk) return StepCheck::Fail;
      points.pointY1 = t;
      points.pointX1 = x;
      return StepCheck::Accept;
    }
    case SweepKind::YTwoValues:
      if (f3(curve, t, points) != kOk) return StepCheck::Fail;
      points.pointY1 = t;
      return StepCheck::Accept;
  }
  return StepCheck::Fail;
}

bool Sweeper::scalePoints(CurvePoints& points) const {
  auto scale = [this](float& v) {
    float scaled = 0;
    if (mulSingle(v, plan_.scale, scaled) != kOk || !std::isfinite(scaled)) return false;
    v = scaled;
    return true;
  };
  if (!scale(points.pointX1) || !scale(points.pointY1)) return false;
  if (plan_.kind == SweepKind::XTwoValues) return scale(points.pointY2);
  if (plan_.kind == SweepKind::YTwoValues) return scale(points.pointX2);
  return true;
}

bool Sweeper::plotInBranch(Branch& branch, float x, float y, float v) {
  const double value = v;
  if (!(plan_.lo < value && value < plan_.hi)) {
    branch.joined = false;
    return false;
  }
  addDot(x, y, branch);
  branch.prevX = x;
  branch.prevY = y;
  branch.joined = true;
  return true;
}

bool Sweeper::oneValueStep(float t) {
  // In the one-value sweeps every failing or rejected step breaks the line.
  if (!setProgress(t)) {
    first_.joined = false;
    first_.last.reset();
    return false;
  }
  if (checkStep(plan_.kind, ctx_.curve, t) != StepCheck::Accept ||
      evaluate(t, p_, ctx_.eval, true) != StepCheck::Accept || !scalePoints(p_)) {
    if (refinement_) advance(0, BranchSample{BranchSample::State::Undefined, t});
    first_.joined = false;
    return false;
  }
  if (refinement_) advance(0, sampleOf(t, p_, 0));
  const float v = plan_.kind == SweepKind::XOneValue ? p_.pointY1 : p_.pointX1;
  if (plotInBranch(first_, p_.pointX1, p_.pointY1, v)) return false;
  return options_.skip && farOut(v);
}

bool Sweeper::twoValueStep(float t) {
  // A failing step keeps both branches' flags; only a rejected one clears them.
  if (!setProgress(t)) return false;
  switch (checkStep(plan_.kind, ctx_.curve, t)) {
    case StepCheck::Accept: break;
    case StepCheck::Reject:
      if (refinement_) closeAtEdge(t);
      first_.joined = false;
      second_.joined = false;
      return false;
    case StepCheck::Fail:
      acceptedAt_.reset();
      rejectedAt_.reset();
      return false;
  }
  if (evaluate(t, p_, ctx_.eval, true) != StepCheck::Accept || !scalePoints(p_)) {
    acceptedAt_.reset();
    rejectedAt_.reset();
    return false;
  }
  if (refinement_) {
    if (rejectedAt_) openAtEdge(t);
    advance(0, sampleOf(t, p_, 0));
    advance(1, sampleOf(t, p_, 1));
    acceptedAt_ = t;
    rejectedAt_.reset();
  }

  const bool alongX = plan_.kind == SweepKind::XTwoValues;
  const float v1 = alongX ? p_.pointY1 : p_.pointX1;
  const float v2 = alongX ? p_.pointY2 : p_.pointX2;
  const bool inside1 = plotInBranch(first_, p_.pointX1, p_.pointY1, v1);
  const bool inside2 = alongX ? plotInBranch(second_, p_.pointX1, p_.pointY2, v2)
                              : plotInBranch(second_, p_.pointX2, p_.pointY1, v2);
  return !inside1 && !inside2 && options_.skip && farOut(v1) && farOut(v2);
}

BranchSample Sweeper::sampleOf(float t, const CurvePoints& points, int branch) const {
  BranchSample s;
  s.t = t;
  const bool alongX = sweepsAlongX(plan_.kind);
  s.x = points.pointX1;
  s.y = points.pointY1;
  if (branch == 1) (alongX ? s.y : s.x) = alongX ? points.pointY2 : points.pointX2;
  s.v = alongX ? s.y : s.x;
  if (!std::isfinite(s.x) || !std::isfinite(s.y))
    return BranchSample{BranchSample::State::Undefined, t};
  s.state =
      plan_.lo < s.v && s.v < plan_.hi ? BranchSample::State::Inside : BranchSample::State::Outside;
  return s;
}

BranchSample Sweeper::sample(float t, int branch) {
  CurvePoints points = p_;
  if (checkStep(plan_.kind, ctx_.curve, t) != StepCheck::Accept ||
      evaluate(t, points, scratchEval_, false) != StepCheck::Accept || !scalePoints(points)) {
    return BranchSample{BranchSample::State::Undefined, t};
  }
  return sampleOf(t, points, branch);
}

bool Sweeper::defined(float t) {
  CurvePoints points = p_;
  return checkStep(plan_.kind, ctx_.curve, t) == StepCheck::Accept &&
         evaluate(t, points, scratchEval_, false) == StepCheck::Accept && scalePoints(points);
}

void Sweeper::point(int branch, float x, float y) {
  Branch& b = branchAt(branch);
  addDot(x, y, b);
  b.prevX = x;
  b.prevY = y;
  b.joined = true;
}

void Sweeper::advance(int branch, const BranchSample& next) {
  Branch& b = branchAt(branch);
  if (b.last) refinement_->between(branch, *b.last, next);
  b.last = next;
}

void Sweeper::plotSample(int branch, const BranchSample& s) {
  Branch& b = branchAt(branch);
  if (s.state == BranchSample::State::Undefined) {
    b.joined = false;
  } else {
    plotInBranch(b, s.x, s.y, static_cast<float>(s.v));
  }
}

BranchSample Sweeper::vertexOf(const BranchSample& a, const BranchSample& b) const {
  // Where the two branches meet: the middle of their two points at the edge.
  CurvePoints points;
  points.pointX1 = (a.x + b.x) / 2;
  points.pointY1 = (a.y + b.y) / 2;
  return sampleOf(a.t, points, 0);
}

void Sweeper::closeAtEdge(float rejected) {
  const std::optional<float> accepted = acceptedAt_;
  acceptedAt_.reset();
  rejectedAt_ = rejected;
  if (!accepted) return;
  const float t = refinement_->edge(*accepted, rejected);
  const BranchSample ends[2] = {sample(t, 0), sample(t, 1)};
  if (ends[0].state == BranchSample::State::Undefined) return;
  const BranchSample vertex = vertexOf(ends[0], ends[1]);
  for (int branch = 0; branch < 2; ++branch) {
    advance(branch, ends[branch]);
    plotSample(branch, ends[branch]);
    advance(branch, vertex);
    plotSample(branch, vertex);
    branchAt(branch).last.reset();
  }
}

void Sweeper::openAtEdge(float accepted) {
  const float rejected = *rejectedAt_;
  rejectedAt_.reset();
  const float t = refinement_->edge(accepted, rejected);
  const BranchSample starts[2] = {sample(t, 0), sample(t, 1)};
  if (starts[0].state == BranchSample::State::Undefined) return;
  const BranchSample vertex = vertexOf(starts[0], starts[1]);
  for (int branch = 0; branch < 2; ++branch) {
    branchAt(branch).last.reset();
    advance(branch, vertex);
    plotSample(branch, vertex);
    advance(branch, starts[branch]);
    plotSample(branch, starts[branch]);
  }
}

}  // namespace

void runSweep(PlotContext& ctx, const PlotOptions& options, const SweepPlan& plan) {
  Sweeper sweeper(ctx, options, plan);
  sweeper.run();
  sweeper.flushDots();
}

}  // namespace quorvel
