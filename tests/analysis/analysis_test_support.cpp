#include "analysis_test_support.h"

#include <algorithm>
#include <cmath>

#include "analysis/analysis_text.h"
#include "catalogue/families.h"

namespace quorvel::test {

namespace {

bool close(double a, double b) { return std::fabs(a - b) <= 1e-4 * std::max(1.0, std::fabs(b)); }

std::string describe(const std::vector<KeyPoint>& points) {
  std::string out;
  for (const KeyPoint& p : points) {
    out +=
        std::string(" ") + kindWord(p.kind) + "(" + decimalText(p.x) + "," + decimalText(p.y) + ")";
  }
  return out;
}

}  // namespace

AnalysedCurve curveOf(const CurveParams& c, const Region& own) {
  std::string reason;
  std::optional<AnalysedCurve> curve = AnalysedCurve::fromParams(c, own, reason);
  if (!curve) ADD_FAILURE() << "refused: " << reason;
  return curve ? *curve : *AnalysedCurve::fromParams(CurveParams{}, own, reason);
}

CurveParams expression(const std::string& text) {
  CurveParams c;
  c.funcFamily = 13;
  c.expression = text;
  return c;
}

void expectPoints(const std::vector<KeyPoint>& found, const std::vector<KeyPoint>& expected,
                  const std::string& what) {
  std::vector<bool> used(found.size(), false);
  for (const KeyPoint& e : expected) {
    bool matched = false;
    for (std::size_t i = 0; i < found.size() && !matched; ++i) {
      if (!used[i] && found[i].kind == e.kind && close(found[i].x, e.x) && close(found[i].y, e.y)) {
        used[i] = matched = true;
      }
    }
    EXPECT_TRUE(matched) << what << ": missing " << describe({e}) << "; found" << describe(found);
  }
  EXPECT_EQ(found.size(), expected.size()) << what << ": found" << describe(found);
}

ScalarFunction real(double (*f)(double)) {
  return [f](double x) -> std::optional<double> {
    const double v = f(x);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
  };
}

ScalarFunction curveFunctionOf(const CurveParams& params) {
  return [curve = curveOf(params)](double x) { return curve.valueAt(0, x); };
}

ListEntry customEntry(const std::string& expression, std::int32_t colour) {
  FuncRecord r;
  r.family = kCustomFamily;
  r.para1 = expression;
  r.zeroPara23 = true;
  r.color = colour;
  r.rangeX1 = kOpenLow;
  r.rangeX2 = kOpenHigh;
  r.rangeY1 = kOpenLow;
  r.rangeY2 = kOpenHigh;
  return ListEntry{ClassicCurve(r), true, {}};
}

}  // namespace quorvel::test
