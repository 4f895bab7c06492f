#include "plot/sweeps.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "eval/single_math.h"

namespace quorvel {

namespace {

constexpr double kSmartSkipAdvance = 0.1;  // curve units, on top of the normal step

// One branch of the curve: whether its next dot is joined to the previous one, and
// where that one was (view units).
struct Branch {
  bool joined = false;
  float prevX = 0;
  float prevY = 0;
};

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

class Sweeper {
 public:
  Sweeper(PlotContext& ctx, const PlotOptions& options, const SweepPlan& plan)
      : ctx_(ctx), options_(options), plan_(plan), p_(ctx.points) {}

  void run();
  void flushDots();

 private:
  // Each step returns true when Smart Skip asks to move on an extra distance.
  bool oneValueStep(float t);
  bool twoValueStep(float t);
  bool setProgress(float t);
  // Computes the step's coordinates into the point variables, in curve units.
  StepCheck evaluate(float t);
  // Multiplies the step's coordinates by the scale; false on overflow.
  bool scalePoints();
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
};

void Sweeper::addDot(float x, float y, const Branch& branch) {
  PlotDot& d = dots_[dotCount_];
  d.x = x;
  d.y = y;
  d.joined = options_.link && branch.joined;
  d.fromX = branch.prevX;
  d.fromY = branch.prevY;
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
    const bool accepted = ctx_.progress.setValue(value);
    shown_ = {true, accepted, rounded - 0.5, rounded + 0.5};
    return accepted;
  }
  // The bar refuses a value outside 0..100, which fails the step.
  return ctx_.progress.setValue(value);
}

StepCheck Sweeper::evaluate(float t) {
  const CurveParams& curve = ctx_.curve;
  switch (plan_.kind) {
    case SweepKind::XOneValue: {
      float y = 0;
      if (f(curve, ctx_.eval, t, y) != kOk) return StepCheck::Fail;
      if (curve.funcFamily == 13) {
        if (curve.funcForm == 1) {
          float sum = 0;
          if (addSingle(runningSum_, y, sum) != kOk) return StepCheck::Fail;
          runningSum_ = sum;
          y = sum;
        }
        // The expression could not be computed here (the sum keeps what was added).
        if (ctx_.eval.evalStatus != 0) return StepCheck::Reject;
      }
      p_.pointX1 = t;
      p_.pointY1 = y;
      return StepCheck::Accept;
    }
    case SweepKind::XTwoValues:
      if (f2(curve, t, p_) != kOk) return StepCheck::Fail;
      p_.pointX1 = t;
      return StepCheck::Accept;
    case SweepKind::YOneValue: {
      float x = 0;
      if (f1(curve, t, x) != kOk) return StepCheck::Fail;
      p_.pointY1 = t;
      p_.pointX1 = x;
      return StepCheck::Accept;
    }
    case SweepKind::YTwoValues:
      if (f3(curve, t, p_) != kOk) return StepCheck::Fail;
      p_.pointY1 = t;
      return StepCheck::Accept;
  }
  return StepCheck::Fail;
}

bool Sweeper::scalePoints() {
  auto scale = [this](float& v) {
    float scaled = 0;
    if (mulSingle(v, plan_.scale, scaled) != kOk || !std::isfinite(scaled)) return false;
    v = scaled;
    return true;
  };
  if (!scale(p_.pointX1) || !scale(p_.pointY1)) return false;
  if (plan_.kind == SweepKind::XTwoValues) return scale(p_.pointY2);
  if (plan_.kind == SweepKind::YTwoValues) return scale(p_.pointX2);
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
  if (!setProgress(t) || checkStep(plan_.kind, ctx_.curve, t) != StepCheck::Accept ||
      evaluate(t) != StepCheck::Accept || !scalePoints()) {
    first_.joined = false;
    return false;
  }
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
      first_.joined = false;
      second_.joined = false;
      return false;
    case StepCheck::Fail: return false;
  }
  if (evaluate(t) != StepCheck::Accept || !scalePoints()) return false;

  const bool alongX = plan_.kind == SweepKind::XTwoValues;
  const float v1 = alongX ? p_.pointY1 : p_.pointX1;
  const float v2 = alongX ? p_.pointY2 : p_.pointX2;
  const bool inside1 = plotInBranch(first_, p_.pointX1, p_.pointY1, v1);
  const bool inside2 = alongX ? plotInBranch(second_, p_.pointX1, p_.pointY2, v2)
                              : plotInBranch(second_, p_.pointX2, p_.pointY1, v2);
  return !inside1 && !inside2 && options_.skip && farOut(v1) && farOut(v2);
}

}  // namespace

void runSweep(PlotContext& ctx, const PlotOptions& options, const SweepPlan& plan) {
  Sweeper sweeper(ctx, options, plan);
  sweeper.run();
  sweeper.flushDots();
}

}  // namespace quorvel
