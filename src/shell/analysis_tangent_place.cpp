// Where the analysis window's tangent touches the chosen curve: the box read as the
// curve's kind gives its point (x₀ of y = f(x), t₀ or θ₀ of a parametric or polar
// curve, a point of any other), and the trace's point put in the box.
#include <algorithm>
#include <cmath>

#include "analysis/analysis_text.h"
#include "analysis/curve_tangent.h"
#include "catalogue/curve_rules.h"
#include "document/typed_record.h"
#include "shell/frm_analysis.h"

namespace quorvel {

namespace {

constexpr double kRounding = 1e-12;

inline constexpr const char* kMessageNoTracedPoint = "先勾选“跟踪”，在图上点选曲线上要作切线的点";

const char* placeCaption(const AnalysedCurve* curve) {
  if (curve == nullptr) return "ｘ₀＝";
  switch (tangentPlaceOf(*curve)) {
    case TangentPlace::kX: return "ｘ₀＝";
    case TangentPlace::kParameter:
      return curve->plane()->kind == PlaneKind::kPolar ? "θ₀＝" : "ｔ₀＝";
    case TangentPlace::kPoint: return "切点＝";
  }
  return "ｘ₀＝";
}

}  // namespace

void frmAnalysis::showTangentPlace() {
  lblTangentAt.setCaption(placeCaption(curve_ ? &*curve_ : nullptr));
}

std::string frmAnalysis::tangentAtTyped(const std::string& typed) {
  const TangentPlace place = tangentPlaceOf(*curve_);
  TangentOutcome outcome;
  if (place == TangentPlace::kPoint) {
    const std::optional<PlanePoint> p = typedPoint(typed);
    if (!p) return kMessageTangentPointText;
    outcome = curveTangentNear(*curve_, *p, pointReach(*p));
  } else {
    double v = 0;
    if (typedNumber(typed, v) != kOk || !std::isfinite(v)) {
      std::string name = placeCaption(&*curve_);
      name.resize(name.size() - std::string("＝").size());
      return name + "：" + kMessageDataError;
    }
    outcome = place == TangentPlace::kX ? curveTangentAtX(*curve_, v)
                                        : curveTangentAtParameter(*curve_, v);
  }
  tangent_ = outcome.tangent;
  if (!tangent_) return outcome.reason;
  std::string caption = "切线：" + equationText(tangent_->tangent);
  // Away from y = f(x) the box does not say where the point is.
  if (place != TangentPlace::kX) {
    const PlanePoint& p = tangent_->point;
    // cos(π/2) and the like: a coordinate that is only a rounding of the other is 0.
    const double size = std::max({1.0, std::fabs(p.x), std::fabs(p.y)});
    const auto tidy = [size](double v) { return std::fabs(v) <= kRounding * size ? 0.0 : v; };
    caption += "，切点(" + textbookNumber(tidy(p.x)) + ", " + textbookNumber(tidy(p.y)) + ")";
  }
  return caption;
}

void frmAnalysis::rememberTraced(const TracedPoint& point) {
  if (tracedPinned_ && tracedLine_ == cboCurve.ListIndex()) return;
  traced_ = point;
  tracedLine_ = cboCurve.ListIndex();
  tracedPinned_ = false;
}

void frmAnalysis::pointerClicked(float x, float y) {
  tracedPinned_ = false;
  traced_.reset();
  pointerMoved(x, y);
  tracedPinned_ = traced_.has_value();
}

void frmAnalysis::cmdTangentAtTrace_Click() {
  if (!curve_ || !traced_ || tracedLine_ != cboCurve.ListIndex()) {
    lblTangentLine.setCaption(kMessageNoTracedPoint);
    return;
  }
  std::string text;
  switch (tangentPlaceOf(*curve_)) {
    case TangentPlace::kX: text = decimalText(traced_->x); break;
    case TangentPlace::kParameter:
      if (!traced_->parameter) {
        lblTangentLine.setCaption(kMessageNoTracedPoint);
        return;
      }
      text = decimalText(*traced_->parameter);
      break;
    case TangentPlace::kPoint: text = decimalText(traced_->x) + ", " + decimalText(traced_->y);
  }
  // The box's own handling finds the tangent and draws it. The same text again finds
  // nothing new: the caption is found again all the same.
  if (txtTangentAt.Text() == text) {
    updateTangent();
  } else {
    txtTangentAt.setText(text);
  }
}

}  // namespace quorvel
