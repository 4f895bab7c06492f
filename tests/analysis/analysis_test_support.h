#pragma once
// Curves and comparisons the analysis tests share.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysed_curve.h"
#include "analysis/key_points.h"
#include "analysis/search.h"
#include "document/list_entry.h"

namespace quorvel::test {

// The curve of the parameters, limited to `own`; fails the test when it is refused.
AnalysedCurve curveOf(const CurveParams& c, const Region& own = {});
CurveParams expression(const std::string& text);

// A list entry y = expression of the custom family, over the whole plane.
ListEntry customEntry(const std::string& expression, std::int32_t colour = 0x0000FF);

// A function of the C library as the calculus cores take one: failing where it is not
// finite.
ScalarFunction real(double (*f)(double));
// f of the curve y = f(x) of the parameters, in double precision.
ScalarFunction curveFunctionOf(const CurveParams& params);

// Every expected point found once, of its kind, within 1e-4 (relative beyond 1), and
// nothing else; the order is not compared.
void expectPoints(const std::vector<KeyPoint>& found, const std::vector<KeyPoint>& expected,
                  const std::string& what);

}  // namespace quorvel::test
